#pragma once
#include "model/HACCP_TaskSpecific_Hazard.h"
#include "model/KeyedCollection.h"
#include "model/RecordId.h"
#include <QString>
#include <optional>

namespace orvella::model {

// One task of the activity (step 3, at most ten from the page; files may hold more).
struct HACCP_Task {
    QString Name;      // "Task # 3" / "Trabajo  3": the number of the entry box
    qint16 Number = 0; // position among the non-empty task entries
    QString Description;
    KeyedCollection<HACCP_TaskSpecific_Hazard> TSHazards;
    // Lives as long as the task's row: editing its words keeps it, blanking the row ends it.
    quint32 Id = newRecordId();
    // Listed in step 3 after the plan's analysis: none of its pairs is answered yet.
    bool AddedAfterAnalysis = false;
    // The count a plan file gave when it differs from the task's CCPs (older files could
    // count a CCP whose details were never confirmed); kept until the task is answered again.
    std::optional<qint16> CcpCountInFile;

    // How many critical control points the task holds.
    qint16 CCP_Count() const {
        if (CcpCountInFile)
            return *CcpCountInFile;
        qint16 n = 0;
        for (const auto& th : TSHazards)
            n += th->IsCCP ? 1 : 0;
        return n;
    }
};

} // namespace orvella::model
