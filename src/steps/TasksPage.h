#pragma once
#include "steps/StepPage.h"

namespace orvella::steps {

// Step 3: up to ten tasks in the order they are done, drawn as a flow diagram.
class TasksPage : public StepPage {
    Q_OBJECT
public:
    static constexpr int MaxTasks = 10;

    TasksPage(model::ProgramState& state, QWidget* parent = nullptr);

    // Rebuilds the plan's tasks from the filled boxes and asks for the next step.
    void submit();
};

} // namespace orvella::steps
