#include "AnalysisScript.h"
#include "QtPrinters.h"
#include "SpanishRun.h"
#include "analysis/CcpRecords.h"
#include "analysis/HazardSelection.h"

using namespace analysistest;

namespace {

// One task whose stored hazards say A "Yes" with texts, B "No", against the hazards A, B, C.
struct SelectionRig : Rig {
    SelectionRig() {
        fillPlan(state, 1, {"A", "B", "C"});
        auto a = std::make_shared<HACCP_TaskSpecific_Hazard>();
        a->Entity = "A";
        a->Probable = Yes;
        a->Justification = "boots";
        a->ControlMeasures = "wash";
        auto b = std::make_shared<HACCP_TaskSpecific_Hazard>();
        b->Entity = "B";
        b->Probable = No;
        a->HazardId = plan().PotentialHazards.item(1)->Id;
        b->HazardId = plan().PotentialHazards.item(2)->Id;
        task(1).TSHazards.append(a);
        task(1).TSHazards.append(b);
    }
    bool select() { return selectHazards(state, task(1), dialogs.sel, wholeList()); }
    SelectionScope wholeList() {
        SelectionScope scope;
        for (const auto& h : plan().PotentialHazards)
            scope.offered << h.get();
        scope.mustAnswer.insert(plan().PotentialHazards.item(3)->Id); // C: listed since
        return scope;
    }
};

} // namespace

TEST(AnalysisSelection, PreTicksStoredYesHazardsAndAddsTheMissingPairUntouched) {
    SelectionRig rig;
    EXPECT_TRUE(rig.select()); // C had no pair: it gets one, and A is ticked
    const auto& shown = rig.dialogs.sel.shown.at(0);
    EXPECT_EQ(shown.caption, "Significant Hazards");
    EXPECT_EQ(shown.taskName, "Task # 1");
    EXPECT_EQ(shown.taskDescription, "Do thing 1");
    EXPECT_EQ(shown.entities, QStringList({"A", "B", "C"}));
    EXPECT_EQ(shown.ticked, QList<bool>({true, false, false}));
    EXPECT_FALSE(shown.noneTicked);
    auto& ts = rig.task(1).TSHazards;
    ASSERT_EQ(ts.count(), 3);
    EXPECT_EQ(ts.key(3), "3");
    EXPECT_EQ(ts.item(1)->Justification, "boots"); // existing pairs keep their answers
    EXPECT_EQ(ts.item(1)->ControlMeasures, "wash");
    EXPECT_EQ(ts.item(3)->Probable, "No");
    EXPECT_EQ(ts.item(3)->HazType, "Plant");
    EXPECT_EQ(ts.item(3)->Justification, "");

    // Every pair there now, nothing clicked: nothing is rebuilt.
    rig.hazard(1, 1).Justification = "mud";
    EXPECT_FALSE(rig.select());
    EXPECT_EQ(rig.hazard(1, 1).Justification, "mud");
}

TEST(AnalysisSelection, UserClicksRebuildAndAnswerWhetherAnythingIsTicked) {
    SelectionRig rig;
    rig.dialogs.sel.answers << ScriptedSelection::Answer{false, QList<bool>{false, false, false}};
    EXPECT_FALSE(rig.select());
    ASSERT_EQ(rig.task(1).TSHazards.count(), 3);
    EXPECT_EQ(rig.hazard(1, 1).Probable, "No");

    rig.dialogs.sel.answers << ScriptedSelection::Answer{true, QList<bool>{false, false, true}};
    EXPECT_TRUE(rig.select()); // Back still rebuilds; the caller reads GoBack
    EXPECT_TRUE(rig.dialogs.sel.GoBack());
    EXPECT_EQ(rig.dialogs.sel.shown.at(1).ticked, QList<bool>({false, false, false}));
    EXPECT_TRUE(rig.dialogs.sel.shown.at(1).noneTicked);
    EXPECT_EQ(rig.hazard(1, 3).Probable, "Yes");
}

TEST(AnalysisSelection, MatchesEntitiesExactlyAndSpanishTitle) {
    SelectionRig rig;
    rig.state.UseSpanish = true;
    testsupport::SpanishRun spanish;
    rig.hazard(1, 1).HazardId = 0; // about no listed hazard
    rig.select();
    EXPECT_EQ(rig.dialogs.sel.shown.at(0).caption, "Riegos");
    EXPECT_TRUE(rig.dialogs.sel.shown.at(0).noneTicked);
}

TEST(AnalysisSelection, PlanWithoutPotentialHazardsNeverRebuilds) {
    Rig rig;
    fillPlan(rig.state, 1, {});
    rig.state.InputsChanged = true;
    rig.dialogs.sel.answers << ScriptedSelection::Answer{false, QList<bool>{}};
    EXPECT_FALSE(selectHazards(rig.state, rig.task(1), rig.dialogs.sel, SelectionScope{}));
    EXPECT_TRUE(rig.dialogs.sel.shown.at(0).noneTicked);
    EXPECT_EQ(rig.task(1).TSHazards.count(), 0);
}

TEST(AnalysisCcpRecords, OkStoresUnderCountPlusOneBackStoresNothing) {
    SelectionRig rig;
    rig.task(1).Number = 3;
    CcpFields f{"lim", "who", "what", "how", "weekly", "fix", "docs"};
    rig.dialogs.ccpDialog.answers << ScriptedCcp::Answer{true, f} << ScriptedCcp::Answer{};
    EXPECT_FALSE(recordCcp(rig.state, rig.task(1), rig.hazard(1, 1), 7, rig.dialogs.ccpDialog));
    EXPECT_EQ(rig.plan().CCPs().count(), 0);
    EXPECT_FALSE(rig.hazard(1, 1).IsCCP);
    EXPECT_TRUE(recordCcp(rig.state, rig.task(1), rig.hazard(1, 1), 8, rig.dialogs.ccpDialog));
    const auto& shown = rig.dialogs.ccpDialog.shown;
    EXPECT_EQ(shown[1].caption, "Critical Control Point #8");
    EXPECT_EQ(shown[1].fields.Limits, "lim"); // the boxes keep what was typed before Back
    EXPECT_EQ(shown[1].hazard, ": A");
    EXPECT_EQ(shown[1].control, "wash");
    EXPECT_FALSE(shown[1].spanish);
    ASSERT_EQ(rig.plan().CCPs().count(), 1);
    const HACCP_CCP r = *rig.plan().CCPs().item(1);
    EXPECT_EQ(r.TaskName, "Task # 1: Do thing 1");
    EXPECT_EQ(r.TaskNumber, 3);
    EXPECT_EQ(r.Control, "wash");
    EXPECT_EQ(r.Who, "who");
    EXPECT_EQ(r.What, "what");
    EXPECT_EQ(r.How, "how");
    EXPECT_EQ(r.When, "weekly");
    EXPECT_EQ(r.Correction, "fix");
    EXPECT_EQ(r.SupportDocs, "docs");
    EXPECT_TRUE(rig.hazard(1, 1).IsCCP);
    EXPECT_EQ(rig.task(1).CCP_Count(), 1);

    // A pair that is a CCP offers its own details again, whatever the boxes held.
    rig.dialogs.ccpDialog.clearFields();
    EXPECT_TRUE(recordCcp(rig.state, rig.task(1), rig.hazard(1, 1), 9, rig.dialogs.ccpDialog));
    EXPECT_EQ(rig.dialogs.ccpDialog.shown[2].fields.Correction, "fix");
}
