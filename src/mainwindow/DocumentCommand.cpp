#include "mainwindow/DocumentCommand.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/PlanFormPage.h"
#include "mainwindow/WorkingDocument.h"
#include "mainwindow/frmMain.h"
#include "plandocument/PlanDocx.h"
#include "planfile/PlanApproval.h"
#include "platform/WordProcessor.h"
#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace orvella::mainwindow {

DocumentCommand::DocumentCommand(frmMain& mainWindow, FileCommands& files,
                                 model::ProgramState& state, analysis::Prompts& prompts)
    : QObject(&mainWindow), m_window(mainWindow), m_files(files), m_state(state),
      m_prompts(prompts) {
    setObjectName(QStringLiteral("DocumentCommand"));
}

void DocumentCommand::status(const QString& text) {
    m_window.setStatusMessage(text);
}

bool DocumentCommand::fail(const QString& message, const QString& statusText) {
    QApplication::restoreOverrideCursor();
    // The working document was not handed over after all: closing still discards it.
    m_state.DocumentCreated = false;
    status(statusText.isEmpty() ? QStringLiteral("The plan document was not created.")
                                : statusText);
    if (!message.isEmpty())
        m_prompts.message(message, {}, analysis::Prompts::Icon::Critical);
    return false;
}

QString DocumentCommand::documentPath() {
    const QString beside =
        plandocument::documentPathBeside(m_state.CurrentFileName, m_state.plan().Title);
    if (!QFileInfo::exists(beside))
        return beside;
    const int answer = m_prompts.choose(
        QStringLiteral("%1 already exists.\r\nReplace it with the new plan document, or keep "
                       "both?")
            .arg(QDir::toNativeSeparators(beside)),
        QString(), {QStringLiteral("Replace"), QStringLiteral("Keep both")}, 1);
    return answer == 0 ? beside : plandocument::keepBothPath(beside);
}

bool DocumentCommand::run() {
    model::HACCP_Plan& plan = m_state.plan();
    m_window.planFormPage().store(plan);

    status(QStringLiteral("Creating Microsoft Word Document..."));
    status(QStringLiteral("Testing file name"));
    status(QStringLiteral("Changing file name"));
    status(QStringLiteral("Telling Windows to keep Word Open"));
    m_state.DocumentCreated = true;
    status(QStringLiteral("Transferring data..."));

    // The document goes beside the plan file, so the plan must be saved first: cancelling
    // the save (or a save that failed and said why) stops here with the plan as it was.
    if (!m_files.saveAs())
        return fail({});

    auto working = m_window.workingDocument();
    platform::WordProcessor* wordProcessor = working ? working->wordProcessor : nullptr;
    if (!wordProcessor)
        return fail(QStringLiteral("The plan document cannot be opened: no word processor was "
                                   "found when Orvella started."));

    const QString path = documentPath();
    status(QStringLiteral("Writing %1").arg(QDir::toNativeSeparators(path)));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    plandocument::DocumentExtras extras;
    extras.recordSheets = m_window.planFormPage().recordSheets();
    extras.draft = planfile::approvalState(plan) != planfile::ApprovalState::Approved;
    if (!plandocument::writePlanDocx(plan, m_state.UseSpanish, m_state.clock(), path, &error,
                                     extras))
        return fail(QStringLiteral("The plan document could not be written.\r\n%1").arg(error));
    if (!wordProcessor->open(path))
        return fail(QStringLiteral("The plan document was written to\r\n%1\r\nbut the word "
                                   "processor could not be started to open it. Open the file "
                                   "from there yourself.")
                        .arg(QDir::toNativeSeparators(path)),
                    QStringLiteral("The plan document is %1").arg(QDir::toNativeSeparators(path)));
    QApplication::restoreOverrideCursor();

    // The document now belongs to the word processor; the program's work is done.
    status(QStringLiteral("Done"));
    m_window.close();
    return true;
}

} // namespace orvella::mainwindow
