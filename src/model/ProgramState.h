#pragma once
#include "model/HACCP_Plan.h"
#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

namespace orvella::model {

// The values that live for one run of the program and that several subsystems share.
// One instance is made at start-up and handed to whoever needs it; tests make their own.
struct ProgramState {
    std::shared_ptr<HACCP_Plan> CurrentPlan; // made on first use, see plan()
    bool UseSpanish = false;
    QString CurrentFileName;
    bool DocumentCreated = false;
    bool InputsChanged = false;
    qint16 HazardKeyCounter = 0;
    qint16 SelectedHazardIndex = -1;
    int LastAnswer = 0;

    // Every date the program writes (analysis status, document footer, status bar) comes
    // from here, so tests can fix it.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

    // The current plan, created empty on first use.
    HACCP_Plan& plan();

    // Raises HazardKeyCounter and answers its decimal text: the key of the next potential
    // hazard. The counter is never lowered, so keys stay unique for the whole run.
    QString nextHazardKey();
};

} // namespace orvella::model
