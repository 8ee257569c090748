#pragma once
#include "mainwindow/StepPage.h"

namespace orvella::mainwindow {

// Step 4: the doorway to the hazard analysis.
class AnalysisPage : public StepPage {
    Q_OBJECT
public:
    AnalysisPage(model::ProgramState& state, QWidget* parent = nullptr);

signals:
    // "Skip to Next Step": an earlier analysis still holds; go on to step 5.
    void skipRequested();
};

} // namespace orvella::mainwindow
