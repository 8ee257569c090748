#pragma once
#include "model/HACCP_Plan.h"

namespace orvella::model {

// A copy of the plan that shares no record with it (collections hold shared records, so a
// plain copy would change along with the original); keys, order and record ids are kept.
HACCP_Plan copyPlan(const HACCP_Plan& plan);

// A copy of one task's task hazards, sharing no record.
KeyedCollection<HACCP_TaskSpecific_Hazard> copyTaskHazards(const HACCP_Task& task);

} // namespace orvella::model
