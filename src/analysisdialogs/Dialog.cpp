#include "analysisdialogs/Dialog.h"
#include "analysisdialogs/EscapeGuard.h"
#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace orvella::analysisdialogs {

namespace {
constexpr int TwipsPerPixel = 15;
constexpr int Width = 7200 / TwipsPerPixel;
constexpr int ButtonsAboveBottom = 1000 / TwipsPerPixel;
// Room for the title bar and frame the window manager adds around the dialog.
constexpr int FrameAllowance = 40;

// Up and Down move the focus through the list of boxes, as in a list; Space ticks.
class ArrowKeys : public QObject {
public:
    ArrowKeys(const QList<QCheckBox*>& boxes, QObject* parent) : QObject(parent), m_boxes(boxes) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        const qsizetype at = m_boxes.indexOf(static_cast<QCheckBox*>(watched));
        const qsizetype to = at + (key == Qt::Key_Up ? -1 : 1);
        if (at >= 0 && to >= 0 && to < m_boxes.size())
            m_boxes.at(to)->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    const QList<QCheckBox*>& m_boxes;
};
} // namespace

Dialog::Dialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Potential Hazards"));
    setModal(true);
    EscapeGuard::install(this);

    m_label1 = new QLabel(
        tr("Select any hazards that may potentially be transported during this task."), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);

    m_lblTask = new QLabel(tr("Task"), this);
    m_lblTask->setObjectName(QStringLiteral("lblTask"));
    QFont bold = m_lblTask->font();
    bold.setBold(true);
    m_lblTask->setFont(bold);

    m_txtTask = new QLabel(QStringLiteral("Task description"), this);
    m_txtTask->setObjectName(QStringLiteral("txtTask"));
    m_txtTask->setWordWrap(true);

    auto* list = new QWidget;
    list->setObjectName(QStringLiteral("hazardList"));
    m_boxLayout = new QVBoxLayout(list);
    m_boxLayout->setContentsMargins(4, 2, 4, 2);
    m_boxLayout->setSpacing(0);
    m_boxLayout->addStretch(1);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(list);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setMinimumHeight(3 * 20);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the boxes are the stops
    m_arrows = new ArrowKeys(m_boxes, this);
    // The keyboard's box stays in sight while arrows or Tab walk a long list.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_scroll->widget()->isAncestorOf(now))
            m_scroll->ensureWidgetVisible(now);
    });
    addBox(0, tr("None"));

    m_ok = new QPushButton(tr("Continue"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    m_back = new QPushButton(tr("Back"), this);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_goBack = false;
        accept();
    });
    connect(m_back, &QPushButton::clicked, this, &Dialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_ok);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addSpacing(6);
    layout->addWidget(m_lblTask);
    layout->addWidget(m_txtTask);
    layout->addSpacing(6);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);
    // The buttons' tops sit 1000 twips above the lower edge.
    const int below = std::max(8, ButtonsAboveBottom - m_ok->sizeHint().height());
    QMargins margins = layout->contentsMargins();
    margins.setBottom(below);
    layout->setContentsMargins(margins);

    setMinimumWidth(Width);
    resize(Width, heightFor(0));
}

QCheckBox* Dialog::addBox(int index, const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QStringLiteral("chkHaz(%1)").arg(index));
    // 300 twips a row, or more where a larger font needs it.
    box->setFixedHeight(std::max(300 / TwipsPerPixel, box->sizeHint().height()));
    box->installEventFilter(m_arrows);
    box->setToolTip(index > 0 ? caption : QString());
    m_boxLayout->insertWidget(m_boxLayout->count() - 1, box);
    connect(box, &QCheckBox::clicked, this, [this, index] { boxClicked(index); });
    m_boxes.append(box);
    return box;
}

int Dialog::heightFor(int n) const {
    const int wanted = (n * 300 + 4000) / TwipsPerPixel;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return wanted;
    return std::min(wanted, s->availableGeometry().height() - FrameAllowance);
}

int Dialog::widthFor() const {
    // Wide enough for the longest hazard name, up to most of the screen; beyond that the
    // list scrolls sideways.
    int widest = 0;
    for (const QCheckBox* box : m_boxes)
        widest = std::max(widest, box->sizeHint().width());
    const int chrome = 2 * 12 + 8 + m_scroll->verticalScrollBar()->sizeHint().width();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const int limit = s ? s->availableGeometry().width() * 3 / 4 : 900;
    return std::clamp(widest + chrome, Width, std::max(Width, limit));
}

void Dialog::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void Dialog::setTask(const QString& name, const QString& description) {
    m_lblTask->setText(name);
    m_txtTask->setText(description);
}

void Dialog::setHazards(const QStringList& entities, const QList<bool>& ticked) {
    removeHazards();
    for (int i = 1; i <= entities.size(); ++i)
        addBox(i, entities.at(i - 1))->setChecked(ticked.value(i - 1));
    resize(widthFor(), heightFor(int(entities.size())));
}

void Dialog::setNoneTicked(bool ticked) {
    m_boxes.first()->setChecked(ticked);
}

void Dialog::setBackVisible(bool visible) {
    m_back->setVisible(visible);
}

void Dialog::showModal() {
    m_scroll->ensureVisible(0, 0);
    m_ok->setFocus();
    exec();
}

bool Dialog::isTicked(int index) const {
    return index >= 0 && index < m_boxes.size() && m_boxes.at(index)->isChecked();
}

void Dialog::removeHazards() {
    while (m_boxes.size() > 1)
        delete m_boxes.takeLast();
}

void Dialog::reject() {
    m_goBack = true;
    QDialog::reject();
}

void Dialog::boxClicked(int index) {
    QCheckBox* none = m_boxes.first();
    if (index > 0)
        none->setChecked(false);
    if (none->isChecked()) {
        for (int i = 1; i < m_boxes.size(); ++i)
            m_boxes.at(i)->setChecked(false);
        none->setChecked(true);
    }
    m_changed = true;
}

} // namespace orvella::analysisdialogs
