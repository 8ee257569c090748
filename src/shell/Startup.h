#pragma once
#include "model/ProgramState.h"
#include "model/Prompts.h"
#include "platform/WordProcessor.h"
#include "shell/WorkingDocument.h"
#include "steps/frmMain.h"
#include <memory>

namespace orvella::shell {

struct StartupResult {
    // The main window, shown; none when the word processor is missing.
    std::unique_ptr<steps::frmMain> mainWindow;
    std::shared_ptr<WorkingDocument> workingDocument;
};

// The program's start: checks for the word processor (two messages and nothing else when it
// is missing), lets the user pick the language on the splash screen, then makes the working
// document and shows the main window with the plan started.
StartupResult startUp(platform::WordProcessor& wordProcessor, model::Prompts& prompts,
                      model::ProgramState& state);

} // namespace orvella::shell
