#include "mainwindow/Contrast.h"
#include <algorithm>
#include <cmath>

namespace orvella::mainwindow {

namespace {
double luminance(const QColor& c) {
    auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background, double ratio) {
    // Towards white on a background darker than mid-grey, towards black otherwise; both ends
    // reach 4.5:1 against any background.
    const bool dark = contrastRatio(background, Qt::black) < contrastRatio(background, Qt::white);
    const QColor hsl = wanted.toHsl();
    float h = 0, s = 0, l = 0;
    hsl.getHslF(&h, &s, &l);
    QColor c = wanted;
    for (int i = 0; i < 40 && contrastRatio(c, background) < ratio; ++i) {
        l = std::clamp(l + (dark ? 0.025f : -0.025f), 0.0f, 1.0f);
        c = QColor::fromHslF(h, s, l);
    }
    return c;
}

} // namespace orvella::mainwindow
