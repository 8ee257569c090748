#pragma once
#include "model/Decision.h"
#include <QString>

namespace orvella::model {

// The details of one critical control point (Form 5), kept by the task hazard it belongs to.
struct CcpDetails {
    QString Limits;
    QString What;
    QString How;
    QString When; // "Frequency" in the plan file
    QString Who;
    QString Correction;
    QString SupportDocs;    // "Documents" in the plan file
    QString Verification{}; // newer than the other details: brace-initialised lists may omit it

    bool operator==(const CcpDetails&) const = default;
};

// One potential hazard as it applies to one task: the pair's answers live here and nowhere
// else. Type and entity are the potential hazard's, kept in step when it is renamed.
struct HACCP_TaskSpecific_Hazard {
    QString HazType;
    QString Entity;
    QString Probable; // "Yes" or "No" in either language; empty until answered
    QString Justification;
    QString ControlMeasures; // meaningful only when Probable is "Yes"
    bool IsCCP = false;
    // The potential hazard this pair is about (its Id); 0 when none of the plan's is.
    quint32 HazardId = 0;
    // The decision questions in the order they were answered; empty when not recorded.
    DecisionPath Answers;
    // Limits, monitoring and correction, when this pair is a CCP.
    CcpDetails Ccp;
    // Read from a file that marked the pair a CCP but held no record of its details: nothing
    // is written for it until the pair is answered again.
    bool CcpRecordMissing = false;
    // An example answer of a starter plan that the user has not yet confirmed for the site.
    bool Unreviewed = false;

    // Whether the plan file holds a <CCP> record for this pair.
    bool hasCcpRecord() const { return IsCCP && !CcpRecordMissing; }
};

} // namespace orvella::model
