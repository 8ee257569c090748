#pragma once

class QWidget;

namespace orvella::mainwindow {

// Puts the Spanish captions on the step pages of the main window (run once, before the
// window is shown, when Spanish was chosen). Menus, tooltips, page captions, the banner and
// the status messages stay English.
void ApplySpanishCaptions(QWidget* window);

} // namespace orvella::mainwindow
