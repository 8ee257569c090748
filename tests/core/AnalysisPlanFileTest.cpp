#include "AnalysisScript.h"
#include "PlanFileCompare.h"
#include "model/PlanCcps.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include <QFile>

using namespace analysistest;

// A full run, saved and read back, and then analysed again from the file: what the analysis
// left in the plan survives the file, and the second run offers it unchanged.
TEST(AnalysisPlanFile, PlanAfterAFullRunSurvivesTheFileAndASecondRun) {
    Rig rig;
    fillPlan(rig.state, 2, {"Giant Salvinia", "Caracol manzana", "Nutria"});
    rig.state.InputsChanged = true;
    using Sel = ScriptedSelection::Answer;
    using Just = ScriptedJustification::Answer;
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true, true, false}}
                            << Sel{false, QList<bool>{false, false, true}};
    rig.dialogs.just.answers << Just{false, "Fragmentos en el casco", "Lavar el casco"}
                             << Just{false, "Eggs on the trailer", "Dry 5 days"}
                             << Just{false, "Not here", {}} << Just{false, "No", {}}
                             << Just{false, "No", {}} << Just{false, "Burrows", "Fence"};
    rig.dialogs.answerCcp();    // task 1, Giant Salvinia
    rig.dialogs.answerNotCcp(); // task 1, Caracol manzana
    rig.dialogs.answerCcp();    // task 2, Nutria
    rig.dialogs.ccpDialog.answers
        << ScriptedCcp::Answer{false, CcpFields{"Sin plantas", "Operador", "Casco", "Vista",
                                                "Cada día", "Lavar otra vez", "SOP 4.2"}}
        << ScriptedCcp::Answer{false, CcpFields{"Fence intact", {}, {}, {}, {}, {}, {}}};
    ASSERT_EQ(rig.run(), AnalysisOutcome::Completed);
    ASSERT_EQ(rig.plan().CCPs().count(), 2);

    const auto read = orvella::planfile::readPlan(orvella::planfile::writePlan(rig.plan()));
    ASSERT_TRUE(read.isPlan);
    EXPECT_TRUE(read.warnings.isEmpty()) << read.warnings.join("\n").toStdString();
    EXPECT_TRUE(orvella::model::isAnalysisComplete(*read.plan));
    expectSamePlan(rig.plan(), *read.plan);

    // Open it and run again pressing Enter everywhere: every dialog offers the earlier answer,
    // and the file comes back the same but for the date of the analysis.
    const QByteArray before = orvella::planfile::writePlan(rig.plan());
    Rig again;
    again.state.CurrentPlan = read.plan;
    again.state.clock = [] { return QDateTime(QDate(2026, 12, 1), QTime(8, 0)); };
    for (int i = 0; i < 7; ++i)
        again.dialogs.yesNo << Enter;
    qsizetype fewestCcps = 99;
    HazardAnalysis analysis(again.ctx);
    analysis.onAnswer = [&] {
        fewestCcps = std::min(fewestCcps, orvella::model::planCcps(again.plan()).size());
    };
    ASSERT_EQ(analysis.run(), AnalysisOutcome::Completed);
    EXPECT_EQ(fewestCcps, 2); // a recovery copy taken half-way holds every CCP
    EXPECT_EQ(again.dialogs.sel.shown[0].ticked, QList<bool>({true, true, false}));
    EXPECT_EQ(again.dialogs.just.shown[0].justification, "Fragmentos en el casco");
    EXPECT_EQ(again.dialogs.ccpDialog.shown[0].fields.Limits, "Sin plantas");
    EXPECT_EQ(again.dialogs.defaults, QList<int>({Y, Y, Y, N, N, Y, Y}));
    EXPECT_EQ(again.prompts.asked.last().icon, Prompts::Icon::None); // nothing newly found
    const QList<QByteArray> a = before.split('\n'),
                            b = orvella::planfile::writePlan(again.plan()).split('\n');
    ASSERT_EQ(a.size(), b.size());
    QList<QByteArray> changed;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            changed << a[i] + " -> " + b[i];
    EXPECT_EQ(changed.size(), 1) << changed.join('|').toStdString();
}

// A hazard added after the analysis: the update asks about the new pairs alone, and an older
// file's answers without a decision record get one on a re-run.
TEST(AnalysisPlanFile, UpdateAsksOnlyTheNewPairs) {
    QFile f(QStringLiteral(ORVELLA_SOURCE_DIR "/examples/prescribed-burn.xml"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    Rig rig;
    rig.state.CurrentPlan = orvella::planfile::readPlan(original).plan;
    HACCP_Plan& plan = rig.plan();
    const int tasks = plan.Tasks.count();
    const QString justificationBefore = plan.Tasks.item(2)->TSHazards.item(1)->Justification;
    plan.PotentialHazards.append(std::make_shared<HACCP_PotentialHazard>(
        HACCP_PotentialHazard{Invertebrate, "New Zealand mudsnail"}));
    ASSERT_EQ(orvella::model::unansweredPairs(plan).size(), tasks);

    using Sel = ScriptedSelection::Answer;
    rig.dialogs.sel.answers << Sel{false, QList<bool>{true}}; // task 1: probable; others: not
    rig.dialogs.answerCcp();
    ASSERT_EQ(HazardAnalysis(rig.ctx).update(), AnalysisOutcome::Completed);
    EXPECT_EQ(rig.dialogs.sel.shown.size(), tasks);         // one selection a task,
    EXPECT_EQ(rig.dialogs.sel.shown[0].entities.size(), 1); // offering the new hazard only
    EXPECT_EQ(rig.dialogs.just.shown.size(), tasks);        // one justification a new pair
    EXPECT_EQ(rig.dialogs.questions.size(), 2);             // the one probable pair decided
    EXPECT_EQ(rig.dialogs.ccpDialog.shown.size(), 1);
    EXPECT_TRUE(orvella::model::unansweredPairs(plan).isEmpty());
    EXPECT_EQ(plan.Tasks.item(2)->TSHazards.item(1)->Justification, justificationBefore);
    EXPECT_EQ(plan.CCPs().count(), 4);

    // Removing the hazard again: the update lists the pairs once, and Yes removes them.
    plan.PotentialHazards.remove(plan.PotentialHazards.count());
    rig.prompts.answers << Prompts::AnswerYes;
    ASSERT_EQ(HazardAnalysis(rig.ctx).update(), AnalysisOutcome::Completed);
    EXPECT_TRUE(rig.prompts.asked[rig.prompts.asked.size() - 2].text.contains(
        "Task # 1: New Zealand mudsnail"));
    EXPECT_TRUE(orvella::model::removedPairs(plan).isEmpty());

    // What is left is the example again, but for the date of the update.
    const QList<QByteArray> a = original.split('\n'),
                            b = orvella::planfile::writePlan(plan).split('\n');
    ASSERT_EQ(a.size(), b.size());
    int changed = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        changed += a[i] != b[i];
    EXPECT_EQ(changed, 1);
}
