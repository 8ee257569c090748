#include "FakeWordProcessor.h"
#include "MainWindowFixture.h"
#include "SamplePlans.h"
#include "planfile/PlanReader.h"
#include "shell/DocumentCommand.h"
#include "shell/WorkingDocument.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Step 5's "Create HACCP Plan as an MS Word Document" on a main window as start-up leaves it,
// with a fake word processor and the temporary folder moved into the test's own.
class CreateDocumentTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        m_oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", dir.path().toLocal8Bit());
        MainWindowTest::SetUp();
        document = std::make_shared<orvella::shell::WorkingDocument>();
        document->wordProcessor = &wordProcessor;
        window->setWorkingDocument(document);
        state.CurrentPlan = samples::makeTypicalPlan();
    }
    void TearDown() override { qputenv("TMPDIR", m_oldTmp); }

    void createDocument() {
        window->selectStep(5);
        click(QStringLiteral("cmdDone"));
    }

    QTemporaryDir dir;
    FakeWordProcessor wordProcessor;
    std::shared_ptr<orvella::shell::WorkingDocument> document;

private:
    QByteArray m_oldTmp;
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
    EXPECT_EQ(saved.plan->CCPs.count(), 3);

    // The document is a real package, named after the title without the characters a file
    // name cannot hold, in a folder of its own.
    ASSERT_EQ(wordProcessor.opened.size(), 1);
    const QFileInfo doc(wordProcessor.opened.first());
    EXPECT_EQ(doc.fileName(), "Spring Burn Unit 45.docx");
    EXPECT_TRUE(doc.absolutePath().startsWith(dir.path()));
    EXPECT_TRUE(readAll(doc.filePath()).startsWith("PK"));

    EXPECT_TRUE(state.DocumentCreated);
    EXPECT_TRUE(document->open) << "the handed-over document is left to the word processor";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->statusMessage(), "Done");
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(CreateDocumentTest, CancelledSaveWritesNoPlanButStillMakesTheDocument) {
    edit(QStringLiteral("txtTitle"))->clear();
    createDocument(); // the save dialog answers "cancel"

    EXPECT_EQ(state.CurrentFileName, QString());
    ASSERT_EQ(wordProcessor.opened.size(), 1);
    EXPECT_EQ(QFileInfo(wordProcessor.opened.first()).fileName(), "HACCP Plan.docx");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CreateDocumentTest, FailuresAreExplainedAndTheProgramKeepsRunning) {
    // The word processor will not start: the user learns where the document is.
    wordProcessor.openSucceeds = false;
    createDocument();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].icon, orvella::model::Prompts::Icon::Critical);
    ASSERT_EQ(wordProcessor.opened.size(), 1);
    EXPECT_TRUE(prompts.asked[0].text.contains(QDir::toNativeSeparators(wordProcessor.opened[0])));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(state.DocumentCreated) << "closing must still discard the working document";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The document cannot be written at all (the temporary folder is a file).
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile(blocker).open(QIODevice::WriteOnly);
    qputenv("TMPDIR", blocker.toLocal8Bit());
    wordProcessor.openSucceeds = true;
    createDocument();
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_TRUE(prompts.asked[1].text.startsWith("The plan document could not be written."));
    EXPECT_EQ(wordProcessor.opened.size(), 1) << "nothing is opened after a failed write";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state.plan().CCPs.count(), 3);
}

} // namespace
