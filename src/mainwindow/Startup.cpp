#include "mainwindow/Startup.h"
#include "mainwindow/RecoveryKeeper.h"
#include "mainwindow/SpanishCaptions.h"
#include "mainwindow/frmSplash.h"
#include "model/HazardTypes.h"
#include "model/Language.h"
#include <QApplication>
#include <QLabel>

namespace orvella::mainwindow {

namespace {
// The hourglass for the duration of the checks; put back on every way out.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { release(); }
    void release() {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_active = true;
};

const QString ReadyText = QStringLiteral(
    "Click \"Begin\" to start planning! (¡Haga clic en \"Comenzar\" para comenzar a planear!)");
} // namespace

StartupResult startUp(platform::WordProcessor& wordProcessor, analysis::Prompts& prompts,
                      model::ProgramState& state, const QString& recoveryFolder) {
    state.InputsChanged = false;
    state.UseSpanish = false;
    model::useSpanishCatalogue(false);
    state.DocumentCreated = false;

    BusyCursor busy;
    auto splash = std::make_unique<frmSplash>(state);
    splash->statusLine()->setText(QStringLiteral("Initializing Orvella"));

    const QString application = wordProcessor.defaultApplication();
    if (application.isEmpty()) {
        // English in practice: the language is chosen only later, on the splash.
        state.LastAnswer = prompts.message(
            QCoreApplication::translate("Startup", "This program requires Microsoft Word."),
            QCoreApplication::translate("Startup", "MS Word Not Found"),
            analysis::Prompts::Icon::Critical);
        splash->wordStatus()->setText(QStringLiteral("Microsoft Word Status: Not Present."));
        prompts.message(QCoreApplication::translate(
                            "Startup", "Microsoft Word is required but was not Found.\r\n"
                                       "The program cannot continue and will now terminate."),
                        QCoreApplication::translate("Startup", "Word Undetected"),
                        analysis::Prompts::Icon::Critical);
        return {};
    }
    splash->wordStatus()->setText(QStringLiteral("Microsoft Word Status: Installed."));

    // Nothing is attached to here: the word processor only opens the finished document, so
    // resolving it is all there is to do before the splash.
    splash->statusLine()->setText(QStringLiteral("Loading Microsoft Word..."));
    StartupResult result;
    result.workingDocument = std::make_shared<WorkingDocument>();
    result.workingDocument->wordProcessor = &wordProcessor;
    splash->statusLine()->setText(ReadyText);
    busy.release();

    splash->exec(); // either button, or the close box (English)
    state.SelectedHazardIndex = -1;
    splash.reset();

    result.mainWindow = std::make_unique<frmMain>(state, prompts);
    result.mainWindow->setWorkingDocument(result.workingDocument);
    if (state.UseSpanish)
        ApplySpanishCaptions(result.mainWindow.get());
    result.mainWindow->show();
    state.plan().AnalysisStatus = model::Incomplete;

    // Asked in the chosen language, over the window the plan would open in.
    result.recovery = new RecoveryKeeper(*result.mainWindow, prompts,
                                         recoveryFolder.isEmpty() ? RecoveryKeeper::defaultFolder()
                                                                  : recoveryFolder,
                                         QCoreApplication::applicationPid());
    result.recovery->offerRecovery();
    return result;
}

} // namespace orvella::mainwindow
