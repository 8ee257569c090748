#include "mainwindow/ReviewCommands.h"
#include "model/PlanCcps.h"
#include "model/PlanCopy.h"
#include <QCoreApplication>

namespace orvella::mainwindow {

using namespace orvella::model;

namespace {

struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(ReviewCommands)
};

TaskAnswerFlags flagsOf(const HACCP_Task& task) {
    return {task.AddedAfterAnalysis, task.CcpCountInFile};
}

void setFlags(HACCP_Task& task, const TaskAnswerFlags& flags) {
    task.AddedAfterAnalysis = flags.AddedAfterAnalysis;
    task.CcpCountInFile = flags.CcpCountInFile;
}

HACCP_Task* findTask(const HACCP_Plan& plan, quint32 id) {
    for (const auto& task : plan.Tasks)
        if (task->Id == id)
            return task.get();
    return nullptr;
}

} // namespace

PairEditCommand::PairEditCommand(ProgramState& state, const HACCP_Task& task, int position,
                                 HACCP_TaskSpecific_Hazard after)
    : QUndoCommand(CommandText::tr("Edit %1: %2")
                       .arg(task.Name.trimmed(), task.TSHazards.item(position)->Entity)),
      m_state(state), m_taskId(task.Id), m_position(position),
      m_before(*task.TSHazards.item(position)), m_after(std::move(after)),
      m_flags(flagsOf(task)) {}

HACCP_Task* PairEditCommand::task() const {
    HACCP_Task* t = findTask(m_state.plan(), m_taskId);
    return t && m_position <= t->TSHazards.count() ? t : nullptr;
}

void PairEditCommand::redo() {
    if (HACCP_Task* t = task()) {
        *t->TSHazards.item(m_position) = m_after;
        answersChanged(*t);
    }
}

void PairEditCommand::undo() {
    if (HACCP_Task* t = task()) {
        *t->TSHazards.item(m_position) = m_before;
        setFlags(*t, m_flags);
    }
}

AnalysisAnswers AnalysisAnswers::of(const HACCP_Plan& plan) {
    AnalysisAnswers a;
    for (const auto& task : plan.Tasks) {
        TaskAnswers t;
        t.id = task->Id;
        t.copy.TSHazards = copyTaskHazards(*task);
        t.flags = flagsOf(*task);
        a.m_tasks.append(std::move(t));
    }
    a.m_unattached = plan.UnattachedCCPs;
    a.m_status = plan.AnalysisStatus;
    return a;
}

void AnalysisAnswers::restore(HACCP_Plan& plan) const {
    for (const TaskAnswers& t : m_tasks)
        if (HACCP_Task* task = findTask(plan, t.id)) {
            // A copy again, so the next undo or redo starts from the same records.
            task->TSHazards = copyTaskHazards(t.copy);
            setFlags(*task, t.flags);
        }
    plan.UnattachedCCPs = m_unattached;
    plan.AnalysisStatus = m_status;
}

AnalysisUpdateCommand::AnalysisUpdateCommand(ProgramState& state, AnalysisAnswers before,
                                             AnalysisAnswers after)
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
