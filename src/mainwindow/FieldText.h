#pragma once
#include <QString>

class QWidget;

namespace orvella::mainwindow {

// Removes space characters (and only those) from both ends; tabs and line breaks stay.
QString trimSpaces(const QString& text);

// The text of an entry box of the step pages, one-line or multi-line alike, with line breaks
// as CR LF, the form in which the plan stores them. Empty text for anything else.
QString fieldText(const QWidget* box);

// Puts text (CR LF or LF line breaks) into an entry box; false when the widget is none.
bool setFieldText(QWidget* box, const QString& text);

} // namespace orvella::mainwindow
