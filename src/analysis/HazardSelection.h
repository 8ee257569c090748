#pragma once
#include "analysis/AnalysisDialogs.h"
#include "model/ProgramState.h"
#include <QSet>

namespace orvella::analysis {

// What one selection asks about a task.
struct SelectionScope {
    // The potential hazards the dialog offers, in list order.
    QList<const model::HACCP_PotentialHazard*> offered;
    // Whether the offered hazards are all of them: pairs about hazards no longer listed are
    // then dropped when the task's selection is rebuilt.
    bool wholeList = true;
    // The hazards whose pairs the task must have after the selection, clicked or not (those of
    // a new task, or new hazards); the other pairs change only when a box is clicked.
    QSet<quint32> mustAnswer;
};

// Shows the selection dialog for one task, each offered hazard ticked when the task's pair
// for it is probable. When a box was clicked, or an offered hazard has no pair yet, every
// offered hazard gets its pair (an existing pair keeps its answers, only "probable" follows
// the box). Answers true when it did so with at least one box ticked. The dialog's GoBack
// says whether the user left with Back.
bool selectHazards(model::ProgramState& state, model::HACCP_Task& task, SelectionDialog& dialog,
                   const SelectionScope& scope);

} // namespace orvella::analysis
