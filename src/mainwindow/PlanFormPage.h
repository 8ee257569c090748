#pragma once
#include "analysis/PlanGaps.h"
#include "mainwindow/StepPage.h"

class QCheckBox;
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

    // The approval's line ("Version 2 was approved on ..."); empty hides it.
    void showApproval(const QString& text);
    // "Add blank record sheets for the crew".
    bool recordSheets() const;

signals:
    // A line of the gap list was activated: the step where that gap is mended.
    void stepRequested(int step);

    // "Create HACCP Plan as an MS Word Document".
    void documentRequested();

    // "Plan Approval...".
    void approvalRequested();

private:
    QLineEdit* m_title = nullptr;
    QLabel* m_gapsHeading = nullptr;
    QLabel* m_gaps = nullptr;
    QLabel* m_approval = nullptr;
    QCheckBox* m_recordSheets = nullptr;
};

} // namespace orvella::mainwindow
