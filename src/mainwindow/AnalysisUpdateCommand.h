#pragma once
#include "mainwindow/TaskAnswerFlags.h"
#include "model/ProgramState.h"
#include <QList>
#include <QUndoCommand>

namespace orvella::mainwindow {

// An update of the analysis, already done when it is pushed: the first redo does nothing.
class AnalysisUpdateCommand : public QUndoCommand {
public:
    // The analysis answers of the whole plan as an update changes them: every task's pairs,
    // the unattached CCP records and the status.
    class Answers {
    public:
        static Answers of(const model::HACCP_Plan& plan);
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

    AnalysisUpdateCommand(model::ProgramState& state, Answers before, Answers after);

    void undo() override;
    void redo() override;

private:
    model::ProgramState& m_state;
    Answers m_before;
    Answers m_after;
    bool m_done = true;
};

} // namespace orvella::mainwindow
