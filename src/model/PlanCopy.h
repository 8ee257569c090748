#pragma once
#include "model/HACCP_Plan.h"

namespace orvella::model {

// A copy of the plan that shares no record with it (collections hold shared records, so a
// plain copy would change along with the original); keys and order are kept.
HACCP_Plan copyPlan(const HACCP_Plan& plan);

} // namespace orvella::model
