#pragma once
#include "analysis/AnalysisDialogs.h"
#include "model/ProgramState.h"

namespace orvella::analysis {

// The dialog's seven fields for a pair's details, and back.
CcpFields ccpFields(const model::CcpDetails& details);
model::CcpDetails ccpDetails(const CcpFields& fields);

// Shows the CCP details dialog for one task and hazard, titled with the running CCP number;
// a pair that already holds details shows them when `offerStored` (the first show for the
// pair; after Back and Continue the boxes keep what was typed). On OK puts the details into the
// pair, marks it a CCP and answers true; on Back changes nothing and answers false.
bool recordCcp(model::ProgramState& state, const model::HACCP_Task& task,
               model::HACCP_TaskSpecific_Hazard& hazard, int ccpNumber, CcpDialog& dialog,
               bool offerStored = true);

} // namespace orvella::analysis
