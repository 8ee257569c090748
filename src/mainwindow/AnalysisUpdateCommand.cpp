#include "mainwindow/AnalysisUpdateCommand.h"
#include "model/PlanCopy.h"
#include <QCoreApplication>

namespace orvella::mainwindow {

using namespace orvella::model;

namespace {
struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(ReviewCommands)
};
} // namespace

AnalysisUpdateCommand::Answers AnalysisUpdateCommand::Answers::of(const HACCP_Plan& plan) {
    Answers a;
    for (const auto& task : plan.Tasks) {
        TaskAnswers t;
        t.id = task->Id;
        t.copy.TSHazards = copyTaskHazards(*task);
        t.flags = TaskAnswerFlags::of(*task);
        a.m_tasks.append(std::move(t));
    }
    a.m_unattached = plan.UnattachedCCPs;
    a.m_status = plan.AnalysisStatus;
    return a;
}

void AnalysisUpdateCommand::Answers::restore(HACCP_Plan& plan) const {
    for (const TaskAnswers& t : m_tasks)
        for (const auto& task : plan.Tasks)
            if (task->Id == t.id) {
                // A copy again, so the next undo or redo starts from the same records.
                task->TSHazards = copyTaskHazards(t.copy);
                t.flags.restore(*task);
            }
    plan.UnattachedCCPs = m_unattached;
    plan.AnalysisStatus = m_status;
}

AnalysisUpdateCommand::AnalysisUpdateCommand(ProgramState& state, Answers before, Answers after)
    : QUndoCommand(CommandText::tr("Update the Analysis")), m_state(state),
      m_before(std::move(before)), m_after(std::move(after)) {}

void AnalysisUpdateCommand::redo() {
    if (m_done) {
        m_done = false;
        return;
    }
    m_after.restore(m_state.plan());
}

void AnalysisUpdateCommand::undo() {
    m_before.restore(m_state.plan());
}

} // namespace orvella::mainwindow
