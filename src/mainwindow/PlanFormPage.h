#pragma once
#include "analysis/PlanGaps.h"
#include "mainwindow/StepPage.h"

class QLabel;
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

    // Shows what the plan still lacks, one link a line, in the run's language; the document
    // can be created all the same.
    void showGaps(const QList<analysis::PlanGap>& gaps);

signals:
    // A line of the gap list was activated: the step where that gap is mended.
    void stepRequested(int step);

    // "Create HACCP Plan as an MS Word Document".
    void documentRequested();

private:
    QLineEdit* m_title = nullptr;
    QLabel* m_gapsHeading = nullptr;
    QLabel* m_gaps = nullptr;
};

} // namespace orvella::mainwindow
