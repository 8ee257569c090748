#pragma once
#include "mainwindow/MainWindowActions.h"
#include <QObject>

class QWidget;

namespace orvella::mainwindow {

// Undo, Cut, Copy and Paste of the Edit menu and the toolbar: they act on the entry box that
// has the keyboard focus in the main window, as its own editing keys would. With the focus on
// anything else (a list, a button) they do nothing. The program keeps no undo history of its
// own: Undo is the box's.
class EditCommands : public QObject {
    Q_OBJECT
public:
    enum class Command { Undo, Cut, Copy, Paste };

    explicit EditCommands(QWidget& mainWindow);

    // Connects the Edit menu and the toolbar's Undo, Cut, Copy and Paste buttons.
    void attach(const MainWindowActions& actions);

    // Runs the command on the focused entry box of the main window; false when there is none.
    bool run(Command command);

    // Runs the command on one widget; false when it is not an entry box.
    static bool apply(QWidget* target, Command command);

private:
    QWidget& m_window;
};

} // namespace orvella::mainwindow
