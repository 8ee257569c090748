// The recovery copy follows the unsaved state of the real main window.
#include "mainwindow/RecoveryKeeper.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "ScriptedPrompts.h"
#include "SpanishRun.h"
#include "gui/ModalAnswerer.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/frmMain.h"
#include "model/HazardTypes.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvella;

TEST(RecoveryKeeper, KeepsACopyOnlyWhileThereAreUnsavedChanges) {
    QTemporaryDir dir;
    model::ProgramState state;
    state.plan().AnalysisStatus = model::Incomplete;
    ScriptedPrompts prompts;
    mainwindow::frmMain window(state, prompts);
    auto* keeper = new mainwindow::RecoveryKeeper(window, prompts, dir.path(), 4242);
    const QString copy = keeper->copyPath();
    const auto kept = [&copy] {
        QFile f(copy);
        return f.open(QIODevice::ReadOnly) ? planfile::readPlan(f.readAll()).plan : nullptr;
    };

    keeper->keepNow();
    EXPECT_FALSE(QFile::exists(copy)) << "nothing to keep in a new plan";
    // Typed into step 1, not submitted: kept all the same.
    window.findChild<QLineEdit*>("txtFacility")->setText("Corvane");
    keeper->keepNow();
    ASSERT_TRUE(kept());
    EXPECT_EQ(kept()->Facility, "Corvane");
    EXPECT_TRUE(state.plan().Facility.isEmpty()) << "the plan itself is not touched";

    // Saving settles the changes and takes the copy away.
    prompts.fileNames.enqueue(dir.filePath("plan.xml"));
    window.findChild<QAction*>("mnuFileSave")->trigger();
    EXPECT_FALSE(QFile::exists(copy));

    // Every answer of the analysis is kept as it is given.
    samples::addLaunchBoatTask(state);
    state.InputsChanged = true; // the selection then rebuilds the task's hazards
    int hazardsKept = -1;
    testsupport::answerNextModal<QDialog>([&](QDialog* selection) {
        testsupport::answerNextModal<QDialog>([&](QDialog* justification) {
            hazardsKept = kept() ? kept()->Tasks.item(1)->TSHazards.count() : -1;
            justification->findChild<QPushButton*>("OKButton")->click();
        });
        selection->findChild<QPushButton*>("OKButton")->click();
    });
    window.cmdEvalTasks_Click();
    EXPECT_EQ(hazardsKept, 1) << "the selection was not kept before the next question";

    // A copy left by an instance that is gone is offered in the run's language; Yes opens it
    // as an unsaved plan.
    {
        model::HACCP_Plan left;
        left.Facility = "Left behind";
        QFile orphan(dir.filePath("plan-999.xml"));
        ASSERT_TRUE(orphan.open(QIODevice::WriteOnly));
        orphan.write(planfile::writePlan(left));
    }
    testsupport::SpanishRun spanish;
    prompts.asked.clear();
    prompts.answers.enqueue(analysis::Prompts::AnswerYes);
    keeper->offerRecovery();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("Orvella se cerró sin guardar el plan nuevo ("));
    EXPECT_EQ(window.findChild<QLineEdit*>("txtFacility")->text(), "Left behind");
    EXPECT_TRUE(window.fileCommands().hasUnsavedChanges());
    EXPECT_FALSE(QFile::exists(dir.filePath("plan-999.xml")));
    EXPECT_EQ(kept()->Facility, "Left behind") << "now kept as this instance's own";

    // Ending normally leaves no copy behind.
    delete keeper;
    EXPECT_FALSE(QFile::exists(copy));
}
