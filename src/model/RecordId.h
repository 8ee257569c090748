#pragma once
#include <QtGlobal>

namespace orvella::model {

// A number no other record of this run carries. Copies of a record keep its number, so a
// copy of the plan still pairs tasks with hazards as the original does.
quint32 newRecordId();

} // namespace orvella::model
