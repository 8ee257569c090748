#include "analysis/PlanGaps.h"
#include "model/PlanCcps.h"
#include <QCoreApplication>
#include <algorithm>

namespace orvella::analysis {

using namespace orvella::model;

namespace {

struct GapText {
    Q_DECLARE_TR_FUNCTIONS(Gaps)
};

bool blank(const QString& s) {
    return s.trimmed().isEmpty();
}

// "Task # 2: Zebra mussel" names a task hazard on one line.
QString taskHazard(const HACCP_Task& task, const HACCP_TaskSpecific_Hazard& hazard) {
    return task.Name.trimmed() + QStringLiteral(": ") + hazard.Entity;
}

bool approvalSigned(const DocumentControl& c) {
    const PlanPerson* approver = c.signer(RoleApproved);
    return approver && !approver->SignedOn.isEmpty() && !c.ApprovedDigest.isEmpty();
}

} // namespace

QString approvalSummary(const HACCP_Plan& plan, bool changedSinceApproval) {
    const DocumentControl& c = plan.Control;
    if (c.isEmpty())
        return {};
    if (!approvalSigned(c))
        return GapText::tr("The plan has not been approved.");
    const QString date = c.signer(RoleApproved)->SignedOn;
    const QString version = c.PlanVersion.trimmed().isEmpty() ? QStringLiteral("1") : c.PlanVersion;
    if (changedSinceApproval)
        return GapText::tr("Version %1 was approved on %2; the plan has changed since.")
            .arg(version, date);
    return GapText::tr("Version %1 was approved on %2.").arg(version, date);
}

QList<PlanGap> planGaps(const HACCP_Plan& plan, const GapFacts& facts) {
    QList<PlanGap> gaps;
    auto gap = [&gaps](int step, const QString& text) { gaps.append({step, text}); };

    if (blank(plan.Activity) || blank(plan.Description))
        gap(1, GapText::tr("The activity has no name or no description."));
    // A starter plan comes without its site: name what to fill in while its examples wait.
    int pairs = 0, unreviewed = 0;
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards) {
            ++pairs;
            unreviewed += th->Unreviewed ? 1 : 0;
        }
    if (unreviewed > 0) {
        const struct {
            const QString& value;
            const char* name;
        } site[] = {
            {plan.Facility, QT_TRANSLATE_NOOP("Gaps", "facility")},
            {plan.Site, QT_TRANSLATE_NOOP("Gaps", "site")},
            {plan.Coordinator, QT_TRANSLATE_NOOP("Gaps", "project coordinator")},
            {plan.Manager, QT_TRANSLATE_NOOP("Gaps", "site manager")},
            {plan.Address1, QT_TRANSLATE_NOOP("Gaps", "address")},
            {plan.Phone, QT_TRANSLATE_NOOP("Gaps", "phone")},
        };
        QStringList empty;
        for (const auto& f : site)
            if (blank(f.value))
                empty << GapText::tr(f.name);
        if (!empty.isEmpty())
            gap(1, GapText::tr("The plan names no %1 yet.").arg(empty.join(QStringLiteral(", "))));
    }
    if (plan.PotentialHazards.count() == 0)
        gap(2, GapText::tr("No potential hazards are listed."));
    if (plan.Tasks.count() == 0)
        gap(3, GapText::tr("No tasks are listed."));

    if (!isAnalysisComplete(plan))
        gap(4, GapText::tr("The hazard analysis has not been run to its end."));

    if (unreviewed > 0)
        gap(4, GapText::tr("Example answers not yet reviewed for this site (%1 of %2 task "
                           "hazards): confirm or edit them in Review the Analysis.")
                   .arg(unreviewed)
                   .arg(pairs));

    // Pairs listed after the analysis, task by task, and answers whose hazard is gone.
    const QList<OpenPair> open = unansweredPairs(plan);
    for (qsizetype i = 0; i < open.size();) {
        const HACCP_Task* task = open[i].task;
        QStringList names;
        for (; i < open.size() && open[i].task == task; ++i)
            names << open[i].hazard->Entity;
        gap(4, GapText::tr("%1 has no answers yet for: %2. Update the analysis.")
                   .arg(task->Name.trimmed(), names.join(QStringLiteral(", "))));
    }
    const auto removed = removedPairs(plan);
    for (qsizetype i = 0; i < removed.size();) {
        const QString entity = removed[i].second->Entity;
        QStringList tasks;
        for (; i < removed.size() && removed[i].second->Entity == entity; ++i)
            tasks << removed[i].first->Name.trimmed();
        gap(4, GapText::tr("%1 is no longer listed but still answered in %2: update the analysis.")
                   .arg(entity, tasks.join(QStringLiteral(", "))));
    }

    for (const auto& task : plan.Tasks) {
        for (const auto& hazard : task->TSHazards) {
            if (hazard->Probable != Yes)
                continue;
            if (blank(hazard->Justification))
                gap(4, GapText::tr("%1 is probable but has no justification.")
                           .arg(taskHazard(*task, *hazard)));
            if (blank(hazard->ControlMeasures))
                gap(4, GapText::tr("%1 is probable but has no control measures.")
                           .arg(taskHazard(*task, *hazard)));
        }
    }

    for (const PlanCcp& ccp : planCcps(plan)) {
        const QString number = QString::number(ccp.number);
        if (!hazardOf(plan, *ccp.hazard))
            gap(4,
                GapText::tr("CCP #%1 is for a hazard that is no longer listed (%2).")
                    .arg(number, ccp.hazard->HazType + QStringLiteral(": ") + ccp.hazard->Entity));
        const QStringList missing = emptyCcpFields(ccp.hazard->Ccp);
        if (!missing.isEmpty())
            gap(4,
                GapText::tr("CCP #%1 has no %2.").arg(number, missing.join(QStringLiteral(", "))));
    }
    for (const UnattachedCcp& c : plan.UnattachedCCPs)
        gap(4, GapText::tr("A CCP record belongs to no task and hazard of the plan (%1; %2): "
                           "update the analysis to remove it.")
                   .arg(c.record.TaskName, c.record.SigHaz));

    // Document control only where the plan keeps it, so other plans keep their gaps.
    const DocumentControl& control = plan.Control;
    if (control.isEmpty())
        return gaps;
    for (const PlanCcp& ccp : planCcps(plan))
        if (blank(ccp.hazard->Ccp.Verification))
            gap(4, GapText::tr("CCP #%1 has no verification.").arg(ccp.number));
    if (!approvalSigned(control) || facts.changedSinceApproval)
        gap(5, approvalSummary(plan, facts.changedSinceApproval));
    if (const QDate due = storedDate(control.NextReview); due.isValid() && due < facts.today)
        gap(5, GapText::tr("The plan was due for review on %1.").arg(control.NextReview));
    return gaps;
}

QStringList emptyCcpFields(const CcpDetails& d) {
    const struct {
        const QString& value;
        const char* name;
    } fields[] = {
        {d.Limits, QT_TRANSLATE_NOOP("Gaps", "critical limits")},
        {d.What, QT_TRANSLATE_NOOP("Gaps", "what is monitored")},
        {d.How, QT_TRANSLATE_NOOP("Gaps", "how it is monitored")},
        {d.When, QT_TRANSLATE_NOOP("Gaps", "monitoring frequency")},
        {d.Who, QT_TRANSLATE_NOOP("Gaps", "who monitors")},
        {d.Correction, QT_TRANSLATE_NOOP("Gaps", "corrective action")},
        {d.SupportDocs, QT_TRANSLATE_NOOP("Gaps", "supporting documents")},
    };
    QStringList missing;
    for (const auto& f : fields)
        if (blank(f.value))
            missing << GapText::tr(f.name);
    return missing;
}

bool stepComplete(const QList<PlanGap>& gaps, int step) {
    if (step == 5)
        return gaps.isEmpty();
    return std::none_of(gaps.begin(), gaps.end(),
                        [step](const PlanGap& g) { return g.step == step; });
}

} // namespace orvella::analysis
