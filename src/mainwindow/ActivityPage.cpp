#include "mainwindow/ActivityPage.h"
#include "mainwindow/FieldText.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::mainwindow {

ActivityPage::ActivityPage(model::ProgramState& state, QWidget* parent)
    : StepPage(0, QStringLiteral("Step 1 - Activity Description"), state, parent) {
    auto* intro =
        makeLabel("Label1", QStringLiteral("This is the first step of a five-step process.  "
                                           "Please provide contact information and identify the "
                                           "activity that the HACCP plan will cover."));

    using model::HACCP_Plan;
    const struct {
        const char* box;
        const char* label;
        const char* text;
        QString HACCP_Plan::*member;
    } fields[] = {
        // Reading order: left to right, then down, as the boxes stand in two columns.
        {"txtFacility", "Label2", "Facility (example: Corvane Nature Reserve)",
         &HACCP_Plan::Facility},
        {"txtSite", "Label5", "Site (example: Refuge Wide, All Habitats)", &HACCP_Plan::Site},
        {"txtCoordinator", "Label3", "Project Coordinator (example: Morgan Tessel)",
         &HACCP_Plan::Coordinator},
        {"txtManager", "Label4", "Site Manager ", &HACCP_Plan::Manager},
        {"txtPhone", "Label7", "Phone (example: 555 010-2000)", &HACCP_Plan::Phone},
        {"txtActivity", "Label8", "Activity (example: Fire Management Operations)",
         &HACCP_Plan::Activity},
        {"txtAddress1", "Label6", "Address (example: 4120 Reserve Road)", &HACCP_Plan::Address1},
        {"txtAddress2", "Label21", "City, State and Zip Code (example: Ashvale, TX 79999)",
         &HACCP_Plan::Address2},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(2);
    QWidget* previous = nullptr;
    for (int i = 0; i < 8; ++i) {
        auto* label = makeLabel(fields[i].label, QString::fromUtf8(fields[i].text), false);
        auto* box = makeLineEdit(fields[i].box);
        m_fields.append({box, fields[i].member});
        label->setBuddy(box);
        const int row = (i / 2) * 2;
        const int column = i % 2;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row + 1, column);
        if (row > 0)
            label->setContentsMargins(0, 4, 0, 0);
        if (previous)
            setTabOrder(previous, box);
        previous = box;
    }
    // Left boxes 5295 twips wide, right ones 5535.
    grid->setColumnStretch(0, 5295);
    grid->setColumnStretch(1, 5535);

    auto* descriptionLabel = makeLabel(
        "Label9",
        QStringLiteral(
            "Activity Description: The project description should be a narrative description "
            "that includes such information as who, what, when, where, how, and why. The "
            "description should offer a historical, working reference to facilitate "
            "communication with the facility staff and other resource management agency "
            "personnel. (Please describe the project concisely and completely)"));
    auto* description = new QPlainTextEdit(this);
    description->setObjectName(QStringLiteral("txtDescription"));
    m_description = description;
    description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    description->setTabChangesFocus(true);
    description->setMinimumHeight(fontMetrics().lineSpacing() * 3 + 8);
    descriptionLabel->setBuddy(description);
    setTabOrder(previous, description);

    auto* when = makeLabel("lblWhen", QStringLiteral("When you have entered the above "
                                                     "information, you may move on to the next "
                                                     "step."));
    when->setAlignment(Qt::AlignCenter);
    auto* next = makeButton("cmdNext", QStringLiteral("Submit && Continue"));
    setTabOrder(description, next);
    connect(next, &QPushButton::clicked, this, &ActivityPage::submit);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(when, 1);
    bottom->addWidget(next);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addWidget(descriptionLabel);
    layout->addWidget(description, 1);
    layout->addLayout(bottom);
}

void ActivityPage::load(const model::HACCP_Plan& plan) {
    for (const Field& field : m_fields)
        setFieldText(field.box, plan.*field.member);
    setFieldText(m_description, plan.Description);
}

void ActivityPage::store(model::HACCP_Plan& plan) {
    for (const Field& field : m_fields)
        plan.*field.member = trimSpaces(fieldText(field.box));
    plan.Description = trimSpaces(fieldText(m_description));
}

void ActivityPage::submit() {
    store(m_state.plan());
    emit submitted();
}

} // namespace orvella::mainwindow
