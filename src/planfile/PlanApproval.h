#pragma once
#include "model/HACCP_Plan.h"
#include <QByteArray>

namespace orvella::planfile {

enum class ApprovalState {
    NoControl,   // the plan holds no document-control data at all
    NotApproved, // no approver's date, or no digest
    Changed,     // approved, but the plan is no longer what was approved
    Approved,
};

// The lowercase hex SHA-256 of the plan file's bytes as writePlan gives them, from the first
// byte up to the <DocumentControl> line: what an approval seals.
QByteArray contentDigest(const model::HACCP_Plan& plan);

// Compares what the plan would be written as with what was approved. A file edited by hand
// is read into a plan that writes other bytes, so it is never taken for the approved one.
ApprovalState approvalState(const model::HACCP_Plan& plan);

// The approver has signed: seals the plan as it now stands (with `Control` as given) and
// sets a next review one year on when none is set.
void sealApproval(model::HACCP_Plan& plan);

} // namespace orvella::planfile
