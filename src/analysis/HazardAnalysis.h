#pragma once
#include "analysis/AnalysisContext.h"
#include "analysis/HazardSelection.h"
#include <QSet>
#include <functional>

namespace orvella::analysis {

// How a run of the analysis ended. Only Completed moves the main window on to step 5.
enum class AnalysisOutcome {
    NoTasks,   // nothing to evaluate; the user was told
    Abandoned, // Back from the first task's selection (or the update was declined): ended
               // without a word, and the plan's analysis is as it was before the run
    Completed, // every task decided, the closing message shown, the plan stamped
};

// One run of the hazard analysis over every task and hazard of the plan: selection and
// justification task by task, then the CCP decision for every probable hazard. Every dialog
// offers the answers the plan already holds, and an answer stays in the plan until the user
// gives another.
class HazardAnalysis {
public:
    explicit HazardAnalysis(AnalysisContext ctx) : m_ctx(ctx) {}

    // Called with the task list text whenever the run rebuilds it (the main window keeps it).
    std::function<void(const QString&)> onTaskList;
    // Called after every answer the run has put into the plan (a selection, a justification,
    // a decided hazard), so what was answered can be kept safe as it goes.
    std::function<void()> onAnswer;

    // The whole analysis, every task and hazard.
    AnalysisOutcome run();
    // Only what changed since the analysis: removes (after one confirmation) the pairs whose
    // hazard is gone and the CCP records that belong to no pair, then asks about the pairs
    // not answered yet, task by task.
    AnalysisOutcome update();

    // One line per task, "Name: Description", joined by CR LF.
    static QString taskListText(const model::HACCP_Plan& plan);
    // The completion date the plan carries, in the system's short date-time form.
    static QString statusStamp(const QDateTime& when);

private:
    AnalysisOutcome guarded(bool whole);
    AnalysisOutcome runOnce();
    enum class Phase1 { Done, Abandoned };
    Phase1 selectAndJustify();
    void justifyHazard(const model::HACCP_Task& task,
                       const model::HACCP_TaskSpecific_Hazard& hazard, int h, int n);
    enum class Phase2 { Done, Restart };
    Phase2 decideAll();
    void finish();
    void answered();
    // The task hazards of task t that this run asks about.
    QList<std::shared_ptr<model::HACCP_TaskSpecific_Hazard>> inScope(int t) const;

    AnalysisContext m_ctx;
    bool m_whole = true;
    bool m_completeAtStart = false;
    QList<SelectionScope> m_scopes;    // one per task, fixed for the run
    QSet<const void*> m_decidedBefore; // probable pairs of the analysis the run started from
    int m_ccpNumber = 0;
    bool m_hazardsFound = false;
    QString m_taskList; // of this run, for the justification dialog
};

} // namespace orvella::analysis
