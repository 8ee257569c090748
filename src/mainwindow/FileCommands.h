#pragma once
#include "mainwindow/MainWindowActions.h"
#include "model/ProgramState.h"
#include "analysis/Prompts.h"
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

    // Save, Save As and the Save button: asks for the file every time and writes the plan
    // there. Answers true when the plan was written; Cancel writes nothing.
    bool saveAs();

    // Open and the Open button: reads the chosen file and, only when it is a plan file,
    // replaces the plan and the pages with it.
    void open();

    // What Open does once the file is chosen (also for a plan named on the command line).
    void openFile(const QString& path);

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startFromScratch();
    void discardWorkingDocument();

    frmMain& m_window;
    model::ProgramState& m_state;
    analysis::Prompts& m_prompts;
    QString m_programFolder;
    // The file dialogs share one file name, as the classic common dialog did.
    QString m_dialogFileName;
    bool m_closing = false;
};

} // namespace orvella::mainwindow
