#pragma once
#include "analysis/AnalysisDialogs.h"
#include "model/ProgramState.h"

namespace orvella::analysis {

// Shows the CCP details dialog for one task and hazard, titled with the running CCP number.
// On OK appends a CCP record to the plan, marks the hazard as a CCP and answers true; on
// Back stores nothing and answers false.
bool recordCcp(model::ProgramState& state, const model::HACCP_Task& task,
               model::HACCP_TaskSpecific_Hazard& hazard, int ccpNumber, CcpDialog& dialog);

// Removes every CCP record of the plan, the last one first.
void clearCcps(model::HACCP_Plan& plan);

} // namespace orvella::analysis
