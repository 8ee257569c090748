#pragma once
#include "analysis/AnalysisDialogs.h"
#include "model/ProgramState.h"

namespace orvella::analysis {

// Shows the selection dialog for one task, ticked from the task's stored "Yes" hazards, and
// rebuilds the task's hazards from the boxes when the selection changed (or the inputs of
// steps 2 and 3 were resubmitted). Answers true when it rebuilt them with at least one box
// ticked. The dialog's GoBack says whether the user left with Back.
bool selectHazards(model::ProgramState& state, model::HACCP_Task& task, SelectionDialog& dialog);

} // namespace orvella::analysis
