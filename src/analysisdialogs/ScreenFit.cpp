#include "analysisdialogs/ScreenFit.h"
#include <QBoxLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace orvella::analysisdialogs::ScreenFit {

namespace {
// Room for the title bar and frame the window manager adds.
constexpr int FrameAllowance = 40;
} // namespace

QSize room(const QWidget* window) {
    const QScreen* s = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return s->availableGeometry().size() - QSize(0, FrameAllowance);
}

bool scrollIfTooTall(QWidget* window, QBoxLayout* layout, int keepLast) {
    const QSize space = room(window);
    const QSize wanted = window->sizeHint();
    if (wanted.height() <= space.height())
        return false;
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("scrollBody"));
    auto* inner = new QVBoxLayout(body);
    inner->setContentsMargins(0, 0, 0, 0);
    for (int i = layout->count() - keepLast; i > 0; --i) {
        const int stretch = layout->stretch(0);
        QLayoutItem* item = layout->takeAt(0);
        if (QWidget* w = item->widget()) {
            inner->addWidget(w, stretch, item->alignment());
            delete item;
        } else if (QLayout* l = item->layout()) {
            inner->addLayout(l, stretch);
        } else {
            inner->addItem(item);
            inner->setStretch(inner->count() - 1, stretch);
        }
    }
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("scrFit"));
    scroll->setWidget(body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes to the controls inside and scrolls them into view; the frame is no stop.
    scroll->setFocusPolicy(Qt::NoFocus);
    layout->insertWidget(0, scroll, 1);
    const int bar = scroll->verticalScrollBar()->sizeHint().width();
    window->resize(std::min(wanted.width() + bar, space.width()), space.height());
    return true;
}

} // namespace orvella::analysisdialogs::ScreenFit
