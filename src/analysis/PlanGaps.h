#pragma once
#include "model/HACCP_Plan.h"
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace orvella::analysis {

// Something the plan still lacks before its document is worth handing to a reviewer.
struct PlanGap {
    int step = 0; // the step (1 to 5) where the user mends it
    QString text; // in the language of the run (the catalogue installed, if Spanish)

    bool operator==(const PlanGap&) const = default;
};

// What the gap list cannot tell from the plan alone.
struct GapFacts {
    QDate today = QDate::currentDate(); // a review due before it is overdue
    bool changedSinceApproval = false;  // planfile::approvalState found the seal broken
};

// What the plan still lacks, in step order: among them the pairs of task and hazard listed
// after the analysis, and the answers whose hazard or CCP record no longer has its pair. A plan
// that holds document-control data also lacks an approval, a due review and verifications.
QList<PlanGap> planGaps(const model::HACCP_Plan& plan, const GapFacts& facts = {});

// The approval's line for step 5 and the gap list: "Version 2 was approved on ...; the plan
// has changed since" and the like; empty for a plan without document-control data.
QString approvalSummary(const model::HACCP_Plan& plan, bool changedSinceApproval);

// The names of a CCP's empty detail fields ("critical limits", "who monitors"...), in the
// language of the run.
QStringList emptyCcpFields(const model::CcpDetails& details);

// Whether a step is complete: it has no gap of its own. Step 5 is complete when the whole
// plan is.
bool stepComplete(const QList<PlanGap>& gaps, int step);

} // namespace orvella::analysis
