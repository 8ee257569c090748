#pragma once
#include "model/HACCP_Plan.h"
#include <QByteArray>
#include <QStringList>

namespace orvella::planfile {

// The whole plan as one UTF-8 JSON object, keys in a fixed order, numbers as JSON numbers.
// Used by `orvella-cli check --json` and by tests that compare plans as text.
QByteArray planToJson(const model::HACCP_Plan& plan, const QStringList& warnings = {});

} // namespace orvella::planfile
