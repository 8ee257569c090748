#pragma once

class QAction;

namespace orvella::mainwindow {

// The main window's menu items and toolbar buttons, for the commands to connect to.
struct MainWindowActions {
    QAction* fileNew = nullptr;
    QAction* fileNewFromStarter = nullptr;
    QAction* fileOpen = nullptr;
    QAction* fileClose = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* fileExit = nullptr;
    QAction* editUndo = nullptr;
    QAction* editCut = nullptr;
    QAction* editCopy = nullptr;
    QAction* editPaste = nullptr;
    QAction* helpContents = nullptr;
    QAction* helpSearch = nullptr;
    QAction* helpAbout = nullptr;
    QAction* saveButton = nullptr;
    QAction* openButton = nullptr;
    QAction* undoButton = nullptr;
    QAction* cutButton = nullptr;
    QAction* copyButton = nullptr;
    QAction* pasteButton = nullptr;
};

} // namespace orvella::mainwindow
