#pragma once
#include "mainwindow/StepPage.h"

class QLineEdit;

namespace orvella::mainwindow {

// Step 5: the plan's title and the button that writes the plan document.
class PlanFormPage : public StepPage {
    Q_OBJECT
public:
    PlanFormPage(model::ProgramState& state, QWidget* parent = nullptr);

    void load(const model::HACCP_Plan& plan) override;
    // The title exactly as typed.
    void store(model::HACCP_Plan& plan) override;

signals:
    // "Create HACCP Plan as an MS Word Document".
    void documentRequested();

private:
    QLineEdit* m_title = nullptr;
};

} // namespace orvella::mainwindow
