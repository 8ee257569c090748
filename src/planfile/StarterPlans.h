#pragma once
#include "model/HACCP_Plan.h"
#include <QByteArray>
#include <QList>
#include <QString>

namespace orvella::planfile {

// One of the starter plans compiled into the program (resources/starters/): a complete plan
// for common field work, in English and in Spanish, whose answers wait for the user's review.
struct StarterPlan {
    const char* name;    // "boat-launch": how orvella-cli names it
    const char* summary; // one line, English source text of the "StarterPlans" context
};

// The starter plans, in the order the chooser lists them.
const QList<StarterPlan>& starterPlans();

// The summary in the language of the run (the Spanish catalogue when installed).
QString starterSummary(const StarterPlan& starter);

// The plan file's bytes in English or Spanish; empty for an unknown name.
QByteArray starterPlanFile(const QString& name, bool spanish);

} // namespace orvella::planfile
