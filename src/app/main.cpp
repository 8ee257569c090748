#include "model/ProgramState.h"
#include "platform/SystemWordProcessor.h"
#include "shell/QtPrompts.h"
#include "shell/Startup.h"
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELLA_VERSION));

    orvella::model::ProgramState state;
    orvella::shell::QtPrompts prompts;
    orvella::platform::SystemWordProcessor wordProcessor;
    wordProcessor.onRegistryWarning = [&prompts](const QString& message) {
        prompts.message(message, {}, orvella::model::Prompts::Icon::Critical);
    };

    auto started = orvella::shell::startUp(wordProcessor, prompts, state);
    if (!started.mainWindow)
        return 0;
    prompts.setParentWidget(started.mainWindow.get());
    return app.exec();
}
