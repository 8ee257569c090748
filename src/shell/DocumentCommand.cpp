#include "shell/DocumentCommand.h"
#include "document/PlanDocx.h"
#include "platform/WordProcessor.h"
#include "shell/FileCommands.h"
#include "shell/WorkingDocument.h"
#include "steps/frmMain.h"
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace orvella::shell {

DocumentCommand::DocumentCommand(steps::frmMain& mainWindow, model::ProgramState& state,
                                 model::Prompts& prompts)
    : QObject(&mainWindow), m_window(mainWindow), m_state(state), m_prompts(prompts) {
    setObjectName(QStringLiteral("DocumentCommand"));
}

void DocumentCommand::attach() {
    if (auto* done = m_window.findChild<QPushButton*>(QStringLiteral("cmdDone")))
        connect(done, &QPushButton::clicked, this, [this] { run(); });
}

void DocumentCommand::status(const QString& text) {
    m_window.setStatusMessage(text);
}

bool DocumentCommand::fail(const QString& message) {
    QApplication::restoreOverrideCursor();
    // The working document was not handed over after all: closing still discards it.
    m_state.DocumentCreated = false;
    status(QStringLiteral("The plan document was not created."));
    m_prompts.message(message, {}, model::Prompts::Icon::Critical);
    return false;
}

bool DocumentCommand::run() {
    model::HACCP_Plan& plan = m_state.plan();
    // The title is taken exactly as typed.
    if (auto* title = m_window.findChild<QLineEdit*>(QStringLiteral("txtTitle")))
        plan.Title = title->text();

    status(QStringLiteral("Creating Microsoft Word Document..."));
    status(QStringLiteral("Testing file name"));
    status(QStringLiteral("Changing file name"));
    status(QStringLiteral("Telling Windows to keep Word Open"));
    m_state.DocumentCreated = true;
    status(QStringLiteral("Transferring data..."));

    // Whatever the user does with the save dialog, the document is made afterwards.
    if (auto* files = m_window.findChild<FileCommands*>(QStringLiteral("FileCommands")))
        files->saveAs();

    auto working = m_window.workingDocument();
    platform::WordProcessor* wordProcessor = working ? working->wordProcessor : nullptr;
    if (!wordProcessor)
        return fail(QStringLiteral("The plan document cannot be opened: no word processor was "
                                   "found when Orvella started."));

    QApplication::setOverrideCursor(Qt::WaitCursor);
    FileCommands::fillBlanks(m_window);
    QString error;
    const QString path =
        document::writePlanDocxToFreshFolder(plan, m_state.UseSpanish, m_state.clock(), &error);
    if (path.isEmpty())
        return fail(QStringLiteral("The plan document could not be written.\r\n%1").arg(error));
    if (!wordProcessor->open(path))
        return fail(QStringLiteral("The plan document was written to\r\n%1\r\nbut the word "
                                   "processor could not be started to open it. Open the file "
                                   "from there yourself.")
                        .arg(QDir::toNativeSeparators(path)));
    QApplication::restoreOverrideCursor();

    // The document now belongs to the word processor; the program's work is done.
    status(QStringLiteral("Done"));
    m_window.close();
    return true;
}

} // namespace orvella::shell
