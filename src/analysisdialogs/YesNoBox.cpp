#include "analysisdialogs/YesNoBox.h"
#include "analysis/Prompts.h"
#include "analysisdialogs/EscapeGuard.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::analysisdialogs {

YesNoBox::YesNoBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("YesNoBox"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setModal(true);
    EscapeGuard::install(this);

    m_label1 = new QLabel(QStringLiteral("Question"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setMinimumWidth(420);
    m_label1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* yes = m_yes = new QPushButton(QStringLiteral("Yes"), this);
    yes->setObjectName(QStringLiteral("YesButton"));
    yes->setDefault(true);
    auto* no = m_no = new QPushButton(QStringLiteral("No"), this);
    no->setObjectName(QStringLiteral("NoButton"));
    connect(yes, &QPushButton::clicked, this, [this] {
        Result = analysis::Prompts::AnswerYes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        Result = analysis::Prompts::AnswerNo;
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addWidget(m_label1);
    layout->addSpacing(14);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void YesNoBox::setDefaultAnswer(int answer) {
    QPushButton* button = answer == analysis::Prompts::AnswerNo ? m_no : m_yes;
    button->setDefault(true);
    button->setFocus();
}

int YesNo(const QString& prompt, const QString& caption, QWidget* parent, int defaultAnswer) {
    YesNoBox box(parent);
    box.setDefaultAnswer(defaultAnswer);
    box.setWindowTitle(caption);
    box.Label1()->setText(prompt);
    box.Label1()->setAlignment(prompt.length() >= 50 ? Qt::AlignLeft | Qt::AlignVCenter
                                                     : Qt::AlignCenter);
    box.exec();
    return box.Result;
}

} // namespace orvella::analysisdialogs
