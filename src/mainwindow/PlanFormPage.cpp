#include "mainwindow/PlanFormPage.h"
#include "mainwindow/DecorativePicture.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::mainwindow {

PlanFormPage::PlanFormPage(model::ProgramState& state, QWidget* parent)
    : StepPage(4, QStringLiteral("Step 5 - HACCP Plan Form"), state, parent) {
    auto* prompt = makeLabel("lblTitle", QStringLiteral("Please provide a simple title for the "
                                                        "HACCP plan (e.g., Fire Management "
                                                        "Operations HACCP Plan)"));
    auto* title = makeLineEdit("txtTitle");
    title->setText(QStringLiteral("HACCP Plan"));
    m_title = title;
    prompt->setBuddy(title);
    auto* done = makeButton("cmdDone", QStringLiteral("Create HACCP Plan as an MS Word Document"));
    done->setMinimumHeight(done->sizeHint().height() + 8);
    setTabOrder(title, done);
    connect(done, &QPushButton::clicked, this, &PlanFormPage::documentRequested);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(done);
    buttonRow->addStretch(1);

    auto* picture = new DecorativePicture(1200, this);
    picture->setObjectName(QStringLiteral("Image5"));
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addStretch(1);
    pictureRow->addWidget(picture);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 36, 48, 9);
    layout->addWidget(prompt);
    layout->addWidget(title);
    layout->addSpacing(24);
    layout->addLayout(buttonRow);
    layout->addStretch(1);
    layout->addLayout(pictureRow);
}

void PlanFormPage::load(const model::HACCP_Plan& plan) {
    m_title->setText(plan.Title);
}

void PlanFormPage::store(model::HACCP_Plan& plan) {
    plan.Title = m_title->text();
}

} // namespace orvella::mainwindow
