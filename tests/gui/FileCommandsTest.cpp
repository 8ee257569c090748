#include "mainwindow/FileCommands.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "ScriptedPrompts.h"
#include "gui/ModalAnswerer.h"
#include "help/HelpWindow.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/StarterChooser.h"
#include "mainwindow/WorkingDocument.h"
#include "mainwindow/frmMain.h"
#include "model/HazardTypes.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include "planfile/StarterPlans.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using orvella::analysis::Prompts;
using orvella::mainwindow::FileCommands;
using orvella::mainwindow::frmMain;

namespace {

// The buttons of the save question.
constexpr int Save = 0;
constexpr int DontSave = 1;
constexpr int Cancel = 2;

// The real main window with its commands, a scripted user and a folder for files.
class FileCommandsTest : public testing::Test {
protected:
    orvella::model::ProgramState state;
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<frmMain> window;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<frmMain>(state, prompts);
        state.plan().AnalysisStatus = orvella::model::Incomplete;
        commands()->setProgramFolder(dir.path());
    }

    FileCommands* commands() { return window->findChild<FileCommands*>(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    template <typename T = QWidget> T* find(const QString& name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& name) {
        QWidget* w = find(name);
        if (auto* line = qobject_cast<QLineEdit*>(w))
            return line->text();
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
            return plain->toPlainText();
        return QStringLiteral("<not a box>");
    }
    void type(const QString& name, const QString& value) {
        QWidget* w = find(name);
        if (auto* line = qobject_cast<QLineEdit*>(w))
            line->setText(value);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
            plain->setPlainText(value);
    }
    void click(const QString& name) { find<QPushButton>(name)->click(); }
    void trigger(const QString& name) { find<QAction>(name)->trigger(); }
    QStringList rows(const QString& list) {
        QStringList out;
        auto* l = find<QListWidget>(list);
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    QByteArray fileBytes(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString& p, const QByteArray& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Types a small plan into steps 1 to 3 and submits each page.
    void enterPlan() {
        type(QStringLiteral("txtFacility"), QStringLiteral("Corvane Nature Reserve"));
        type(QStringLiteral("txtSite"), QStringLiteral("North marsh"));
        type(QStringLiteral("txtPhone"), QStringLiteral("555 010-2000"));
        type(QStringLiteral("txtDescription"), QStringLiteral("Prescribed burn of the marsh"));
        click(QStringLiteral("cmdNext"));
        const struct {
            const char* name;
            int type;
        } hazards[] = {{"Giant Salvinia", 2}, {"Zebra mussel", 1}, {"Chytrid fungus", 3}};
        for (const auto& h : hazards) {
            find<QRadioButton>(QStringLiteral("optHazType(%1)").arg(h.type))->setChecked(true);
            type(QStringLiteral("txtAddHaz"), QLatin1String(h.name));
            click(QStringLiteral("btnAddHazard"));
        }
        click(QStringLiteral("Command1"));
        type(QStringLiteral("txtTask(1)"), QStringLiteral("Load engines"));
        type(QStringLiteral("txtTask(3)"), QStringLiteral("Ignite and hold"));
        type(QStringLiteral("txtTask(4)"), QStringLiteral("Wash engines"));
        click(QStringLiteral("btnNext3"));
    }
};

} // namespace

TEST_F(FileCommandsTest, SavedPlanOpensBackIntoTheBoxesAfterAClose) {
    enterPlan();
    ASSERT_TRUE(state.InputsChanged);
    prompts.fileNames.enqueue(path(QStringLiteral("marsh.xml")));
    trigger(QStringLiteral("mnuFileSave"));
    ASSERT_TRUE(QFile::exists(path(QStringLiteral("marsh.xml"))));
    EXPECT_EQ(state.CurrentFileName, path(QStringLiteral("marsh.xml")));

    prompts.answers.enqueue(Prompts::AnswerYes);
    trigger(QStringLiteral("mnuFileClose"));
    ASSERT_EQ(text(QStringLiteral("txtFacility")), QString());

    prompts.fileNames.enqueue(path(QStringLiteral("marsh.xml")));
    trigger(QStringLiteral("OpenButton"));
    EXPECT_EQ(text(QStringLiteral("txtFacility")), QStringLiteral("Corvane Nature Reserve"));
    EXPECT_EQ(text(QStringLiteral("txtSite")), QStringLiteral("North marsh"));
    EXPECT_EQ(text(QStringLiteral("txtPhone")), QStringLiteral("555 010-2000"));
    EXPECT_EQ(text(QStringLiteral("txtDescription")),
              QStringLiteral("Prescribed burn of the marsh"));
    EXPECT_EQ(rows(QStringLiteral("lstHazards")),
              (QStringList{"Giant Salvinia", "Zebra mussel", "Chytrid fungus"}));
    EXPECT_EQ(rows(QStringLiteral("lstHazardKinds")),
              (QStringList{"Plant", "Invertebrate", "Other Biologic"}));
    // The tasks come back packed into boxes 1 to 3; the rest stay empty.
    EXPECT_EQ(text(QStringLiteral("txtTask(1)")), QStringLiteral("Load engines"));
    EXPECT_EQ(text(QStringLiteral("txtTask(2)")), QStringLiteral("Ignite and hold"));
    EXPECT_EQ(text(QStringLiteral("txtTask(3)")), QStringLiteral("Wash engines"));
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(text(QStringLiteral("txtTask(%1)").arg(i)), QString()) << i;
    EXPECT_EQ(state.plan().Tasks.count(), 3);
    EXPECT_EQ(state.plan().PotentialHazards.count(), 3);
    EXPECT_EQ(state.plan().Facility, QStringLiteral("Corvane Nature Reserve"));
    EXPECT_FALSE(state.InputsChanged);
    EXPECT_TRUE(prompts.texts().size() == 1) << "only the Close question was asked";
}

TEST_F(FileCommandsTest, SaveProposesTheDefaultNameAndCancelWritesNothing) {
    trigger(QStringLiteral("SaveButton"));
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    const auto& request = prompts.fileRequests.first();
    EXPECT_EQ(request.initialPath, QDir(dir.path()).filePath(QStringLiteral("HACCP_plan.xml")));
    EXPECT_EQ(request.filter, QStringLiteral("Text Files (*.xml)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("xml"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << "cancel wrote a file";
    EXPECT_TRUE(state.CurrentFileName.isEmpty());
    EXPECT_TRUE(prompts.asked.isEmpty());

    // The next dialog starts from the file last chosen.
    prompts.fileNames.enqueue(path(QStringLiteral("a.xml")));
    trigger(QStringLiteral("mnuFileSaveAs"));
    trigger(QStringLiteral("mnuFileSaveAs"));
    EXPECT_EQ(prompts.fileRequests.last().initialPath, path(QStringLiteral("a.xml")));
}

TEST_F(FileCommandsTest, NewFromStarterPlanOpensAnUnsavedExampleThatSavesUnchanged) {
    // A plan was saved before: the starter must not be saved over it unasked.
    prompts.fileNames.enqueue(path(QStringLiteral("marsh.xml")));
    trigger(QStringLiteral("SaveButton"));
    ASSERT_EQ(state.CurrentFileName, path(QStringLiteral("marsh.xml")));

    QStringList listed;
    testsupport::answerNextModal<orvella::mainwindow::StarterChooser>(
        [&](orvella::mainwindow::StarterChooser* chooser) {
            auto* list = chooser->findChild<QListWidget*>(QStringLiteral("lstStarters"));
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
            list->setCurrentRow(3);
            chooser->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
    trigger(QStringLiteral("mnuFileNewFromStarter"));
    ASSERT_EQ(listed.size(), 6);
    EXPECT_EQ(listed[0], QStringLiteral("Launching and retrieving boats and trailers"));
    const QByteArray starter =
        orvella::planfile::starterPlanFile(QStringLiteral("wildland-fire"), false);
    EXPECT_EQ(state.plan().Title,
              QStringLiteral("Wildland and Prescribed Fire Operations HACCP Plan"));
    EXPECT_EQ(text(QStringLiteral("txtFacility")), QString());
    EXPECT_TRUE(state.CurrentFileName.isEmpty());
    EXPECT_TRUE(commands()->hasUnsavedChanges());

    // Save asks for a name, proposing the default one, and writes the starter as it came.
    prompts.fileNames.enqueue(path(QStringLiteral("fire.xml")));
    trigger(QStringLiteral("SaveButton"));
    EXPECT_EQ(prompts.fileRequests.last().initialPath, path(QStringLiteral("HACCP_plan.xml")));
    EXPECT_TRUE(fileBytes(path(QStringLiteral("fire.xml"))) == starter);
    EXPECT_TRUE(fileBytes(path(QStringLiteral("marsh.xml"))) != starter);

    // Cancel in the chooser leaves the plan alone.
    testsupport::answerNextModal<orvella::mainwindow::StarterChooser>(
        [](orvella::mainwindow::StarterChooser* chooser) { chooser->reject(); });
    trigger(QStringLiteral("mnuFileNewFromStarter"));
    EXPECT_EQ(state.CurrentFileName, path(QStringLiteral("fire.xml")));
    EXPECT_FALSE(commands()->hasUnsavedChanges());
}

TEST(FileCommandsFolder, FirstSaveGoesToTheProgramFolderOnlyWhenItIsWritable) {
    QTemporaryDir dir;
    EXPECT_EQ(FileCommands::defaultFolder(dir.path()), QFileInfo(dir.path()).absoluteFilePath());
    const QString elsewhere = FileCommands::defaultFolder(dir.filePath(QStringLiteral("gone")));
    EXPECT_NE(elsewhere, dir.filePath(QStringLiteral("gone")));
    EXPECT_TRUE(QFileInfo(elsewhere).isAbsolute());
}

TEST_F(FileCommandsTest, FailedSaveSaysWhereAndWhyAndKeepsThePlan) {
    enterPlan();
    prompts.fileNames.enqueue(path(QStringLiteral("good.xml")));
    ASSERT_TRUE(commands()->saveAs());
    const QByteArray saved = fileBytes(path(QStringLiteral("good.xml")));
    const QString before = QString::fromLatin1(orvella::planfile::writePlan(state.plan()));
    // A folder that does not exist, and a name that is a folder.
    QDir(dir.path()).mkdir(QStringLiteral("folder.xml"));
    for (const QString& target :
         {path(QStringLiteral("no-such-folder/plan.xml")), path(QStringLiteral("folder.xml"))}) {
        prompts.asked.clear();
        prompts.fileNames.enqueue(target);
        EXPECT_FALSE(commands()->saveAs());
        ASSERT_EQ(prompts.asked.size(), 1);
        EXPECT_TRUE(prompts.asked[0].text.contains(QDir::toNativeSeparators(target)));
        EXPECT_EQ(prompts.asked[0].icon, Prompts::Icon::Critical);
        EXPECT_EQ(state.CurrentFileName, path(QStringLiteral("good.xml")));
    }
    EXPECT_EQ(fileBytes(path(QStringLiteral("good.xml"))), saved);
    EXPECT_EQ(QString::fromLatin1(orvella::planfile::writePlan(state.plan())), before);
    EXPECT_EQ(text(QStringLiteral("txtFacility")), QStringLiteral("Corvane Nature Reserve"));
}

TEST_F(FileCommandsTest, OpenLeavesEverythingAsItWasForAFileThatIsNotAPlanOrCannotBeRead) {
    enterPlan();
    const QString planBefore = QString::fromLatin1(orvella::planfile::writePlan(state.plan()));
    writeFile(path(QStringLiteral("notes.xml")), "<?xml version='1.0'?>\r\n<HACCP>\r\n");
    writeFile(path(QStringLiteral("empty.xml")), "");
    const QString missing = path(QStringLiteral("missing.xml"));
    for (const QString& file :
         {path(QStringLiteral("notes.xml")), path(QStringLiteral("empty.xml")), missing}) {
        prompts.asked.clear();
        prompts.answers.enqueue(DontSave);
        prompts.fileNames.enqueue(file);
        trigger(QStringLiteral("mnuFileOpen"));
        ASSERT_EQ(prompts.asked.size(), 2) << file.toStdString();
        if (file == missing)
            EXPECT_TRUE(prompts.asked[1].text.startsWith(QDir::toNativeSeparators(file)));
        else
            EXPECT_EQ(prompts.asked[1].text, file + QStringLiteral(" is not a HACCP Plan"));
        EXPECT_EQ(QString::fromLatin1(orvella::planfile::writePlan(state.plan())), planBefore);
        EXPECT_EQ(text(QStringLiteral("txtFacility")), QStringLiteral("Corvane Nature Reserve"));
        EXPECT_EQ(text(QStringLiteral("txtTask(3)")), QStringLiteral("Ignite and hold"));
        EXPECT_EQ(rows(QStringLiteral("lstHazardKinds")).size(), 3);
        EXPECT_TRUE(state.InputsChanged);
        EXPECT_TRUE(state.CurrentFileName.isEmpty());
    }
    EXPECT_EQ(prompts.fileRequests.last().title, QStringLiteral("Open"));
}

TEST_F(FileCommandsTest, OpenStartsFromAnEmptyPlanAndShowsTheAnalysisState) {
    // The plan in memory has CCPs, a title and a completed analysis; the file has none.
    state.CurrentPlan = samples::makeTypicalPlan();
    state.plan().AnalysisStatus = QStringLiteral("07/12/2026 10:00:00");
    find<QPushButton>(QStringLiteral("cmdSkip"))->setEnabled(true);
    orvella::model::HACCP_Plan bare;
    bare.Facility = QStringLiteral("Only this");
    bare.AnalysisStatus = orvella::model::Incomplete;
    writeFile(path(QStringLiteral("bare.xml")), orvella::planfile::writePlan(bare));
    prompts.answers.enqueue(DontSave);
    prompts.fileNames.enqueue(path(QStringLiteral("bare.xml")));
    commands()->open();
    EXPECT_EQ(state.plan().CCPs().count(), 0);
    EXPECT_EQ(state.plan().Title, QString());
    EXPECT_EQ(state.plan().Facility, QStringLiteral("Only this"));
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdSkip"))->isEnabled());
    EXPECT_TRUE(find<QLabel>(QStringLiteral("lblStatus"))->isHidden());

    // A completed analysis shows the note (English only) and offers the skip.
    auto analysed = samples::makeTypicalPlan();
    analysed->AnalysisStatus = QStringLiteral("07/12/2026 10:00:00");
    writeFile(path(QStringLiteral("done.xml")), orvella::planfile::writePlan(*analysed));
    for (bool spanish : {false, true}) {
        state.UseSpanish = spanish;
        state.InputsChanged = true;
        prompts.fileNames.enqueue(path(QStringLiteral("done.xml")));
        commands()->open();
        EXPECT_TRUE(find<QPushButton>(QStringLiteral("cmdSkip"))->isEnabled());
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblStatus"))->isHidden(), spanish);
        EXPECT_EQ(state.plan().CCPs().count(), 3);
        EXPECT_FALSE(state.InputsChanged);
        EXPECT_EQ(text(QStringLiteral("txtTitle")), analysed->Title);
        EXPECT_EQ(rows(QStringLiteral("lstHazards")).size(), 8);
    }
    // Hazard keys continue the run's counter.
    EXPECT_EQ(state.plan().PotentialHazards.key(1), QStringLiteral("9"));
}

TEST_F(FileCommandsTest, DamagedHazardIsReportedOnceAfterTheRestIsRead) {
    QByteArray bytes = orvella::planfile::writePlan(*samples::makeTypicalPlan());
    const int first = bytes.indexOf("<HazType>");
    bytes.replace(first, 9, "<Hazzard>");
    writeFile(path(QStringLiteral("damaged.xml")), bytes);
    prompts.fileNames.enqueue(path(QStringLiteral("damaged.xml")));
    commands()->open();
    EXPECT_EQ(
        prompts.texts().count(QStringLiteral("There was an error reading the saved HACCP file.")),
        1);
    EXPECT_EQ(prompts.asked.first().title, QString());
    EXPECT_LT(state.plan().PotentialHazards.count(), 8);
    EXPECT_EQ(state.plan().Tasks.count(), 5);
    EXPECT_EQ(rows(QStringLiteral("lstHazards")).size(), state.plan().PotentialHazards.count());
    EXPECT_EQ(rows(QStringLiteral("lstHazardKinds")).size(), state.plan().PotentialHazards.count());
}

TEST_F(FileCommandsTest, CloseAsksAndOnYesEmptiesTheWholePlanAndEveryPage) {
    enterPlan();
    state.plan().UnattachedCCPs.append({orvella::model::HACCP_CCP{}, 0});
    state.plan().AnalysisStatus = QStringLiteral("07/12/2026 10:00:00");
    find<QLabel>(QStringLiteral("lblStatus"))->show();
    find<QPushButton>(QStringLiteral("cmdSkip"))->setEnabled(true);

    // The save question comes first; the close question follows.
    prompts.answers << DontSave << Prompts::AnswerNo;
    trigger(QStringLiteral("mnuFileClose"));
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].text,
              QStringLiteral("Save changes to the new plan before closing?"));
    prompts.asked.removeFirst();
    EXPECT_EQ(prompts.asked[0].title, QStringLiteral("Close Current File"));
    EXPECT_EQ(prompts.asked[0].text,
              QStringLiteral("You are about to reset all the fields.  \r\nAre you sure you want "
                             "to start from scratch?"));
    EXPECT_EQ(prompts.asked[0].buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(state.LastAnswer, Prompts::AnswerNo);
    EXPECT_EQ(text(QStringLiteral("txtFacility")), QStringLiteral("Corvane Nature Reserve"));
    EXPECT_EQ(state.plan().Tasks.count(), 3);
    EXPECT_EQ(rows(QStringLiteral("lstHazards")).size(), 3);

    // New asks the same question and does the same; no placeholder message any more.
    prompts.answers << DontSave << Prompts::AnswerYes;
    trigger(QStringLiteral("mnuFileNew"));
    ASSERT_EQ(prompts.asked.size(), 3);
    EXPECT_EQ(prompts.asked[2].text, prompts.asked[0].text);
    EXPECT_EQ(state.LastAnswer, Prompts::AnswerYes);
    for (QWidget* box : window->findChildren<QLineEdit*>())
        EXPECT_TRUE(static_cast<QLineEdit*>(box)->text().isEmpty())
            << box->objectName().toStdString();
    EXPECT_EQ(text(QStringLiteral("txtDescription")), QString());
    EXPECT_TRUE(rows(QStringLiteral("lstHazards")).isEmpty());
    EXPECT_TRUE(rows(QStringLiteral("lstHazardKinds")).isEmpty());
    const auto& plan = state.plan();
    EXPECT_EQ(plan.PotentialHazards.count() + plan.Tasks.count() + plan.UnattachedCCPs.size(), 0);
    EXPECT_EQ(plan.Facility + plan.Site + plan.Phone + plan.Description, QString());
    EXPECT_EQ(plan.AnalysisStatus, orvella::model::Incomplete);
    EXPECT_TRUE(find<QLabel>(QStringLiteral("lblStatus"))->isHidden());
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdSkip"))->isEnabled());

    // A hazard added after the reset pairs with its own kind.
    find<QRadioButton>(QStringLiteral("optHazType(0)"))->setChecked(true);
    type(QStringLiteral("txtAddHaz"), QStringLiteral("Feral pig"));
    click(QStringLiteral("btnAddHazard"));
    EXPECT_EQ(rows(QStringLiteral("lstHazardKinds")), QStringList{QStringLiteral("Vertebrate")});
}

TEST_F(FileCommandsTest, ClosingDiscardsTheWorkingDocumentUnlessThePlanDocumentWasMade) {
    for (bool created : {false, true}) {
        auto document = std::make_shared<orvella::mainwindow::WorkingDocument>();
        window->setWorkingDocument(document);
        state.DocumentCreated = created;
        window->show();
        window->findChild<orvella::mainwindow::HelpCommands*>()->showContents();
        QWidget* help = window->findChild<orvella::mainwindow::HelpCommands*>()->window();
        ASSERT_TRUE(help->isVisible());
        EXPECT_TRUE(window->close());
        EXPECT_FALSE(help->isVisible()) << "another window would keep the program running";
        EXPECT_EQ(window->workingDocument() != nullptr, created);
    }
}

TEST_F(FileCommandsTest, ExitLetsGoOfTheDocumentAndClosesTheWindow) {
    auto document = std::make_shared<orvella::mainwindow::WorkingDocument>();
    window->setWorkingDocument(document);
    state.DocumentCreated = true;
    window->show();
    trigger(QStringLiteral("mnuFileExit"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->workingDocument(), nullptr);

    // Without any document the same path runs quietly.
    window->show();
    trigger(QStringLiteral("mnuFileExit"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(FileCommandsTest, AMegabyteValueOpensIsShownAndSavesBackWhole) {
    const QString huge = QString(1 << 20, QChar('m')) + QStringLiteral("end");
    auto plan = samples::makePlan(2, 1, 0);
    plan->Facility = huge;
    plan->Title = huge;
    plan->Tasks.item(1)->Description = huge;
    writeFile(path(QStringLiteral("big.xml")), orvella::planfile::writePlan(*plan));
    prompts.fileNames.enqueue(path(QStringLiteral("big.xml")));
    commands()->open();
    EXPECT_EQ(text(QStringLiteral("txtFacility")), huge);
    EXPECT_EQ(text(QStringLiteral("txtTitle")), huge);
    EXPECT_EQ(text(QStringLiteral("txtTask(1)")), huge);
    click(QStringLiteral("cmdNext"));
    click(QStringLiteral("btnNext3"));
    prompts.fileNames.enqueue(path(QStringLiteral("again.xml")));
    ASSERT_TRUE(commands()->saveAs());
    const auto again = orvella::planfile::readPlan(fileBytes(path(QStringLiteral("again.xml"))));
    EXPECT_EQ(again.plan->Facility, huge);
    EXPECT_EQ(again.plan->Tasks.item(1)->Description, huge);
}

TEST_F(FileCommandsTest, UnsavedWorkIsOfferedForSavingBeforeItIsLeft) {
    window->show();
    // Typing and taking it back again is no change.
    type(QStringLiteral("txtSite"), QStringLiteral("North marsh"));
    type(QStringLiteral("txtSite"), QString());
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.asked.isEmpty());

    // Typed but not submitted counts: the close box asks, and Cancel keeps the window.
    window->show();
    type(QStringLiteral("txtSite"), QStringLiteral("North marsh"));
    prompts.answers.enqueue(Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text,
              QStringLiteral("Save changes to the new plan before closing?"));
    EXPECT_EQ(prompts.asked[0].choices,
              (QStringList{QStringLiteral("Save"), QStringLiteral("Don't Save"),
                           QStringLiteral("Cancel")}));
    EXPECT_TRUE(window->isVisible());

    // Save, then Cancel in the save dialog: still nothing lost, nothing written.
    prompts.answers.enqueue(Save);
    trigger(QStringLiteral("mnuFileExit"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(text(QStringLiteral("txtSite")), QStringLiteral("North marsh"));

    // Save with a name: written, and from then on the file's name is asked about.
    prompts.answers.enqueue(Save);
    prompts.fileNames.enqueue(path(QStringLiteral("marsh.xml")));
    trigger(QStringLiteral("mnuFileOpen")); // its own dialog then cancelled
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("marsh.xml"))));
    click(QStringLiteral("cmdNext"));
    prompts.asked.clear();
    prompts.answers.enqueue(Cancel);
    const auto dialogsBefore = prompts.fileRequests.size();
    trigger(QStringLiteral("OpenButton"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Save changes to marsh.xml before closing?"));
    EXPECT_EQ(prompts.fileRequests.size(), dialogsBefore) << "Cancel must not go on to Open";

    // Don't Save lets the window go without writing.
    prompts.answers.enqueue(DontSave);
    trigger(QStringLiteral("mnuFileExit"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(orvella::planfile::readPlan(fileBytes(path(QStringLiteral("marsh.xml")))).plan->Site,
              QString());
}
