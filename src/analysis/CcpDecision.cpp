#include "analysis/CcpDecision.h"
#include "analysis/AnalysisText.h"
#include "analysis/CcpRecords.h"
#include "analysis/Prompts.h"
#include "model/Language.h"

namespace orvella::analysis {

using namespace orvella::model;

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The branch a question box closed without an answer (0) takes, as the answer it stands for.
bool closedMeansYes(int question) {
    return question == 2 || question == 4;
}

// The decision tree, asked from Q1; each question offers its earlier answer as the default.
// Answers the path taken (a closed box recorded as the branch it took) and its verdict.
DecisionPath decide(AnalysisDialogs& dialogs, const DecisionQuestions& q,
                    const DecisionPath& earlier) {
    const QString caption = QStringLiteral("CCP Analysis");
    const QString* prompts[] = {&q.q1, &q.q2, &q.q3, &q.q4, &q.q5};
    DecisionPath path;
    for (int at = 1; at != 0; at = nextQuestion(path)) {
        const int before = answerTo(earlier, at);
        const int answer = dialogs.YesNo(*prompts[at - 1], caption,
                                         before == 0 ? Prompts::AnswerNo : Prompts::AnswerYes);
        const bool yes =
            answer == Prompts::AnswerYes || (answer != Prompts::AnswerNo && closedMeansYes(at));
        path.append({qint8(at), yes});
    }
    return path;
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

DecisionPath presumedPath(const HACCP_TaskSpecific_Hazard& hazard) {
    if (hazard.IsCCP)
        return {{1, true}, {2, true}};
    return {{1, true}, {2, false}, {3, false}};
}

DecisionResult evaluateHazard(AnalysisContext& ctx, HACCP_Task& task,
                              HACCP_TaskSpecific_Hazard& hazard, int& ccpNumber,
                              const DecisionPath& offered) {
    const QString& e = hazard.Entity;
    const QString& name = task.Name;
    const DecisionQuestions questions = decisionQuestions(task, e);

    ctx.prompts.message(fillIn(AnalysisText::tr("Now let's see if %1 is a Critical Control Point "
                                                "for preventing the spread of %2. \r\n"
                                                "Click OK to continue."),
                               {name, e}),
                        QStringLiteral("CCP?"));

    const DecisionPath path = decide(ctx.dialogs, questions, offered);
    hazard.Answers = path;
    const auto notCcp = [&hazard] {
        hazard.IsCCP = false;
        hazard.CcpRecordMissing = false;
        hazard.Ccp = {};
    };
    switch (verdictOf(path)) {
    case Verdict::Unanswered:
    case Verdict::NotCcp:
        notCcp();
        ctx.prompts.message(AnalysisText::tr("%1 is not a Critical Control Point").arg(name));
        return DecisionResult::NextHazard;
    case Verdict::NoControlMeasures:
        notCcp();
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
    ++ccpNumber;
    for (bool first = true;; first = false) {
        if (recordCcp(ctx.state, task, hazard, ccpNumber, ctx.dialogs.ccp(), first))
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
