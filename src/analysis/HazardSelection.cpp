#include "analysis/HazardSelection.h"
#include "analysis/AnalysisText.h"
#include "model/HazardTypes.h"

namespace orvella::analysis {

using namespace orvella::model;

bool selectHazards(ProgramState& state, HACCP_Task& task, SelectionDialog& dialog) {
    const auto& potential = state.plan().PotentialHazards;
    const int n = potential.count();

    dialog.setCaption(AnalysisText::tr("Significant Hazards"));
    dialog.setTask(task.Name, task.Description);

    bool noneFound = true;
    QStringList entities;
    QList<bool> ticked;
    entities.reserve(n);
    ticked.reserve(n);
    for (const auto& hazard : potential) {
        bool stored = false;
        for (const auto& ts : task.TSHazards) {
            if (ts->Probable == Yes && ts->Entity == hazard->Entity) {
                stored = true;
                break;
            }
        }
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
    if (state.InputsChanged)
        dialog.setChanged(true);

    bool anyTicked = false;
    if (dialog.Changed() && n >= 1) {
        task.TSHazards = KeyedCollection<HACCP_TaskSpecific_Hazard>();
        for (int i = 1; i <= n; ++i) {
            const auto& hazard = potential.item(i);
            auto ts = std::make_shared<HACCP_TaskSpecific_Hazard>();
            ts->HazType = hazard->HazType;
            ts->Entity = hazard->Entity;
            const bool isTicked = dialog.isTicked(i);
            ts->Probable = isTicked ? Yes : No;
            anyTicked = anyTicked || isTicked;
            task.TSHazards.add(ts, QString::number(i));
        }
    }
    dialog.removeHazards();
    return anyTicked;
}

} // namespace orvella::analysis
