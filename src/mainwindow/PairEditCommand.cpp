#include "mainwindow/PairEditCommand.h"
#include "model/PlanCcps.h"
#include <QCoreApplication>

namespace orvella::mainwindow {

using namespace orvella::model;

namespace {
struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(ReviewCommands)
};
} // namespace

PairEditCommand::PairEditCommand(ProgramState& state, const HACCP_Task& task, int position,
                                 HACCP_TaskSpecific_Hazard after)
    : QUndoCommand(CommandText::tr("Edit %1: %2")
                       .arg(task.Name.trimmed(), task.TSHazards.item(position)->Entity)),
      m_state(state), m_taskId(task.Id), m_position(position),
      m_before(*task.TSHazards.item(position)), m_after(std::move(after)),
      m_flags(TaskAnswerFlags::of(task)) {}

HACCP_Task* PairEditCommand::task() const {
    for (const auto& t : m_state.plan().Tasks)
        if (t->Id == m_taskId)
            return m_position <= t->TSHazards.count() ? t.get() : nullptr;
    return nullptr;
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
        m_flags.restore(*t);
    }
}

} // namespace orvella::mainwindow
