#include "mainwindow/ReviewTableModel.h"
#include "analysis/PlanGaps.h"
#include "model/PlanCcps.h"
#include <QApplication>
#include <QStyle>

namespace orvella::mainwindow {

using namespace orvella::model;

namespace {

bool blank(const QString& s) {
    return s.trimmed().isEmpty();
}

// Table cells show one line; the tooltip shows the whole text.
QString oneLine(const QString& s) {
    return s.simplified();
}

} // namespace

ReviewTableModel::ReviewTableModel(ProgramState& state, QObject* parent)
    : QAbstractTableModel(parent), m_state(state) {
    reload();
}

void ReviewTableModel::reload() {
    beginResetModel();
    m_rows.clear();
    const HACCP_Plan& plan = m_state.plan();
    for (int t = 1; t <= plan.Tasks.count(); ++t)
        for (int p = 1; p <= plan.Tasks.item(t)->TSHazards.count(); ++p)
            m_rows.append({t, p});
    endResetModel();
}

int ReviewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReviewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

HACCP_Task* ReviewTableModel::taskAt(int row) const {
    if (row < 0 || row >= m_rows.size())
        return nullptr;
    return m_state.plan().Tasks.item(m_rows[row].task).get();
}

int ReviewTableModel::pairPositionAt(int row) const {
    return row < 0 || row >= m_rows.size() ? 0 : m_rows[row].pair;
}

HACCP_TaskSpecific_Hazard* ReviewTableModel::pairAt(int row) const {
    HACCP_Task* task = taskAt(row);
    return task ? task->TSHazards.item(m_rows[row].pair).get() : nullptr;
}

QStringList ReviewTableModel::gapsOf(const HACCP_Plan& plan, const HACCP_TaskSpecific_Hazard& th) {
    QStringList gaps;
    if (!hazardOf(plan, th))
        gaps << tr("hazard no longer listed");
    if (th.Probable == Yes) {
        if (blank(th.Justification))
            gaps << tr("justification");
        if (blank(th.ControlMeasures))
            gaps << tr("control measures");
    }
    if (th.hasCcpRecord())
        gaps << analysis::emptyCcpFields(th.Ccp);
    return gaps;
}

QVariant ReviewTableModel::data(const QModelIndex& index, int role) const {
    const HACCP_Task* task = taskAt(index.row());
    const HACCP_TaskSpecific_Hazard* th = pairAt(index.row());
    if (!task || !th)
        return {};
    const HACCP_Plan& plan = m_state.plan();
    if (index.column() == Status) {
        const QStringList gaps = gapsOf(plan, *th);
        // What is missing matters more than an example answer waiting to be confirmed.
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return !gaps.isEmpty()
                       ? QVariant(tr("Missing: %1").arg(gaps.join(QStringLiteral(", "))))
                   : th->Unreviewed ? QVariant(tr("Example, not reviewed yet"))
                                    : QVariant();
        case Qt::DecorationRole:
            return !gaps.isEmpty()
                       ? QVariant(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
                   : th->Unreviewed ? QVariant(QApplication::style()->standardIcon(
                                          QStyle::SP_MessageBoxInformation))
                                    : QVariant();
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};

    QString text;
    switch (index.column()) {
    case Task:
        text = task->Name.trimmed() + QStringLiteral(": ") + task->Description;
        break;
    case Hazard:
        text = th->Entity;
        break;
    case Probable:
        text = th->Probable == Yes ? tr("Yes") : th->Probable == No ? tr("No") : th->Probable;
        break;
    case Justification:
        text = th->Justification;
        break;
    case ControlMeasures:
        text = th->Probable == Yes ? th->ControlMeasures : QString();
        break;
    case DecisionPath:
        if (th->Probable == Yes)
            text = th->Answers.isEmpty() ? tr("not recorded") : pathText(th->Answers);
        break;
    case CcpNumber: {
        const int n = ccpNumberOf(plan, *th);
        text = n > 0 ? QString::number(n) : th->IsCCP ? tr("yes, no record") : QString();
        break;
    }
    case Limits:
        text = th->IsCCP ? th->Ccp.Limits : QString();
        break;
    case Correction:
        text = th->IsCCP ? th->Ccp.Correction : QString();
        break;
    default:
        break;
    }
    if (role == Qt::ToolTipRole)
        return text.isEmpty() ? QVariant() : QVariant(text);
    return oneLine(text);
}

QVariant ReviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Status:
        return tr("Check");
    case Task:
        return tr("Task");
    case Hazard:
        return tr("Hazard");
    case Probable:
        return tr("Probable");
    case Justification:
        return tr("Justification");
    case ControlMeasures:
        return tr("Control measures");
    case DecisionPath:
        return tr("Decision path");
    case CcpNumber:
        return tr("CCP");
    case Limits:
        return tr("Critical limits");
    case Correction:
        return tr("Corrective action");
    default:
        return {};
    }
}

} // namespace orvella::mainwindow
