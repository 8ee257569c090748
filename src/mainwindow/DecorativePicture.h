#pragma once
#include <QWidget>

namespace orvella::mainwindow {

// The emblem that each of the last two pages carries; purely decorative, so screen readers
// and the keyboard pass it by.
class DecorativePicture : public QWidget {
    Q_OBJECT
public:
    DecorativePicture(int sizeInTwips, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_twips;
};

} // namespace orvella::mainwindow
