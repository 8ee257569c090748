#pragma once
#include "model/ProgramState.h"
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace orvella::mainwindow {

// The analysis as a table: one row per task hazard, task by task. Rows only address the
// plan's records; every cell is read from the plan when asked.
class ReviewTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Status,
        Task,
        Hazard,
        Probable,
        Justification,
        ControlMeasures,
        DecisionPath,
        CcpNumber,
        Limits,
        Correction,
        ColumnCount
    };

    explicit ReviewTableModel(model::ProgramState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The plan changed: rows are listed anew.
    void reload();

    // The task and the position (1-based) of the pair a row shows.
    model::HACCP_Task* taskAt(int row) const;
    int pairPositionAt(int row) const;
    model::HACCP_TaskSpecific_Hazard* pairAt(int row) const;

    // What the pair still lacks, in words; empty when nothing.
    static QStringList gapsOf(const model::HACCP_Plan& plan,
                              const model::HACCP_TaskSpecific_Hazard& pair);

private:
    struct Row {
        int task = 0; // 1-based positions in the plan
        int pair = 0;
    };
    model::ProgramState& m_state;
    QList<Row> m_rows;
};

} // namespace orvella::mainwindow
