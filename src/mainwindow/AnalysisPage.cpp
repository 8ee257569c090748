#include "mainwindow/AnalysisPage.h"
#include "mainwindow/Contrast.h"
#include "mainwindow/DecorativePicture.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::mainwindow {

AnalysisPage::AnalysisPage(model::ProgramState& state, QWidget* parent)
    : StepPage(3, QStringLiteral("Step 4 - Hazard Analysis"), state, parent) {
    auto* save = makeLabel(
        "Label25", QStringLiteral("Now is a good time to save what you have done so far. "));
    QFont bold = save->font();
    bold.setBold(true);
    save->setFont(bold);
    auto* explanation = makeLabel(
        "Label22",
        QStringLiteral(
            "You are now ready to evaluate the tasks that you listed in the previous step.  "
            "After you click the button below, you will be asked a series of questions that "
            "will determine if your tasks contain any critical control points.  If you quit the "
            "application before completing all of the questions, you will have to start again "
            "from the beginning, unless you have saved your progress.  If you have saved your "
            "progress, you will be able to start over later from this point.  Be sure to save "
            "now and then click the button below to continue."));
    auto* skip = makeButton("cmdSkip", QStringLiteral("Skip to Next Step"));
    skip->setEnabled(false);
    m_skip = skip;
    auto* evaluate = makeButton("cmdEvalTasks", QStringLiteral("Start Hazard Analysis"));
    auto* note = makeLabel(
        "lblStatus",
        QStringLiteral("Note: A Hazard Analysis has already been completed for this data.  If "
                       "you start a new Hazard Analysis, the previous Analysis will be "
                       "overwritten.  If you choose not to start a new Analysis, you may skip "
                       "this step and continue to the next step by clicking \"Skip to Next "
                       "Step.\""));
    // Red that stays readable on a dark or high-contrast desktop palette.
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, readableOn(QColor(192, 0, 0), red.color(QPalette::Window)));
    note->setPalette(red);
    // Showing or hiding the note must not make the page jump.
    QSizePolicy keep = note->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    note->setSizePolicy(keep);
    note->hide();
    m_note = note;

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(skip);
    buttons->addSpacing(12);
    buttons->addWidget(evaluate);
    buttons->addStretch(1);

    // Below the original controls, so the page reads as it did at the default font.
    m_review = makeButton("cmdReview", tr("Review the Analysis..."));
    m_review->setEnabled(false);
    m_changes = makeLabel("lblChanges", QString(), false);
    m_changes->hide();
    m_update = makeButton("cmdUpdate", tr("Update the Analysis"));
    m_update->hide();
    m_update->setEnabled(false);
    auto* reviewRow = new QHBoxLayout;
    reviewRow->addStretch(1);
    reviewRow->addWidget(m_review);
    reviewRow->addStretch(1);
    auto* updateRow = new QHBoxLayout;
    updateRow->addStretch(1);
    updateRow->addWidget(m_changes);
    updateRow->addSpacing(12);
    updateRow->addWidget(m_update);
    updateRow->addStretch(1);

    auto* picture = new DecorativePicture(1200, this);
    picture->setObjectName(QStringLiteral("Image4"));
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addStretch(1);
    pictureRow->addWidget(picture);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(save);
    layout->addSpacing(6);
    layout->addWidget(explanation);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addSpacing(8);
    layout->addWidget(note);
    layout->addSpacing(8);
    layout->addLayout(reviewRow);
    layout->addLayout(updateRow);
    layout->addStretch(1);
    layout->addLayout(pictureRow);

    setTabOrder(skip, evaluate);
    setTabOrder(evaluate, m_review);
    setTabOrder(m_review, m_update);
    connect(m_review, &QPushButton::clicked, this, &AnalysisPage::reviewRequested);
    connect(m_update, &QPushButton::clicked, this, &AnalysisPage::updateRequested);
    connect(skip, &QPushButton::clicked, this, &AnalysisPage::skipRequested);
    connect(evaluate, &QPushButton::clicked, this, &AnalysisPage::analysisRequested);
}

void AnalysisPage::load(const model::HACCP_Plan& plan) {
    const bool complete = model::isAnalysisComplete(plan);
    showCompletedNote(complete && !m_state.UseSpanish);
    enableSkip(complete);
}

void AnalysisPage::showCompletedNote(bool visible) {
    m_note->setVisible(visible);
}

void AnalysisPage::enableSkip(bool enabled) {
    m_skip->setEnabled(enabled);
}

} // namespace orvella::mainwindow

namespace orvella::mainwindow {

void AnalysisPage::showReviewState(bool hasAnswers, int newPairs, int removedPairs) {
    m_review->setEnabled(hasAnswers);
    QStringList parts;
    if (newPairs == 1)
        parts << tr("1 new task and hazard pair to answer");
    else if (newPairs > 1)
        parts << tr("%1 new task and hazard pairs to answer").arg(newPairs);
    if (removedPairs == 1)
        parts << tr("1 pair removed");
    else if (removedPairs > 1)
        parts << tr("%1 pairs removed").arg(removedPairs);
    m_changes->setText(parts.join(QStringLiteral(", ")));
    m_changes->setVisible(!parts.isEmpty());
    m_update->setVisible(!parts.isEmpty());
    m_update->setEnabled(!parts.isEmpty());
}

} // namespace orvella::mainwindow
