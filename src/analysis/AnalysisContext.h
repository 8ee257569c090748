#pragma once
#include "analysis/AnalysisDialogs.h"
#include "analysis/Prompts.h"
#include "model/ProgramState.h"

namespace orvella::analysis {

// What every step of one analysis run works with: the program-wide state (plan and
// language), the message boxes and the analysis dialogs.
struct AnalysisContext {
    model::ProgramState& state;
    analysis::Prompts& prompts;
    AnalysisDialogs& dialogs;
};

} // namespace orvella::analysis
