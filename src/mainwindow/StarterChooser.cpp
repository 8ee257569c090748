#include "mainwindow/StarterChooser.h"
#include "planfile/StarterPlans.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::mainwindow {

StarterChooser::StarterChooser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmStarterChooser"));
    setWindowTitle(tr("New from Starter Plan"));
    auto* intro = new QLabel(
        tr("Each starter plan is a complete example for common field work. Its answers are "
           "examples, not yet reviewed for your site: fill in step 1, then confirm or edit "
           "every answer in Review the Analysis."),
        this);
    intro->setWordWrap(true);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstStarters"));
    m_list->setAccessibleName(tr("Starter plans"));
    for (const planfile::StarterPlan& s : planfile::starterPlans()) {
        auto* item = new QListWidgetItem(planfile::starterSummary(s), m_list);
        item->setData(Qt::UserRole, QString::fromLatin1(s.name));
    }
    m_list->setCurrentRow(0);
    const int rowHeight = m_list->sizeHintForRow(0);
    m_list->setMinimumHeight(rowHeight * (m_list->count() + 1) + 2 * m_list->frameWidth());
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 4 * rowHeight);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
}

QString StarterChooser::chosenName() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

std::optional<QString> StarterChooser::choose(QWidget* parent) {
    StarterChooser dialog(parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenName().isEmpty())
        return std::nullopt;
    return dialog.chosenName();
}

} // namespace orvella::mainwindow
