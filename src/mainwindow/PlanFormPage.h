#pragma once
#include "mainwindow/StepPage.h"

namespace orvella::mainwindow {

// Step 5: the plan's title and the button that writes the plan document.
class PlanFormPage : public StepPage {
    Q_OBJECT
public:
    PlanFormPage(model::ProgramState& state, QWidget* parent = nullptr);
};

} // namespace orvella::mainwindow
