#include "mainwindow/PlanFormPage.h"
#include "mainwindow/DecorativePicture.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orvella::mainwindow {

namespace {
struct GapText {
    Q_DECLARE_TR_FUNCTIONS(Gaps)
};
constexpr int GapLinesShown = 4;
} // namespace

PlanFormPage::PlanFormPage(model::ProgramState& state, QWidget* parent)
    : StepPage(4, QStringLiteral("Step 5 - HACCP Plan Form"), state, parent) {
    // What the plan still lacks, above the title; it never holds back the document.
    m_gapsHeading = makeLabel("lblGaps", GapText::tr("Before you create the plan document"));
    QFont strong = m_gapsHeading->font();
    strong.setBold(true);
    m_gapsHeading->setFont(strong);
    auto* gapArea = new QScrollArea(this);
    gapArea->setObjectName(QStringLiteral("scrGaps"));
    gapArea->setWidgetResizable(true);
    gapArea->setFrameShape(QFrame::StyledPanel);
    gapArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gaps = new QLabel(gapArea);
    m_gaps->setObjectName(QStringLiteral("lstGaps"));
    m_gaps->setTextFormat(Qt::RichText);
    m_gaps->setWordWrap(true);
    m_gaps->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_gaps->setContentsMargins(4, 2, 4, 2);
    m_gaps->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_gaps->setBackgroundRole(QPalette::Base);
    m_gaps->setAutoFillBackground(true);
    gapArea->setFocusPolicy(Qt::NoFocus);
    gapArea->setWidget(m_gaps);
    gapArea->setFixedHeight(m_gaps->fontMetrics().lineSpacing() * GapLinesShown + 8);
    m_gapsHeading->setBuddy(m_gaps);
    connect(m_gaps, &QLabel::linkActivated, this,
            [this](const QString& link) { emit stepRequested(link.toInt()); });

    auto* prompt = makeLabel("lblTitle", QStringLiteral("Please provide a simple title for the "
                                                        "HACCP plan (e.g., Fire Management "
                                                        "Operations HACCP Plan)"));
    auto* title = makeLineEdit("txtTitle");
    title->setText(QStringLiteral("HACCP Plan"));
    m_title = title;
    prompt->setBuddy(title);
    auto* done = makeButton("cmdDone", QStringLiteral("Create HACCP Plan as an MS Word Document"));
    done->setMinimumHeight(done->sizeHint().height() + 8);
    // The title and its button first; the list's links after them.
    setTabOrder(title, done);
    setTabOrder(done, m_gaps);
    showGaps({});
    connect(done, &QPushButton::clicked, this, &PlanFormPage::documentRequested);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(done);

    // Document control: who approved which version; blank logs for the crew.
    auto* approval = makeButton("cmdApproval", tr("Plan Approval..."));
    connect(approval, &QPushButton::clicked, this, &PlanFormPage::approvalRequested);
    m_approval = makeLabel("lblApproval", QString());
    m_approval->setWordWrap(true);
    m_approval->hide();
    m_recordSheets = new QCheckBox(tr("Add blank record sheets for the crew"), this);
    m_recordSheets->setObjectName(QStringLiteral("chkRecordSheets"));
    auto* controlRow = new QHBoxLayout;
    controlRow->addWidget(approval, 0, Qt::AlignTop);
    controlRow->addSpacing(12);
    controlRow->addWidget(m_approval, 1);
    setTabOrder(done, m_recordSheets);
    setTabOrder(m_recordSheets, approval);
    setTabOrder(approval, m_gaps);
    // The sheets belong to the document: the box stands beside its button.
    buttonRow->addSpacing(12);
    buttonRow->addWidget(m_recordSheets);
    buttonRow->addStretch(1);

    auto* picture = new DecorativePicture(1200, this);
    picture->setObjectName(QStringLiteral("Image5"));
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addStretch(1);
    pictureRow->addWidget(picture);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 12, 48, 9);
    layout->addWidget(m_gapsHeading);
    layout->addWidget(gapArea);
    layout->addSpacing(12);
    layout->addWidget(prompt);
    layout->addWidget(title);
    layout->addSpacing(24);
    layout->addLayout(buttonRow);
    layout->addSpacing(8);
    layout->addLayout(controlRow);
    layout->addStretch(1);
    layout->addLayout(pictureRow);
}

void PlanFormPage::load(const model::HACCP_Plan& plan) {
    m_title->setText(plan.Title);
}

void PlanFormPage::store(model::HACCP_Plan& plan) {
    plan.Title = m_title->text();
}

void PlanFormPage::showApproval(const QString& text) {
    m_approval->setText(text);
    m_approval->setVisible(!text.isEmpty());
}

bool PlanFormPage::recordSheets() const {
    return m_recordSheets->isChecked();
}

void PlanFormPage::showGaps(const QList<analysis::PlanGap>& gaps) {
    m_gapsHeading->setText(GapText::tr("Before you create the plan document"));
    if (gaps.isEmpty()) {
        m_gaps->setText(GapText::tr("The plan is complete: every step has what the document "
                                    "needs.")
                            .toHtmlEscaped());
        return;
    }
    QStringList lines;
    for (const analysis::PlanGap& gap : gaps)
        lines << QStringLiteral("<a href=\"%1\">%2 %3</a>")
                     .arg(QString::number(gap.step),
                          GapText::tr("Step %1:").arg(gap.step).toHtmlEscaped(),
                          gap.text.toHtmlEscaped());
    m_gaps->setText(lines.join(QStringLiteral("<br>")));
}

} // namespace orvella::mainwindow
