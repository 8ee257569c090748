#include "model/PlanCopy.h"

namespace orvella::model {

namespace {

template <typename T, typename Copy>
KeyedCollection<T> copyCollection(const KeyedCollection<T>& from, Copy copy) {
    KeyedCollection<T> to;
    to.reserve(from.count());
    for (int i = 1; i <= from.count(); ++i)
        to.add(copy(*from.item(i)), from.key(i));
    return to;
}

template <typename T> std::shared_ptr<T> copyRecord(const T& record) {
    return std::make_shared<T>(record);
}

} // namespace

KeyedCollection<HACCP_TaskSpecific_Hazard> copyTaskHazards(const HACCP_Task& task) {
    return copyCollection(task.TSHazards, copyRecord<HACCP_TaskSpecific_Hazard>);
}

HACCP_Plan copyPlan(const HACCP_Plan& plan) {
    HACCP_Plan copy = plan;
    copy.PotentialHazards =
        copyCollection(plan.PotentialHazards, copyRecord<HACCP_PotentialHazard>);
    copy.Tasks = copyCollection(plan.Tasks, [](const HACCP_Task& task) {
        auto t = std::make_shared<HACCP_Task>(task);
        t->TSHazards = copyTaskHazards(task);
        return t;
    });
    return copy;
}

} // namespace orvella::model
