#include "AnalysisScript.h"
#include "PlanFileCompare.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"

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
    ASSERT_EQ(rig.plan().CCPs.count(), 2);

    const auto read = orvella::planfile::readPlan(orvella::planfile::writePlan(rig.plan()));
    ASSERT_TRUE(read.isPlan);
    EXPECT_TRUE(read.warnings.isEmpty()) << read.warnings.join("\n").toStdString();
    EXPECT_TRUE(orvella::model::isAnalysisComplete(*read.plan));
    expectSamePlan(rig.plan(), *read.plan);

    // Open it and run again, touching nothing: everything stays as it was.
    Rig again;
    again.state.CurrentPlan = read.plan;
    again.state.InputsChanged = false;
    again.dialogs.answerCcp();
    again.dialogs.answerNotCcp();
    again.dialogs.answerCcp();
    ASSERT_EQ(again.run(), AnalysisOutcome::Completed);
    EXPECT_EQ(again.dialogs.sel.shown[0].ticked, QList<bool>({true, true, false}));
    EXPECT_EQ(again.dialogs.just.shown[0].justification, "Fragmentos en el casco");
    EXPECT_EQ(again.dialogs.ccpDialog.shown[0].fields.Limits, ""); // the details boxes start empty
    EXPECT_EQ(again.prompts.asked.last().icon,
              Prompts::Icon::None); // nothing newly found: completion
    EXPECT_EQ(again.hazard(1, 1).Justification, "Fragmentos en el casco");
    EXPECT_EQ(again.plan().CCPs.count(), 2);
    EXPECT_EQ(again.plan().CCPs.item(1)->SigHaz, "Plant: Giant Salvinia");
    EXPECT_EQ(again.plan().CCPs.item(1)->Limits, ""); // confirmed again as offered
}
