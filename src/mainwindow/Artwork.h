#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace orvella::mainwindow {

// Pictures the program draws itself, so it looks the same with or without an icon theme.
namespace Artwork {

// The program's emblem (a leaf over water) as a square picture of the given logical size.
QPixmap emblem(int size, qreal devicePixelRatio = 1.0);

// A wide landscape picture for the splash screen.
QPixmap landscape(int width, int height, qreal devicePixelRatio = 1.0);

// A toolbar icon: the desktop theme's icon when there is one, else Orvella's own drawing.
// Names: "save", "open", "undo", "cut", "copy", "paste".
QIcon toolIcon(const QString& name);

// The mark of a step tab whose step has everything the plan document needs: a green tick.
QIcon stepCompleteIcon();

} // namespace Artwork

} // namespace orvella::mainwindow
