// Start-up: the word-processor check, the splash and the language choice.
#include "mainwindow/Startup.h"
#include "FakeWordProcessor.h"
#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "SpanishRun.h"
#include "gui/ModalAnswerer.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/frmSplash.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using orvella::analysis::Prompts;
using orvella::mainwindow::frmSplash;

namespace {

struct SplashSeen {
    QString version, word, status, title;
    bool shown = false;
};

// Answers the splash with the given button (or the close box) and notes what it showed.
void answerSplash(SplashSeen& seen, const char* button) {
    testsupport::answerNextModal<frmSplash>([&seen, button](frmSplash* splash) {
        seen.shown = true;
        seen.title = splash->windowTitle();
        seen.version = splash->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        seen.word = splash->findChild<QLabel*>(QStringLiteral("lblWord"))->text();
        seen.status = splash->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        if (button)
            splash->findChild<QPushButton*>(QLatin1String(button))->click();
        else
            splash->close();
    });
}

int visibleTopLevels() {
    int n = 0;
    for (auto* w : QApplication::topLevelWidgets())
        n += w->isVisible() ? 1 : 0;
    return n;
}

QString tabText(QWidget* window, int i) {
    return window->findChild<QTabWidget*>(QStringLiteral("TabStrip"))->tabText(i);
}

} // namespace

TEST(Startup, MissingWordProcessorGivesTwoMessagesAndNoWindow) {
    FakeWordProcessor none{QString()};
    ScriptedPrompts prompts;
    orvella::model::ProgramState state;
    state.UseSpanish = true; // start-up always begins in English
    state.InputsChanged = true;

    auto result = orvella::mainwindow::startUp(none, prompts, state);

    EXPECT_EQ(result.mainWindow, nullptr);
    EXPECT_EQ(visibleTopLevels(), 0);
    EXPECT_FALSE(state.UseSpanish);
    EXPECT_FALSE(state.InputsChanged);
    EXPECT_EQ(state.LastAnswer, Prompts::AnswerOk);
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].text, "This program requires Microsoft Word.");
    EXPECT_EQ(prompts.asked[0].title, "MS Word Not Found");
    EXPECT_EQ(prompts.asked[0].icon, Prompts::Icon::Critical);
    EXPECT_EQ(prompts.asked[0].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.asked[1].text, "Microsoft Word is required but was not Found.\r\n"
                                     "The program cannot continue and will now terminate.");
    EXPECT_EQ(prompts.asked[1].title, "Word Undetected");
    EXPECT_EQ(prompts.asked[1].icon, Prompts::Icon::Critical);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "hourglass left behind";
}

TEST(Startup, EnglishButtonOpensTheMainWindowInEnglish) {
    FakeWordProcessor writer;
    ScriptedPrompts prompts;
    orvella::model::ProgramState state;
    state.SelectedHazardIndex = 4;
    SplashSeen seen;
    answerSplash(seen, "cmdContinue");

    auto result = orvella::mainwindow::startUp(writer, prompts, state);

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.version, "Version 2.0.4");
    EXPECT_EQ(seen.word, "Microsoft Word Status: Installed.");
    EXPECT_EQ(seen.status, "Click \"Begin\" to start planning! "
                           "(¡Haga clic en \"Comenzar\" para comenzar a planear!)");
    EXPECT_EQ(seen.title, "Orvella");
    EXPECT_TRUE(prompts.asked.isEmpty());

    ASSERT_NE(result.mainWindow, nullptr);
    EXPECT_TRUE(result.mainWindow->isVisible());
    EXPECT_EQ(visibleTopLevels(), 1) << "the splash is gone";
    EXPECT_FALSE(state.UseSpanish);
    EXPECT_EQ(state.SelectedHazardIndex, -1);
    EXPECT_EQ(state.plan().AnalysisStatus, "Incomplete");
    EXPECT_EQ(tabText(result.mainWindow.get(), 0), "Step 1");
    ASSERT_NE(result.workingDocument, nullptr);
    EXPECT_NE(result.workingDocument->wordProcessor, nullptr);
    EXPECT_EQ(result.mainWindow->workingDocument(), result.workingDocument);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Startup, SpanishButtonAppliesSpanishCaptionsBeforeShowing) {
    testsupport::SpanishRun english(false); // the button installs the catalogue; this removes it
    FakeWordProcessor writer;
    ScriptedPrompts prompts;
    orvella::model::ProgramState state;
    SplashSeen seen;
    answerSplash(seen, "Command1");

    auto result = orvella::mainwindow::startUp(writer, prompts, state);

    ASSERT_NE(result.mainWindow, nullptr);
    EXPECT_TRUE(state.UseSpanish);
    EXPECT_EQ(QCoreApplication::translate("Analysis", "Wizard Complete"), "Terminado Su Labor");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(tabText(result.mainWindow.get(), i), QStringLiteral("Paso %1").arg(i + 1));
    EXPECT_EQ(result.mainWindow->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), "&File");
}

TEST(Startup, ClosingTheSplashWithoutAButtonContinuesInEnglish) {
    FakeWordProcessor writer;
    ScriptedPrompts prompts;
    orvella::model::ProgramState state;
    SplashSeen seen;
    answerSplash(seen, nullptr);

    auto result = orvella::mainwindow::startUp(writer, prompts, state);

    ASSERT_TRUE(seen.shown);
    ASSERT_NE(result.mainWindow, nullptr);
    EXPECT_FALSE(state.UseSpanish);
    EXPECT_EQ(tabText(result.mainWindow.get(), 0), "Step 1");
}

TEST(Startup, SplashButtonsKeepTheirTwoBlanks) {
    orvella::model::ProgramState state;
    frmSplash splash(state);
    EXPECT_EQ(splash.findChild<QPushButton*>(QStringLiteral("cmdContinue"))->text(),
              "Begin  (English)");
    EXPECT_EQ(splash.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
              "Comenzar  (Español)");
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Version 2.0.4");
    // Credit lines come from the string table, not left as ids or empty.
    for (auto* label : splash.findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) {
            EXPECT_FALSE(label->text().isEmpty() || label->text().startsWith("10"))
                << label->objectName().toStdString();
        }
    }
}

// What main() does with a plan named on the command line: start up as usual, then Open it.
TEST(Startup, APlanGivenAtStartOpensAfterTheLanguageChoiceAsFileOpenWould) {
    testsupport::SpanishRun english(false);
    FakeWordProcessor writer;
    ScriptedPrompts prompts;
    orvella::model::ProgramState state;
    SplashSeen seen;
    answerSplash(seen, "Command1");
    auto result = orvella::mainwindow::startUp(writer, prompts, state);
    ASSERT_NE(result.mainWindow, nullptr);
    auto& files = result.mainWindow->fileCommands();
    const QString plan = QStringLiteral(ORVELLA_SOURCE_DIR "/examples/quema-prescrita.xml");

    files.openFile(plan);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(result.mainWindow->findChild<QLineEdit*>(QStringLiteral("txtFacility"))->text(),
              state.plan().Facility);
    EXPECT_FALSE(state.plan().Facility.isEmpty());
    EXPECT_EQ(state.CurrentFileName, plan);
    EXPECT_FALSE(state.InputsChanged);
    EXPECT_EQ(tabText(result.mainWindow.get(), 0), "Paso 1");

    // Not a plan: the same message as File > Open, and the open plan stays.
    const QString readme = QStringLiteral(ORVELLA_SOURCE_DIR "/README.md");
    files.openFile(readme);
    ASSERT_EQ(prompts.texts(), QStringList{readme + " is not a HACCP Plan"});
    EXPECT_EQ(state.CurrentFileName, plan);
    EXPECT_EQ(state.plan().Tasks.count(), 5);
}
