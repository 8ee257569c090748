#pragma once
#include "model/HACCP_TaskSpecific_Hazard.h"
#include "model/KeyedCollection.h"
#include <QString>

namespace orvella::model {

// One task of the activity (step 3, at most ten from the page; files may hold more).
struct HACCP_Task {
    QString Name;     // "Task # 3" / "Trabajo  3": the number of the entry box
    qint16 Number = 0; // position among the non-empty task entries
    QString Description;
    KeyedCollection<HACCP_TaskSpecific_Hazard> TSHazards;
    qint16 CCP_Count = 0;
};

} // namespace orvella::model
