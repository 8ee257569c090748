#include "AnalysisScript.h"
#include "QtPrinters.h"
#include "SpanishRun.h"
#include "analysis/CcpDecision.h"

using namespace analysistest;

namespace {

enum class Outcome { Ccp, NotCcp, NoControl };

struct Path {
    const char* name;
    QList<int> answers;
    int questionsAsked;
    Outcome verdict;
};

// Keeps the test list readable: the path's name instead of its bytes.
void PrintTo(const Path& path, std::ostream* os) {
    *os << path.name;
}

class DecisionPaths : public testing::TestWithParam<Path> {};

// One task with one probable hazard, decided once.
struct DecisionRig : Rig {
    DecisionRig() {
        fillPlan(state, 1, {"Zebra mussel"});
        auto h = std::make_shared<HACCP_TaskSpecific_Hazard>();
        h->HazType = Invertebrate;
        h->Entity = "Zebra mussel";
        h->Probable = Yes;
        h->ControlMeasures = "Dry hulls";
        task(1).TSHazards.append(h);
    }
    DecisionResult decide(int& number) {
        return evaluateHazard(ctx, task(1), hazard(1, 1), number);
    }
};

} // namespace

TEST_P(DecisionPaths, LeadsToItsVerdict) {
    const Path& p = GetParam();
    DecisionRig rig;
    rig.dialogs.yesNo.append(p.answers);
    int number = 4;
    EXPECT_EQ(rig.decide(number), DecisionResult::NextHazard);
    EXPECT_EQ(rig.dialogs.questions.size(), p.questionsAsked);
    EXPECT_TRUE(rig.dialogs.yesNo.isEmpty()) << "a question was skipped";
    // The path is kept, a closed box as the branch it took, and leads to the same verdict.
    const DecisionPath& kept = rig.hazard(1, 1).Answers;
    EXPECT_EQ(kept.size(), p.questionsAsked);
    const Verdict expected[] = {Verdict::Ccp, Verdict::NotCcp, Verdict::NoControlMeasures};
    EXPECT_EQ(verdictOf(kept), expected[int(p.verdict)]);

    ASSERT_EQ(rig.prompts.asked.size(), 2); // announcement, verdict
    EXPECT_EQ(rig.prompts.asked[0].title, "CCP?");
    const auto& verdict = rig.prompts.asked[1];
    switch (p.verdict) {
    case Outcome::Ccp:
        EXPECT_EQ(verdict.text, "Task # 1 is a Critical Control Point necessary to control the "
                                "spread of Zebra mussel.");
        EXPECT_EQ(verdict.icon, Prompts::Icon::None);
        EXPECT_EQ(number, 5);
        EXPECT_EQ(rig.task(1).CCP_Count(), 1);
        ASSERT_EQ(rig.plan().CCPs().count(), 1);
        EXPECT_TRUE(rig.hazard(1, 1).IsCCP);
        break;
    case Outcome::NotCcp:
        EXPECT_EQ(verdict.text, "Task # 1 is not a Critical Control Point");
        EXPECT_EQ(verdict.title, "");
        break;
    case Outcome::NoControl:
        EXPECT_EQ(verdict.text,
                  "You have no control measures to prevent the spread of Zebra mussel.\r\n"
                  "It is necessary for you to modify your activity procedures \r\n"
                  "to prevent or reduce the hazard to an acceptable level.");
        EXPECT_EQ(verdict.title, "No Control Measures");
        EXPECT_EQ(verdict.icon, Prompts::Icon::Critical);
        break;
    }
    if (p.verdict != Outcome::Ccp) {
        EXPECT_EQ(number, 4);
        EXPECT_EQ(rig.task(1).CCP_Count(), 0);
        EXPECT_EQ(rig.plan().CCPs().count(), 0);
        EXPECT_FALSE(rig.hazard(1, 1).IsCCP);
        EXPECT_TRUE(rig.dialogs.ccpDialog.shown.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    AnalysisDecision, DecisionPaths,
    testing::Values(Path{"YesYes", {Y, Y}, 2, Outcome::Ccp},               //
                    Path{"YesClosed", {Y, Closed}, 2, Outcome::Ccp},       //
                    Path{"YesNoYesNo", {Y, N, Y, N}, 4, Outcome::Ccp},     //
                    Path{"YesNoYesYes", {Y, N, Y, Y}, 4, Outcome::NotCcp}, //
                    Path{"YesNoYesClosed", {Y, N, Y, Closed}, 4, Outcome::NotCcp},
                    Path{"YesNoNo", {Y, N, N}, 3, Outcome::NotCcp},          //
                    Path{"YesNoClosed", {Y, N, Closed}, 3, Outcome::NotCcp}, //
                    Path{"NoYes", {N, Y}, 2, Outcome::NoControl},            //
                    Path{"ClosedYes", {Closed, Y}, 2, Outcome::NoControl},   //
                    Path{"NoNo", {N, N}, 2, Outcome::NotCcp},                //
                    Path{"NoClosed", {N, Closed}, 2, Outcome::NotCcp}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnalysisDecision, QuestionsCarryTheTaskHeaderExceptTheLast) {
    DecisionRig rig;
    rig.dialogs.yesNo << Y << N << Y << Y;
    int number = 0;
    rig.decide(number);
    const QString header = "Task # 1: Do thing 1\r\n\r\n";
    EXPECT_EQ(
        rig.dialogs.questions,
        QStringList(
            {header + "Can Zebra mussel be controlled at this step or a subsequent step?",
             header +
                 "Does this step eliminate or reduce the likely occurrence of Zebra mussel to an "
                 "acceptable level AND is this the best place to control the hazard?",
             header +
                 "Could contamination with Zebra mussel occur in excess of acceptable levels or "
                 "could these increase to unacceptable levels?",
             header +
                 "Will a subsequent step eliminate Zebra mussel or reduce the likely occurrence "
                 "to an acceptable level?"}));
    const auto q = decisionQuestions(rig.task(1), "Zebra mussel");
    EXPECT_EQ(q.q5, "Is control at this step necessary to prevent Zebra mussel or reduce it to an "
                    "acceptable level?");
    EXPECT_EQ(rig.prompts.asked[0].text,
              "Now let's see if Task # 1 is a Critical Control Point for preventing the "
              "spread of Zebra mussel. \r\nClick OK to continue.");
}

TEST(AnalysisDecision, SpanishTexts) {
    DecisionRig rig;
    rig.state.UseSpanish = true;
    testsupport::SpanishRun spanish;
    rig.task(1).Name = "Trabajo  1";
    rig.dialogs.yesNo << Y << N << N << N << Y << Y << Y;
    int number = 0;
    rig.decide(number); // not a CCP
    rig.decide(number); // no control measures
    rig.decide(number); // CCP
    const auto& a = rig.prompts.asked;
    ASSERT_EQ(a.size(), 6);
    EXPECT_EQ(a[0].text,
              "Trabajo  1: ¿Punto de Control Crítico para controlar riesgo (Zebra mussel)? \r\n"
              "Haga clic \"OK\" para continuar.");
    EXPECT_EQ(a[1].text, "Este (Trabajo  1) no es un Punto de Control Crítico.");
    EXPECT_EQ(
        a[3].text,
        "Usted no tiene medidas de control para prevnir la propagción de un riesgo "
        "identifacdo(Zebra mussel).Es necesario que usted modifique su actividad para prevenir o "
        "reducir el riesgo a un nivel aceptable.");
    EXPECT_EQ(a[3].title, "No Medidas de Control");
    EXPECT_EQ(a[5].text, "Esta tarea (Trabajo  1) es un Punto de Control Crítico.");
    EXPECT_EQ(rig.dialogs.questions[0], "Trabajo  1: Do thing 1\r\n\r\n¿Se puede controlar el "
                                        "riesgo (Zebra mussel) en este paso o en un paso "
                                        "siguiente?");
    EXPECT_EQ(rig.dialogs.questions[4], "¿Es necesario el control en este paso para prevenir el "
                                        "riesgo (Zebra mussel) o reducirlo a un nivel "
                                        "aceptable?");
    ASSERT_EQ(rig.dialogs.ccpDialog.shown.size(), 1);
    EXPECT_EQ(rig.dialogs.ccpDialog.shown[0].caption, "Punto de Control Crítico #1");
    EXPECT_TRUE(rig.dialogs.ccpDialog.shown[0].spanish);
}

TEST(AnalysisDecision, BackInCcpDetailsThenContinueReopensWithSameNumberCountedOnce) {
    DecisionRig rig;
    rig.dialogs.answerCcp();
    CcpFields typed;
    typed.Limits = "20 min";
    rig.dialogs.ccpDialog.answers << ScriptedCcp::Answer{true, typed}
                                  << ScriptedCcp::Answer{false, {}};
    rig.dialogs.goBackDialog.answers << GoBackDialog::Continue;
    int number = 0;
    EXPECT_EQ(rig.decide(number), DecisionResult::NextHazard);
    EXPECT_EQ(rig.dialogs.log, QStringList({"ask", "ask", "ccp Critical Control Point #1", "goback",
                                            "ccp Critical Control Point #1"}));
    EXPECT_EQ(rig.dialogs.ccpDialog.shown[1].fields.Limits, "20 min"); // typed texts kept
    EXPECT_EQ(number, 1);
    EXPECT_EQ(rig.task(1).CCP_Count(), 1);
    ASSERT_EQ(rig.plan().CCPs().count(), 1);
    const auto r = *rig.plan().CCPs().item(1);
    EXPECT_EQ(r.TaskName, "Task # 1: Do thing 1");
    EXPECT_EQ(r.SigHaz, "Invertebrate: Zebra mussel");
    EXPECT_EQ(r.Control, "Dry hulls");
    EXPECT_EQ(r.Limits, "20 min");
}

TEST(AnalysisDecision, GoBackDestinationsEndTheDecision) {
    for (int destination : {1, 2, 5}) {
        DecisionRig rig;
        rig.dialogs.answerCcp();
        rig.dialogs.ccpDialog.answers << ScriptedCcp::Answer{true, {}};
        rig.dialogs.goBackDialog.answers << destination;
        int number = 0;
        const DecisionResult expected = destination == 1   ? DecisionResult::ReEvaluateTask
                                        : destination == 2 ? DecisionResult::RestartAnalysis
                                                           : DecisionResult::NextHazard;
        EXPECT_EQ(rig.decide(number), expected) << destination;
        EXPECT_EQ(rig.plan().CCPs().count(), 0);
        EXPECT_FALSE(rig.hazard(1, 1).IsCCP);
        EXPECT_EQ(number, 1); // never lowered
    }
}
