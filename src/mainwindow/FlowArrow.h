#pragma once
#include <QWidget>

namespace orvella::mainwindow {

// A grey arrow pointing down, drawn between two boxes of the step-3 flow diagram.
class FlowArrow : public QWidget {
    Q_OBJECT
public:
    explicit FlowArrow(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvella::mainwindow
