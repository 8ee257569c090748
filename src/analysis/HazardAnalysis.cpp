#include "analysis/HazardAnalysis.h"
#include "analysis/AnalysisText.h"
#include "analysis/CcpDecision.h"
#include "analysis/CcpRecords.h"
#include "analysis/HazardSelection.h"
#include "model/HazardTypes.h"
#include "model/Language.h"
#include "model/PlanCcps.h"
#include "model/PlanCopy.h"
#include <QLocale>

namespace orvella::analysis {

using namespace orvella::model;

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

QString HazardAnalysis::taskListText(const HACCP_Plan& plan) {
    QStringList lines;
    for (const auto& task : plan.Tasks)
        lines << task->Name + QStringLiteral(": ") + task->Description;
    return lines.join(CrLf);
}

QString HazardAnalysis::statusStamp(const QDateTime& when) {
    return QLocale::system().toString(when, QLocale::ShortFormat);
}

AnalysisOutcome HazardAnalysis::run() {
    return guarded(true);
}

AnalysisOutcome HazardAnalysis::update() {
    HACCP_Plan& plan = m_ctx.state.plan();
    const auto gone = removedPairs(plan);
    if (!gone.isEmpty() || !plan.UnattachedCCPs.isEmpty()) {
        QStringList lines;
        for (const auto& [task, th] : gone)
            lines << QStringLiteral("  ") + task->Name.trimmed() + QStringLiteral(": ") +
                         th->Entity;
        for (const UnattachedCcp& c : plan.UnattachedCCPs)
            lines << QStringLiteral("  ") + AnalysisText::tr("CCP record of %1 (%2)")
                                                .arg(c.record.TaskName, c.record.SigHaz);
        const QString text =
            AnalysisText::tr("These answers belong to a task or hazard that is no longer "
                             "listed and will be removed:") +
            QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")) +
            QStringLiteral("\r\n\r\n") + AnalysisText::tr("Remove them and update the analysis?");
        if (m_ctx.prompts.message(text, AnalysisText::tr("Update the Analysis"),
                                  Prompts::Icon::Warning,
                                  Prompts::Buttons::YesNo) != Prompts::AnswerYes)
            return AnalysisOutcome::Abandoned;
    }
    const HACCP_Plan before = copyPlan(plan);
    for (const auto& task : plan.Tasks)
        for (int i = task->TSHazards.count(); i >= 1; --i)
            if (!hazardOf(plan, *task->TSHazards.item(i)))
                task->TSHazards.remove(i);
    plan.UnattachedCCPs.clear();
    const AnalysisOutcome outcome = guarded(false);
    if (outcome == AnalysisOutcome::Abandoned)
        plan = copyPlan(before);
    return outcome;
}

AnalysisOutcome HazardAnalysis::guarded(bool whole) {
    HACCP_Plan& plan = m_ctx.state.plan();
    m_whole = whole;
    m_completeAtStart = isAnalysisComplete(plan);
    // The questions of this run are fixed at its start: going back or starting again never
    // widens them.
    m_scopes.clear();
    m_decidedBefore.clear();
    if (m_completeAtStart)
        for (const auto& task : plan.Tasks)
            for (const auto& th : task->TSHazards)
                if (th->Probable == Yes)
                    m_decidedBefore.insert(th.get());
    // Which pairs must be answered: after a completed analysis the ones listed since; before
    // one, every pair of a task that has none yet.
    const QList<OpenPair> open = unansweredPairs(plan);
    for (const auto& task : plan.Tasks) {
        SelectionScope scope;
        scope.wholeList = whole;
        for (const OpenPair& p : open)
            if (p.task == task.get())
                scope.mustAnswer.insert(p.hazard->Id);
        if (!m_completeAtStart && task->TSHazards.isEmpty())
            for (const auto& hazard : plan.PotentialHazards)
                scope.mustAnswer.insert(hazard->Id);
        for (const auto& hazard : plan.PotentialHazards)
            if (whole || scope.mustAnswer.contains(hazard->Id))
                scope.offered << hazard.get();
        m_scopes << scope;
    }
    // A run the user walks out of leaves the plan as it was; until then every earlier answer
    // stays in the plan until the user gives another.
    HACCP_Plan before = copyPlan(plan);
    const AnalysisOutcome outcome = runOnce();
    if (outcome == AnalysisOutcome::Abandoned)
        plan = std::move(before);
    return outcome;
}

QList<std::shared_ptr<HACCP_TaskSpecific_Hazard>> HazardAnalysis::inScope(int t) const {
    const HACCP_Task& task = *m_ctx.state.plan().Tasks.item(t);
    QList<std::shared_ptr<HACCP_TaskSpecific_Hazard>> list;
    for (const auto& th : task.TSHazards) {
        bool asked = m_whole;
        for (const HACCP_PotentialHazard* h : m_scopes.at(t - 1).offered)
            asked = asked || h->Id == th->HazardId;
        if (asked)
            list << th;
    }
    return list;
}

AnalysisOutcome HazardAnalysis::runOnce() {
    HACCP_Plan& plan = m_ctx.state.plan();
    for (;;) {
        m_ccpNumber = 0;
        m_hazardsFound = false;
        m_taskList = taskListText(plan);
        if (onTaskList)
            onTaskList(m_taskList);
        if (plan.Tasks.isEmpty()) {
            m_ctx.prompts.message(
                QStringLiteral(
                    "You have no task to evaluate! Be sure you have completed steps 1 - 3."),
                {}, Prompts::Icon::Critical);
            return AnalysisOutcome::NoTasks;
        }
        if (selectAndJustify() == Phase1::Abandoned)
            return AnalysisOutcome::Abandoned;
        if (decideAll() == Phase2::Done)
            break;
    }
    finish();
    return AnalysisOutcome::Completed;
}

// Walks the tasks forwards and, by the Back buttons, backwards. The selection dialog's back
// flag carries the direction: once set by Back in a selection, it stays set while the user
// keeps going back through the previous task's justifications. An update passes over the
// tasks it has nothing to ask about.
HazardAnalysis::Phase1 HazardAnalysis::selectAndJustify() {
    HACCP_Plan& plan = m_ctx.state.plan();
    SelectionDialog& selection = m_ctx.dialogs.selection();
    const auto asked = [this](int t) { return m_whole || !m_scopes.at(t - 1).offered.isEmpty(); };
    int t = 1;
    int h = 1;
    enum class Next { Select, Justify, Navigate } next = Next::Select;

    for (;;) {
        switch (next) {
        case Next::Select: {
            h = 1;
            if (!asked(t)) {
                ++t;
                next = Next::Navigate;
                break;
            }
            selection.ResetGoBack();
            if (selectHazards(m_ctx.state, *plan.Tasks.item(t), selection, m_scopes.at(t - 1)))
                m_hazardsFound = true;
            answered();
            if (selection.GoBack()) {
                next = Next::Navigate;
                break;
            }
            JustificationDialog& justification = m_ctx.dialogs.justification();
            // English keeps the dialog's own captions.
            if (m_ctx.state.UseSpanish)
                justification.setButtonCaptions(AnalysisText::tr("OK"), AnalysisText::tr("Back"),
                                                AnalysisText::tr("Show List of Tasks"));
            justification.ResetGoBack();
            next = Next::Justify;
            break;
        }
        case Next::Justify: {
            if (h < 1) {
                next = Next::Navigate;
                break;
            }
            const auto scope = inScope(t);
            if (scope.isEmpty() || h > scope.count()) {
                ++t;
                selection.ResetGoBack();
                next = Next::Navigate;
                break;
            }
            JustificationDialog& justification = m_ctx.dialogs.justification();
            justifyHazard(*plan.Tasks.item(t), *scope.at(h - 1), h, int(scope.count()));
            if (justification.GoBack()) {
                --h; // what was typed for this hazard is dropped
            } else {
                HACCP_TaskSpecific_Hazard& hazard = *scope.at(h - 1);
                hazard.Justification = justification.justification();
                hazard.ControlMeasures = justification.controlMeasures();
                hazard.Unreviewed = false; // answered for this site now
                ++h;
                answered();
            }
            justification.ResetGoBack();
            break;
        }
        case Next::Navigate:
            if (selection.GoBack()) {
                do
                    --t;
                while (t >= 1 && !asked(t));
                if (t < 1)
                    return Phase1::Abandoned;
                h = int(inScope(t).count());
                next = Next::Justify;
            } else if (t <= plan.Tasks.count()) {
                next = Next::Select;
            } else {
                return Phase1::Done;
            }
            break;
        }
    }
}

void HazardAnalysis::justifyHazard(const HACCP_Task& task, const HACCP_TaskSpecific_Hazard& hazard,
                                   int h, int n) {
    JustificationDialog& dialog = m_ctx.dialogs.justification();
    dialog.setTaskList(m_taskList);
    const QString& e = hazard.Entity;
    const QString& name = task.Name;
    const QString hs = QString::number(h);
    const QString ns = QString::number(n);
    const bool probable = hazard.Probable == Yes;

    dialog.setJustification(hazard.Justification);
    dialog.setControlMeasures(hazard.ControlMeasures);
    // The Spanish questions leave out some of the values.
    dialog.setTaskLabel(
        fillIn(AnalysisText::tr("%1 (Justify Potential Hazard %2 of %3)"), {name, hs, ns}));
    dialog.setPrompt(
        probable ? fillIn(AnalysisText::tr("Why is/are %1 probable during %2?"), {e, name})
                 : fillIn(AnalysisText::tr("Why did you indicate that %1 is/are NOT probable "
                                           "during %2 (%3)?"),
                          {e, name, task.Description}));
    dialog.setControlQuestion(fillIn(
        AnalysisText::tr("What Control Measures can be applied during %1 to prevent the spread "
                         "of %2?"),
        {name, e}));
    dialog.setTaskDescription(task.Description);
    dialog.setControlVisible(probable);
    dialog.showModal();
}

HazardAnalysis::Phase2 HazardAnalysis::decideAll() {
    HACCP_Plan& plan = m_ctx.state.plan();
    const int n = plan.Tasks.count();
    for (int k = 1; k <= n; ++k) {
        HACCP_Task& task = *plan.Tasks.item(k);
        const auto scope = inScope(k);
        if (scope.isEmpty())
            continue; // never selected: no questions
        bool again = true;
        while (again) {
            again = false;
            answersChanged(task);
            m_ctx.dialogs.ccp().clearFields();
            for (const auto& hazard : scope) {
                if (hazard->Probable != Yes) {
                    // Not probable: nothing left to decide, and nothing of a decision kept.
                    hazard->IsCCP = false;
                    hazard->CcpRecordMissing = false;
                    hazard->Answers.clear();
                    hazard->Ccp = {};
                    continue;
                }
                // Each question offers the earlier answer; a pair decided before answers were
                // kept offers the answers that lead to its verdict.
                const DecisionPath offered = !hazard->Answers.isEmpty() ? hazard->Answers
                                             : m_decidedBefore.contains(hazard.get())
                                                 ? presumedPath(*hazard)
                                                 : DecisionPath{};
                const DecisionResult result =
                    evaluateHazard(m_ctx, task, *hazard, m_ccpNumber, offered);
                answered();
                if (result == DecisionResult::RestartAnalysis)
                    return Phase2::Restart;
                if (result == DecisionResult::ReEvaluateTask) {
                    again = true;
                    break;
                }
            }
        }
    }
    return Phase2::Done;
}

void HazardAnalysis::answered() {
    if (onAnswer)
        onAnswer();
}

void HazardAnalysis::finish() {
    HACCP_Plan& plan = m_ctx.state.plan();
    if (m_whole) {
        // Every pair was answered afresh: records that belonged to none are gone, as are the
        // counts an older file gave.
        plan.UnattachedCCPs.clear();
        for (const auto& task : plan.Tasks)
            answersChanged(*task);
    }
    for (const auto& hazard : plan.PotentialHazards)
        hazard->AddedAfterAnalysis = false;
    const QString title = AnalysisText::tr("Wizard Complete");
    if (m_ccpNumber == 0 && m_hazardsFound && planCcps(plan).isEmpty()) {
        m_ctx.prompts.message(
            AnalysisText::tr("You have hazards but no critical control points!\r\n"
                             "Although the next screen will allow you to transfer your work to a "
                             "\r\n"
                             "Microsoft Word Document, this is not yet recommended.\r\n"
                             "You first need to re-evaluate your procedures so that transporting "
                             "\r\n"
                             "hazards can be minimized. Start by examining all of the tasks where "
                             "\r\n"
                             "identified hazards may be detected.  One of these tasks should be a "
                             "\r\n"
                             "critical control point.  Click OK to continue."),
            title, Prompts::Icon::Critical);
    } else {
        m_ctx.prompts.message(
            AnalysisText::tr("The Orvella is finished doing its part. \r\n"
                             "The next screen will allow you to transfer your work to a Microsoft "
                             "Word Document.\r\n"
                             "Click OK to Continue"),
            title);
    }
    const QDateTime now = m_ctx.state.clock ? m_ctx.state.clock() : QDateTime::currentDateTime();
    plan.AnalysisStatus = statusStamp(now);
}

} // namespace orvella::analysis
