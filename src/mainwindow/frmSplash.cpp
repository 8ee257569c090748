#include "mainwindow/frmSplash.h"
#include "mainwindow/Artwork.h"
#include "mainwindow/StringTable.h"
#include "model/Language.h"
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ORVELLA_VERSION
#define ORVELLA_VERSION "0.0.0"
#endif

namespace orvella::mainwindow {

namespace {
QLabel* tagged(QWidget* parent, const char* name, int id, bool wrap = true) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setProperty(TagProperty, QString::number(id));
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

QString frmSplash::versionText() {
    // The numbers come from the build (the project version), not from a resource file.
    return QStringLiteral("Version ") + QLatin1String(ORVELLA_VERSION);
}

frmSplash::frmSplash(model::ProgramState& state, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("frmSplash"));
    setProperty(TagProperty, QStringLiteral("1030"));
    setWindowTitle(QStringLiteral("Orvella"));
    setWindowIcon(QIcon(Artwork::emblem(64)));
    setModal(true);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);

    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setAccessibleName(tr("Orvella logo"));
    const int pictureWidth = fontMetrics().averageCharWidth() * 26;
    picture->setPixmap(Artwork::landscape(pictureWidth, pictureWidth * 5 / 4, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* product = tagged(frame, "lblProductName", 1030, false);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    product->setFont(big);
    auto* subtitle = tagged(frame, "lblProduct", 1031);
    QFont emphasised = subtitle->font();
    emphasised.setItalic(true);
    subtitle->setFont(emphasised);
    auto* version = new QLabel(QStringLiteral("Version"), frame);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* credits = tagged(frame, "lblCompany", 1035);
    auto* basis = tagged(frame, "lblWarning", 1036);
    auto* copyright = tagged(frame, "lblCopyright", 1042);
    auto* choose = tagged(frame, "lblChoose", 1039, false);

    m_status = new QLabel(QStringLiteral("Loading..."), frame);
    m_status->setObjectName(QStringLiteral("Label1"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_word = new QLabel(QStringLiteral("MS Word Status:"), frame);
    m_word->setObjectName(QStringLiteral("lblWord"));
    m_word->setTextFormat(Qt::PlainText);

    auto* english = new QPushButton(QStringLiteral("Begin  (English)"), frame);
    english->setObjectName(QStringLiteral("cmdContinue"));
    english->setDefault(true);
    english->setAutoDefault(true);
    auto* spanish = new QPushButton(QStringLiteral("Comenzar  (Español)"), frame);
    spanish->setObjectName(QStringLiteral("Command1"));
    spanish->setAutoDefault(true);
    connect(english, &QPushButton::clicked, this, &QDialog::accept);
    connect(spanish, &QPushButton::clicked, this, [this] {
        m_state.UseSpanish = true;
        model::useSpanishCatalogue(true);
        accept();
    });

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(product);
    text->addWidget(subtitle);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(credits);
    text->addWidget(basis);
    text->addWidget(copyright);
    text->addStretch(1);
    text->addWidget(m_word);
    text->addWidget(m_status);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choose, 1);
    buttons->addWidget(english);
    buttons->addWidget(spanish);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(16, 16, 16, 12);
    inner->addLayout(top, 1);
    inner->addSpacing(8);
    inner->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(frame);

    ApplyStringTable(this);
    version->setText(versionText());
    setMinimumWidth(fontMetrics().averageCharWidth() * 88);
}

} // namespace orvella::mainwindow
