#pragma once
#include "model/ProgramState.h"
#include "analysis/Prompts.h"
#include "platform/WordProcessor.h"
#include "mainwindow/WorkingDocument.h"
#include "mainwindow/frmMain.h"
#include <memory>

namespace orvella::mainwindow {

struct StartupResult {
    // The main window, shown; none when the word processor is missing.
    std::unique_ptr<frmMain> mainWindow;
    std::shared_ptr<WorkingDocument> workingDocument;
};

// The program's start: checks for the word processor (two messages and nothing else when it
// is missing), lets the user pick the language on the splash screen, then makes the working
// document and shows the main window with the plan started.
StartupResult startUp(platform::WordProcessor& wordProcessor, analysis::Prompts& prompts,
                      model::ProgramState& state);

} // namespace orvella::mainwindow
