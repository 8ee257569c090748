#include "mainwindow/frmAbout.h"
#include "help/HelpGuide.h"
#include "mainwindow/StringTable.h"
#include "platform/SystemInfo.h"
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::mainwindow {

QString frmAbout::versionText() {
    // ORVELLA_VERSION is the project's major.minor.revision.
    return QStringLiteral("Version ") + QStringLiteral(ORVELLA_VERSION);
}

frmAbout::frmAbout(analysis::Prompts& prompts, const platform::SystemInfo& systemInfo,
                   QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_systemInfo(systemInfo) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Orvella"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setAccessibleName(tr("Orvella logo"));
    picture->setPixmap(QPixmap(help::programIconPath())
                           .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* title = new QLabel(QStringLiteral("Orvella"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* version = new QLabel(QStringLiteral("Version"), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* description = new QLabel(QStringLiteral("App Description"), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setProperty(TagProperty, QStringLiteral("1032"));
    description->setWordWrap(true);

    auto* line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    auto* disclaimer = new QLabel(QStringLiteral("Warning: ..."), this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setProperty(TagProperty, QStringLiteral("1034"));
    disclaimer->setWordWrap(true);

    auto* contact = new QLabel(this);
    contact->setObjectName(QStringLiteral("lblContact"));
    contact->setProperty(TagProperty, QStringLiteral("1038"));
    auto* copyright = new QLabel(this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));
    copyright->setProperty(TagProperty, QStringLiteral("1042"));
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, [this] {
        if (!m_systemInfo.start())
            m_prompts.message(QStringLiteral("System Information Is Unavailable At This Time"));
    });

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
    footText->addWidget(copyright);
    footText->addStretch();
    foot->addLayout(footText, 1);
    foot->addSpacing(12);
    foot->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(12);
    layout->addWidget(line1);
    layout->addLayout(foot);
    setFixedWidth(560);

    // Load: the string table first, then the version, as the start-up screen does.
    ApplyStringTable(this);
    version->setText(versionText());
}

} // namespace orvella::mainwindow
