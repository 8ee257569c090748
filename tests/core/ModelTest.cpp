#include "QtPrinters.h"
#include "model/ProgramState.h"
#include <gtest/gtest.h>

using namespace orvella::model;

TEST(KeyedCollection, IsOneBasedOrderedAndRefusesDuplicateKeys) {
    KeyedCollection<HACCP_PotentialHazard> c;
    auto a = std::make_shared<HACCP_PotentialHazard>(HACCP_PotentialHazard{"Plant", "A"});
    auto b = std::make_shared<HACCP_PotentialHazard>(HACCP_PotentialHazard{"Other", "B"});
    EXPECT_TRUE(c.add(a, "7"));
    EXPECT_FALSE(c.add(b, "7"));
    EXPECT_TRUE(c.append(b)); // key "2"
    ASSERT_EQ(c.count(), 2);
    EXPECT_EQ(c.item(1)->Entity, "A");
    EXPECT_EQ(c.key(2), "2");
    c.remove(1);
    EXPECT_EQ(c.item(1)->Entity, "B");
    EXPECT_TRUE(c.add(a, "7")); // a removed key may be used again
    c.clear();
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(a->Entity, "A"); // shared records outlive the collection entry
}

TEST(ProgramState, PlanIsMadeEmptyOnFirstUse) {
    ProgramState s;
    EXPECT_FALSE(s.CurrentPlan);
    HACCP_Plan& p = s.plan();
    EXPECT_TRUE(p.Title.isEmpty());
    EXPECT_EQ(p.Tasks.count() + p.CCPs.count() + p.PotentialHazards.count(), 0);
    EXPECT_EQ(&p, &s.plan());
    EXPECT_EQ(s.SelectedHazardIndex, -1);
    HACCP_Task t;
    EXPECT_EQ(t.Number, 0);
    EXPECT_EQ(t.CCP_Count, 0);
    EXPECT_FALSE(HACCP_TaskSpecific_Hazard{}.IsCCP);
}

TEST(ProgramState, HazardKeysKeepCountingAndNeverWrap) {
    ProgramState s;
    EXPECT_EQ(s.nextHazardKey(), "1");
    EXPECT_EQ(s.nextHazardKey(), "2");
    s.HazardKeyCounter = 32766;
    EXPECT_EQ(s.nextHazardKey(), "32767");
    EXPECT_EQ(s.nextHazardKey(), "32767");
    EXPECT_EQ(s.HazardKeyCounter, 32767);
}
