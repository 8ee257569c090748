#pragma once
#include "analysis/Prompts.h"
#include "model/ProgramState.h"
#include <QDialog>

class QPushButton;
class QTableView;
class QUndoStack;

namespace orvella::mainwindow {

class ReviewTableModel;

// "Analysis review": every task hazard of the plan in one table, each row opened into the
// pair's edit dialog. An edit applies on OK as a command on the undo stack it is given.
class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    ReviewWindow(model::ProgramState& state, QUndoStack& undo, analysis::Prompts& prompts,
                 QWidget* parent = nullptr);

    // Opens the edit dialog for a row and applies what it gives back.
    void editRow(int row);
    // Confirms a starter plan's example answers of a row as they stand (undoable).
    void markReviewed(int row);

    ReviewTableModel& tableModel() const { return *m_model; }

private:
    void reload();
    void updateButtons();
    void fitStatusColumn();

    model::ProgramState& m_state;
    QUndoStack& m_undo;
    analysis::Prompts& m_prompts;
    ReviewTableModel* m_model;
    QTableView* m_table;
    QPushButton* m_edit;
    QPushButton* m_markReviewed;
    QPushButton* m_undoButton;
    QPushButton* m_redoButton;
};

} // namespace orvella::mainwindow
