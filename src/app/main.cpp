#include "analysisdialogs/QtPrompts.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/Startup.h"
#include "model/ProgramState.h"
#include "platform/SystemWordProcessor.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <string_view>

namespace {

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Leads you through a HACCP plan for field work and writes the plan document."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PLAN"),
                                 QStringLiteral("A plan file to open once the language is chosen."),
                                 QStringLiteral("[PLAN]"));
}

// --help and --version answer on the terminal, where there may be no display to connect to.
bool asksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Orvella"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVELLA_VERSION));
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication console(argc, argv);
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(console); // prints and exits
        return 0;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvella.Orvella"));
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("orvella: give at most one plan file\n", stderr);
        return 1;
    }

    orvella::model::ProgramState state;
    orvella::analysisdialogs::QtPrompts prompts;
    orvella::platform::SystemWordProcessor wordProcessor;
    wordProcessor.onRegistryWarning = [&prompts](const QString& message) {
        prompts.message(message, {}, orvella::analysis::Prompts::Icon::Critical);
    };

    auto started = orvella::mainwindow::startUp(wordProcessor, prompts, state);
    if (!started.mainWindow)
        return 0;
    prompts.setParentWidget(started.mainWindow.get());
    // The open dialog hands over absolute paths; a plan named here is opened the same way,
    // after the save question when a recovered plan took the window first.
    auto& fileCommands = started.mainWindow->fileCommands();
    if (!files.isEmpty() && fileCommands.askToSaveChanges())
        fileCommands.openFile(QFileInfo(files.first()).absoluteFilePath());
    return app.exec();
}
