#include "analysisdialogs/frmCCP.h"
#include "analysisdialogs/EntryBoxes.h"
#include "analysisdialogs/EscapeGuard.h"
#include "analysisdialogs/ScreenFit.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::analysisdialogs {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    removeLengthLimit(edit);
    return edit;
}

} // namespace

frmCCP::frmCCP(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCCP"));
    setWindowTitle(QStringLiteral("Critical Control Point"));
    setModal(true);
    EscapeGuard::install(this);

    m_lblName = makeLabel(this, QStringLiteral("lblName"), QStringLiteral("Task Name"), true);
    m_lblDesc = makeLabel(this, QStringLiteral("lblDesc"), QStringLiteral("Description"));
    auto* label1 =
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Identified Hazards:"), true);
    m_lblHazards = makeLabel(this, QStringLiteral("lblHazards"), QStringLiteral("Hazards go here"));
    auto* lblControl =
        makeLabel(this, QStringLiteral("lblControl"), QStringLiteral("Control Measures:"), true);
    m_lblCM = makeLabel(this, QStringLiteral("lblCM"), QStringLiteral("None"));
    auto* lblCCP = makeLabel(this, QStringLiteral("lblCCP"), tr("CCP:"), true);
    for (QLabel* l : {label1, lblControl, lblCCP})
        l->setWordWrap(false);

    auto* label2 = makeLabel(
        this, QStringLiteral("Label2"),
        QStringLiteral("What are the limits for the control measures?  (e.g. Rinse for at least "
                       "20 min / Dry for at least 5 days)"));
    m_txtLimits = makeEdit(this, QStringLiteral("txtLimits"));

    auto* frame = new QGroupBox(QStringLiteral("Monitoring"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* label3 = makeLabel(
        frame, QStringLiteral("Label3"),
        QStringLiteral(" Who is responsible for monitoring for hazards during this task?"));
    m_txtWho = makeEdit(frame, QStringLiteral("txtWho"));
    auto* label4 = makeLabel(frame, QStringLiteral("Label4"),
                             QStringLiteral(" What is monitored during this task?"));
    m_txtWhat = makeEdit(frame, QStringLiteral("txtWhat"));
    auto* label5 =
        makeLabel(frame, QStringLiteral("Label5"), QStringLiteral(" How is it monitored?"));
    m_txtHow = makeEdit(frame, QStringLiteral("txtHow"));
    auto* label6 =
        makeLabel(frame, QStringLiteral("Label6"), QStringLiteral(" How often is it monitored?"));
    m_txtFreq = makeEdit(frame, QStringLiteral("txtFreq"));
    auto* monitoring = new QVBoxLayout(frame);
    monitoring->setSpacing(3);
    for (auto [l, e] : {std::pair<QLabel*, QLineEdit*>{label3, m_txtWho},
                        {label4, m_txtWhat},
                        {label5, m_txtHow},
                        {label6, m_txtFreq}}) {
        l->setBuddy(e);
        if (l != label3)
            monitoring->addSpacing(4);
        monitoring->addWidget(l);
        monitoring->addWidget(e);
    }

    auto* label7 = makeLabel(
        this, QStringLiteral("Label7"),
        QStringLiteral(" What corrective actions can be taken if control limits cannot be "
                       "reached during this task?"));
    m_txtCorrection = makeEdit(this, QStringLiteral("txtCorrection"));
    auto* label8 = makeLabel(
        this, QStringLiteral("Label8"),
        QStringLiteral(" List any supporting documentation that exists regarding this task and "
                       "potnetial hazards."));
    m_txtSuppDocs = makeEdit(this, QStringLiteral("txtSuppDocs"));
    auto* label9 = makeLabel(
        this, QStringLiteral("Label9"),
        QStringLiteral(
            " How and how often does someone check that the monitoring works? (verification)"));
    m_txtVerification = makeEdit(this, QStringLiteral("txtVerification"));
    label9->setBuddy(m_txtVerification);
    label2->setBuddy(m_txtLimits);
    label7->setBuddy(m_txtCorrection);
    label8->setBuddy(m_txtSuppDocs);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    m_back = new QPushButton(QStringLiteral("Back"), this);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    m_back->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_goBack = false;
        accept();
    });
    connect(m_back, &QPushButton::clicked, this, &frmCCP::reject);

    // What the CCP is about, as a small two-column summary.
    auto* summary = new QGridLayout;
    summary->setColumnStretch(1, 1);
    summary->addWidget(m_lblName, 0, 0, 1, 2);
    summary->addWidget(m_lblDesc, 1, 0, 1, 2);
    summary->addWidget(label1, 2, 0, Qt::AlignTop);
    summary->addWidget(m_lblHazards, 2, 1);
    summary->addWidget(lblControl, 3, 0, Qt::AlignTop);
    summary->addWidget(m_lblCM, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(summary);
    layout->addSpacing(8);
    layout->addWidget(lblCCP);
    layout->addWidget(label2);
    layout->addWidget(m_txtLimits);
    layout->addWidget(frame);
    layout->addWidget(label7);
    layout->addWidget(m_txtCorrection);
    layout->addWidget(label8);
    layout->addWidget(m_txtSuppDocs);
    layout->addWidget(label9);
    layout->addWidget(m_txtVerification);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    setMinimumWidth(660);
    // Large text on a small screen: the fields scroll, OK and Back stay in sight.
    ScreenFit::scrollIfTooTall(this, layout, 2);
}

QLabel* frmCCP::label(const char* name) const {
    return findChild<QLabel*>(QLatin1String(name));
}

void frmCCP::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void frmCCP::setTask(const QString& name, const QString& description) {
    m_lblName->setText(name);
    m_lblDesc->setText(description);
}

void frmCCP::setHazard(const QString& text) {
    m_lblHazards->setText(text);
}

void frmCCP::setControlMeasures(const QString& text) {
    m_lblCM->setText(text);
}

// The constructor shows these captions untranslated; only the analysis of a Spanish run asks
// for them translated.
void frmCCP::setSpanishCaptions() {
    label("Label1")->setText(tr("Identified Hazards:"));
    label("Label2")->setText(tr("What are the limits for the control measures?  (e.g. Rinse for "
                                "at least 20 min / Dry for at least 5 days)"));
    label("Label3")->setText(
        tr(" Who is responsible for monitoring for hazards during this task?"));
    label("Label4")->setText(tr(" What is monitored during this task?"));
    label("Label5")->setText(tr(" How is it monitored?"));
    label("Label6")->setText(tr(" How often is it monitored?"));
    label("Label7")->setText(tr(" What corrective actions can be taken if control limits cannot "
                                "be reached during this task?"));
    label("Label8")->setText(tr(" List any supporting documentation that exists regarding this "
                                "task and potnetial hazards."));
    label("Label9")->setText(
        tr(" How and how often does someone check that the monitoring works? (verification)"));
    m_back->setText(tr("Back"));
}

void frmCCP::clearFields() {
    for (QLineEdit* e : {m_txtLimits, m_txtWho, m_txtWhat, m_txtHow, m_txtFreq, m_txtCorrection,
                         m_txtSuppDocs, m_txtVerification})
        e->clear();
}

void frmCCP::setFields(const analysis::CcpFields& f) {
    m_txtLimits->setText(f.Limits);
    m_txtWho->setText(f.Who);
    m_txtWhat->setText(f.What);
    m_txtHow->setText(f.How);
    m_txtFreq->setText(f.Frequency);
    m_txtCorrection->setText(f.Correction);
    m_txtSuppDocs->setText(f.SupportDocs);
    m_txtVerification->setText(f.Verification);
}

void frmCCP::showModal() {
    m_txtLimits->setFocus();
    exec();
}

analysis::CcpFields frmCCP::fields() const {
    return {m_txtLimits->text(),   m_txtWho->text(),         m_txtWhat->text(),
            m_txtHow->text(),      m_txtFreq->text(),        m_txtCorrection->text(),
            m_txtSuppDocs->text(), m_txtVerification->text()};
}

void frmCCP::reject() {
    m_goBack = true;
    QDialog::reject();
}

} // namespace orvella::analysisdialogs
