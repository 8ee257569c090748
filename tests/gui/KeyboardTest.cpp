// Keyboard users and screen readers: buddies, tab order and a step worked without a mouse.
#include "FakeWordProcessor.h"
#include "MainWindowFixture.h"
#include "gui/ModalAnswerer.h"
#include "mainwindow/WorkingDocument.h"
#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>

namespace {
// The focusable controls of a page in the order Tab visits them.
QStringList tabOrder(QWidget* window, QWidget* page) {
    QStringList order;
    QWidget* start = window;
    QWidget* w = start->nextInFocusChain();
    for (int guard = 0; w != start && guard < 1000; ++guard, w = w->nextInFocusChain())
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
            order << w->objectName();
    return order;
}

void pressKey(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}
} // namespace

TEST_F(MainWindowTest, EveryEntryBoxHasABuddyLabel) {
    QSet<QWidget*> buddies;
    for (auto* l : window->findChildren<QLabel*>())
        if (l->buddy())
            buddies.insert(l->buddy());
    QList<QWidget*> boxes;
    for (auto* w : window->findChildren<QLineEdit*>())
        boxes << w;
    boxes << control("txtDescription") << control("lstHazards");
    for (auto* box : boxes)
        EXPECT_TRUE(buddies.contains(box)) << box->objectName().toStdString();
    EXPECT_EQ(boxes.size(), 22);
}

TEST_F(MainWindowTest, TabOrderFollowsEachPagesReadingOrder) {
    auto page = [this](int i) { return control(QStringLiteral("Frame1(%1)").arg(i)); };
    EXPECT_EQ(
        tabOrder(window.get(), page(0)),
        QStringList({"txtFacility", "txtSite", "txtCoordinator", "txtManager", "txtPhone",
                     "txtActivity", "txtAddress1", "txtAddress2", "txtDescription", "cmdNext"}));
    EXPECT_EQ(tabOrder(window.get(), page(1)),
              QStringList({"txtAddHaz", "optHazType(0)", "optHazType(1)", "optHazType(2)",
                           "optHazType(3)", "optHazType(4)", "btnAddHazard", "lstHazards",
                           "btnRemove", "Command1"}));
    QStringList tasks;
    for (int i = 1; i <= 10; ++i)
        tasks << QStringLiteral("txtTask(%1)").arg(i);
    EXPECT_EQ(tabOrder(window.get(), page(2)), tasks + QStringList({"btnNext3"}));
    EXPECT_EQ(tabOrder(window.get(), page(3)), QStringList({"cmdEvalTasks"}))
        << "Skip is disabled at start";
    EXPECT_EQ(tabOrder(window.get(), page(4)),
              QStringList({"txtTitle", "cmdDone", "chkRecordSheets", "cmdApproval", "lstGaps"}));
}

TEST_F(MainWindowTest, StepTwoCanBeWorkedWithTheKeyboardAlone) {
    QApplication::setActiveWindow(window.get());
    window->selectStep(2);
    edit("txtAddHaz")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "Feral hog");
    pressKey(Qt::Key_Tab); // to the type buttons
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "optHazType(0)");
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(control<QRadioButton>("optHazType(0)")->isChecked());
    pressKey(Qt::Key_Down); // arrows move and select within the group
    EXPECT_TRUE(control<QRadioButton>("optHazType(1)")->isChecked());
    pressKey(Qt::Key_Up);
    EXPECT_TRUE(control<QRadioButton>("optHazType(0)")->isChecked());
    while (QApplication::focusWidget()->objectName() != "btnAddHazard")
        pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Space);
    EXPECT_EQ(rows("lstHazards"), QStringList({"Feral hog"}));
    EXPECT_EQ(rows("lstHazardKinds"), QStringList({"Vertebrate"}));

    pressKey(Qt::Key_Tab); // the list
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "lstHazards");
    pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command1");
    pressKey(Qt::Key_Space);
    EXPECT_EQ(state.plan().PotentialHazards.count(), 1);
    EXPECT_EQ(window->currentStep(), 3);
    // The keyboard goes on where the next page starts, not on a hidden button.
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtTask(1)");
    QTest::keyClicks(QApplication::focusWidget(), "Drive to the unit");
    EXPECT_EQ(edit("txtTask(1)")->text(), "Drive to the unit");
}

TEST_F(MainWindowTest, CtrlTabMovesBetweenStepsFromInsideAPage) {
    QApplication::setActiveWindow(window.get());
    edit("txtFacility")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window->currentStep(), 2);
    EXPECT_EQ(window->statusMessage(), "Step 2: Identify any potential hazards.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->currentStep(), 1);
}

namespace {
// Answers every analysis dialog with keys alone, as it comes: ticks the first hazard and
// checks that the arrows move through the boxes, types the answers, and presses Enter for the
// default button (Yes in the decision questions). Counts what it answered.
struct KeyboardAnalyst {
    QStringList answered;

    void arm() {
        testsupport::answerNextModal<QDialog>([this](QDialog* d) {
            QApplication::setActiveWindow(d);
            answer(d);
            if (answered.size() < 20)
                arm();
        });
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static void key(Qt::Key k) { QTest::keyClick(focus(), k); }
    static void tabTo(const QString& name) {
        for (int guard = 0; guard < 80 && focus() && focus()->objectName() != name; ++guard)
            key(Qt::Key_Tab);
        ASSERT_TRUE(focus() && focus()->objectName() == name) << name.toStdString();
    }
    void answer(QDialog* d) {
        answered << d->objectName();
        if (d->objectName() == "Dialog") {
            tabTo("chkHaz(1)");
            key(Qt::Key_Up);
            EXPECT_EQ(focus()->objectName(), "chkHaz(0)") << "Up moves to the box above";
            key(Qt::Key_Down);
            key(Qt::Key_Space);
            EXPECT_TRUE(d->findChild<QAbstractButton*>("chkHaz(1)")->isChecked());
        } else if (d->objectName() == "frmJustification") {
            QTest::keyClicks(focus(), "Seeds ride in the tread");
            key(Qt::Key_Tab);
            QTest::keyClicks(focus(), "Brush the tracks at the gate");
        } else if (d->objectName() == "frmCCP") {
            for (const char* box : {"txtLimits", "txtWho", "txtWhat", "txtHow", "txtFreq",
                                    "txtCorrection", "txtSuppDocs"}) {
                tabTo(box);
                QTest::keyClicks(focus(), QStringLiteral("By keys: ") + box);
            }
        }
        if (d->isVisible())
            key(Qt::Key_Return);
        EXPECT_FALSE(d->isVisible()) << d->objectName().toStdString() << " stays open on Enter";
    }
};
} // namespace

TEST_F(MainWindowTest, APlanFromAnEmptyWindowToTheDocumentWithKeysAlone) {
    QTemporaryDir dir;
    FakeWordProcessor wordProcessor;
    auto document = std::make_shared<orvella::mainwindow::WorkingDocument>();
    document->wordProcessor = &wordProcessor;
    window->setWorkingDocument(document);
    prompts.fileNames.enqueue(dir.filePath("keys.xml"));
    QApplication::setActiveWindow(window.get());
    auto focusName = [] { return QApplication::focusWidget()->objectName(); };
    auto typeAndTab = [&](const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        pressKey(Qt::Key_Tab);
    };

    // The window opens on the step tabs; Tab leads into step 1, whose boxes follow in
    // reading order.
    ASSERT_EQ(focusName(), "qt_tabwidget_tabbar");
    pressKey(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "txtFacility");
    for (const char* text :
         {"Willow Flats NWR", "Units 3-5", "R. Ortiz", "J. Banks", "555-0100", "Spring burn",
          "1 Refuge Rd", "Marsh, OR", "Burn units 3 to 5 in April"})
        typeAndTab(QString::fromLatin1(text));
    ASSERT_EQ(focusName(), "cmdNext");
    pressKey(Qt::Key_Space);
    ASSERT_EQ(window->currentStep(), 2);

    // Step 2: one hazard and its kind.
    ASSERT_EQ(focusName(), "txtAddHaz");
    typeAndTab("Cheatgrass");
    pressKey(Qt::Key_Space);
    KeyboardAnalyst::tabTo("btnAddHazard");
    pressKey(Qt::Key_Space);
    KeyboardAnalyst::tabTo("Command1");
    pressKey(Qt::Key_Space);
    ASSERT_EQ(window->currentStep(), 3);

    // Step 3: one task; step 4: the analysis, every dialog answered by keys.
    typeAndTab("Drive the engines to the unit");
    KeyboardAnalyst::tabTo("btnNext3");
    pressKey(Qt::Key_Space);
    ASSERT_EQ(window->currentStep(), 4);
    KeyboardAnalyst analyst;
    analyst.arm();
    KeyboardAnalyst::tabTo("cmdEvalTasks");
    pressKey(Qt::Key_Space);
    EXPECT_EQ(analyst.answered.first(), "Dialog");
    EXPECT_TRUE(analyst.answered.contains("frmJustification"));
    EXPECT_TRUE(analyst.answered.contains("frmCCP")) << analyst.answered.join(", ").toStdString();
    ASSERT_EQ(window->currentStep(), 5);
    EXPECT_EQ(state.plan().CCPs().count(), 1);

    // Step 5: the title, then the document. (Offscreen, no window manager gives the window
    // back its activation when the last dialog closes.)
    QApplication::setActiveWindow(window.get());
    KeyboardAnalyst::tabTo("txtTitle");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeAndTab("Spring burn by keys");
    KeyboardAnalyst::tabTo("cmdDone");
    pressKey(Qt::Key_Space);
    ASSERT_EQ(wordProcessor.opened.size(), 1);
    EXPECT_TRUE(wordProcessor.opened.first().endsWith("Spring burn by keys.docx"));
    EXPECT_EQ(state.plan().Title, "Spring burn by keys");
}
