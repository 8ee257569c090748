#pragma once
#include "mainwindow/StepPage.h"

class QPlainTextEdit;

namespace orvella::mainwindow {

// Step 1: contact information and the description of the activity.
class ActivityPage : public StepPage {
    Q_OBJECT
public:
    ActivityPage(model::ProgramState& state, QWidget* parent = nullptr);

    // Copies the nine boxes into the plan and asks for the next step.
    void submit();
};

} // namespace orvella::mainwindow
