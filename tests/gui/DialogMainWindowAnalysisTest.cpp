// The step-4 button runs the analysis with the real dialogs and, when it completes, moves
// the window on to step 5.
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "ScriptedPrompts.h"
#include "analysisdialogs/YesNoBox.h"
#include "analysisdialogs/frmPairEdit.h"
#include "gui/ModalAnswerer.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/ReviewTableModel.h"
#include "mainwindow/ReviewWindow.h"
#include "mainwindow/frmMain.h"
#include "model/HazardTypes.h"
#include "model/PlanCcps.h"
#include "planfile/PlanWriter.h"
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace orvella;

namespace {

struct WindowRig {
    model::ProgramState state;
    ScriptedPrompts prompts;
    std::unique_ptr<mainwindow::frmMain> window;

    WindowRig() {
        state.plan().AnalysisStatus = model::Incomplete;
        state.clock = [] { return QDateTime(QDate(2026, 3, 14), QTime(9, 26)); };
        window = std::make_unique<mainwindow::frmMain>(state, prompts);
        window->show();
        window->selectStep(4);
    }
    void addTask() { samples::addLaunchBoatTask(state); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QLabel* note() { return window->findChild<QLabel*>("lblStatus"); }
};

void press(QWidget* d, const char* name) {
    d->findChild<QPushButton*>(name)->click();
}

} // namespace

TEST(DialogMainWindowAnalysis, CompletedRunMovesToStepFive) {
    WindowRig rig;
    rig.addTask();
    rig.state.InputsChanged = true;
    // Selection with nothing ticked, then the one "why not" justification.
    testsupport::answerNextModal<QDialog>([](QDialog* selection) {
        testsupport::answerNextModal<QDialog>(
            [](QDialog* justification) { press(justification, "OKButton"); });
        press(selection, "OKButton");
    });
    press(rig.window.get(), "cmdEvalTasks");

    EXPECT_EQ(rig.window->currentStep(), 5);
    EXPECT_EQ(rig.window->statusMessage(), "Step 5: Create HACCP form.");
    EXPECT_FALSE(rig.note()->isHidden());
    EXPECT_TRUE(rig.button("cmdSkip")->isEnabled());
    EXPECT_EQ(rig.window->GetTaskList(), "Task # 1: Launch boat");
    EXPECT_EQ(rig.state.plan().AnalysisStatus,
              QLocale::system().toString(QDateTime(QDate(2026, 3, 14), QTime(9, 26)),
                                         QLocale::ShortFormat));
    ASSERT_EQ(rig.prompts.asked.size(), 1);
    EXPECT_EQ(rig.prompts.asked[0].title, "Wizard Complete");

    // Inputs changed in this run: back on step 4 the note is gone again.
    rig.window->selectStep(4);
    EXPECT_TRUE(rig.note()->isHidden());
    EXPECT_FALSE(rig.button("cmdSkip")->isEnabled());
}

TEST(DialogMainWindowAnalysis, EarlyEndsStayOnStepFour) {
    WindowRig rig;
    press(rig.window.get(), "cmdEvalTasks"); // no tasks: the message only
    ASSERT_EQ(rig.prompts.asked.size(), 1);
    EXPECT_EQ(rig.prompts.asked[0].text,
              "You have no task to evaluate! Be sure you have completed steps 1 - 3.");
    EXPECT_EQ(rig.window->currentStep(), 4);

    rig.addTask();
    testsupport::answerNextModal<QDialog>([](QDialog* selection) { press(selection, "cmdBack"); });
    press(rig.window.get(), "cmdEvalTasks");
    EXPECT_EQ(rig.prompts.asked.size(), 1); // silent
    EXPECT_EQ(rig.window->currentStep(), 4);
    EXPECT_TRUE(rig.note()->isHidden());
    EXPECT_FALSE(rig.button("cmdSkip")->isEnabled());
    EXPECT_EQ(rig.state.plan().AnalysisStatus, "Incomplete");
}

TEST(DialogMainWindowAnalysis, YesNoUsesTheQuestionBox) {
    WindowRig rig;
    QWidget* parent = nullptr;
    testsupport::answerNextModal<analysisdialogs::YesNoBox>([&](analysisdialogs::YesNoBox* box) {
        parent = box->parentWidget();
        press(box, "NoButton");
    });
    EXPECT_EQ(rig.window->YesNo("Sure?", "Orvella"), analysis::Prompts::AnswerNo);
    EXPECT_EQ(parent, rig.window.get());
}

TEST(DialogMainWindowAnalysis, WalkingOutOfARunLeavesTheFinishedAnalysisAsItWas) {
    WindowRig rig;
    rig.state.CurrentPlan = samples::makeTypicalPlan();
    rig.window->loadPlan();
    rig.window->selectStep(4);
    const QByteArray before = planfile::writePlan(rig.state.plan());
    ASSERT_GT(rig.state.plan().CCPs().count(), 0);
    ASSERT_FALSE(rig.note()->isHidden());

    // Untick a hazard of task 1 (rebuilding its hazards), Back from its first justification,
    // then Back from its selection: the run ends without completing.
    testsupport::answerNextModal<QDialog>([](QDialog* selection) {
        testsupport::answerNextModal<QDialog>([](QDialog* justification) {
            testsupport::answerNextModal<QDialog>([](QDialog* again) { press(again, "cmdBack"); });
            press(justification, "btnBack");
        });
        for (auto* box : selection->findChildren<QCheckBox*>())
            if (box->isChecked() && box->objectName() != "chkHaz(0)") {
                box->click();
                break;
            }
        press(selection, "OKButton");
    });
    press(rig.window.get(), "cmdEvalTasks");

    EXPECT_EQ(rig.window->currentStep(), 4);
    EXPECT_TRUE(planfile::writePlan(rig.state.plan()) == before);
    EXPECT_FALSE(rig.note()->isHidden());
    EXPECT_TRUE(rig.button("cmdSkip")->isEnabled());
    EXPECT_TRUE(rig.prompts.asked.isEmpty());
}

namespace {

const QString BurnPlan = QStringLiteral(ORVELLA_SOURCE_DIR "/examples/prescribed-burn.xml");

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first row of the review whose pair is a CCP.
int firstCcpRow(mainwindow::ReviewWindow* review) {
    auto& rows = review->tableModel();
    for (int row = 0; row < rows.rowCount(); ++row)
        if (rows.pairAt(row)->IsCCP)
            return row;
    return -1;
}

// Opens the review, lets `inReview` work in it, then closes it.
void inReview(WindowRig& rig, std::function<void(mainwindow::ReviewWindow*)> inReview) {
    testsupport::answerNextModal<mainwindow::ReviewWindow>(
        [inReview](mainwindow::ReviewWindow* review) {
            // Its window shortcuts need it active; offscreen activation arrives as an event
            // that may come after the answer starts.
            QApplication::setActiveWindow(review);
            inReview(review);
            press(review, "cmdClose");
        });
    press(rig.window.get(), "cmdReview");
}

} // namespace

TEST(DialogMainWindowAnalysis, ReviewChangesOneCorrectiveActionAndUndoPutsItBack) {
    WindowRig rig;
    QTemporaryDir dir;
    rig.window->fileCommands().openFile(BurnPlan);
    rig.window->selectStep(4);
    const QByteArray opened = planfile::writePlan(rig.state.plan());
    ASSERT_TRUE(rig.button("cmdReview")->isEnabled());

    QString shownBefore;
    inReview(rig, [&](mainwindow::ReviewWindow* review) {
        auto* table = review->findChild<QTableView*>("tblReview");
        const int row = firstCcpRow(review);
        ASSERT_GE(row, 0);
        table->selectRow(row);
        table->setFocus();
        shownBefore = review->tableModel()
                          .index(row, mainwindow::ReviewTableModel::Correction)
                          .data()
                          .toString();
        testsupport::answerNextModal<analysisdialogs::frmPairEdit>(
            [](analysisdialogs::frmPairEdit* edit) {
                auto* box = edit->findChild<QLineEdit*>("txtCorrection");
                box->selectAll();
                QTest::keyClicks(box, "Pull the unit and wash it again");
                press(edit, "OKButton");
            });
        QTest::keyClick(table, Qt::Key_Return);
        EXPECT_EQ(review->tableModel()
                      .index(row, mainwindow::ReviewTableModel::Correction)
                      .data()
                      .toString(),
                  "Pull the unit and wash it again");
        EXPECT_TRUE(review->findChild<QPushButton*>("cmdUndo")->isEnabled());
    });
    EXPECT_TRUE(rig.prompts.asked.isEmpty()); // two dialogs, nothing else asked
    EXPECT_TRUE(rig.window->fileCommands().hasUnsavedChanges());

    rig.prompts.fileNames.enqueue(dir.filePath("burn.xml"));
    ASSERT_TRUE(rig.window->fileCommands().saveAs());
    const QList<QByteArray> before = fileBytes(BurnPlan).split('\n');
    const QList<QByteArray> after = fileBytes(dir.filePath("burn.xml")).split('\n');
    ASSERT_EQ(before.size(), after.size());
    QList<QByteArray> changed;
    for (int i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            changed << after[i];
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0].trimmed(), "Pull the unit and wash it again");

    inReview(rig, [&](mainwindow::ReviewWindow* review) {
        press(review, "cmdUndo");
        EXPECT_EQ(review->tableModel()
                      .index(firstCcpRow(review), mainwindow::ReviewTableModel::Correction)
                      .data()
                      .toString(),
                  shownBefore);
        EXPECT_TRUE(review->findChild<QPushButton*>("cmdRedo")->isEnabled());
        // The keys do the same: redo, then undo again (shortcuts need the window active).
        review->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(review));
        QTest::keyClick(review, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(rig.window->reviewUndoStack().canUndo());
        QTest::keyClick(review, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(rig.window->reviewUndoStack().canUndo());
    });
    EXPECT_TRUE(planfile::writePlan(rig.state.plan()) == opened);
}

TEST(DialogMainWindowAnalysis, AnEditThatEndsACcpAsksFirstAndCancelKeepsIt) {
    WindowRig rig;
    rig.window->fileCommands().openFile(BurnPlan);
    const int ccps = int(model::planCcps(rig.state.plan()).size());
    const QByteArray opened = planfile::writePlan(rig.state.plan());

    inReview(rig, [&](mainwindow::ReviewWindow* review) {
        const int row = firstCcpRow(review);
        // Cancel changes nothing.
        testsupport::answerNextModal<analysisdialogs::frmPairEdit>(
            [](analysisdialogs::frmPairEdit* edit) {
                edit->findChild<QLineEdit*>("txtLimits")->clear();
                press(edit, "CancelButton");
            });
        review->editRow(row);
        EXPECT_TRUE(planfile::writePlan(rig.state.plan()) == opened);

        testsupport::answerNextModal<analysisdialogs::frmPairEdit>(
            [&rig](analysisdialogs::frmPairEdit* edit) {
                auto radio = [edit](const char* name) {
                    return edit->findChild<QRadioButton*>(name);
                };
                // Q1 yes, Q2 no, Q3 no: the tree ends at "not a CCP" without Q4 or Q5.
                radio("optYes(1)")->click();
                EXPECT_FALSE(edit->findChild<QWidget*>("fraQuestion(3)")->isVisible());
                radio("optNo(2)")->click();
                EXPECT_TRUE(edit->findChild<QWidget*>("fraQuestion(3)")->isVisible());
                EXPECT_FALSE(edit->findChild<QPushButton*>("OKButton")->isEnabled());
                radio("optNo(3)")->click();
                EXPECT_FALSE(edit->findChild<QWidget*>("fraQuestion(4)")->isVisible());
                EXPECT_FALSE(edit->findChild<QWidget*>("fraQuestion(5)")->isVisible());
                EXPECT_FALSE(edit->findChild<QWidget*>("fraCcp")->isVisible());
                rig.prompts.answers.enqueue(analysis::Prompts::AnswerNo);
                press(edit, "OKButton");
                EXPECT_TRUE(edit->isVisible()); // No: still editing
                ASSERT_EQ(rig.prompts.asked.size(), 1);
                EXPECT_EQ(rig.prompts.asked[0].buttons, analysis::Prompts::Buttons::YesNo);
                EXPECT_TRUE(rig.prompts.asked[0].text.contains("no longer be a critical control"));
                press(edit, "OKButton"); // Yes
            });
        review->editRow(row);
        const model::HACCP_TaskSpecific_Hazard& pair = *review->tableModel().pairAt(row);
        EXPECT_FALSE(pair.IsCCP);
        EXPECT_EQ(pair.Ccp, model::CcpDetails{});
        EXPECT_EQ(model::pathText(pair.Answers), "Q1 Yes, Q2 No, Q3 No");
        EXPECT_EQ(review->tableModel().index(row, mainwindow::ReviewTableModel::CcpNumber).data(),
                  "");
    });
    EXPECT_EQ(model::planCcps(rig.state.plan()).size(), ccps - 1);
}

TEST(DialogMainWindowAnalysis, UpdateAsksOnlyAboutThePairsWithoutAnswers) {
    WindowRig rig;
    rig.window->fileCommands().openFile(BurnPlan);
    const int tasks = rig.state.plan().Tasks.count();
    const auto openBefore = model::unansweredPairs(rig.state.plan()).size();
    rig.window->selectStep(2);
    rig.window->findChild<QRadioButton*>("optHazType(2)")->click();
    rig.window->findChild<QLineEdit*>("txtAddHaz")->setText("Purple loosestrife");
    press(rig.window.get(), "btnAddHazard");
    press(rig.window.get(), "Command1");
    rig.window->selectStep(4);
    const auto open = model::unansweredPairs(rig.state.plan()).size();
    ASSERT_EQ(open, openBefore + tasks);
    EXPECT_FALSE(rig.button("cmdUpdate")->isHidden());
    EXPECT_EQ(rig.window->findChild<QLabel*>("lblChanges")->text(),
              QStringLiteral("%1 new task and hazard pairs to answer").arg(open));

    // Every selection offers only its task's unanswered hazards (the new one among them);
    // nothing is ticked, so each gets a "why not".
    qsizetype offered = 0;
    int selections = 0;
    std::function<void()> answer = [&] {
        testsupport::answerNextModal<QDialog>(
            [&](QDialog* d) {
                if (d->objectName() == "Dialog") {
                    ++selections;
                    offered += d->findChildren<QCheckBox*>().size() - 1; // not "None"
                }
                answer();
                press(d, "OKButton");
            },
            1000);
    };
    answer();
    press(rig.window.get(), "cmdUpdate");
    QTest::qWait(1100); // the answerer armed after the last dialog runs out
    EXPECT_EQ(selections, tasks);
    EXPECT_EQ(offered, open);
    EXPECT_EQ(rig.window->currentStep(), 5);
    EXPECT_TRUE(model::unansweredPairs(rig.state.plan()).isEmpty());

    rig.window->reviewUndoStack().undo();
    EXPECT_EQ(model::unansweredPairs(rig.state.plan()).size(), open);
    rig.window->selectStep(4);
    EXPECT_FALSE(rig.button("cmdUpdate")->isHidden());
}

// A starter plan's example answers are confirmed in the review: "Mark Reviewed" as they stand,
// or OK in the pair's edit dialog; either is undone like any edit.
TEST(DialogMainWindowAnalysis, ReviewConfirmsTheExampleAnswersOfAStarterPlan) {
    WindowRig rig;
    rig.window->fileCommands().openStarter(QStringLiteral("boat-launch"));
    rig.window->selectStep(4);
    auto unreviewed = [&] {
        int n = 0;
        for (const auto& task : rig.state.plan().Tasks)
            for (const auto& th : task->TSHazards)
                n += th->Unreviewed ? 1 : 0;
        return n;
    };
    const int pairs = unreviewed();
    ASSERT_GT(pairs, 3);

    inReview(rig, [&](mainwindow::ReviewWindow* review) {
        auto* table = review->findChild<QTableView*>("tblReview");
        auto* mark = review->findChild<QPushButton*>("cmdMarkReviewed");
        auto status = [&](int row) {
            return review->tableModel()
                .index(row, mainwindow::ReviewTableModel::Status)
                .data()
                .toString();
        };
        EXPECT_EQ(status(0), "Example, not reviewed yet");
        ASSERT_TRUE(mark->isEnabled());
        mark->click();
        EXPECT_EQ(status(0), QString());
        EXPECT_EQ(unreviewed(), pairs - 1);
        EXPECT_EQ(table->currentIndex().row(), 1) << "on to the next pair";

        // OK on the edit dialog, nothing changed, is a confirmation too.
        testsupport::answerNextModal<analysisdialogs::frmPairEdit>(
            [](analysisdialogs::frmPairEdit* edit) { press(edit, "OKButton"); });
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        EXPECT_EQ(status(1), QString());
        EXPECT_EQ(unreviewed(), pairs - 2);
        table->selectRow(0);
        EXPECT_FALSE(mark->isEnabled()) << "nothing left to confirm on that row";

        press(review, "cmdUndo");
        EXPECT_EQ(unreviewed(), pairs - 1);
        EXPECT_EQ(status(1), "Example, not reviewed yet");
    });
    EXPECT_EQ(planfile::writePlan(rig.state.plan()).count("<Reviewed>"), pairs - 1);
}
