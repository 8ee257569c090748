#pragma once
#include "analysis/Prompts.h"
#include "model/ProgramState.h"
#include <QObject>

namespace orvella::mainwindow {

class FileCommands;
class frmMain;

// "Create HACCP Plan as an MS Word Document" on step 5: takes the title, saves the plan,
// writes the plan document beside the plan file and hands it to the word processor, then
// ends the program. When the plan is not saved, or the document cannot be written or
// opened, the command stops, says so, and the program keeps running with the plan as it was.
class DocumentCommand : public QObject {
    Q_OBJECT
public:
    DocumentCommand(frmMain& mainWindow, FileCommands& files, model::ProgramState& state,
                    analysis::Prompts& prompts);

    // Answers true when the document was opened and the main window closed.
    bool run();

private:
    void status(const QString& text);
    // Stops the command: shows `message` unless it is empty; the status says the document
    // was not created unless `statusText` says otherwise.
    bool fail(const QString& message, const QString& statusText = {});
    // Beside the saved plan; asks before an existing document is replaced.
    QString documentPath();

    frmMain& m_window;
    FileCommands& m_files;
    model::ProgramState& m_state;
    analysis::Prompts& m_prompts;
};

} // namespace orvella::mainwindow
