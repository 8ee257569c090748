#pragma once
#include <QString>

namespace orvella::model {

// One critical control point: the details of Form 5.
struct HACCP_CCP {
    QString TaskName; // task Name, ": ", task Description
    qint16 TaskNumber = 0;
    QString SigHaz; // HazType, ": ", Entity
    QString Control;
    QString Limits;
    QString What;
    QString How;
    QString When; // "Frequency" in the plan file
    QString Who;
    QString Correction;
    QString SupportDocs;    // "Documents" in the plan file
    QString Verification{}; // how and how often the monitoring is checked; often empty
};

} // namespace orvella::model
