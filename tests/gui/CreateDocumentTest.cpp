#include "FakeWordProcessor.h"
#include "MainWindowFixture.h"
#include "SamplePlans.h"
#include "mainwindow/DocumentCommand.h"
#include "mainwindow/WorkingDocument.h"
#include "planfile/PlanReader.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Step 5's "Create HACCP Plan as an MS Word Document" on a main window as start-up leaves it,
// with a fake word processor.
class CreateDocumentTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        MainWindowTest::SetUp();
        document = std::make_shared<orvella::mainwindow::WorkingDocument>();
        document->wordProcessor = &wordProcessor;
        window->setWorkingDocument(document);
        state.CurrentPlan = samples::makeTypicalPlan();
    }
    void createDocument() {
        window->selectStep(5);
        click(QStringLiteral("cmdDone"));
    }

    QTemporaryDir dir;
    FakeWordProcessor wordProcessor;
    std::shared_ptr<orvella::mainwindow::WorkingDocument> document;
};

TEST_F(CreateDocumentTest, SavesThePlanWithItsTitleOpensTheDocumentAndEnds) {
    edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("  Spring Burn: Unit 4/5  "));
    const QString planPath = dir.filePath(QStringLiteral("burn.xml"));
    prompts.fileNames.enqueue(planPath);

    createDocument();

    // The title goes into the plan untrimmed and is saved with it.
    EXPECT_EQ(state.plan().Title, "  Spring Burn: Unit 4/5  ");
    const auto saved = orvella::planfile::readPlan(readAll(planPath));
    ASSERT_TRUE(saved.isPlan);
    EXPECT_EQ(saved.plan->Title, "  Spring Burn: Unit 4/5  ");
    EXPECT_EQ(saved.plan->CCPs().count(), 3);

    // The document is a real package beside the plan, named after the title without the
    // characters a file name cannot hold.
    ASSERT_EQ(wordProcessor.opened.size(), 1);
    const QFileInfo doc(wordProcessor.opened.first());
    EXPECT_EQ(doc.absoluteFilePath(), dir.filePath("Spring Burn Unit 45.docx"));
    EXPECT_TRUE(readAll(doc.filePath()).startsWith("PK"));

    EXPECT_TRUE(state.DocumentCreated);
    EXPECT_EQ(window->workingDocument(), document)
        << "the handed-over document is left to the word processor";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->statusMessage(), "Done");
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(CreateDocumentTest, CancelledSaveStopsWithNoDocumentAndThePlanKept) {
    createDocument(); // the save dialog answers "cancel"

    EXPECT_EQ(state.CurrentFileName, QString());
    EXPECT_TRUE(wordProcessor.opened.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state.DocumentCreated);
    EXPECT_EQ(window->statusMessage(), "The plan document was not created.");
    EXPECT_EQ(state.plan().CCPs().count(), 3);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(CreateDocumentTest, AnExistingDocumentIsReplacedOrKeptBeside) {
    edit(QStringLiteral("txtTitle"))->clear();
    const QString existing = dir.filePath(QStringLiteral("HACCP Plan.docx"));
    QFile(existing).open(QIODevice::WriteOnly);

    // Keep both: the new document takes the next free number, the old one is untouched.
    prompts.fileNames.enqueue(dir.filePath(QStringLiteral("plan.xml")));
    prompts.answers.enqueue(1);
    createDocument();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].choices, QStringList({"Replace", "Keep both"}));
    EXPECT_TRUE(prompts.asked[0].text.contains(QDir::toNativeSeparators(existing)));
    ASSERT_EQ(wordProcessor.opened.size(), 1);
    EXPECT_EQ(wordProcessor.opened[0], dir.filePath(QStringLiteral("HACCP Plan (2).docx")));
    EXPECT_EQ(QFileInfo(existing).size(), 0);

    // Replace writes over it.
    window->show();
    prompts.fileNames.enqueue(dir.filePath(QStringLiteral("plan.xml")));
    prompts.answers.enqueue(0);
    createDocument();
    ASSERT_EQ(wordProcessor.opened.size(), 2);
    EXPECT_EQ(wordProcessor.opened[1], existing);
    EXPECT_TRUE(readAll(existing).startsWith("PK"));
}

TEST_F(CreateDocumentTest, FailuresAreExplainedAndTheProgramKeepsRunning) {
    // The word processor will not start: the user learns where the document is.
    wordProcessor.openSucceeds = false;
    prompts.fileNames.enqueue(dir.filePath(QStringLiteral("plan.xml")));
    createDocument();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].icon, orvella::analysis::Prompts::Icon::Critical);
    ASSERT_EQ(wordProcessor.opened.size(), 1);
    EXPECT_TRUE(prompts.asked[0].text.contains(QDir::toNativeSeparators(wordProcessor.opened[0])));
    EXPECT_TRUE(
        window->statusMessage().contains(QDir::toNativeSeparators(wordProcessor.opened[0])));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state.DocumentCreated) << "closing must still discard the working document";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The document cannot be written at all (a folder stands in its place; Replace).
    QDir(dir.path()).mkpath(QStringLiteral("blocked.docx"));
    edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("blocked"));
    wordProcessor.openSucceeds = true;
    prompts.fileNames.enqueue(dir.filePath(QStringLiteral("plan.xml")));
    prompts.answers.enqueue(0);
    createDocument();
    ASSERT_EQ(prompts.asked.size(), 3);
    EXPECT_TRUE(prompts.asked[2].text.startsWith("The plan document could not be written."));
    EXPECT_EQ(wordProcessor.opened.size(), 1) << "nothing is opened after a failed write";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.plan().CCPs().count(), 3);
}

} // namespace
