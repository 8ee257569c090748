// The main window: its state after load, moving between steps and the step-4 note.
#include "MainWindowFixture.h"
#include "SamplePlans.h"
#include "mainwindow/frmApproval.h"
#include "model/PlanCopy.h"
#include "planfile/PlanApproval.h"
#include <QAction>
#include <QGroupBox>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>

namespace {
const char* const StepMessages[] = {
    "Step 1: Describe the project or activity.", "Step 2: Identify any potential hazards.",
    "Step 3: Break the activity into tasks and list them in order.",
    "Step 4: Analyze the potential hazards.", "Step 5: Create HACCP form."};
}

TEST_F(MainWindowTest, StateRightAfterLoad) {
    EXPECT_EQ(window->windowTitle(), "Orvella");
    EXPECT_EQ(window->size(), QSize(827, 533));
    EXPECT_EQ(window->currentStep(), 1);
    EXPECT_TRUE(control(QStringLiteral("Frame1(0)"))->isVisible());
    for (int i = 1; i < 5; ++i)
        EXPECT_FALSE(control(QStringLiteral("Frame1(%1)").arg(i))->isVisible());
    EXPECT_EQ(window->statusMessage(), StepMessages[0]);
    EXPECT_EQ(label("Date")->text(), QLocale().toString(now.date(), QLocale::ShortFormat));
    EXPECT_EQ(label("Time")->text(), QLocale().toString(now.time(), QLocale::ShortFormat));
    EXPECT_EQ(label("Label23")->text(), "  Orvella");

    EXPECT_FALSE(label("lblStatus")->isVisible());
    EXPECT_EQ(label("lblStatus")->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_FALSE(button("cmdSkip")->isEnabled());
    EXPECT_EQ(edit("txtTitle")->text(), "HACCP Plan");
    EXPECT_TRUE(control<QRadioButton>("optHazType(4)")->isChecked());
    EXPECT_TRUE(list("lstHazards")->count() == 0 && list("lstHazardKinds")->count() == 0);
    EXPECT_FALSE(list("lstHazardKinds")->isEnabled());
    for (auto* box : window->findChildren<QLineEdit*>()) {
        if (box->objectName() != "txtTitle") {
            EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
        }
    }
    EXPECT_TRUE(control<QPlainTextEdit>("txtDescription")->toPlainText().isEmpty());
    EXPECT_TRUE(prompts.asked.isEmpty());

    // Every step control the other commands look up by name is there.
    for (int i = 1; i <= 10; ++i)
        control<QLineEdit>(QStringLiteral("txtTask(%1)").arg(i));
    for (auto name : {"cmdEvalTasks", "cmdDone", "cmdNext", "Command1", "btnNext3", "btnAddHazard",
                      "btnRemove"})
        button(QLatin1String(name));
}

TEST_F(MainWindowTest, LoadResetsTheHazardKeyCounter) {
    state.HazardKeyCounter = 7;
    orvella::mainwindow::frmMain second(state, prompts);
    EXPECT_EQ(state.HazardKeyCounter, 0);
}

TEST_F(MainWindowTest, MenusCarryTheirTableCaptionsAndShortcuts) {
    QStringList bar;
    for (QAction* a : window->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Help"}));

    const struct {
        const char* name;
        const char* caption;
        QKeySequence keys;
    } items[] = {{"mnuFileNew", "&New", QKeySequence("Ctrl+N")},
                 {"mnuFileOpen", "&Open...", {}},
                 {"mnuFileClose", "&Close", {}},
                 {"mnuFileSave", "&Save", {}},
                 {"mnuFileSaveAs", "Save &As...", {}},
                 {"mnuFileExit", "E&xit", {}},
                 {"mnuEditUndo", "&Undo", {}},
                 {"mnuEditCut", "Cu&t", QKeySequence("Ctrl+X")},
                 {"mnuEditCopy", "&Copy", QKeySequence("Ctrl+C")},
                 {"mnuEditPaste", "&Paste", QKeySequence("Ctrl+V")},
                 {"mnuHelpContents", "&Contents", {}},
                 {"mnuHelpSearchForHelpOn", "&Search For Help On...", {}},
                 {"mnuHelpAbout", "&About ", {}}};
    for (const auto& item : items) {
        auto* action = window->findChild<QAction*>(QLatin1String(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->shortcut(), item.keys) << item.name;
    }
    for (auto name : {"mnuFileBar0", "mnuFileBar1", "mnuFileBar2", "mnuEditBar0", "mnuHelpBar0"})
        EXPECT_TRUE(window->findChild<QAction*>(QLatin1String(name))->isSeparator()) << name;
    for (auto name : {"mnuFileMRU(1)", "mnuFileMRU(2)", "mnuFileMRU(3)", "mnuFileBar2"})
        EXPECT_FALSE(window->findChild<QAction*>(QLatin1String(name))->isVisible()) << name;
}

TEST_F(MainWindowTest, ToolbarButtonsCarryTheirKeysAndTooltips) {
    auto* toolbar = control<QToolBar>("Toolbar1");
    QStringList keys, tips;
    for (QAction* a : toolbar->actions()) {
        keys << a->property("key").toString();
        tips << a->toolTip();
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
    }
    EXPECT_EQ(keys, QStringList({"SaveButton", "OpenButton", "UndoButton", "CutButton",
                                 "CopyButton", "PasteButton"}));
    EXPECT_EQ(tips, QStringList({"Save", "Open", "Undo", "Cut", "Copy", "Past"}));

    QStringList pressed;
    QObject::connect(window.get(), &orvella::mainwindow::frmMain::toolbarButtonClicked,
                     [&pressed](const QString& key) { pressed << key; });
    window->findChild<QAction*>("OpenButton")->trigger();
    EXPECT_EQ(pressed, QStringList({"OpenButton"}));
}

TEST_F(MainWindowTest, TabsAndPagesCarryTheirCaptionsAndTooltips) {
    const char* tips[] = {"Activity Descritpion", "Identify Potential Hazards", "Flow Diagram",
                          "Hazard Analysis", "HACCP Plan Form"};
    const char* captions[] = {"Step 1 - Activity Description", "Step 2 - Identify Hazards",
                              "Step 3 - Flow Diagram", "Step 4 - Hazard Analysis",
                              "Step 5 - HACCP Plan Form"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs()->tabText(i), QStringLiteral("Step %1").arg(i + 1));
        EXPECT_EQ(tabs()->tabToolTip(i), tips[i]);
        EXPECT_EQ(tabs()->widget(i), control(QStringLiteral("Frame1(%1)").arg(i)));
        EXPECT_EQ(control<QGroupBox>(QStringLiteral("Frame1(%1)").arg(i))->title(), captions[i]);
    }
}

TEST_F(MainWindowTest, NextStepAndTabChangesShowTheStepMessage) {
    window->setStatusMessage("Writing the document...");
    window->NextStep();
    EXPECT_EQ(window->currentStep(), 2);
    EXPECT_TRUE(control("Frame1(1)")->isVisible());
    EXPECT_EQ(window->statusMessage(), StepMessages[1]);
    window->NextStep();
    window->NextStep();
    window->NextStep();
    EXPECT_EQ(window->currentStep(), 5);
    EXPECT_EQ(window->statusMessage(), StepMessages[4]);

    // A click on a tab: page at once, no question, nothing stored.
    QTest::mouseClick(tabs()->tabBar(), Qt::LeftButton, {}, tabs()->tabBar()->tabRect(2).center());
    EXPECT_EQ(window->currentStep(), 3);
    EXPECT_TRUE(control("Frame1(2)")->isVisible());
    EXPECT_EQ(window->statusMessage(), StepMessages[2]);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(state.plan().Tasks.count(), 0);
    EXPECT_FALSE(state.InputsChanged);
}

TEST_F(MainWindowTest, TabChangesHideTheNoteAndDisableSkipOnlyWhileInputsChanged) {
    auto* note = label("lblStatus");
    auto* skip = button("cmdSkip");
    auto analysisCompleted = [&] {
        note->show();
        skip->setEnabled(true);
    };

    analysisCompleted();
    window->selectStep(4);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(skip->isEnabled()) << "valid analysis, nothing submitted";

    // Skip goes to step 5 and changes nothing else.
    click("cmdSkip");
    EXPECT_EQ(window->currentStep(), 5);
    EXPECT_EQ(window->statusMessage(), StepMessages[4]);

    window->selectStep(3);
    click("btnNext3");
    EXPECT_TRUE(state.InputsChanged);
    EXPECT_EQ(window->currentStep(), 4);
    EXPECT_FALSE(note->isVisibleTo(window.get()));
    EXPECT_FALSE(skip->isEnabled());

    // Even right after an analysis that showed them, the next tab change hides them again.
    analysisCompleted();
    window->selectStep(1);
    EXPECT_FALSE(note->isVisibleTo(window.get()));
    EXPECT_FALSE(skip->isEnabled());

    // A disabled Skip does nothing.
    window->selectStep(4);
    click("cmdSkip");
    EXPECT_EQ(window->currentStep(), 4);
}

TEST_F(MainWindowTest, ClockPanelsFollowTheClock) {
    now = QDateTime(QDate(2027, 1, 2), QTime(23, 59, 0));
    window->refreshClock();
    EXPECT_EQ(label("Date")->text(), QLocale().toString(now.date(), QLocale::ShortFormat));
    EXPECT_EQ(label("Time")->text(), QLocale().toString(now.time(), QLocale::ShortFormat));
}

TEST_F(MainWindowTest, TaskListIsKeptAsGiven) {
    window->SetTaskList("Task # 1: Drive\r\nTask # 2: Walk");
    EXPECT_EQ(window->GetTaskList(), "Task # 1: Drive\r\nTask # 2: Walk");
    EXPECT_EQ(&window->state(), &state);
    EXPECT_EQ(&window->prompts(), &prompts);
}

// Plan Approval: the dialog takes the plan's document control and gives it back edited; the
// approver's date seals the plan, an edit breaks the seal, Start Revision opens the next one.
TEST_F(MainWindowTest, ApprovalSealsThePlanAndARevisionStartsAfresh) {
    using namespace orvella;
    auto& plan = state.plan();
    plan = model::copyPlan(*samples::makeTypicalPlan());
    samples::addDocumentControl(plan);
    window->loadPlan();
    window->selectStep(5);
    auto* approval = label(QStringLiteral("lblApproval"));
    EXPECT_EQ(approval->text(), "The plan has not been approved.");

    mainwindow::frmApproval dialog(plan.Control, now.date(), prompts);
    auto* team = dialog.findChild<QTableWidget*>(QStringLiteral("tblTeam"));
    ASSERT_EQ(team->rowCount(), 2);
    EXPECT_EQ(team->item(1, 1)->text(), "Botanist");
    auto* approvedOn = dialog.findChild<QLineEdit*>(QStringLiteral("txtSignedOnApproved"));
    approvedOn->setText(QStringLiteral("14/03/2026"));
    const qsizetype asked = prompts.asked.size();
    dialog.accept(); // not a date: said so, and the dialog stays
    EXPECT_EQ(prompts.asked.size(), asked + 1);
    EXPECT_NE(dialog.result(), int(QDialog::Accepted));
    approvedOn->setText(QStringLiteral("2026-03-14"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    window->applyApproval(dialog.control());
    EXPECT_EQ(planfile::approvalState(plan), planfile::ApprovalState::Approved);
    EXPECT_EQ(plan.Control.team().size(), 2);
    EXPECT_EQ(approval->text(), "Version 2 was approved on 2026-03-14.");

    // The title on step 5 is part of what was approved.
    type(QStringLiteral("txtTitle"), QStringLiteral("Another title"));
    window->applyApproval(plan.Control);
    EXPECT_EQ(approval->text(),
              "Version 2 was approved on 2026-03-14; the plan has changed since.");

    mainwindow::frmApproval revision(plan.Control, now.date(), prompts);
    revision.findChild<QLineEdit*>(QStringLiteral("txtRevisionChange"))
        ->setText(QStringLiteral("New title"));
    revision.startRevision();
    const model::DocumentControl next = revision.control();
    ASSERT_EQ(next.Revisions.size(), 3);
    EXPECT_EQ(next.Revisions.last(),
              (model::PlanRevision{"3", "2026-03-14", "New title", "Ana Ruiz"}));
    EXPECT_EQ(next.PlanVersion, "3");
    for (const QString& role : {model::RolePrepared, model::RoleReviewed, model::RoleApproved})
        EXPECT_TRUE(next.signer(role)->SignedOn.isEmpty()) << role.toStdString();
    window->applyApproval(next);
    EXPECT_EQ(planfile::approvalState(plan), planfile::ApprovalState::NotApproved);
    EXPECT_TRUE(plan.Control.ApprovedDigest.isEmpty());
    EXPECT_EQ(approval->text(), "The plan has not been approved.");
}
