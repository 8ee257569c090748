#include "Catalogue.h"
#include "QtPrinters.h"
#include "SpanishRun.h"
#include "model/Language.h"
#include "model/ProgramState.h"
#include <QCoreApplication>
#include <QTranslator>
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
    EXPECT_EQ(p.Tasks.count() + p.CCPs().count() + p.PotentialHazards.count(), 0);
    EXPECT_EQ(&p, &s.plan());
    EXPECT_EQ(s.SelectedHazardIndex, -1);
    HACCP_Task t;
    EXPECT_EQ(t.Number, 0);
    EXPECT_EQ(t.CCP_Count(), 0);
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

TEST(SpanishCatalogue, EveryMessageIsFinishedAndCompiledIntoTheProgram) {
    const auto messages = testsupport::readCatalogue();
    ASSERT_FALSE(messages.isEmpty());
    const QTranslator& catalogue = orvella::model::spanishCatalogue();
    ASSERT_FALSE(catalogue.isEmpty());
    for (const auto& m : messages) {
        const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8(),
                         comment = m.comment.toUtf8();
        SCOPED_TRACE(context.toStdString() + ": " + source.toStdString());
        EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString();
        EXPECT_FALSE(m.translation.isEmpty());
        const char* disambiguation = comment.isEmpty() ? nullptr : comment.data();
        EXPECT_EQ(catalogue.translate(context, source, disambiguation), m.translation);
    }
}

TEST(SpanishCatalogue, InstalledOnlyForASpanishRun) {
    const auto ok = [] { return QCoreApplication::translate("Analysis", "OK"); };
    EXPECT_EQ(ok(), "OK");
    {
        testsupport::SpanishRun spanish;
        EXPECT_EQ(ok(), "Continuar");
        EXPECT_EQ(orvella::model::spanishText("Analysis", "No such text"), "No such text");
    }
    EXPECT_EQ(ok(), "OK");
    EXPECT_EQ(orvella::model::spanishText("Analysis", "OK"), "Continuar");
    // Values go in once, by number; a translation may leave one out.
    EXPECT_EQ(orvella::model::fillIn("%2 of %1, 100%", {"%2", "b"}), "b of %2, 100%");
    EXPECT_EQ(orvella::model::fillIn("only %1", {"a", "b"}), "only a");
}
