#include "mainwindow/ReviewWindow.h"
#include "analysisdialogs/frmPairEdit.h"
#include "mainwindow/PairEditCommand.h"
#include "mainwindow/ReviewTableModel.h"
#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace orvella::mainwindow {

namespace {

// The same answers: nothing to apply, nothing to undo.
bool sameAnswers(const model::HACCP_TaskSpecific_Hazard& a,
                 const model::HACCP_TaskSpecific_Hazard& b) {
    return a.Probable == b.Probable && a.Justification == b.Justification &&
           a.ControlMeasures == b.ControlMeasures && a.IsCCP == b.IsCCP && a.Answers == b.Answers &&
           a.Ccp == b.Ccp && a.CcpRecordMissing == b.CcpRecordMissing &&
           a.Unreviewed == b.Unreviewed;
}

} // namespace

ReviewWindow::ReviewWindow(model::ProgramState& state, QUndoStack& undo, analysis::Prompts& prompts,
                           QWidget* parent)
    : QDialog(parent), m_state(state), m_undo(undo), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmReview"));
    setWindowTitle(tr("Analysis review"));
    setSizeGripEnabled(true);

    auto* hint = new QLabel(tr("Double-click a row, or select it and press Enter, to edit its "
                               "answers. Rows marked \"Missing\" lack an answer the plan needs."),
                            this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);

    m_model = new ReviewTableModel(state, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblReview"));
    m_table->setAccessibleName(tr("Task hazards"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView* header = m_table->horizontalHeader();
    header->setStretchLastSection(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Room for a useful part of each text, never less than the column's title.
    const int em = fontMetrics().averageCharWidth();
    const int widths[ReviewTableModel::ColumnCount] = {0, 24, 22, 0, 28, 28, 20, 0, 24, 24};
    for (int c = 0; c < ReviewTableModel::ColumnCount; ++c)
        header->resizeSection(c, qMax(widths[c] * em, header->sectionSizeHint(c)));

    m_edit = new QPushButton(tr("Edit..."), this);
    m_edit->setObjectName(QStringLiteral("cmdEdit"));
    m_markReviewed = new QPushButton(tr("Mark Reviewed"), this);
    m_markReviewed->setObjectName(QStringLiteral("cmdMarkReviewed"));
    m_markReviewed->setToolTip(
        tr("Confirm the example answers of the selected pair for this site as they stand"));
    m_undoButton = new QPushButton(tr("Undo"), this);
    m_undoButton->setObjectName(QStringLiteral("cmdUndo"));
    m_redoButton = new QPushButton(tr("Redo"), this);
    m_redoButton->setObjectName(QStringLiteral("cmdRedo"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    // Enter belongs to the table (it opens the row), not to a default button.
    for (QPushButton* b : {m_edit, m_markReviewed, m_undoButton, m_redoButton, close})
        b->setAutoDefault(false);

    auto* undoAction = new QAction(this);
    undoAction->setShortcuts(QKeySequence::Undo);
    auto* redoAction = new QAction(this);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(undoAction);
    addAction(redoAction);
    connect(undoAction, &QAction::triggered, &m_undo, &QUndoStack::undo);
    connect(redoAction, &QAction::triggered, &m_undo, &QUndoStack::redo);
    connect(m_undoButton, &QPushButton::clicked, &m_undo, &QUndoStack::undo);
    connect(m_redoButton, &QPushButton::clicked, &m_undo, &QUndoStack::redo);
    connect(&m_undo, &QUndoStack::indexChanged, this, &ReviewWindow::reload);
    connect(m_edit, &QPushButton::clicked, this,
            [this] { editRow(m_table->currentIndex().row()); });
    connect(m_markReviewed, &QPushButton::clicked, this,
            [this] { markReviewed(m_table->currentIndex().row()); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ReviewWindow::updateButtons);
    connect(m_table, &QTableView::activated, this,
            [this](const QModelIndex& index) { editRow(index.row()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_edit);
    buttons->addWidget(m_markReviewed);
    buttons->addSpacing(12);
    buttons->addWidget(m_undoButton);
    buttons->addWidget(m_redoButton);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    if (m_model->rowCount() > 0)
        m_table->selectRow(0);
    fitStatusColumn();
    updateButtons();

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 0.92 : QSize(1100, 600);
    resize(QSize(1300, 640).boundedTo(room));
}

// Narrow while nothing is missing, wide enough for what is.
void ReviewWindow::fitStatusColumn() {
    m_table->resizeColumnToContents(ReviewTableModel::Status);
    QHeaderView* header = m_table->horizontalHeader();
    header->resizeSection(ReviewTableModel::Status,
                          qBound(header->sectionSizeHint(ReviewTableModel::Status),
                                 header->sectionSize(ReviewTableModel::Status),
                                 fontMetrics().averageCharWidth() * 40));
}

void ReviewWindow::editRow(int row) {
    model::HACCP_Task* task = m_model->taskAt(row);
    model::HACCP_TaskSpecific_Hazard* pair = m_model->pairAt(row);
    if (!task || !pair)
        return;
    const auto answers = analysisdialogs::frmPairEdit::edit(*task, *pair, m_prompts, this);
    if (!answers || sameAnswers(*answers, *pair))
        return;
    m_undo.push(new PairEditCommand(m_state, *task, m_model->pairPositionAt(row), *answers));
}

void ReviewWindow::markReviewed(int row) {
    model::HACCP_Task* task = m_model->taskAt(row);
    model::HACCP_TaskSpecific_Hazard* pair = m_model->pairAt(row);
    if (!task || !pair || !pair->Unreviewed)
        return;
    model::HACCP_TaskSpecific_Hazard reviewed = *pair;
    reviewed.Unreviewed = false;
    m_undo.push(new PairEditCommand(m_state, *task, m_model->pairPositionAt(row), reviewed));
    // On to the next pair: confirming a plan is done row by row.
    if (row + 1 < m_model->rowCount())
        m_table->selectRow(row + 1);
}

void ReviewWindow::reload() {
    const int row = m_table->currentIndex().row();
    m_model->reload();
    fitStatusColumn();
    if (m_model->rowCount() > 0)
        m_table->selectRow(qBound(0, row, m_model->rowCount() - 1));
    updateButtons();
}

void ReviewWindow::updateButtons() {
    m_edit->setEnabled(m_model->rowCount() > 0);
    const model::HACCP_TaskSpecific_Hazard* pair = m_model->pairAt(m_table->currentIndex().row());
    m_markReviewed->setEnabled(pair && pair->Unreviewed);
    m_undoButton->setEnabled(m_undo.canUndo());
    m_redoButton->setEnabled(m_undo.canRedo());
}

} // namespace orvella::mainwindow
