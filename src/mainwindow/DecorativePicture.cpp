#include "mainwindow/DecorativePicture.h"
#include "mainwindow/Artwork.h"
#include "mainwindow/ScreenTwips.h"
#include <QPainter>

namespace orvella::mainwindow {

DecorativePicture::DecorativePicture(int sizeInTwips, QWidget* parent)
    : QWidget(parent), m_twips(sizeInTwips) {
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize DecorativePicture::sizeHint() const {
    const int side = pixelsFromTwips(this, m_twips);
    return {side, side};
}

void DecorativePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int side = qMin(width(), height());
    p.drawPixmap((width() - side) / 2, (height() - side) / 2,
                 Artwork::emblem(side, devicePixelRatioF()));
}

} // namespace orvella::mainwindow
