#include "model/PlanCcps.h"
#include <QHash>
#include <QSet>

namespace orvella::model {

HACCP_CCP ccpRecord(const HACCP_Task& task, const HACCP_TaskSpecific_Hazard& hazard) {
    HACCP_CCP r;
    r.TaskName = task.Name + QStringLiteral(": ") + task.Description;
    r.TaskNumber = task.Number;
    r.SigHaz = hazard.HazType + QStringLiteral(": ") + hazard.Entity;
    r.Control = hazard.ControlMeasures;
    r.Limits = hazard.Ccp.Limits;
    r.What = hazard.Ccp.What;
    r.How = hazard.Ccp.How;
    r.When = hazard.Ccp.When;
    r.Who = hazard.Ccp.Who;
    r.Correction = hazard.Ccp.Correction;
    r.SupportDocs = hazard.Ccp.SupportDocs;
    r.Verification = hazard.Ccp.Verification;
    return r;
}

QList<PlanCcp> planCcps(const HACCP_Plan& plan) {
    QList<PlanCcp> list;
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards)
            if (th->hasCcpRecord())
                list.append({int(list.size()) + 1, task.get(), th.get()});
    return list;
}

int ccpNumberOf(const HACCP_Plan& plan, const HACCP_TaskSpecific_Hazard& hazard) {
    int n = 0;
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards)
            if (th->hasCcpRecord()) {
                ++n;
                if (th.get() == &hazard)
                    return n;
            }
    return 0;
}

KeyedCollection<HACCP_CCP> HACCP_Plan::CCPs() const {
    KeyedCollection<HACCP_CCP> records;
    for (const PlanCcp& c : planCcps(*this))
        records.append(std::make_shared<HACCP_CCP>(ccpRecord(*c.task, *c.hazard)));
    return records;
}

QList<HACCP_CCP> ccpRecordsInFileOrder(const HACCP_Plan& plan) {
    QList<HACCP_CCP> out;
    const QList<PlanCcp> own = planCcps(plan);
    auto loose = plan.UnattachedCCPs.cbegin();
    const auto end = plan.UnattachedCCPs.cend();
    for (int i = 0; i <= own.size(); ++i) {
        for (; loose != end && loose->after <= i; ++loose)
            out.append(loose->record);
        if (i < own.size())
            out.append(ccpRecord(*own[i].task, *own[i].hazard));
    }
    for (; loose != end; ++loose)
        out.append(loose->record);
    return out;
}

const HACCP_PotentialHazard* hazardOf(const HACCP_Plan& plan, const HACCP_TaskSpecific_Hazard& th) {
    if (th.HazardId == 0)
        return nullptr;
    for (const auto& h : plan.PotentialHazards)
        if (h->Id == th.HazardId)
            return h.get();
    return nullptr;
}

bool pairAnswered(const HACCP_Task& task, const HACCP_PotentialHazard& hazard) {
    for (const auto& th : task.TSHazards)
        if (th->HazardId == hazard.Id)
            return true;
    return false;
}

QList<OpenPair> unansweredPairs(const HACCP_Plan& plan) {
    QList<OpenPair> open;
    if (!isAnalysisComplete(plan))
        return open;
    // A hazard no task has answered came after the analysis, as did one listed since.
    QSet<quint32> answered;
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards)
            answered.insert(th->HazardId);
    for (const auto& task : plan.Tasks) {
        if (task->TSHazards.isEmpty() && !task->AddedAfterAnalysis)
            continue; // answered "none"
        for (const auto& hazard : plan.PotentialHazards) {
            const bool added = task->AddedAfterAnalysis || hazard->AddedAfterAnalysis ||
                               !answered.contains(hazard->Id);
            if (added && !pairAnswered(*task, *hazard))
                open.append({task.get(), hazard.get()});
        }
    }
    return open;
}

QList<std::pair<const HACCP_Task*, const HACCP_TaskSpecific_Hazard*>>
removedPairs(const HACCP_Plan& plan) {
    QList<std::pair<const HACCP_Task*, const HACCP_TaskSpecific_Hazard*>> gone;
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards)
            if (!hazardOf(plan, *th))
                gone.append({task.get(), th.get()});
    return gone;
}

void followHazardNames(HACCP_Plan& plan) {
    QHash<quint32, const HACCP_PotentialHazard*> byId;
    for (const auto& h : plan.PotentialHazards)
        byId.insert(h->Id, h.get());
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards)
            if (const HACCP_PotentialHazard* h = byId.value(th->HazardId)) {
                th->HazType = h->HazType;
                th->Entity = h->Entity;
            }
}

void answersChanged(HACCP_Task& task) {
    task.CcpCountInFile.reset();
    task.AddedAfterAnalysis = false;
}

bool hasAnalysisAnswers(const HACCP_Plan& plan) {
    if (!plan.UnattachedCCPs.isEmpty())
        return true;
    for (const auto& task : plan.Tasks)
        if (!task->TSHazards.isEmpty())
            return true;
    return false;
}

} // namespace orvella::model
