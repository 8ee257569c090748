#pragma once
#include "model/HACCP_Task.h"
#include <optional>

namespace orvella::mainwindow {

// What a task keeps besides its pairs' answers that a change of answers resets: undoing the
// change puts it back.
struct TaskAnswerFlags {
    bool AddedAfterAnalysis = false;
    std::optional<qint16> CcpCountInFile;

    static TaskAnswerFlags of(const model::HACCP_Task& task) {
        return {task.AddedAfterAnalysis, task.CcpCountInFile};
    }
    void restore(model::HACCP_Task& task) const {
        task.AddedAfterAnalysis = AddedAfterAnalysis;
        task.CcpCountInFile = CcpCountInFile;
    }
};

} // namespace orvella::mainwindow
