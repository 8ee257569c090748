#include "analysis/PlanGaps.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "SpanishRun.h"
#include "planfile/PlanReader.h"
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace orvella::analysis;
using namespace orvella::model;

namespace {

QList<PlanGap> gapsOfExample(const char* name) {
    QFile f(QStringLiteral(ORVELLA_SOURCE_DIR "/examples/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const auto r = orvella::planfile::readPlan(f.readAll());
    EXPECT_TRUE(r.isPlan);
    return planGaps(*r.plan, false);
}

} // namespace

TEST(PlanGaps, FinishedPlansLackNothing) {
    EXPECT_TRUE(gapsOfExample("prescribed-burn.xml").isEmpty());
    EXPECT_TRUE(gapsOfExample("quema-prescrita.xml").isEmpty());
    EXPECT_TRUE(planGaps(*samples::makeTypicalPlan(), false).isEmpty());
    for (int step = 1; step <= 5; ++step)
        EXPECT_TRUE(stepComplete({}, step));
}

// Each case spoils a finished plan in one way and names the one gap that must follow.
TEST(PlanGaps, EachMissingPieceIsOneGapOfItsStep) {
    const struct {
        const char* what;
        std::function<void(HACCP_Plan&)> spoil;
        bool changed;
        int step;
        const char* text;
    } cases[] = {
        {"no description", [](HACCP_Plan& p) { p.Description = QStringLiteral("  "); }, false, 1,
         "The activity has no name or no description."},
        {"no hazards",
         [](HACCP_Plan& p) {
             p.PotentialHazards.clear();
             p.CCPs.clear();
         },
         false, 2, "No potential hazards are listed."},
        {"no tasks",
         [](HACCP_Plan& p) {
             p.Tasks.clear();
             p.CCPs.clear();
         },
         false, 3, "No tasks are listed."},
        {"analysis never ran", [](HACCP_Plan& p) { p.AnalysisStatus = Incomplete; }, false, 4,
         "The hazard analysis has not been run to its end."},
        {"inputs changed after it ran", [](HACCP_Plan&) {}, true, 4,
         "Steps 2 or 3 changed after the hazard analysis ran: run it again."},
        {"no justification",
         [](HACCP_Plan& p) { p.Tasks.item(2)->TSHazards.item(3)->Justification.clear(); }, false, 4,
         "Task # 2: Hazard species 3 is probable but has no justification."},
        {"no control measures",
         [](HACCP_Plan& p) { p.Tasks.item(1)->TSHazards.item(1)->ControlMeasures = " "; }, false, 4,
         "Task # 1: Hazard species 1 is probable but has no control measures."},
        {"not probable needs no measures",
         [](HACCP_Plan& p) {
             auto& h = *p.Tasks.item(1)->TSHazards.item(2);
             h.ControlMeasures.clear();
             p.Tasks.item(1)->TSHazards.item(2)->Justification.clear();
         },
         false, 0, nullptr},
        {"CCP fields",
         [](HACCP_Plan& p) {
             auto& c = *p.CCPs.item(2);
             c.Limits.clear();
             c.When.clear();
             c.SupportDocs.clear();
         },
         false, 4, "CCP #2 has no critical limits, monitoring frequency, supporting documents."},
        {"CCP monitoring",
         [](HACCP_Plan& p) {
             auto& c = *p.CCPs.item(1);
             c.What.clear();
             c.How.clear();
             c.Who.clear();
             c.Correction.clear();
         },
         false, 4,
         "CCP #1 has no what is monitored, how it is monitored, who monitors, corrective action."},
        {"CCP of a removed task",
         [](HACCP_Plan& p) { p.Tasks.item(3)->Description = QStringLiteral("Other work"); }, false,
         4,
         "CCP #3 belongs to a task that is no longer listed (Task # 3: Task 3: drive to the unit "
         "and unload equipment)."},
        {"CCP of a removed hazard",
         [](HACCP_Plan& p) {
             p.PotentialHazards.item(1)->Entity = QStringLiteral("Renamed");
             p.CCPs.remove(3);
             p.CCPs.remove(2);
         },
         false, 4,
         "CCP #1 is for a hazard that is no longer listed (Invertebrate: Hazard species 1)."},
    };
    for (const auto& c : cases) {
        auto plan = samples::makeTypicalPlan();
        c.spoil(*plan);
        const QList<PlanGap> gaps = planGaps(*plan, c.changed);
        if (!c.text) {
            EXPECT_TRUE(gaps.isEmpty()) << c.what;
            continue;
        }
        ASSERT_EQ(gaps.size(), 1) << c.what << ": " << gaps.value(1).text.toStdString();
        EXPECT_EQ(gaps[0], (PlanGap{c.step, QString::fromUtf8(c.text)})) << c.what;
        for (int step = 1; step <= 4; ++step)
            EXPECT_EQ(stepComplete(gaps, step), step != c.step) << c.what;
        EXPECT_FALSE(stepComplete(gaps, 5)) << c.what;
    }
}

TEST(PlanGaps, SpanishRunSpeaksSpanish) {
    const testsupport::SpanishRun spanish;
    HACCP_Plan empty;
    const QList<PlanGap> gaps = planGaps(empty, false);
    ASSERT_EQ(gaps.size(), 4);
    EXPECT_EQ(gaps[1], (PlanGap{2, QString::fromUtf8("No hay riesgos potenciales en la lista.")}));
    EXPECT_EQ(gaps[3].step, 4);
}
