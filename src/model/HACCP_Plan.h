#pragma once
#include "model/DocumentControl.h"
#include "model/HACCP_CCP.h"
#include "model/HACCP_PotentialHazard.h"
#include "model/HACCP_Task.h"
#include "model/HazardTypes.h"
#include "model/KeyedCollection.h"
#include <QList>
#include <QString>

namespace orvella::model {

// A <CCP> record of a plan file that belongs to no task hazard of the plan (its task or
// hazard is gone, or another record already describes that pair). It is kept exactly as read
// and written back in its place.
struct UnattachedCcp {
    HACCP_CCP record;
    int after = 0; // how many of the plan's own CCP records came before it in the file
};

// The whole plan: what the user entered and what the hazard analysis concluded. The answers
// of the analysis live in the task hazards; the CCP list is derived from them (CCPs()).
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
    QList<UnattachedCcp> UnattachedCCPs;
    QString AnalysisStatus;  // "Incomplete", or the date and time the analysis ended
    DocumentControl Control; // team, signatures, revisions; empty in most plans

    // The critical control points in their numbered order (task by task, hazard by hazard),
    // each record made from its task hazard; unattached records are not among them.
    KeyedCollection<HACCP_CCP> CCPs() const;
};

// Whether the plan holds a finished hazard analysis: its status is the date it ended.
// An empty status (none in the file) is no analysis either.
inline bool isAnalysisComplete(const HACCP_Plan& plan) {
    return !plan.AnalysisStatus.isEmpty() && plan.AnalysisStatus != Incomplete;
}

} // namespace orvella::model
