// The step-4 button runs the analysis with the real dialogs and, when it completes, moves
// the window on to step 5.
#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "analysisdialogs/YesNoBox.h"
#include "gui/ModalAnswerer.h"
#include "SamplePlans.h"
#include "model/HazardTypes.h"
#include "planfile/PlanWriter.h"
#include "mainwindow/frmMain.h"
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
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
            testsupport::answerNextModal<QDialog>(
                [](QDialog* again) { press(again, "cmdBack"); });
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
