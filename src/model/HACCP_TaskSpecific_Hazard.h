#pragma once
#include <QString>

namespace orvella::model {

// One potential hazard as it applies to one task.
struct HACCP_TaskSpecific_Hazard {
    QString HazType;
    QString Entity;
    QString Probable; // "Yes" or "No" in either language; empty until answered
    QString Justification;
    QString ControlMeasures; // meaningful only when Probable is "Yes"
    bool IsCCP = false;
};

} // namespace orvella::model
