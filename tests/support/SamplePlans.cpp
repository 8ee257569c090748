#include "SamplePlans.h"
#include "model/HazardTypes.h"
#include <QStringList>

using namespace orvella::model;

namespace samples {

std::shared_ptr<HACCP_Plan> makePlan(int tasks, int hazards, int ccps, int descriptionLines) {
    auto plan = std::make_shared<HACCP_Plan>();
    plan->Title = QStringLiteral("Fire Management Operations HACCP Plan");
    plan->Facility = QStringLiteral("Corvane Nature Reserve");
    plan->Site = QStringLiteral("Refuge Wide, All Habitats");
    plan->Coordinator = QStringLiteral("Morgan Tessel");
    plan->Manager = QStringLiteral("Dana Whitcombe");
    plan->Address1 = QStringLiteral("4120 Reserve Road");
    plan->Address2 = QStringLiteral("Ashvale, TX 79999");
    plan->Phone = QStringLiteral("555 010-2000");
    plan->Activity = QStringLiteral("Fire Management Operations");
    QStringList lines;
    for (int i = 1; i <= descriptionLines; ++i)
        lines << QStringLiteral("Line %1: crews move engines and hand tools between burn units.")
                     .arg(i);
    plan->Description = lines.join(QStringLiteral("\r\n"));

    for (int h = 1; h <= hazards; ++h) {
        auto hz = std::make_shared<HACCP_PotentialHazard>();
        hz->HazType = HazardTypes::All[std::size_t(h % 5)];
        hz->Entity = QStringLiteral("Hazard species %1").arg(h);
        plan->PotentialHazards.add(hz, QString::number(h));
    }

    int ccpLeft = ccps;
    for (int t = 1; t <= tasks; ++t) {
        auto task = std::make_shared<HACCP_Task>();
        task->Name = QStringLiteral("Task # %1").arg(t);
        task->Number = qint16(t);
        task->Description =
            QStringLiteral("Task %1: drive to the unit and unload equipment").arg(t);
        task->TSHazards.reserve(hazards);
        for (int h = 1; h <= hazards; ++h) {
            auto ts = std::make_shared<HACCP_TaskSpecific_Hazard>();
            ts->HazType = plan->PotentialHazards.item(h)->HazType;
            ts->Entity = plan->PotentialHazards.item(h)->Entity;
            ts->HazardId = plan->PotentialHazards.item(h)->Id;
            ts->Probable = (h % 2) ? Yes : No;
            ts->Justification =
                QStringLiteral("Seeds cling to tyres and boots (%1/%2).").arg(t).arg(h);
            if (ts->Probable == Yes)
                ts->ControlMeasures = QStringLiteral("Wash vehicles & inspect boots < 1 h");
            task->TSHazards.append(ts);
        }
        plan->Tasks.add(task, QString::number(t));
    }

    // Spread the CCPs evenly over the tasks' probable hazards.
    for (int c = 0; c < ccpLeft && tasks > 0; ++c) {
        const auto& task = plan->Tasks.item(c % tasks + 1);
        const int hazardIndex = (c / tasks) * 2 + 1;
        if (hazardIndex > task->TSHazards.count())
            continue;
        auto& ts = *task->TSHazards.item(hazardIndex);
        ts.IsCCP = true;
        ts.Ccp = {QStringLiteral("Rinse for at least 20 min"),
                  QStringLiteral("Tyres, tracks and boots"),
                  QStringLiteral("Visual inspection"),
                  QStringLiteral("Every time a crew leaves a unit"),
                  QStringLiteral("Engine boss"),
                  QStringLiteral("Wash again; hold the vehicle until clean"),
                  QStringLiteral("Cleaning log, form FM-12")};
    }
    plan->AnalysisStatus = QStringLiteral("12/7/2026 3:04:05 PM");
    return plan;
}

std::shared_ptr<HACCP_Plan> makeLargestPlan() {
    return makePlan(10, 100, 100, 1000);
}

std::shared_ptr<HACCP_Plan> makeTypicalPlan() {
    return makePlan(5, 8, 3, 6);
}

void addDocumentControl(HACCP_Plan& plan) {
    using namespace orvella::model;
    DocumentControl& c = plan.Control;
    c.PlanVersion = QStringLiteral("2");
    c.NextReview = QStringLiteral("2027-12-09");
    c.People = {
        {RolePrepared, QStringLiteral("Ana Ruiz"), QStringLiteral("Field ecologist"),
         QStringLiteral("2026-12-01")},
        {RoleReviewed, QStringLiteral("Tom Bell"), QStringLiteral("Fire manager"),
         QStringLiteral("2026-12-03")},
        {RoleApproved, QStringLiteral("Joan Diaz"), QStringLiteral("District ranger"), QString()},
        {RoleTeam, QStringLiteral("Lee Park"), QStringLiteral("Crew lead"), QString()},
        {RoleTeam, QStringLiteral("Sam Otis"), QStringLiteral("Botanist"), QString()}};
    c.Revisions = {{QStringLiteral("1"), QStringLiteral("2025-11-20"), QStringLiteral("First plan"),
                    QStringLiteral("Ana Ruiz")},
                   {QStringLiteral("2"), QStringLiteral("2026-12-01"),
                    QStringLiteral("Added the boat launch"), QStringLiteral("Ana Ruiz")}};
    int n = 0;
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards)
            if (th->IsCCP)
                th->Ccp.Verification =
                    QStringLiteral("Unit lead reviews the log weekly (CCP %1)").arg(++n);
}

void addLaunchBoatTask(orvella::model::ProgramState& state) {
    auto task = std::make_shared<orvella::model::HACCP_Task>();
    task->Name = "Task # 1";
    task->Number = 1;
    task->Description = "Launch boat";
    state.plan().Tasks.append(task);
    state.plan().PotentialHazards.add(
        std::make_shared<orvella::model::HACCP_PotentialHazard>(
            orvella::model::HACCP_PotentialHazard{"Plant", "Hydrilla"}),
        state.nextHazardKey());
}

} // namespace samples
