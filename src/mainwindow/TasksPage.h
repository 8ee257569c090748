#pragma once
#include "mainwindow/StepPage.h"

namespace orvella::mainwindow {

// Step 3: up to ten tasks in the order they are done, drawn as a flow diagram.
class TasksPage : public StepPage {
    Q_OBJECT
public:
    static constexpr int MaxTasks = 10;

    TasksPage(model::ProgramState& state, QWidget* parent = nullptr);

    // Rebuilds the plan's tasks from the filled boxes and asks for the next step.
    void submit();
};

} // namespace orvella::mainwindow
