#pragma once
#include <QString>
#include <optional>

class QWidget;

namespace orvella::mainwindow {

// English texts of the menus, the step status messages and the splash and about boxes,
// keyed by number. The table is English only: what it supplies stays English in Spanish.
std::optional<QString> lookupString(int id);

// The dynamic property in which a control names the id of its caption (an empty, "0" or
// non-numeric tag leaves the caption alone).
inline constexpr char TagProperty[] = "tag";

// Fills the numbered captions of a window when it loads: the window title from the window's
// tag, menus from the ids they carry as their text, labels from their tag, tabs and toolbar
// buttons from their tooltips, other controls from the number their tag or tooltip begins
// with. Anything that cannot be looked up keeps its design text; nothing is reported.
void ApplyStringTable(QWidget* window);

} // namespace orvella::mainwindow
