#pragma once
#include "model/HACCP_Plan.h"
#include <QByteArray>
#include <QString>

namespace orvella::planfile {

// The plan file's exact bytes: CR LF lines, windows-1252 when every character of the plan
// fits that code page (the bytes of the files people already have), UTF-8 otherwise.
QByteArray writePlan(const model::HACCP_Plan& plan);

// The plan file's text before encoding.
QString planText(const model::HACCP_Plan& plan);

struct SaveResult {
    bool ok = false;
    QString error; // names the file and the reason
};

// Writes the plan atomically: on any failure the old file is left as it was.
SaveResult savePlan(const model::HACCP_Plan& plan, const QString& path);

} // namespace orvella::planfile
