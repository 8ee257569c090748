#include "analysis/HazardSelection.h"
#include "analysis/AnalysisText.h"
#include "model/HazardTypes.h"
#include "model/PlanCcps.h"
#include <QHash>
#include <algorithm>

namespace orvella::analysis {

using namespace orvella::model;

bool selectHazards(ProgramState& state, HACCP_Task& task, SelectionDialog& dialog,
                   const SelectionScope& scope) {
    const int n = int(scope.offered.size());
    QHash<quint32, std::shared_ptr<HACCP_TaskSpecific_Hazard>> pairs;
    for (const auto& th : task.TSHazards)
        if (th->HazardId != 0 && !pairs.contains(th->HazardId))
            pairs.insert(th->HazardId, th);

    dialog.setCaption(AnalysisText::tr("Significant Hazards"));
    dialog.setTask(task.Name, task.Description);

    bool noneFound = true;
    bool missing = false; // a pair the task must have is not there
    QStringList entities;
    QList<bool> ticked;
    entities.reserve(n);
    ticked.reserve(n);
    for (const HACCP_PotentialHazard* hazard : scope.offered) {
        const auto th = pairs.value(hazard->Id);
        const bool stored = th && th->Probable == Yes;
        missing = missing || (!th && scope.mustAnswer.contains(hazard->Id));
        if (stored)
            noneFound = false;
        entities << hazard->Entity;
        ticked << stored;
    }
    dialog.setHazards(entities, ticked);
    dialog.setNoneTicked(noneFound);

    dialog.setBackVisible(true);
    dialog.setChanged(false);
    dialog.showModal();

    const bool rebuild = n >= 1 && (dialog.Changed() || missing);
    bool anyTicked = false;
    if (rebuild) {
        // Every offered hazard gets its pair; pairs outside the offer stay unless the offer
        // was the whole list. The pairs stand in the order of the hazard list.
        for (int i = 1; i <= n; ++i) {
            const HACCP_PotentialHazard* hazard = scope.offered.at(i - 1);
            auto th = pairs.value(hazard->Id);
            if (!th) {
                th = std::make_shared<HACCP_TaskSpecific_Hazard>();
                th->HazType = hazard->HazType;
                th->Entity = hazard->Entity;
                th->HazardId = hazard->Id;
                pairs.insert(hazard->Id, th);
            }
            const bool isTicked = dialog.isTicked(i);
            th->Probable = isTicked ? Yes : No;
            anyTicked = anyTicked || isTicked;
        }
        const auto& potential = state.plan().PotentialHazards;
        QList<std::shared_ptr<HACCP_TaskSpecific_Hazard>> kept;
        for (const auto& hazard : potential)
            if (auto th = pairs.take(hazard->Id))
                kept.append(th);
        if (!scope.wholeList)
            for (const auto& th : task.TSHazards)
                if (!hazardOf(state.plan(), *th))
                    kept.append(th);
        task.TSHazards = KeyedCollection<HACCP_TaskSpecific_Hazard>();
        for (const auto& th : kept)
            task.TSHazards.append(th);
        answersChanged(task);
    }
    dialog.removeHazards();
    return anyTicked;
}

} // namespace orvella::analysis
