#pragma once
#include "mainwindow/StepPage.h"

class QLineEdit;

namespace orvella::mainwindow {

// Step 3: up to ten tasks in the order they are done, drawn as a flow diagram.
class TasksPage : public StepPage {
    Q_OBJECT
public:
    static constexpr int MaxTasks = 10;

    TasksPage(model::ProgramState& state, QWidget* parent = nullptr);

    // The first ten tasks, one to a box. A box shows the task's description, or its name
    // when a file gave it none.
    void load(const model::HACCP_Plan& plan) override;
    // Rebuilds the plan's tasks from the filled boxes, numbered without gaps.
    void store(model::HACCP_Plan& plan) override;

    // Stores the tasks and asks for the next step.
    void submit();

private:
    QLineEdit* m_boxes[MaxTasks] = {};
    quint32 m_rowTasks[MaxTasks] = {}; // the task each row holds (its Id), 0 for none
};

} // namespace orvella::mainwindow
