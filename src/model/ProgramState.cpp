#include "model/ProgramState.h"

namespace orvella::model {

HACCP_Plan& ProgramState::plan() {
    if (!CurrentPlan)
        CurrentPlan = std::make_shared<HACCP_Plan>();
    return *CurrentPlan;
}

QString ProgramState::nextHazardKey() {
    // A 16-bit counter: past 32767 there is no fresh key left, so stay at the top rather
    // than wrap into keys already handed out (the collection then refuses the duplicate).
    if (HazardKeyCounter < 32767)
        ++HazardKeyCounter;
    return QString::number(HazardKeyCounter);
}

} // namespace orvella::model
