#include "mainwindow/EditCommands.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace orvella::mainwindow {

namespace {

template <typename Editor> void edit(Editor* editor, EditCommands::Command command) {
    // A box the user may not change still lets its text be copied, and nothing else.
    if (editor->isReadOnly() && command != EditCommands::Command::Copy)
        return;
    switch (command) {
    case EditCommands::Command::Undo:
        editor->undo();
        break;
    case EditCommands::Command::Cut:
        editor->cut();
        break;
    case EditCommands::Command::Copy:
        editor->copy();
        break;
    case EditCommands::Command::Paste:
        editor->paste();
        break;
    }
}

} // namespace

EditCommands::EditCommands(QWidget& mainWindow) : QObject(&mainWindow), m_window(mainWindow) {
    setObjectName(QStringLiteral("EditCommands"));
}

void EditCommands::attach(const MainWindowActions& actions) {
    const struct {
        QAction* menu;
        QAction* button;
        Command command;
    } items[] = {{actions.editUndo, actions.undoButton, Command::Undo},
                 {actions.editCut, actions.cutButton, Command::Cut},
                 {actions.editCopy, actions.copyButton, Command::Copy},
                 {actions.editPaste, actions.pasteButton, Command::Paste}};
    for (const auto& item : items) {
        for (QAction* action : {item.menu, item.button}) {
            if (action) {
                const Command command = item.command;
                connect(action, &QAction::triggered, this, [this, command] { run(command); });
            }
        }
    }
}

bool EditCommands::run(Command command) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != &m_window)
        return false;
    return apply(focus, command);
}

bool EditCommands::apply(QWidget* target, Command command) {
    if (auto* combo = qobject_cast<QComboBox*>(target))
        target = combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        edit(line, command);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        edit(plain, command);
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(target)) {
        edit(rich, command);
        return true;
    }
    return false;
}

} // namespace orvella::mainwindow
