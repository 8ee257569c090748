#pragma once
#include "model/RecordId.h"
#include <QString>

namespace orvella::model {

// One hazard listed in step 2.
struct HACCP_PotentialHazard {
    QString HazType; // one of the HazardTypes keys
    QString Entity;  // the hazard as typed by the user
    // Lives as long as the hazard's row: renaming keeps it, removing the row ends it.
    quint32 Id = newRecordId();
    // Listed in step 2 after the plan's analysis: no task has answered it yet.
    bool AddedAfterAnalysis = false;
};

} // namespace orvella::model
