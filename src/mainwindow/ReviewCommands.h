#pragma once
#include "model/ProgramState.h"
#include <QList>
#include <QUndoCommand>
#include <optional>

namespace orvella::mainwindow {

// What a task keeps besides its pairs' answers that a change of answers resets.
struct TaskAnswerFlags {
    bool AddedAfterAnalysis = false;
    std::optional<qint16> CcpCountInFile;
};

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

// The analysis answers of the whole plan: every task's pairs, the unattached CCP records and
// the status, as an update of the analysis changes them.
class AnalysisAnswers {
public:
    static AnalysisAnswers of(const model::HACCP_Plan& plan);
    // Puts these answers back into the tasks (found by id) they were taken from.
    void restore(model::HACCP_Plan& plan) const;

private:
    struct TaskAnswers {
        quint32 id = 0;
        model::HACCP_Task copy; // its pairs, sharing no record with the plan
        TaskAnswerFlags flags;
    };
    QList<TaskAnswers> m_tasks;
    QList<model::UnattachedCcp> m_unattached;
    QString m_status;
};

// An update of the analysis, done before it is pushed: the first redo does nothing.
class AnalysisUpdateCommand : public QUndoCommand {
public:
    AnalysisUpdateCommand(model::ProgramState& state, AnalysisAnswers before,
                          AnalysisAnswers after);

    void undo() override;
    void redo() override;

private:
    model::ProgramState& m_state;
    AnalysisAnswers m_before;
    AnalysisAnswers m_after;
    bool m_done = true;
};

} // namespace orvella::mainwindow
