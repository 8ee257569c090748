#include "model/DocumentControl.h"

namespace orvella::model {

const PlanPerson* DocumentControl::signer(const QString& role) const {
    for (const PlanPerson& p : People)
        if (p.Role == role)
            return &p;
    return nullptr;
}

QList<PlanPerson> DocumentControl::team() const {
    QList<PlanPerson> out;
    for (const PlanPerson& p : People)
        if (p.Role == RoleTeam)
            out << p;
    return out;
}

} // namespace orvella::model
