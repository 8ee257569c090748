#include "analysis/CcpDecision.h"
#include "analysis/AnalysisText.h"
#include "analysis/CcpRecords.h"
#include "analysis/Prompts.h"
#include "model/Language.h"

namespace orvella::analysis {

using namespace orvella::model;

namespace {

const QString CrLf = QStringLiteral("\r\n");

enum class Verdict { Ccp, NotCcp, NoControlMeasures };

// The decision tree. A question box closed without an answer (0) takes its own branch.
Verdict decide(AnalysisDialogs& dialogs, const DecisionQuestions& q) {
    const QString caption = QStringLiteral("CCP Analysis");
    const auto ask = [&](const QString& prompt) { return dialogs.YesNo(prompt, caption); };
    constexpr int yes = Prompts::AnswerYes;
    constexpr int no = Prompts::AnswerNo;

    if (ask(q.q1) == yes) {
        const int a2 = ask(q.q2);
        if (a2 != no)
            return Verdict::Ccp;
        if (ask(q.q3) != yes)
            return Verdict::NotCcp;
        return ask(q.q4) == no ? Verdict::Ccp : Verdict::NotCcp;
    }
    return ask(q.q5) == yes ? Verdict::NoControlMeasures : Verdict::NotCcp;
}

} // namespace

DecisionQuestions decisionQuestions(const HACCP_Task& task, const QString& e) {
    const QString header = task.Name + QStringLiteral(": ") + task.Description + CrLf + CrLf;
    return {
        header + AnalysisText::tr("Can %1 be controlled at this step or a subsequent step?").arg(e),
        header + AnalysisText::tr("Does this step eliminate or reduce the likely occurrence of %1 "
                                  "to an acceptable level AND is this the best place to control "
                                  "the hazard?")
                     .arg(e),
        header + AnalysisText::tr("Could contamination with %1 occur in excess of acceptable "
                                  "levels or could these increase to unacceptable levels?")
                     .arg(e),
        header + AnalysisText::tr("Will a subsequent step eliminate %1 or reduce the likely "
                                  "occurrence to an acceptable level?")
                     .arg(e),
        AnalysisText::tr("Is control at this step necessary to prevent %1 or reduce it to an "
                         "acceptable level?")
            .arg(e),
    };
}

DecisionResult evaluateHazard(AnalysisContext& ctx, HACCP_Task& task,
                              HACCP_TaskSpecific_Hazard& hazard, int& ccpNumber) {
    const QString& e = hazard.Entity;
    const QString& name = task.Name;
    const DecisionQuestions questions = decisionQuestions(task, e);

    ctx.prompts.message(fillIn(AnalysisText::tr("Now let's see if %1 is a Critical Control Point "
                                                "for preventing the spread of %2. \r\n"
                                                "Click OK to continue."),
                               {name, e}),
                        QStringLiteral("CCP?"));

    switch (decide(ctx.dialogs, questions)) {
    case Verdict::NotCcp:
        ctx.prompts.message(AnalysisText::tr("%1 is not a Critical Control Point").arg(name));
        return DecisionResult::NextHazard;
    case Verdict::NoControlMeasures:
        ctx.prompts.message(
            AnalysisText::tr("You have no control measures to prevent the spread of %1.\r\n"
                             "It is necessary for you to modify your activity procedures \r\n"
                             "to prevent or reduce the hazard to an acceptable level.")
                .arg(e),
            AnalysisText::tr("No Control Measures"), Prompts::Icon::Critical);
        return DecisionResult::NextHazard;
    case Verdict::Ccp:
        break;
    }

    // The Spanish form names the task only.
    ctx.prompts.message(fillIn(AnalysisText::tr("%1 is a Critical Control Point necessary to "
                                                "control the spread of %2."),
                               {name, e}));
    ++task.CCP_Count;
    ++ccpNumber;
    for (;;) {
        if (recordCcp(ctx.state, task, hazard, ccpNumber, ctx.dialogs.ccp()))
            return DecisionResult::NextHazard;
        GoBackDialog& goBack = ctx.dialogs.goBack();
        goBack.showModal();
        switch (goBack.Destination()) {
        case GoBackDialog::Continue:
            continue; // same number, nothing counted again
        case GoBackDialog::ReEvaluateTask:
            return DecisionResult::ReEvaluateTask;
        case GoBackDialog::RestartAnalysis:
            return DecisionResult::RestartAnalysis;
        default:
            return DecisionResult::NextHazard;
        }
    }
}

} // namespace orvella::analysis
