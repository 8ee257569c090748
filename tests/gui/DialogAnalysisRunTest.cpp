#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "analysis/HazardAnalysis.h"
#include "analysisdialogs/QtAnalysisDialogs.h"
#include "gui/ModalAnswerer.h"
#include "model/HazardTypes.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvella;

namespace {

// Answers a chain of modal dialogs, one step per dialog, each step arming the next.
struct Chain {
    std::vector<std::function<void(QDialog*)>> steps;
    size_t next = 0;
    QStringList seen; // objectName and title of every dialog answered

    void arm() {
        if (next >= steps.size())
            return;
        testsupport::answerNextModal<QDialog>([this](QDialog* d) {
            seen << d->objectName() + " " + d->windowTitle();
            auto step = steps[next++];
            arm();
            step(d);
        });
    }
};

void press(QDialog* d, const char* name) {
    d->findChild<QPushButton*>(name)->click();
}

} // namespace

TEST(DialogAnalysisRun, RealDialogsCarryAWholeRun) {
    model::ProgramState state;
    state.plan().AnalysisStatus = model::Incomplete;
    state.InputsChanged = true;
    for (QString e : {"Giant Salvinia", "Nutria"})
        state.plan().PotentialHazards.add(std::make_shared<model::HACCP_PotentialHazard>(
                                              model::HACCP_PotentialHazard{"Plant", e}),
                                          state.nextHazardKey());
    auto task = std::make_shared<model::HACCP_Task>();
    task->Name = "Task # 1";
    task->Number = 1;
    task->Description = "Launch boat";
    state.plan().Tasks.append(task);

    ScriptedPrompts prompts;
    QString taskList;
    analysisdialogs::QtAnalysisDialogs dialogs(nullptr, prompts);
    analysis::HazardAnalysis run({state, prompts, dialogs});
    run.onTaskList = [&](const QString& text) { taskList = text; };

    Chain chain;
    chain.steps = {
        [](QDialog* d) {
            auto* box = d->findChild<QCheckBox*>("chkHaz(1)");
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            press(d, "OKButton");
        },
        [](QDialog* d) {
            QTest::keyClicks(d->findChild<QComboBox*>("cboJust")->lineEdit(), "Fragments on hull");
            QTest::keyClicks(d->findChild<QComboBox*>("cboControl")->lineEdit(), "Wash hull");
            press(d, "cmdShowTasks");
            press(d, "OKButton");
        },
        [](QDialog* d) {
            QTest::keyClicks(d->findChild<QComboBox*>("cboJust")->lineEdit(), "Not at the ramp");
            press(d, "OKButton");
        },
        [](QDialog* d) { press(d, "YesButton"); },
        [](QDialog* d) { press(d, "YesButton"); },
        [](QDialog* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("txtLimits"), "No plant material");
            press(d, "cmdBack");
        },
        [](QDialog* d) { d->close(); }, // go-back closed by its frame: continue
        [](QDialog* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("txtWho"), "Operator");
            press(d, "OKButton");
        },
    };
    chain.arm();
    EXPECT_EQ(run.run(), analysis::AnalysisOutcome::Completed);
    EXPECT_EQ(chain.next, chain.steps.size());
    EXPECT_EQ(
        chain.seen,
        QStringList({"Dialog Significant Hazards", "frmJustification Justification",
                     "frmJustification Justification", "YesNoBox CCP Analysis",
                     "YesNoBox CCP Analysis", "frmCCP Critical Control Point #1",
                     "frmGoBack What do you want to do?", "frmCCP Critical Control Point #1"}));

    const auto& hazards = task->TSHazards;
    ASSERT_EQ(hazards.count(), 2);
    EXPECT_EQ(hazards.item(1)->Justification, "Fragments on hull");
    EXPECT_EQ(hazards.item(1)->ControlMeasures, "Wash hull");
    EXPECT_EQ(hazards.item(2)->Probable, "No");
    EXPECT_EQ(hazards.item(2)->Justification, "Not at the ramp");
    ASSERT_EQ(state.plan().CCPs().count(), 1);
    EXPECT_EQ(state.plan().CCPs().item(1)->Limits, "No plant material");
    EXPECT_EQ(state.plan().CCPs().item(1)->Who, "Operator");
    EXPECT_EQ(state.plan().CCPs().item(1)->Control, "Wash hull");
    EXPECT_EQ(task->CCP_Count(), 1);
    EXPECT_NE(state.plan().AnalysisStatus, "Incomplete");
    ASSERT_FALSE(prompts.asked.isEmpty());
    EXPECT_EQ(prompts.asked[0].text, "Task # 1: Launch boat"); // "Show List of Tasks"
}
