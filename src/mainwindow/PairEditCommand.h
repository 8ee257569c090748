#pragma once
#include "mainwindow/TaskAnswerFlags.h"
#include "model/ProgramState.h"
#include <QUndoCommand>

namespace orvella::mainwindow {

// One pair's answers changed in the review. The pair is addressed by its task's id and its
// position: the stack is emptied whenever the plan changes outside it, so positions hold.
class PairEditCommand : public QUndoCommand {
public:
    PairEditCommand(model::ProgramState& state, const model::HACCP_Task& task, int position,
                    model::HACCP_TaskSpecific_Hazard after);

    void undo() override;
    void redo() override;

private:
    model::HACCP_Task* task() const;

    model::ProgramState& m_state;
    quint32 m_taskId;
    int m_position;
    model::HACCP_TaskSpecific_Hazard m_before;
    model::HACCP_TaskSpecific_Hazard m_after;
    TaskAnswerFlags m_flags;
};

} // namespace orvella::mainwindow
