#pragma once
#include <QSize>

class QBoxLayout;
class QWidget;

namespace orvella::analysisdialogs {

// Windows laid out for a normal font that must still fit a small screen, or a 1366x768 one
// with the desktop's text at one and a half times the size: what does not fit scrolls.
namespace ScreenFit {

// The room a window has on its screen below its title bar and frame.
QSize room(const QWidget* window);

// When the window would be taller than its screen, moves everything of `layout` but its last
// `keepLast` items (the buttons) into a scroll area at the top of it, and fits the window to
// the screen. Answers whether it did.
bool scrollIfTooTall(QWidget* window, QBoxLayout* layout, int keepLast);

} // namespace ScreenFit

} // namespace orvella::analysisdialogs
