// Keyboard users and screen readers: buddies, tab order and a step worked without a mouse.
#include "MainWindowFixture.h"
#include <QApplication>

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
    EXPECT_EQ(tabOrder(window.get(), page(4)), QStringList({"txtTitle", "cmdDone", "chkRecordSheets", "cmdApproval", "lstGaps"}));
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
