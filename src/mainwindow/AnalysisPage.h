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

signals:
    // "Start Hazard Analysis".
    void analysisRequested();
    // "Skip to Next Step": an earlier analysis still holds; go on to step 5.
    void skipRequested();

private:
    QLabel* m_note = nullptr;
    QPushButton* m_skip = nullptr;
};

} // namespace orvella::mainwindow
