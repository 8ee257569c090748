#include "mainwindow/EditCommands.h"
#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "mainwindow/frmMain.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using orvella::mainwindow::frmMain;

namespace {

class EditCommandsTest : public testing::Test {
protected:
    orvella::model::ProgramState state;
    ScriptedPrompts prompts;
    std::unique_ptr<frmMain> window;

    void SetUp() override {
        window = std::make_unique<frmMain>(state, prompts);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::clipboard()->setText(QStringLiteral("clip"));
    }
    void focus(QWidget* w) {
        w->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([w] { return QApplication::focusWidget() == w; }, 1000));
    }
    void trigger(const char* name) {
        auto* action = window->findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
};

} // namespace

TEST_F(EditCommandsTest, MenusAndToolbarEditTheFocusedBox) {
    auto* facility = window->findChild<QLineEdit*>(QStringLiteral("txtFacility"));
    focus(facility);
    QTest::keyClicks(facility, "Corvane Reserve");
    facility->setSelection(0, 7);

    trigger("mnuEditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Corvane"));
    trigger("CutButton");
    EXPECT_EQ(facility->text(), QStringLiteral(" Reserve"));
    facility->setCursorPosition(facility->text().size());
    trigger("PasteButton");
    EXPECT_EQ(facility->text(), QStringLiteral(" ReserveCorvane"));
    trigger("mnuEditUndo");
    EXPECT_EQ(facility->text(), QStringLiteral(" Reserve"));

    // The keyboard shortcuts do the same.
    facility->selectAll();
    QTest::keyClick(facility, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" Reserve"));

    // The multi-line description takes the same commands.
    auto* description = window->findChild<QPlainTextEdit*>(QStringLiteral("txtDescription"));
    focus(description);
    trigger("mnuEditPaste");
    EXPECT_EQ(description->toPlainText(), QStringLiteral(" Reserve"));
}

TEST_F(EditCommandsTest, NothingHappensWithTheFocusOnAListOrOutsideTheWindow) {
    auto* hazards = window->findChild<QListWidget*>(QStringLiteral("lstHazards"));
    hazards->addItem(QStringLiteral("Feral pig"));
    hazards->setCurrentRow(0);
    focus(hazards);
    auto* edit = window->findChild<orvella::mainwindow::EditCommands*>();
    ASSERT_NE(edit, nullptr);
    for (auto command : {orvella::mainwindow::EditCommands::Command::Cut,
                         orvella::mainwindow::EditCommands::Command::Copy,
                         orvella::mainwindow::EditCommands::Command::Paste,
                         orvella::mainwindow::EditCommands::Command::Undo})
        EXPECT_FALSE(edit->run(command));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("clip"));
    EXPECT_EQ(hazards->count(), 1);

    // A box of another window is not the main window's to edit.
    QLineEdit other;
    other.setText(QStringLiteral("elsewhere"));
    other.show();
    QApplication::setActiveWindow(&other);
    focus(&other);
    other.selectAll();
    EXPECT_FALSE(edit->run(orvella::mainwindow::EditCommands::Command::Cut));
    EXPECT_EQ(other.text(), QStringLiteral("elsewhere"));
}
