#include "mainwindow/StepPage.h"
#include "analysisdialogs/EntryBoxes.h"
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvella::mainwindow {

StepPage::StepPage(int index, const QString& caption, model::ProgramState& state, QWidget* parent)
    : QGroupBox(caption, parent), m_state(state) {
    setObjectName(QStringLiteral("Frame1(%1)").arg(index));
    setFlat(true);
}

QStringList StepPage::contents() const {
    // The page's own entry widgets, whatever their layout; objectNames keep the order fixed.
    QStringList out;
    for (const QLineEdit* box : findChildren<QLineEdit*>())
        out << box->objectName() << box->text();
    for (const QPlainTextEdit* box : findChildren<QPlainTextEdit*>())
        out << box->objectName() << box->toPlainText();
    for (const QListWidget* list : findChildren<QListWidget*>()) {
        out << list->objectName() << QString::number(list->count());
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
    }
    return out;
}

QLabel* StepPage::makeLabel(const char* name, const QString& text, bool wrap) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* StepPage::makeLineEdit(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    analysisdialogs::removeLengthLimit(edit);
    return edit;
}

QPushButton* StepPage::makeButton(const char* name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace orvella::mainwindow
