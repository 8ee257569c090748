#pragma once
#include "analysis/Prompts.h"
#include "mainwindow/MainWindowActions.h"
#include "model/ProgramState.h"
#include <QObject>
#include <QString>

class QWidget;

namespace orvella::mainwindow {

class frmMain;

// The File menu, the toolbar's Save and Open buttons and the closing of the main window:
// start from scratch, save, open, leave.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(frmMain& mainWindow, model::ProgramState& state, analysis::Prompts& prompts);

    // Connects the File menu, the toolbar's Save and Open buttons and the main window's close.
    void attach(const MainWindowActions& actions);

    // New and Close: ask, then start from scratch on Yes.
    void newPlan();
    void closePlan();
    // New from Starter Plan: offers to save changes, then opens the chosen starter plan in the
    // interface language as a new plan that has never been saved.
    void newFromStarter();
    void openStarter(const QString& name);

    // Save, Save As and the Save button: asks for the file every time and writes the plan
    // there. Answers true when the plan was written; Cancel writes nothing.
    bool saveAs();

    // Open and the Open button: offers to save changes, then reads the chosen file.
    void open();
    // Reads the file and, only when it is a plan file, replaces the plan and the pages with
    // it (what Open does once a file was chosen).
    void openFile(const QString& path);
    // Puts a plan kept by the crash recovery in place as an unsaved plan: the save question
    // comes on close, and Save proposes `originalPath` (empty for a plan never saved).
    // False, with nothing changed, when the bytes are not a plan.
    bool openRecovered(const QByteArray& bytes, const QString& originalPath);

    // Whether the plan, or any box of the step pages, differs from what was last opened or
    // saved (or from the empty plan).
    bool hasUnsavedChanges() const;
    // When there are unsaved changes, asks whether to save them first: Save (runs the
    // save), Don't Save, Cancel. False when the user cancelled (here or in the save).
    bool askToSaveChanges();

    // Exit: lets go of the working document and closes the main window.
    void exit();

    // Runs on every close of the main window: closes the program's other windows and, unless
    // the plan document was made, discards the working document. Never refuses the close.
    void closingSequence();

    // The folder a first save proposes: the program's own when the user may write there,
    // otherwise the user's documents folder.
    static QString defaultFolder(const QString& programFolder);

    // The program's folder; tests point it elsewhere.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    static QString defaultFileName() { return QStringLiteral("HACCP_plan.xml"); }

signals:
    // What the window shows is what was last opened or saved, or the user let the changes
    // go: a copy kept for a crash is of no use any more.
    void changesSettled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startFromScratch();
    void discardWorkingDocument();
    QByteArray fingerprint() const;
    // What the window shows now counts as saved (after open, save, start from scratch).
    void settle();

    frmMain& m_window;
    model::ProgramState& m_state;
    analysis::Prompts& m_prompts;
    QString m_programFolder;
    // The file dialogs share one file name, as the classic common dialog did.
    QString m_dialogFileName;
    bool m_closing = false;
    bool m_closeConfirmed = false;
    // Of the plan and the pages as last opened or saved; empty for a recovered plan, which
    // is unsaved until it is saved.
    QByteArray m_savedFingerprint;
};

} // namespace orvella::mainwindow
