#pragma once
#include "model/HACCP_Plan.h"
#include <QList>
#include <QString>

namespace orvella::analysis {

// Something the plan still lacks before its document is worth handing to a reviewer.
struct PlanGap {
    int step = 0; // the step (1 to 5) where the user mends it
    QString text; // in the language of the run (the catalogue installed, if Spanish)

    bool operator==(const PlanGap&) const = default;
};

// What the plan still lacks, in step order. `changedSinceAnalysis`: step 2 or 3 was submitted
// after the plan's analysis completed (a plan just read from a file has not been).
QList<PlanGap> planGaps(const model::HACCP_Plan& plan, bool changedSinceAnalysis);

// Whether a step is complete: it has no gap of its own. Step 5 is complete when the whole
// plan is.
bool stepComplete(const QList<PlanGap>& gaps, int step);

} // namespace orvella::analysis
