#include "analysis/HazardAnalysis.h"
#include "analysis/AnalysisText.h"
#include "analysis/CcpDecision.h"
#include "analysis/CcpRecords.h"
#include "analysis/HazardSelection.h"
#include "model/HazardTypes.h"
#include "model/Language.h"
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
    HACCP_Plan& plan = m_ctx.state.plan();
    // A run the user walks out of must not leave half an analysis behind: no CCPs under a
    // status that still says complete, no answers of a run that never finished.
    HACCP_Plan before = copyPlan(plan);
    const AnalysisOutcome outcome = runOnce();
    if (outcome == AnalysisOutcome::Abandoned)
        plan = std::move(before);
    return outcome;
}

AnalysisOutcome HazardAnalysis::runOnce() {
    HACCP_Plan& plan = m_ctx.state.plan();
    for (;;) {
        m_ccpNumber = 0;
        clearCcps(plan);
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
// keeps going back through the previous task's justifications.
HazardAnalysis::Phase1 HazardAnalysis::selectAndJustify() {
    HACCP_Plan& plan = m_ctx.state.plan();
    SelectionDialog& selection = m_ctx.dialogs.selection();
    int t = 1;
    int h = 1;
    enum class Next { Select, Justify, Navigate } next = Next::Select;

    for (;;) {
        switch (next) {
        case Next::Select: {
            h = 1;
            selection.ResetGoBack();
            if (selectHazards(m_ctx.state, *plan.Tasks.item(t), selection))
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
            HACCP_Task& task = *plan.Tasks.item(t);
            if (task.TSHazards.isEmpty() || h > task.TSHazards.count()) {
                ++t;
                selection.ResetGoBack();
                next = Next::Navigate;
                break;
            }
            JustificationDialog& justification = m_ctx.dialogs.justification();
            justifyHazard(task, h);
            if (justification.GoBack()) {
                --h; // what was typed for this hazard is dropped
            } else {
                HACCP_TaskSpecific_Hazard& hazard = *task.TSHazards.item(h);
                hazard.Justification = justification.justification();
                hazard.ControlMeasures = justification.controlMeasures();
                ++h;
                answered();
            }
            justification.ResetGoBack();
            break;
        }
        case Next::Navigate:
            if (selection.GoBack()) {
                --t;
                if (t < 1)
                    return Phase1::Abandoned;
                h = plan.Tasks.item(t)->TSHazards.count();
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

void HazardAnalysis::justifyHazard(HACCP_Task& task, int h) {
    JustificationDialog& dialog = m_ctx.dialogs.justification();
    dialog.setTaskList(m_taskList);
    const HACCP_TaskSpecific_Hazard& hazard = *task.TSHazards.item(h);
    const QString& e = hazard.Entity;
    const QString& name = task.Name;
    const QString hs = QString::number(h);
    const QString ns = QString::number(task.TSHazards.count());
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
        if (task.TSHazards.isEmpty())
            continue; // never selected: no questions, CCP_Count left as it was
        // Records this task stores from here on are the last ones in the list; re-evaluating
        // the task withdraws them so a CCP confirmed again is not stored twice.
        const int storedBefore = plan.CCPs.count();
        bool again = true;
        while (again) {
            again = false;
            while (plan.CCPs.count() > storedBefore)
                plan.CCPs.remove(plan.CCPs.count());
            for (const auto& hazard : task.TSHazards)
                hazard->IsCCP = false;
            task.CCP_Count = 0;
            m_ctx.dialogs.ccp().clearFields();
            for (int j = 1; j <= task.TSHazards.count(); ++j) {
                HACCP_TaskSpecific_Hazard& hazard = *task.TSHazards.item(j);
                if (hazard.Probable != Yes)
                    continue;
                const DecisionResult result = evaluateHazard(m_ctx, task, hazard, m_ccpNumber);
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
    const QString title = AnalysisText::tr("Wizard Complete");
    if (m_ccpNumber == 0 && m_hazardsFound) {
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
    m_ctx.state.plan().AnalysisStatus = statusStamp(now);
}

} // namespace orvella::analysis
