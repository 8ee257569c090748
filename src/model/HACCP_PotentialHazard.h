#pragma once
#include <QString>

namespace orvella::model {

// One hazard listed in step 2.
struct HACCP_PotentialHazard {
    QString HazType; // one of the HazardTypes keys
    QString Entity;  // the hazard as typed by the user
};

} // namespace orvella::model
