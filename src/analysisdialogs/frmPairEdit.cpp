#include "analysisdialogs/frmPairEdit.h"
#include "analysis/CcpDecision.h"
#include "analysisdialogs/EntryBoxes.h"
#include "model/HazardTypes.h"
#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orvella::analysisdialogs {

using namespace orvella::model;

namespace {

// The CCP details dialog's own captions, so both dialogs ask the same questions.
QString ccpText(const char* source) {
    return QCoreApplication::translate("orvella::analysisdialogs::frmCCP", source).trimmed();
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPlainTextEdit* makeText(QWidget* parent, const QString& name, const QString& text) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    // Three lines: long answers scroll, short ones do not take the whole dialog.
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 +
                        int(box->document()->documentMargin() * 2) + box->frameWidth() * 2);
    box->document()->setModified(false);
    return box;
}

// What the user typed, or the stored text untouched when the box was not edited (a box
// would turn CR LF into LF).
QString edited(const QPlainTextEdit* box, const QString& stored) {
    return box->document()->isModified() ? box->toPlainText() : stored;
}
QString edited(const QLineEdit* box, const QString& stored) {
    return box->isModified() ? box->text() : stored;
}

} // namespace

frmPairEdit::frmPairEdit(const HACCP_Task& task, const HACCP_TaskSpecific_Hazard& current,
                         analysis::Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_original(current), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmPairEdit"));
    setWindowTitle(tr("Edit the Answers"));
    setModal(true);
    setSizeGripEnabled(true);

    auto* lblTask = makeLabel(this, QStringLiteral("lblTask"),
                              task.Name.trimmed() + QStringLiteral(": ") + task.Description);
    QFont bold = lblTask->font();
    bold.setBold(true);
    lblTask->setFont(bold);
    auto* lblHazard =
        makeLabel(this, QStringLiteral("lblHazard"), tr("Hazard: %1").arg(current.Entity));

    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("fraBody"));

    // Probable, why, and what controls it.
    auto* lblProbable = makeLabel(body, QStringLiteral("lblProbable"),
                                  tr("Is this hazard probable during this task?"));
    m_yes = new QRadioButton(tr("Yes"), body);
    m_yes->setObjectName(QStringLiteral("optProbable(0)"));
    m_no = new QRadioButton(tr("No"), body);
    m_no->setObjectName(QStringLiteral("optProbable(1)"));
    m_yes->setChecked(current.Probable == Yes);
    m_no->setChecked(current.Probable == No);
    auto* probableRow = new QHBoxLayout;
    probableRow->addWidget(m_yes);
    probableRow->addWidget(m_no);
    probableRow->addStretch(1);

    auto* lblJust = makeLabel(body, QStringLiteral("lblJustification"), tr("Justification:"));
    m_justification = makeText(body, QStringLiteral("txtJustification"), current.Justification);
    lblJust->setBuddy(m_justification);
    m_lblControl = makeLabel(body, QStringLiteral("lblControl"), tr("Control measures:"));
    m_control = makeText(body, QStringLiteral("txtControl"), current.ControlMeasures);
    m_lblControl->setBuddy(m_control);

    // The decision questions: only those the answers reach are shown.
    m_decision = new QGroupBox(tr("Critical control point decision"), body);
    m_decision->setObjectName(QStringLiteral("fraDecision"));
    auto* decisionLayout = new QVBoxLayout(m_decision);
    const analysis::DecisionQuestions q = analysis::decisionQuestions(task, current.Entity);
    const QString header =
        task.Name + QStringLiteral(": ") + task.Description + QStringLiteral("\r\n\r\n");
    const QString texts[] = {q.q1, q.q2, q.q3, q.q4, q.q5};
    for (int n = 1; n <= 5; ++n) {
        QString text = texts[n - 1];
        if (text.startsWith(header))
            text.remove(0, header.size());
        auto* row = new QWidget(m_decision);
        row->setObjectName(QStringLiteral("fraQuestion(%1)").arg(n));
        auto* label = makeLabel(row, QStringLiteral("lblQuestion(%1)").arg(n),
                                QStringLiteral("Q%1. ").arg(n) + text);
        auto* yes = new QRadioButton(tr("Yes"), row);
        yes->setObjectName(QStringLiteral("optYes(%1)").arg(n));
        auto* no = new QRadioButton(tr("No"), row);
        no->setObjectName(QStringLiteral("optNo(%1)").arg(n));
        m_answer[n] = new QButtonGroup(row);
        m_answer[n]->addButton(yes, 1);
        m_answer[n]->addButton(no, 0);
        const int before = answerTo(current.Answers, n);
        if (before >= 0)
            (before ? yes : no)->setChecked(true);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 2, 0, 2);
        rowLayout->addWidget(label, 1);
        rowLayout->addWidget(yes, 0, Qt::AlignTop);
        rowLayout->addWidget(no, 0, Qt::AlignTop);
        decisionLayout->addWidget(row);
        m_question[n] = row;
        connect(m_answer[n], &QButtonGroup::idClicked, this, [this] {
            m_decisionTouched = true;
            refresh();
        });
    }
    m_verdict = makeLabel(m_decision, QStringLiteral("lblVerdict"), QString());
    decisionLayout->addWidget(m_verdict);

    // The CCP details, with the questions the CCP details dialog asks.
    m_ccp = new QGroupBox(tr("Critical control point"), body);
    m_ccp->setObjectName(QStringLiteral("fraCcp"));
    auto* ccpLayout = new QVBoxLayout(m_ccp);
    ccpLayout->setSpacing(3);
    const CcpDetails& d = current.Ccp;
    const struct {
        QLineEdit** box;
        const char* name;
        const char* label;
        const QString& value;
    } fields[] = {
        {&m_txtLimits, "txtLimits",
         "What are the limits for the control measures?  (e.g. Rinse for at least 20 min / Dry "
         "for at least 5 days)",
         d.Limits},
        {&m_txtWho, "txtWho", " Who is responsible for monitoring for hazards during this task?",
         d.Who},
        {&m_txtWhat, "txtWhat", " What is monitored during this task?", d.What},
        {&m_txtHow, "txtHow", " How is it monitored?", d.How},
        {&m_txtFreq, "txtFreq", " How often is it monitored?", d.When},
        {&m_txtCorrection, "txtCorrection",
         " What corrective actions can be taken if control limits cannot be reached during this "
         "task?",
         d.Correction},
        {&m_txtSuppDocs, "txtSuppDocs",
         " List any supporting documentation that exists regarding this task and potnetial "
         "hazards.",
         d.SupportDocs},
        {&m_txtVerification, "txtVerification",
         " How and how often does someone check that the monitoring works? (verification)",
         d.Verification},
    };
    for (const auto& f : fields) {
        auto* label =
            makeLabel(m_ccp, QStringLiteral("lbl") + QLatin1String(f.name + 3), ccpText(f.label));
        auto* box = new QLineEdit(f.value, m_ccp);
        box->setObjectName(QLatin1String(f.name));
        removeLengthLimit(box);
        box->setCursorPosition(0);
        label->setBuddy(box);
        ccpLayout->addSpacing(3);
        ccpLayout->addWidget(label);
        ccpLayout->addWidget(box);
        *f.box = box;
    }

    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->addWidget(lblProbable);
    bodyLayout->addLayout(probableRow);
    bodyLayout->addWidget(lblJust);
    bodyLayout->addWidget(m_justification);
    bodyLayout->addWidget(m_lblControl);
    bodyLayout->addWidget(m_control);
    bodyLayout->addSpacing(6);
    bodyLayout->addWidget(m_decision);
    bodyLayout->addWidget(m_ccp);
    bodyLayout->addStretch(1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrBody"));
    // A stop of its own: arrows and Page Down scroll the answers for someone reading them.
    scroll->setAccessibleName(tr("Answers"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &frmPairEdit::accept);
    connect(cancel, &QPushButton::clicked, this, &frmPairEdit::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTask);
    layout->addWidget(lblHazard);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    connect(m_yes, &QRadioButton::toggled, this, &frmPairEdit::refresh);
    connect(m_no, &QRadioButton::toggled, this, &frmPairEdit::refresh);
    refresh();

    // As large as the answers need, never larger than the screen.
    const QSize want(qMax(720, fontMetrics().averageCharWidth() * 110),
                     body->sizeHint().height() + lblTask->sizeHint().height() * 3 +
                         m_ok->sizeHint().height() + 60);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() * 0.92 : want;
    resize(want.boundedTo(room));
}

std::optional<HACCP_TaskSpecific_Hazard> frmPairEdit::edit(const HACCP_Task& task,
                                                           const HACCP_TaskSpecific_Hazard& current,
                                                           analysis::Prompts& prompts,
                                                           QWidget* parent) {
    frmPairEdit dialog(task, current, prompts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answers();
}

bool frmPairEdit::probable() const {
    return m_yes->isChecked();
}

DecisionPath frmPairEdit::path() const {
    DecisionPath path;
    for (int at = 1; at != 0; at = nextQuestion(path)) {
        const int answer = m_answer[at]->checkedId();
        if (answer < 0)
            break;
        path.append({qint8(at), answer == 1});
    }
    return path;
}

// An unrecorded decision may stay unrecorded; once answering has begun, or a pair has just
// become probable, the answers must reach a verdict.
bool frmPairEdit::decisionComplete() const {
    const DecisionPath p = path();
    if (p.isEmpty() && !m_decisionTouched && m_original.Probable == Yes)
        return true;
    return verdictOf(p) != Verdict::Unanswered;
}

bool frmPairEdit::isCcp() const {
    if (!probable())
        return false;
    const DecisionPath p = path();
    if (p.isEmpty() && !m_decisionTouched)
        return m_original.IsCCP;
    return verdictOf(p) == Verdict::Ccp;
}

void frmPairEdit::refresh() {
    const bool yes = probable();
    m_lblControl->setEnabled(yes);
    m_control->setEnabled(yes);
    m_decision->setVisible(yes);

    const DecisionPath p = path();
    const int next = nextQuestion(p);
    for (int n = 1; n <= 5; ++n)
        m_question[n]->setVisible(answerTo(p, n) >= 0 || n == next || (p.isEmpty() && n == 1));
    QString verdict;
    if (p.isEmpty() && !m_decisionTouched && m_original.Probable == Yes)
        verdict = tr("The answers to these questions were not recorded.");
    else
        switch (verdictOf(p)) {
        case Verdict::Ccp:
            verdict = tr("This is a critical control point.");
            break;
        case Verdict::NotCcp:
            verdict = tr("This is not a critical control point.");
            break;
        case Verdict::NoControlMeasures:
            verdict = tr("There are no control measures for this hazard: the activity must "
                         "change to prevent it or reduce it to an acceptable level.");
            break;
        case Verdict::Unanswered:
            verdict = tr("Answer the question shown to reach a decision.");
            break;
        }
    m_verdict->setText(verdict);
    m_ccp->setVisible(isCcp());
    m_ok->setEnabled((m_yes->isChecked() || m_no->isChecked()) && (!yes || decisionComplete()));
}

HACCP_TaskSpecific_Hazard frmPairEdit::answers() const {
    HACCP_TaskSpecific_Hazard r = m_original;
    // OK on the answers shown is the user's confirmation of an example answer.
    r.Unreviewed = false;
    if (m_yes->isChecked() || m_no->isChecked())
        r.Probable = probable() ? Yes : No;
    r.Justification = edited(m_justification, m_original.Justification);
    r.ControlMeasures = edited(m_control, m_original.ControlMeasures);
    if (!probable()) {
        r.Answers.clear();
    } else if (m_decisionTouched) {
        r.Answers = path();
    }
    r.IsCCP = isCcp();
    if (!r.IsCCP) {
        r.Ccp = {};
        r.CcpRecordMissing = false;
        return r;
    }
    CcpDetails& d = r.Ccp;
    d.Limits = edited(m_txtLimits, d.Limits);
    d.Who = edited(m_txtWho, d.Who);
    d.What = edited(m_txtWhat, d.What);
    d.How = edited(m_txtHow, d.How);
    d.When = edited(m_txtFreq, d.When);
    d.Correction = edited(m_txtCorrection, d.Correction);
    d.SupportDocs = edited(m_txtSuppDocs, d.SupportDocs);
    d.Verification = edited(m_txtVerification, d.Verification);
    // Details given here are a record again.
    if (d != m_original.Ccp || !m_original.IsCCP)
        r.CcpRecordMissing = false;
    return r;
}

void frmPairEdit::accept() {
    if (m_original.IsCCP && !isCcp() &&
        m_prompts.message(tr("This pair will no longer be a critical control point: its limits, "
                             "monitoring and corrective action will be removed."),
                          windowTitle(), analysis::Prompts::Icon::Warning,
                          analysis::Prompts::Buttons::YesNo) != analysis::Prompts::AnswerYes)
        return;
    QDialog::accept();
}

} // namespace orvella::analysisdialogs
