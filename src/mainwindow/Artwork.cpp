#include "mainwindow/Artwork.h"
#include "mainwindow/Contrast.h"
#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace orvella::mainwindow::Artwork {

namespace {
const QColor Leaf(0x2e, 0x7d, 0x32);
const QColor LeafLight(0x66, 0xbb, 0x6a);
const QColor Water(0x1e, 0x6f, 0xa8);
const QColor Ink(0x33, 0x3b, 0x44);

QPixmap canvas(int w, int h, qreal dpr) {
    QPixmap pixmap(QSize(w, h) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawLeaf(QPainter& p, const QRectF& r) {
    QPainterPath leaf;
    leaf.moveTo(r.left() + r.width() * 0.15, r.bottom() - r.height() * 0.1);
    leaf.cubicTo(r.left(), r.top() + r.height() * 0.3, r.left() + r.width() * 0.45, r.top(),
                 r.right(), r.top());
    leaf.cubicTo(r.right(), r.top() + r.height() * 0.6, r.left() + r.width() * 0.6, r.bottom(),
                 r.left() + r.width() * 0.15, r.bottom() - r.height() * 0.1);
    QLinearGradient g(r.topRight(), r.bottomLeft());
    g.setColorAt(0, LeafLight);
    g.setColorAt(1, Leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(255, 255, 255, 180), qMax(1.0, r.width() / 24)));
    p.drawLine(QPointF(r.left() + r.width() * 0.18, r.bottom() - r.height() * 0.14),
               QPointF(r.right() - r.width() * 0.12, r.top() + r.height() * 0.12));
}

void drawWaves(QPainter& p, const QRectF& r, int count) {
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        QPainterPath wave;
        const qreal y = r.top() + r.height() * (i + 0.5) / count;
        const qreal amp = r.height() / (count * 4.0);
        wave.moveTo(r.left(), y);
        const int humps = 4;
        const qreal step = r.width() / humps;
        for (int k = 0; k < humps; ++k)
            wave.quadTo(r.left() + step * (k + 0.5), y + ((k % 2) ? amp : -amp),
                        r.left() + step * (k + 1), y);
        p.setPen(QPen(Water.lighter(100 + 25 * i), qMax(1.0, r.height() / 10)));
        p.drawPath(wave);
    }
}

QPixmap drawnIcon(const QString& name, int s) {
    QPixmap pm = canvas(s, s, 1.0);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = s / 16.0;
    // Strokes that stand out from a dark toolbar too (3:1, as graphics need).
    const QColor ink = readableOn(Ink, QGuiApplication::palette().color(QPalette::Window), 3.0);
    QPen pen(ink, 1.2 * u);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    if (name == QLatin1String("undo")) {
        QPainterPath path;
        path.moveTo(13 * u, 12 * u);
        path.cubicTo(13 * u, 6 * u, 8 * u, 4.5 * u, 4 * u, 7 * u);
        p.drawPath(path);
        p.setBrush(ink);
        QPolygonF head;
        head << QPointF(2 * u, 8.5 * u) << QPointF(6.5 * u, 3.5 * u) << QPointF(6 * u, 9 * u);
        p.drawPolygon(head);
    } else if (name == QLatin1String("cut")) {
        p.drawLine(QPointF(4 * u, 2 * u), QPointF(10 * u, 11 * u));
        p.drawLine(QPointF(12 * u, 2 * u), QPointF(6 * u, 11 * u));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(4.5 * u, 12.5 * u), 2.2 * u, 2.2 * u);
        p.drawEllipse(QPointF(11.5 * u, 12.5 * u), 2.2 * u, 2.2 * u);
    } else if (name == QLatin1String("copy")) {
        p.setBrush(QColor(0xe8, 0xee, 0xf4));
        p.drawRect(QRectF(2 * u, 2 * u, 8 * u, 10 * u));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6 * u, 5 * u, 8 * u, 10 * u));
        p.drawLine(QPointF(8 * u, 8 * u), QPointF(12 * u, 8 * u));
        p.drawLine(QPointF(8 * u, 11 * u), QPointF(12 * u, 11 * u));
    } else if (name == QLatin1String("paste")) {
        p.setBrush(QColor(0xc8, 0xa0, 0x6e));
        p.drawRoundedRect(QRectF(2.5 * u, 3 * u, 11 * u, 12 * u), u, u);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5 * u, 6 * u, 6 * u, 7.5 * u));
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(5.5 * u, 1.5 * u, 5 * u, 3 * u), u / 2, u / 2);
    } else if (name == QLatin1String("save")) {
        p.setBrush(Water);
        p.drawRoundedRect(QRectF(2 * u, 2 * u, 12 * u, 12 * u), u, u);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5 * u, 2 * u, 7 * u, 4.5 * u));
        p.drawRect(QRectF(4 * u, 9 * u, 8 * u, 5 * u));
    } else if (name == QLatin1String("open")) {
        p.setBrush(QColor(0xf2, 0xc1, 0x4e));
        QPolygonF folder;
        folder << QPointF(1.5 * u, 4 * u) << QPointF(6 * u, 4 * u) << QPointF(7.5 * u, 5.5 * u)
               << QPointF(14.5 * u, 5.5 * u) << QPointF(14.5 * u, 13.5 * u)
               << QPointF(1.5 * u, 13.5 * u);
        p.drawPolygon(folder);
    }
    return pm;
}
} // namespace

QPixmap emblem(int size, qreal dpr) {
    QPixmap pm = canvas(size, size, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size, size);
    p.setPen(QPen(Leaf, qMax(1.0, size / 32.0)));
    p.setBrush(QColor(0xf1, 0xf8, 0xe9));
    p.drawEllipse(r.adjusted(size * 0.03, size * 0.03, -size * 0.03, -size * 0.03));
    drawLeaf(p, QRectF(size * 0.22, size * 0.14, size * 0.56, size * 0.5));
    drawWaves(p, QRectF(size * 0.2, size * 0.64, size * 0.6, size * 0.2), 2);
    return pm;
}

QPixmap landscape(int width, int height, qreal dpr) {
    QPixmap pm = canvas(width, height, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(0xd6, 0xea, 0xf8));
    sky.setColorAt(1, QColor(0xf4, 0xf9, 0xf1));
    p.fillRect(QRectF(0, 0, width, height), sky);
    // Hills.
    QPainterPath hills;
    hills.moveTo(0, height * 0.62);
    hills.cubicTo(width * 0.25, height * 0.38, width * 0.45, height * 0.7, width * 0.7,
                  height * 0.5);
    hills.cubicTo(width * 0.85, height * 0.4, width * 0.95, height * 0.52, width, height * 0.5);
    hills.lineTo(width, height);
    hills.lineTo(0, height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9c, 0xcc, 0x65));
    p.drawPath(hills);
    // A lake.
    p.setBrush(QColor(0x81, 0xb9, 0xe0));
    p.drawEllipse(QRectF(width * 0.08, height * 0.72, width * 0.5, height * 0.22));
    drawWaves(p, QRectF(width * 0.16, height * 0.76, width * 0.34, height * 0.14), 2);
    const qreal leaf = qMin(width * 0.3, height * 0.3);
    drawLeaf(p, QRectF(width * 0.62, height * 0.1, leaf, leaf * 0.9));
    return pm;
}

QIcon toolIcon(const QString& name) {
    static const struct {
        const char* key;
        const char* theme;
    } themed[] = {{"save", "document-save"}, {"open", "document-open"}, {"undo", "edit-undo"},
                  {"cut", "edit-cut"},       {"copy", "edit-copy"},     {"paste", "edit-paste"}};
    for (const auto& entry : themed) {
        if (name != QLatin1String(entry.key))
            continue;
        const QIcon fromTheme = QIcon::fromTheme(QLatin1String(entry.theme));
        if (!fromTheme.isNull())
            return fromTheme;
    }
    QIcon icon;
    for (int s : {16, 24, 32, 48})
        icon.addPixmap(drawnIcon(name, s));
    return icon;
}

QIcon stepCompleteIcon() {
    QIcon icon;
    for (int size : {12, 16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QPen pen(QColor(0x2e, 0x8b, 0x3e), size / 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        const QPointF tick[] = {
            {size * 0.18, size * 0.55}, {size * 0.42, size * 0.78}, {size * 0.84, size * 0.24}};
        p.drawPolyline(tick, 3);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace orvella::mainwindow::Artwork
