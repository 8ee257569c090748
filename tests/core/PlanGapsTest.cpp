#include "analysis/PlanGaps.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "SpanishRun.h"
#include "model/Decision.h"
#include "model/PlanCcps.h"
#include "planfile/PlanApproval.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include "planfile/StarterPlans.h"
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
    return planGaps(*r.plan);
}

} // namespace

TEST(PlanGaps, FinishedPlansLackNothing) {
    EXPECT_TRUE(gapsOfExample("prescribed-burn.xml").isEmpty());
    EXPECT_TRUE(gapsOfExample("quema-prescrita.xml").isEmpty());
    EXPECT_TRUE(planGaps(*samples::makeTypicalPlan()).isEmpty());
    for (int step = 1; step <= 5; ++step)
        EXPECT_TRUE(stepComplete({}, step));
}

// Each case spoils a finished plan in one way and names the one gap that must follow.
TEST(PlanGaps, EachMissingPieceIsOneGapOfItsStep) {
    const struct {
        const char* what;
        std::function<void(HACCP_Plan&)> spoil;
        int step;
        const char* text;
    } cases[] = {
        {"no description", [](HACCP_Plan& p) { p.Description = QStringLiteral("  "); }, 1,
         "The activity has no name or no description."},
        {"no hazards",
         [](HACCP_Plan& p) {
             p.PotentialHazards.clear();
             for (const auto& t : p.Tasks)
                 t->TSHazards.clear();
         },
         2, "No potential hazards are listed."},
        {"no tasks", [](HACCP_Plan& p) { p.Tasks.clear(); }, 3, "No tasks are listed."},
        {"analysis never ran", [](HACCP_Plan& p) { p.AnalysisStatus = Incomplete; }, 4,
         "The hazard analysis has not been run to its end."},
        {"a pair listed after the analysis",
         [](HACCP_Plan& p) {
             p.Tasks.item(2)->TSHazards.remove(4);
             p.PotentialHazards.item(4)->AddedAfterAnalysis = true;
         },
         4, "Task # 2 has no answers yet for: Hazard species 4. Update the analysis."},
        {"a task listed after the analysis",
         [](HACCP_Plan& p) {
             for (int h = p.PotentialHazards.count(); h > 2; --h)
                 p.PotentialHazards.remove(h);
             for (const auto& t : p.Tasks)
                 while (t->TSHazards.count() > 2)
                     t->TSHazards.remove(t->TSHazards.count());
             auto task = std::make_shared<HACCP_Task>();
             task->Name = QStringLiteral("Task # 6");
             task->AddedAfterAnalysis = true;
             p.Tasks.append(task);
         },
         4,
         "Task # 6 has no answers yet for: Hazard species 1, Hazard species 2. Update the "
         "analysis."},
        {"a task answered none is no gap",
         [](HACCP_Plan& p) { p.Tasks.item(5)->TSHazards.clear(); }, 0, nullptr},
        {"a hazard removed after the analysis", [](HACCP_Plan& p) { p.PotentialHazards.remove(8); },
         4,
         "Hazard species 8 is no longer listed but still answered in Task # 1, Task # 2, Task # "
         "3, Task # 4, Task # 5: update the analysis."},
        {"no justification",
         [](HACCP_Plan& p) { p.Tasks.item(2)->TSHazards.item(3)->Justification.clear(); }, 4,
         "Task # 2: Hazard species 3 is probable but has no justification."},
        {"no control measures",
         [](HACCP_Plan& p) { p.Tasks.item(1)->TSHazards.item(1)->ControlMeasures = " "; }, 4,
         "Task # 1: Hazard species 1 is probable but has no control measures."},
        {"not probable needs no measures",
         [](HACCP_Plan& p) {
             auto& h = *p.Tasks.item(1)->TSHazards.item(2);
             h.ControlMeasures.clear();
             p.Tasks.item(1)->TSHazards.item(2)->Justification.clear();
         },
         0, nullptr},
        {"CCP fields",
         [](HACCP_Plan& p) {
             auto& c = p.Tasks.item(2)->TSHazards.item(1)->Ccp;
             c.Limits.clear();
             c.When.clear();
             c.SupportDocs.clear();
         },
         4, "CCP #2 has no critical limits, monitoring frequency, supporting documents."},
        {"CCP monitoring",
         [](HACCP_Plan& p) {
             auto& c = p.Tasks.item(1)->TSHazards.item(1)->Ccp;
             c.What.clear();
             c.How.clear();
             c.Who.clear();
             c.Correction.clear();
         },
         4,
         "CCP #1 has no what is monitored, how it is monitored, who monitors, corrective action."},
        {"a CCP record of no pair",
         [](HACCP_Plan& p) {
             HACCP_CCP old;
             old.TaskName = QStringLiteral("Task # 9: Gone");
             old.SigHaz = QStringLiteral("Plant: Kudzu");
             p.UnattachedCCPs.append({old, 3});
         },
         4,
         "A CCP record belongs to no task and hazard of the plan (Task # 9: Gone; Plant: Kudzu): "
         "update the analysis to remove it."},
    };
    for (const auto& c : cases) {
        auto plan = samples::makeTypicalPlan();
        c.spoil(*plan);
        const QList<PlanGap> gaps = planGaps(*plan);
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
    const QList<PlanGap> gaps = planGaps(empty);
    ASSERT_EQ(gaps.size(), 4);
    EXPECT_EQ(gaps[1], (PlanGap{2, QString::fromUtf8("No hay riesgos potenciales en la lista.")}));
    EXPECT_EQ(gaps[3].step, 4);
}

// Every starter plan in both languages: a complete plan the writer wrote, whose answers all
// wait for review; it lacks only its site and that review, and once reviewed nothing at all.
TEST(StarterPlans, CompleteExamplesThatLackOnlyTheSiteAndTheReview) {
    ASSERT_EQ(orvella::planfile::starterPlans().size(), 6);
    for (const bool spanish : {false, true}) {
        const testsupport::SpanishRun run(spanish);
        for (const auto& starter : orvella::planfile::starterPlans()) {
            const std::string what = std::string(starter.name) + (spanish ? " es" : " en");
            const QByteArray bytes = orvella::planfile::starterPlanFile(starter.name, spanish);
            const auto r = orvella::planfile::readPlan(bytes);
            ASSERT_TRUE(r.isPlan) << what;
            EXPECT_TRUE(r.warnings.isEmpty()) << what;
            EXPECT_TRUE(orvella::planfile::writePlan(*r.plan) == bytes) << what;
            HACCP_Plan& plan = *r.plan;
            EXPECT_TRUE(isAnalysisComplete(plan)) << what;
            EXPECT_GE(plan.PotentialHazards.count(), 4) << what;
            EXPECT_LE(plan.PotentialHazards.count(), 8) << what;
            EXPECT_GE(plan.Tasks.count(), 4) << what;
            EXPECT_LE(plan.Tasks.count(), 10) << what;
            EXPECT_GE(planCcps(plan).size(), 1) << what;
            EXPECT_TRUE(plan.Facility.isEmpty() && plan.Site.isEmpty() &&
                        plan.Coordinator.isEmpty() && plan.Manager.isEmpty() &&
                        plan.Address1.isEmpty() && plan.Phone.isEmpty())
                << what;
            int pairs = 0;
            for (const auto& task : plan.Tasks)
                for (const auto& th : task->TSHazards) {
                    ++pairs;
                    EXPECT_TRUE(th->Unreviewed) << what;
                    EXPECT_TRUE(hazardOf(plan, *th)) << what << " " << th->Entity.toStdString();
                    if (th->Probable == Yes) {
                        const Verdict v = verdictOf(th->Answers);
                        EXPECT_TRUE(v == Verdict::Ccp || v == Verdict::NotCcp) << what;
                        EXPECT_EQ(th->IsCCP, v == Verdict::Ccp) << what;
                    } else {
                        EXPECT_EQ(th->Probable, No) << what;
                    }
                }

            const QList<PlanGap> gaps = planGaps(plan);
            ASSERT_EQ(gaps.size(), 2) << what << " " << gaps.value(2).text.toStdString();
            EXPECT_EQ(gaps[0].step, 1);
            EXPECT_EQ(gaps[0].text,
                      spanish ? QString::fromUtf8("El plan aún no indica instalación, lugar, "
                                                  "coordinador del proyecto, administrador del "
                                                  "lugar, "
                                                  "dirección, teléfono.")
                              : QStringLiteral("The plan names no facility, site, project "
                                               "coordinator, site manager, address, phone yet."));
            EXPECT_EQ(gaps[1].step, 4);
            EXPECT_TRUE(gaps[1].text.contains(QStringLiteral("(%1 ").arg(pairs)))
                << gaps[1].text.toStdString();

            // Reviewed, the plan lacks nothing, the site included: its mark is gone from the file.
            for (const auto& task : plan.Tasks)
                for (const auto& th : task->TSHazards)
                    th->Unreviewed = false;
            EXPECT_TRUE(planGaps(plan).isEmpty()) << what;
            const QByteArray reviewed = orvella::planfile::writePlan(plan);
            EXPECT_FALSE(reviewed.contains("<Reviewed>")) << what;
            EXPECT_EQ(bytes.count("<Reviewed>\r\nNo\r\n</Reviewed>\r\n"), pairs) << what;
        }
    }
    EXPECT_TRUE(orvella::planfile::starterPlanFile("no-such-plan", false).isEmpty());
}

// Approval, review and verification are gaps only of a plan that keeps document control.
TEST(PlanGaps, DocumentControlGapsOnlyForPlansThatKeepIt) {
    using orvella::planfile::ApprovalState;
    auto plan = samples::makeTypicalPlan();
    auto gapsOn = [&plan](const char* day) {
        GapFacts facts;
        facts.today = QDate::fromString(QLatin1String(day), Qt::ISODate);
        facts.changedSinceApproval =
            orvella::planfile::approvalState(*plan) == ApprovalState::Changed;
        return planGaps(*plan, facts);
    };
    EXPECT_TRUE(gapsOn("2099-01-01").isEmpty()); // today's gaps, whatever the date
    samples::addDocumentControl(*plan);
    EXPECT_EQ(gapsOn("2026-12-10"), (QList<PlanGap>{{5, "The plan has not been approved."}}));

    plan->Control.People[2].SignedOn = QStringLiteral("2026-12-09");
    orvella::planfile::sealApproval(*plan);
    EXPECT_TRUE(gapsOn("2027-12-09").isEmpty()); // due that day, not yet overdue
    EXPECT_EQ(approvalSummary(*plan, false), "Version 2 was approved on 2026-12-09.");
    EXPECT_EQ(gapsOn("2027-12-10"),
              (QList<PlanGap>{{5, "The plan was due for review on 2027-12-09."}}));

    plan->Tasks.item(1)->TSHazards.item(1)->Ccp.Verification.clear();
    EXPECT_EQ(gapsOn("2026-12-10"),
              (QList<PlanGap>{{4, "CCP #1 has no verification."},
                              {5, "Version 2 was approved on 2026-12-09; the plan has changed "
                                  "since."}}));

    const testsupport::SpanishRun spanish;
    EXPECT_EQ(gapsOn("2026-12-10").last().text,
              QString::fromUtf8("La versión 2 fue aprobada el 2026-12-09; el plan ha cambiado "
                                "desde entonces."));
}
