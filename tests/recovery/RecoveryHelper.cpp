// Orvella's start-up with a scripted user, for the crash-recovery test.
//   edit FACILITY [PLAN]  opens PLAN if given, types FACILITY into step 1, keeps the recovery
//                         copy, prints "kept", then waits to be killed
//   start ANSWER          answers the recovery offer with ANSWER (yes or no), prints what
//                         was asked and what the window shows, then closes without saving
#include "ScriptedPrompts.h"
#include "gui/ModalAnswerer.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/RecoveryKeeper.h"
#include "mainwindow/Startup.h"
#include "mainwindow/frmSplash.h"
#include "platform/SystemWordProcessor.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

using namespace orvella;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    const QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    if (args.isEmpty())
        return 2;

    model::ProgramState state;
    ScriptedPrompts prompts;
    if (args.value(0) == QLatin1String("start"))
        prompts.answers.enqueue(args.value(1) == QLatin1String("yes")
                                    ? analysis::Prompts::AnswerYes
                                    : analysis::Prompts::AnswerNo);
    platform::SystemWordProcessor wordProcessor;
    testsupport::answerNextModal<mainwindow::frmSplash>([](mainwindow::frmSplash* splash) {
        splash->findChild<QPushButton*>(QStringLiteral("cmdContinue"))->click();
    });
    auto started = mainwindow::startUp(wordProcessor, prompts, state);
    if (!started.mainWindow) {
        out << "no word processor\n";
        return 3;
    }
    mainwindow::frmMain& window = *started.mainWindow;
    auto* facility = window.findChild<QLineEdit*>(QStringLiteral("txtFacility"));

    if (args.value(0) == QLatin1String("edit")) {
        if (args.size() > 2)
            window.fileCommands().openFile(args.value(2));
        facility->setText(args.value(1));
        started.recovery->keepNow();
        out << "kept " << started.recovery->copyPath() << Qt::endl;
        return app.exec();
    }

    for (const auto& asked : prompts.asked)
        out << "asked " << asked.text << '\n';
    out << "facility " << facility->text() << '\n';
    out << "file " << state.CurrentFileName << '\n';
    window.fileCommands().saveAs(); // the dialog is cancelled: only what it proposed counts
    out << "proposed " << prompts.fileRequests.value(0).initialPath << '\n';
    prompts.asked.clear();
    prompts.answers.enqueue(1); // Don't Save
    window.close();
    for (const auto& asked : prompts.asked)
        out << "asked " << asked.text << '\n';
    out << "closed " << (window.isVisible() ? "no" : "yes") << Qt::endl;
    return 0;
}
