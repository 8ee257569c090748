#include "mainwindow/FlowArrow.h"
#include "mainwindow/ScreenTwips.h"
#include <QPainter>
#include <QPolygonF>

namespace orvella::mainwindow {

FlowArrow::FlowArrow(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

QSize FlowArrow::sizeHint() const {
    // 300 twips wide; a little flatter than 180 twips so ten rows fit the opening height.
    return {qMax(12, pixelsFromTwips(this, 300)), qMax(10, pixelsFromTwips(this, 150))};
}

void FlowArrow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = height();
    const qreal w = qMin<qreal>(width(), h * 1.6);
    const qreal cx = width() / 2.0;
    const qreal shaft = w / 5.0;
    QPolygonF arrow;
    arrow << QPointF(cx - shaft / 2, 0) << QPointF(cx + shaft / 2, 0)
          << QPointF(cx + shaft / 2, h * 0.45) << QPointF(cx + w / 2, h * 0.45) << QPointF(cx, h)
          << QPointF(cx - w / 2, h * 0.45) << QPointF(cx - shaft / 2, h * 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawPolygon(arrow);
}

} // namespace orvella::mainwindow
