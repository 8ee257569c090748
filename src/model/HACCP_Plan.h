#pragma once
#include "model/HACCP_CCP.h"
#include "model/HACCP_PotentialHazard.h"
#include "model/HACCP_Task.h"
#include "model/HazardTypes.h"
#include "model/KeyedCollection.h"
#include <QString>

namespace orvella::model {

// The whole plan: what the user entered and what the hazard analysis concluded.
struct HACCP_Plan {
    QString Title;
    QString Facility;
    QString Site;
    QString Coordinator;
    QString Manager;
    QString Address1;
    QString Address2;
    QString Phone;
    QString Activity;
    QString Description; // may hold CR LF line breaks
    KeyedCollection<HACCP_PotentialHazard> PotentialHazards;
    KeyedCollection<HACCP_Task> Tasks;
    KeyedCollection<HACCP_CCP> CCPs;
    QString AnalysisStatus; // "Incomplete", or the date and time the analysis ended
};

// Whether the plan holds a finished hazard analysis: its status is the date it ended.
// An empty status (none in the file) is no analysis either.
inline bool isAnalysisComplete(const HACCP_Plan& plan) {
    return !plan.AnalysisStatus.isEmpty() && plan.AnalysisStatus != Incomplete;
}

} // namespace orvella::model
