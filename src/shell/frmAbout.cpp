#include "shell/frmAbout.h"
#include "shell/HelpGuide.h"
#include "shell/SystemInfo.h"
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::shell {

std::function<void(QWidget*)>& frmAbout::stringTableHook() {
    static std::function<void(QWidget*)> hook;
    return hook;
}

QString frmAbout::versionText() {
    // ORVELLA_VERSION is the project's major.minor.revision.
    return QStringLiteral("Version ") + QStringLiteral(ORVELLA_VERSION);
}

frmAbout::frmAbout(model::Prompts& prompts, const SystemInfo& systemInfo, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_systemInfo(systemInfo) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Orvella"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setPixmap(
        QPixmap(programIconPath()).scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* title = new QLabel(QStringLiteral("Orvella"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* version = new QLabel(QStringLiteral("Version"), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* description = new QLabel(
        QStringLiteral("Orvella leads you, step by step, through a HACCP plan for a field "
                       "activity that could carry unwanted species from one place to another: "
                       "you describe the activity, list its potential hazards and its tasks, "
                       "answer the hazard analysis, and receive the finished plan as a word "
                       "processor document of five forms and a checklist."),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);

    auto* line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    auto* disclaimer = new QLabel(
        QStringLiteral("Warning: Orvella helps you write a plan; it does not replace the "
                       "judgement of the people who know the site and its species. Have every "
                       "plan reviewed before the field work begins."),
        this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);

    auto* contact = new QLabel(
        QStringLiteral("Questions and suggestions: the Orvella team, orvella@example.org"), this);
    contact->setObjectName(QStringLiteral("lblContact"));
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, [this] { m_systemInfo.start(m_prompts); });

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(description);
    text->addStretch();

    auto* head = new QHBoxLayout;
    head->addWidget(picture, 0, Qt::AlignTop);
    head->addSpacing(12);
    head->addLayout(text, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();

    auto* foot = new QHBoxLayout;
    auto* footText = new QVBoxLayout;
    footText->addWidget(disclaimer);
    footText->addWidget(contact);
    foot->addLayout(footText, 1);
    foot->addSpacing(12);
    foot->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(6);
    layout->addWidget(line1);
    layout->addLayout(foot);
    setFixedWidth(560);

    // Load: the string table first, then the version, as the start-up screen does.
    if (auto& hook = stringTableHook())
        hook(this);
    version->setText(versionText());
}

} // namespace orvella::shell
