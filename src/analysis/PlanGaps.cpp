#include "analysis/PlanGaps.h"
#include <QCoreApplication>
#include <QSet>
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

} // namespace

QList<PlanGap> planGaps(const HACCP_Plan& plan, bool changedSinceAnalysis) {
    QList<PlanGap> gaps;
    auto gap = [&gaps](int step, const QString& text) { gaps.append({step, text}); };

    if (blank(plan.Activity) || blank(plan.Description))
        gap(1, GapText::tr("The activity has no name or no description."));
    if (plan.PotentialHazards.count() == 0)
        gap(2, GapText::tr("No potential hazards are listed."));
    if (plan.Tasks.count() == 0)
        gap(3, GapText::tr("No tasks are listed."));

    if (!isAnalysisComplete(plan))
        gap(4, GapText::tr("The hazard analysis has not been run to its end."));
    else if (changedSinceAnalysis)
        gap(4, GapText::tr("Steps 2 or 3 changed after the hazard analysis ran: run it again."));

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

    QSet<QString> tasks, hazards;
    for (const auto& task : plan.Tasks)
        tasks.insert(task->Name + QStringLiteral(": ") + task->Description);
    for (const auto& hazard : plan.PotentialHazards)
        hazards.insert(hazard->HazType + QStringLiteral(": ") + hazard->Entity);
    int number = 0;
    for (const auto& ccp : plan.CCPs) {
        ++number;
        if (!tasks.contains(ccp->TaskName))
            gap(4, GapText::tr("CCP #%1 belongs to a task that is no longer listed (%2).")
                       .arg(QString::number(number), ccp->TaskName));
        if (!hazards.contains(ccp->SigHaz))
            gap(4, GapText::tr("CCP #%1 is for a hazard that is no longer listed (%2).")
                       .arg(QString::number(number), ccp->SigHaz));
        const struct {
            const QString& value;
            const char* name;
        } fields[] = {
            {ccp->Limits, QT_TRANSLATE_NOOP("Gaps", "critical limits")},
            {ccp->What, QT_TRANSLATE_NOOP("Gaps", "what is monitored")},
            {ccp->How, QT_TRANSLATE_NOOP("Gaps", "how it is monitored")},
            {ccp->When, QT_TRANSLATE_NOOP("Gaps", "monitoring frequency")},
            {ccp->Who, QT_TRANSLATE_NOOP("Gaps", "who monitors")},
            {ccp->Correction, QT_TRANSLATE_NOOP("Gaps", "corrective action")},
            {ccp->SupportDocs, QT_TRANSLATE_NOOP("Gaps", "supporting documents")},
        };
        QStringList missing;
        for (const auto& f : fields)
            if (blank(f.value))
                missing << GapText::tr(f.name);
        if (!missing.isEmpty())
            gap(4, GapText::tr("CCP #%1 has no %2.")
                       .arg(QString::number(number), missing.join(QStringLiteral(", "))));
    }
    return gaps;
}

bool stepComplete(const QList<PlanGap>& gaps, int step) {
    if (step == 5)
        return gaps.isEmpty();
    return std::none_of(gaps.begin(), gaps.end(),
                        [step](const PlanGap& g) { return g.step == step; });
}

} // namespace orvella::analysis
