#pragma once
#include "analysis/Prompts.h"
#include "mainwindow/WorkingDocument.h"
#include "mainwindow/frmMain.h"
#include "model/ProgramState.h"
#include "platform/WordProcessor.h"
#include <memory>

namespace orvella::mainwindow {
class RecoveryKeeper;
}

namespace orvella::mainwindow {

struct StartupResult {
    // The main window, shown; none when the word processor is missing.
    std::unique_ptr<frmMain> mainWindow;
    std::shared_ptr<WorkingDocument> workingDocument;
    // Keeps the unsaved plan safe from a crash; belongs to the main window.
    RecoveryKeeper* recovery = nullptr;
};

// The program's start: checks for the word processor (two messages and nothing else when it
// is missing), lets the user pick the language on the splash screen, then makes the working
// document and shows the main window with the plan started. A plan that an earlier run
// left unsaved (in `recoveryFolder`) is then offered for recovery.
StartupResult startUp(platform::WordProcessor& wordProcessor, analysis::Prompts& prompts,
                      model::ProgramState& state, const QString& recoveryFolder = {});

} // namespace orvella::mainwindow
