#pragma once
#include "mainwindow/StepPage.h"

class QLabel;
class QPushButton;

namespace orvella::mainwindow {

// Step 4: the doorway to the hazard analysis.
class AnalysisPage : public StepPage {
    Q_OBJECT
public:
    AnalysisPage(model::ProgramState& state, QWidget* parent = nullptr);

    // A plan with a finished analysis may skip this step; the note that says so has no
    // Spanish text, so a Spanish run keeps it hidden.
    void load(const model::HACCP_Plan& plan) override;
    void store(model::HACCP_Plan&) override {}

    // The note that an analysis has already been completed (lblStatus).
    void showCompletedNote(bool visible);
    // "Skip to Next Step" (cmdSkip).
    void enableSkip(bool enabled);
    // "Review the Analysis..." is there once the plan holds answers; "Update the Analysis"
    // with what changed since the analysis (lblChanges), when anything did.
    void showReviewState(bool hasAnswers, int newPairs, int removedPairs);

signals:
    // "Start Hazard Analysis".
    void analysisRequested();
    // "Skip to Next Step": an earlier analysis still holds; go on to step 5.
    void skipRequested();
    // "Review the Analysis...".
    void reviewRequested();
    // "Update the Analysis": answer only what changed.
    void updateRequested();

private:
    QLabel* m_note = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_review = nullptr;
    QLabel* m_changes = nullptr;
    QPushButton* m_update = nullptr;
};

} // namespace orvella::mainwindow
