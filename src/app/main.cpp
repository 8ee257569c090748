#include "model/ProgramState.h"
#include "platform/SystemWordProcessor.h"
#include "analysisdialogs/QtPrompts.h"
#include "mainwindow/Startup.h"
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELLA_VERSION));

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
    return app.exec();
}
