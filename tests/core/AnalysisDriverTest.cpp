#include "AnalysisScript.h"
#include "QtPrinters.h"
#include "SpanishRun.h"

using namespace analysistest;

namespace {

using Sel = ScriptedSelection::Answer;
using Just = ScriptedJustification::Answer;
using Ccp = ScriptedCcp::Answer;

const QString Completion =
    "The Orvella is finished doing its part. \r\n"
    "The next screen will allow you to transfer your work to a Microsoft Word Document.\r\n"
    "Click OK to Continue";
const QString WarningStart = "You have hazards but no critical control points!\r\n";

// A CCP record of an older file that belongs to no pair.
void addOldCcp(HACCP_Plan& plan) {
    plan.UnattachedCCPs.append({HACCP_CCP{}, 0});
}

} // namespace

TEST(AnalysisDriver, NoTasksTellsTheUserAndChangesNothing) {
    Rig rig;
    addOldCcp(rig.plan());
    EXPECT_EQ(rig.run(), AnalysisOutcome::NoTasks);
    ASSERT_EQ(rig.prompts.asked.size(), 1);
    EXPECT_EQ(rig.prompts.asked[0].text,
              "You have no task to evaluate! Be sure you have completed steps 1 - 3.");
    EXPECT_EQ(rig.prompts.asked[0].icon, Prompts::Icon::Critical);
    EXPECT_EQ(rig.prompts.asked[0].title, "");
    EXPECT_EQ(rig.plan().UnattachedCCPs.size(), 1); // nothing was answered, nothing goes
    EXPECT_EQ(rig.plan().AnalysisStatus, "Incomplete");
    EXPECT_TRUE(rig.dialogs.log.isEmpty());
}

TEST(AnalysisDriver, BackFromFirstSelectionEndsSilently) {
    Rig rig;
    fillPlan(rig.state, 2, {"A"});
    addOldCcp(rig.plan());
    rig.dialogs.sel.answers << Sel{true, {}};
    EXPECT_EQ(rig.run(), AnalysisOutcome::Abandoned);
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
    EXPECT_EQ(rig.plan().UnattachedCCPs.size(), 1);
    EXPECT_EQ(rig.plan().AnalysisStatus, "Incomplete");
    EXPECT_EQ(rig.dialogs.log, QStringList({"select Task # 1"}));
}

TEST(AnalysisDriver, BackWalksAcrossHazardsAndTasks) {
    Rig rig;
    fillPlan(rig.state, 2, {"A", "B"});
    auto& s = rig.dialogs.sel.answers;
    auto& j = rig.dialogs.just.answers;
    s << Sel{false, QList<bool>{true, false}}; // task 1
    j << Just{false, "why A", "wash"}          // A of task 1
      << Just{true, "dropped", {}}             // Back from B: typed text not stored
      << Just{false, "why A again", {}}        // A shown again with its stored texts
      << Just{false, "why not B", {}};         // B
    s << Sel{true, {}};                        // Back from task 2's selection
    j << Just{true, {}, {}}                    // task 1, B: Back
      << Just{true, {}, {}};                   // task 1, A: Back -> before task 1: end
    EXPECT_EQ(rig.run(), AnalysisOutcome::Abandoned);
    const QString j1 = "justify Task # 1 (Justify Potential Hazard ";
    EXPECT_EQ(rig.dialogs.log,
              QStringList({"select Task # 1", j1 + "1 of 2)", j1 + "2 of 2)", j1 + "1 of 2)",
                           j1 + "2 of 2)", "select Task # 2", j1 + "2 of 2)", j1 + "1 of 2)"}));
    const auto& shown = rig.dialogs.just.shown;
    EXPECT_EQ(shown[2].justification, "why A");
    EXPECT_EQ(shown[2].control, "wash");
    EXPECT_EQ(shown[4].justification, "why not B"); // walking back shows the stored texts
    // Walking out of the run takes its answers with it.
    EXPECT_TRUE(rig.plan().Tasks.item(1)->TSHazards.isEmpty());
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
}

TEST(AnalysisDriver, BackFromFirstJustificationReachedForwardsShowsTheSelectionAgain) {
    Rig rig;
    fillPlan(rig.state, 1, {"A"});
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true}} << Sel{false, QList<bool>{false}};
    rig.dialogs.just.answers << Just{true, {}, {}} << Just{false, "none here", {}};
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);
    EXPECT_EQ(
        rig.dialogs.log,
        QStringList({"select Task # 1", "justify Task # 1 (Justify Potential Hazard 1 of 1)",
                     "select Task # 1", "justify Task # 1 (Justify Potential Hazard 1 of 1)"}));
    EXPECT_EQ(rig.dialogs.sel.shown[1].ticked, QList<bool>({true})); // as currently stored
    const auto& last = rig.dialogs.just.shown[1];
    EXPECT_EQ(last.prompt,
              "Why did you indicate that A is/are NOT probable during Task # 1 (Do thing 1)?");
    EXPECT_FALSE(last.controlVisible);
    EXPECT_EQ(rig.hazard(1, 1).Probable, "No");
    EXPECT_TRUE(rig.dialogs.questions.isEmpty());
}

TEST(AnalysisDriver, JustificationTextsAndTaskList) {
    Rig rig;
    fillPlan(rig.state, 2, {"A", "B"});
    rig.state.InputsChanged = true; // rebuild with nothing ticked is fine
    rig.dialogs.sel.answers << Sel{false, QList<bool>{false, true}}
                            << Sel{false, QList<bool>{false, false}};
    rig.dialogs.yesNo << N << N; // B of task 1: not a CCP
    QString taskList;
    HazardAnalysis analysis(rig.ctx);
    analysis.onTaskList = [&](const QString& text) { taskList = text; };
    EXPECT_EQ(analysis.run(), AnalysisOutcome::Completed);
    EXPECT_EQ(taskList, "Task # 1: Do thing 1\r\nTask # 2: Do thing 2");
    EXPECT_EQ(rig.dialogs.just.taskList, taskList); // the dialog has it from the analysis
    const auto& b = rig.dialogs.just.shown.at(1);
    EXPECT_EQ(b.taskLabel, "Task # 1 (Justify Potential Hazard 2 of 2)");
    EXPECT_EQ(b.taskDescription, "Do thing 1");
    EXPECT_EQ(b.prompt, "Why is/are B probable during Task # 1?");
    EXPECT_EQ(b.controlQuestion,
              "What Control Measures can be applied during Task # 1 to prevent the spread of B?");
    EXPECT_TRUE(b.controlVisible);
    EXPECT_TRUE(rig.dialogs.just.captions.isEmpty()); // English keeps the design captions
    EXPECT_EQ(rig.dialogs.just.shown.size(), 4);
}

TEST(AnalysisDriver, SpanishJustificationTexts) {
    Rig rig;
    rig.state.UseSpanish = true;
    testsupport::SpanishRun spanish;
    fillPlan(rig.state, 1, {"A", "B"});
    rig.task(1).Name = "Trabajo  1";
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true, false}};
    rig.dialogs.yesNo << N << N;
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);
    EXPECT_EQ(rig.dialogs.just.captions,
              QStringList({"Continuar", "Devolverse", "Muestre la Lista de Tareas"}));
    const auto& a = rig.dialogs.just.shown.at(0);
    EXPECT_EQ(a.taskLabel, "Trabajo  1 (Justificar Riesgo 1 de 2)");
    EXPECT_EQ(a.prompt, "¿Por qué hay A probable(s) durante la tarea?");
    EXPECT_EQ(a.controlQuestion, "Qué Medidas de Control se puende aplicar durante Trabajo  1 para "
                                 "prevenir la propagación de Riesgo (A)?");
    EXPECT_EQ(rig.dialogs.just.shown.at(1).prompt,
              "¿Por qué indicó usted que NO hay B probable(s) durante la tarea Trabajo  1?");
    // hazards found, no CCP: the Spanish warning, six lines
    const auto& end = rig.prompts.asked.last();
    EXPECT_EQ(end.title, "Terminado Su Labor");
    EXPECT_EQ(end.text.count("\r\n"), 5);
    EXPECT_TRUE(
        end.text.startsWith("¡Usted tiene riesgos pero no tiene puntos de control críticos! \r\n"));
}

TEST(AnalysisDriver, TwoCcpsInOneTaskAndNumberingAcrossTasks) {
    Rig rig;
    fillPlan(rig.state, 2, {"A", "B"});
    rig.state.InputsChanged = true;
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true, true}}
                            << Sel{false, QList<bool>{true, false}};
    for (int i = 0; i < 3; ++i)
        rig.dialogs.answerCcp();
    CcpFields first{"lim1", "who1", "what1", "how1", "freq1", "fix1", "doc1"};
    CcpFields third{"lim3", {}, {}, {}, {}, {}, {}};
    rig.dialogs.ccpDialog.answers << Ccp{false, first} << Ccp{} << Ccp{false, third};
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);

    const auto& shown = rig.dialogs.ccpDialog.shown;
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].caption, "Critical Control Point #1");
    EXPECT_EQ(shown[1].caption, "Critical Control Point #2");
    EXPECT_EQ(shown[2].caption, "Critical Control Point #3");
    EXPECT_EQ(shown[0].fields.Limits, "");
    EXPECT_EQ(shown[1].fields.Limits, "lim1"); // same task: the previous CCP's texts again
    EXPECT_EQ(shown[2].fields.Limits, "");     // a new task starts empty
    EXPECT_EQ(shown[2].name, "Task # 2");

    const auto ccps = rig.plan().CCPs();
    ASSERT_EQ(ccps.count(), 3);
    EXPECT_EQ(ccps.key(1), "1");
    EXPECT_EQ(ccps.key(2), "2");
    EXPECT_EQ(ccps.item(2)->SigHaz, "Plant: B");
    EXPECT_EQ(ccps.item(2)->Who, "who1");
    EXPECT_EQ(ccps.item(3)->TaskNumber, 2);
    EXPECT_EQ(rig.task(1).CCP_Count(), 2);
    EXPECT_EQ(rig.task(2).CCP_Count(), 1);
    EXPECT_TRUE(rig.hazard(1, 1).IsCCP && rig.hazard(1, 2).IsCCP && rig.hazard(2, 1).IsCCP);
    EXPECT_FALSE(rig.hazard(2, 2).IsCCP);
    EXPECT_EQ(rig.prompts.asked.last().text, Completion);
}

TEST(AnalysisDriver, ReEvaluatingATaskWithdrawsItsRecordsFirst) {
    Rig rig;
    fillPlan(rig.state, 2, {"A", "B"});
    rig.state.InputsChanged = true;
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true, false}}
                            << Sel{false, QList<bool>{true, true}};
    rig.dialogs.answerCcp();    // task 1, A: CCP #1 stored
    rig.dialogs.answerCcp();    // task 2, A: CCP #2 stored
    rig.dialogs.answerCcp();    // task 2, B: CCP #3, Back, re-evaluate
    rig.dialogs.answerCcp();    // task 2, A again: CCP #4
    rig.dialogs.answerNotCcp(); // task 2, B again: not a CCP
    rig.dialogs.ccpDialog.answers << Ccp{} << Ccp{} << Ccp{true, {}} << Ccp{};
    rig.dialogs.goBackDialog.answers << GoBackDialog::ReEvaluateTask;
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);

    QStringList captions;
    for (const auto& s : rig.dialogs.ccpDialog.shown)
        captions << s.caption;
    EXPECT_EQ(captions, QStringList({"Critical Control Point #1", "Critical Control Point #2",
                                     "Critical Control Point #3", "Critical Control Point #4"}));
    const auto ccps = rig.plan().CCPs();
    ASSERT_EQ(ccps.count(), 2); // task 2's CCP is held once, not stored twice
    EXPECT_EQ(ccps.item(1)->TaskNumber, 1);
    EXPECT_EQ(ccps.item(2)->TaskNumber, 2);
    EXPECT_EQ(ccps.key(2), "2");
    EXPECT_EQ(rig.task(2).CCP_Count(), 1);
    EXPECT_TRUE(rig.hazard(2, 1).IsCCP);
    EXPECT_FALSE(rig.hazard(2, 2).IsCCP);
    EXPECT_EQ(rig.dialogs.ccpDialog.clears, 3); // task 1, task 2, task 2 again
}

TEST(AnalysisDriver, RestartOffersStoredTextsAgain) {
    Rig rig;
    fillPlan(rig.state, 1, {"A", "B"});
    rig.state.InputsChanged = false;
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true, false}};
    rig.dialogs.just.answers << Just{false, "boots", "wash"} << Just{false, "never seen", {}};
    rig.dialogs.answerCcp();
    rig.dialogs.ccpDialog.answers << Ccp{true, {}};
    rig.dialogs.goBackDialog.answers << GoBackDialog::RestartAnalysis;
    // second pass: untouched selection, justifications confirmed as offered, then not a CCP
    rig.dialogs.answerNotCcp();
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);

    ASSERT_EQ(rig.dialogs.sel.shown.size(), 2);
    EXPECT_EQ(rig.dialogs.sel.shown[1].ticked, QList<bool>({true, false}));
    const auto& j = rig.dialogs.just.shown;
    ASSERT_EQ(j.size(), 4);
    EXPECT_EQ(j[2].justification, "boots");
    EXPECT_EQ(j[2].control, "wash");
    EXPECT_EQ(j[2].justList, QStringList({"boots", "never seen"}));
    EXPECT_EQ(j[3].justification, "never seen");
    EXPECT_EQ(rig.plan().CCPs().count(), 0);
    EXPECT_EQ(rig.hazard(1, 1).Justification, "boots");
    // hazards were found in the first pass only; the restart forgets them
    EXPECT_EQ(rig.prompts.asked.last().text, Completion);
}

TEST(AnalysisDriver, RestartAfterChangedInputsStillOffersEveryEarlierAnswer) {
    Rig rig;
    fillPlan(rig.state, 1, {"A"});
    rig.state.InputsChanged = true; // no longer empties anything
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true}};
    rig.dialogs.just.answers << Just{false, "boots", "wash"};
    rig.dialogs.answerCcp();
    rig.dialogs.ccpDialog.answers << Ccp{true, {}};
    rig.dialogs.goBackDialog.answers << GoBackDialog::RestartAnalysis;
    rig.dialogs.answerCcp();
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);
    const auto& again = rig.dialogs.just.shown.at(1);
    EXPECT_EQ(again.justification, "boots");
    EXPECT_EQ(again.control, "wash");
    EXPECT_EQ(rig.dialogs.ccpDialog.shown.last().caption,
              "Critical Control Point #1"); // number restarts
    // The earlier answers are the defaults of the decision questions.
    EXPECT_EQ(rig.dialogs.defaults, QList<int>({Y, Y, Y, Y}));
    ASSERT_EQ(rig.plan().CCPs().count(), 1);
    EXPECT_EQ(rig.plan().CCPs().item(1)->Control, "wash");
    EXPECT_EQ(pathText(rig.hazard(1, 1).Answers), "Q1 Yes, Q2 Yes");
}

TEST(AnalysisDriver, WarningWhenHazardsFoundButNoCcp) {
    Rig rig;
    fillPlan(rig.state, 1, {"A"});
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true}};
    rig.dialogs.yesNo << N << Y; // no control measures
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);
    const auto& end = rig.prompts.asked.last();
    EXPECT_EQ(end.title, "Wizard Complete");
    EXPECT_EQ(end.icon, Prompts::Icon::Critical);
    EXPECT_EQ(end.text,
              WarningStart +
                  "Although the next screen will allow you to transfer your work to a \r\n"
                  "Microsoft Word Document, this is not yet recommended.\r\n"
                  "You first need to re-evaluate your procedures so that transporting \r\n"
                  "hazards can be minimized. Start by examining all of the tasks where \r\n"
                  "identified hazards may be detected.  One of these tasks should be a \r\n"
                  "critical control point.  Click OK to continue.");
    EXPECT_EQ(rig.plan().AnalysisStatus,
              QLocale::system().toString(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)),
                                         QLocale::ShortFormat));

    // a second run, nothing touched: the stored "Yes" is not a new find, so no warning
    Rig* again = &rig;
    again->prompts.asked.clear();
    again->dialogs.yesNo << N << Y;
    EXPECT_EQ(again->run(), AnalysisOutcome::Completed);
    EXPECT_EQ(again->prompts.asked.last().text, Completion);
    EXPECT_EQ(again->prompts.asked.last().icon, Prompts::Icon::None);
    EXPECT_EQ(again->prompts.asked.last().title, "Wizard Complete");
}

TEST(AnalysisDriver, NothingTickedAsksOnlyWhyNotAndCompletes) {
    Rig rig;
    fillPlan(rig.state, 2, {"A", "B"});
    rig.state.InputsChanged = true;
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);
    EXPECT_EQ(rig.dialogs.just.shown.size(), 4);
    for (const auto& s : rig.dialogs.just.shown)
        EXPECT_TRUE(s.prompt.contains("is/are NOT probable"));
    EXPECT_TRUE(rig.dialogs.questions.isEmpty());
    EXPECT_EQ(rig.prompts.asked.size(), 1);
    EXPECT_EQ(rig.prompts.asked[0].text, Completion);
}

TEST(AnalysisDriver, TaskWithoutHazardsIsPassedOver) {
    Rig rig;
    fillPlan(rig.state, 2, {});     // no potential hazards: nothing is ever built
    rig.task(2).CcpCountInFile = 5; // what an older file said; no pair bears it out
    EXPECT_EQ(rig.run(), AnalysisOutcome::Completed);
    EXPECT_EQ(rig.dialogs.log, QStringList({"select Task # 1", "select Task # 2"}));
    EXPECT_EQ(rig.task(2).CCP_Count(), 0);
    EXPECT_EQ(rig.dialogs.ccpDialog.clears, 0);
}
