#include "mainwindow/StepPage.h"
#include "analysisdialogs/EntryBoxes.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvella::mainwindow {

StepPage::StepPage(int index, const QString& caption, model::ProgramState& state, QWidget* parent)
    : QGroupBox(caption, parent), m_state(state) {
    setObjectName(QStringLiteral("Frame1(%1)").arg(index));
    setFlat(true);
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
