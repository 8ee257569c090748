// Renders every analysis dialog, filled as the analysis fills it, into PNG files for a
// person to look at. Runs only when ORVELLA_SHOTS names an output folder.
#include "SamplePlans.h"
#include "ScriptedPrompts.h"
#include "SpanishRun.h"
#include "analysisdialogs/Dialog.h"
#include "analysisdialogs/YesNoBox.h"
#include "analysisdialogs/frmCCP.h"
#include "analysisdialogs/frmGoBack.h"
#include "analysisdialogs/frmJustification.h"
#include "analysisdialogs/frmPairEdit.h"
#include "gui/ModalAnswerer.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/ReviewTableModel.h"
#include "mainwindow/ReviewWindow.h"
#include "mainwindow/SpanishCaptions.h"
#include "mainwindow/StarterChooser.h"
#include "mainwindow/frmApproval.h"
#include "mainwindow/frmMain.h"
#include "model/PlanCopy.h"
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvella::analysisdialogs;

namespace {

void save(QWidget& w, const QString& name) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(20);
    const QString dir = qEnvironmentVariable("ORVELLA_SHOTS");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name + ".png")));
    w.hide();
}

} // namespace

TEST(DialogScreenshots, AllDialogsInBothLanguages) {
    if (!qEnvironmentVariableIsSet("ORVELLA_SHOTS"))
        GTEST_SKIP() << "set ORVELLA_SHOTS to a folder to render the dialogs";
    for (bool spanish : {false, true}) {
        testsupport::SpanishRun language(spanish);
        const QString lang = spanish ? "es" : "en";
        const QString task = spanish ? "Trabajo  2" : "Task # 2";

        Dialog sel;
        sel.setCaption(spanish ? "Riegos" : "Significant Hazards");
        sel.setTask(task, "Launch the airboat at the north ramp and survey the marsh edge");
        sel.setHazards({"Giant Salvinia", "Zebra mussel", "Hydrilla", "Nutria"},
                       {true, false, true, false});
        sel.setNoneTicked(false);
        save(sel, "dialog-selection-" + lang);

        QStringList many;
        QList<bool> ticks;
        for (int i = 1; i <= 60; ++i) {
            many << (i % 7 == 0 ? QStringLiteral(
                                      "Hazard %1 with a rather long descriptive name: seeds and "
                                      "fragments carried in mud on tracks and boots")
                                      .arg(i)
                                : QStringLiteral("Hazard %1").arg(i));
            ticks << (i % 5 == 0);
        }
        sel.setHazards(many, ticks);
        save(sel, "dialog-selection-long-" + lang);

        ScriptedPrompts prompts;
        frmJustification just(prompts);
        if (spanish)
            just.setButtonCaptions("Continuar", "Devolverse", "Muestre la Lista de Tareas");
        just.setTaskLabel(spanish ? task + " (Justificar Riesgo 1 de 4)"
                                  : task + " (Justify Potential Hazard 1 of 4)");
        just.setTaskDescription("Launch the airboat at the north ramp and survey the marsh edge");
        just.setPrompt(spanish ? "¿Por qué hay Giant Salvinia probable(s) durante la tarea?"
                               : "Why is/are Giant Salvinia probable during " + task + "?");
        just.setControlQuestion(
            spanish ? "Qué Medidas de Control se puende aplicar durante " + task +
                          " para prevenir la propagación de Riesgo (Giant Salvinia)?"
                    : "What Control Measures can be applied during " + task +
                          " to prevent the spread of Giant Salvinia?");
        just.setJustification("Fragments cling to the hull and the trailer");
        just.setControlMeasures("Inspect and wash the boat and trailer before leaving the ramp");
        just.setControlVisible(true);
        save(just, "dialog-justification-" + lang);
        just.setPrompt(
            spanish ? "¿Por qué indicó usted que NO hay Nutria probable(s) durante la tarea " +
                          task + "?"
                    : "Why did you indicate that Nutria is/are NOT probable during " + task +
                          " (Launch the airboat at the north ramp and survey the marsh edge)?");
        just.setControlVisible(false);
        just.setJustification("");
        save(just, "dialog-justification-not-probable-" + lang);

        frmCCP ccp;
        if (spanish)
            ccp.setSpanishCaptions();
        ccp.setCaption((spanish ? "Punto de Control Crítico #" : "Critical Control Point #") +
                       QString("2"));
        ccp.setTask(task, "Launch the airboat at the north ramp and survey the marsh edge");
        ccp.setHazard("Plant: Giant Salvinia");
        ccp.setControlMeasures("Inspect and wash the boat and trailer before leaving the ramp");
        ccp.findChild<QLineEdit*>("txtLimits")
            ->setText("No visible plant material on hull, trailer or motor");
        ccp.findChild<QLineEdit*>("txtWho")->setText("Boat operator");
        ccp.findChild<QLineEdit*>("txtWhat")->setText("Hull, trailer, motor intake");
        ccp.findChild<QLineEdit*>("txtHow")->setText("Visual inspection");
        ccp.findChild<QLineEdit*>("txtFreq")->setText("Every launch and haul-out");
        ccp.findChild<QLineEdit*>("txtCorrection")->setText("Wash again at the station");
        ccp.findChild<QLineEdit*>("txtSuppDocs")->setText("Boat cleaning SOP 4.2");
        save(ccp, "dialog-ccp-" + lang);

        frmGoBack goBack;
        save(goBack, "dialog-goback-" + lang);

        YesNoBox shortBox;
        shortBox.setWindowTitle("CCP Analysis");
        shortBox.Label1()->setText("Is this short?");
        save(shortBox, "dialog-yesno-short-" + lang);
        YesNoBox box;
        box.setWindowTitle("CCP Analysis");
        const QString q =
            spanish
                ? task + ": Launch the airboat\r\n\r\n¿Elimina o reduce este paso la posible "
                         "incidencia de Riesgos (Giant Salvinia) a un nivel aceptable Y es este el "
                         "mejor lugar para controlar riesgos?"
                : task +
                      ": Launch the airboat\r\n\r\nDoes this step eliminate or reduce the likely "
                      "occurrence of Giant Salvinia to an acceptable level AND is this the best "
                      "place to control the hazard?";
        box.Label1()->setText(q);
        box.Label1()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        save(box, "dialog-yesno-" + lang);
    }
}

// The selection dialog over the main window, as the user meets it (needs a real display).
TEST(DialogScreenshots, SelectionOverTheMainWindow) {
    if (!qEnvironmentVariableIsSet("ORVELLA_SHOTS") ||
        QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "set ORVELLA_SHOTS and run on a display";
    orvella::model::ProgramState state;
    ScriptedPrompts prompts;
    state.InputsChanged = true;
    for (QString e : {"Giant Salvinia", "Zebra mussel", "Hydrilla", "Nutria", "Chytrid fungus"})
        state.plan().PotentialHazards.append(
            std::make_shared<orvella::model::HACCP_PotentialHazard>(
                orvella::model::HACCP_PotentialHazard{"Plant", e}));
    auto task = std::make_shared<orvella::model::HACCP_Task>();
    task->Name = "Task # 1";
    task->Number = 1;
    task->Description = "Launch the airboat at the north ramp";
    state.plan().Tasks.append(task);
    orvella::mainwindow::frmMain window(state, prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.selectStep(4);
    testsupport::answerNextModal<QDialog>([&](QDialog* d) {
        QTest::qWait(50);
        const QString dir = qEnvironmentVariable("ORVELLA_SHOTS");
        d->screen()->grabWindow(0).save(QDir(dir).filePath("dialog-selection-in-window.png"));
        d->findChild<QPushButton*>("cmdBack")->click();
    });
    window.findChild<QPushButton*>("cmdEvalTasks")->click();
}

// The analysis review and the pair edit dialog over the main window, in both languages, and
// step 4 with an update pending (needs a real display).
TEST(DialogScreenshots, ReviewAndPairEditOverTheMainWindow) {
    if (!qEnvironmentVariableIsSet("ORVELLA_SHOTS") ||
        QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "set ORVELLA_SHOTS and run on a display";
    const QDir dir(qEnvironmentVariable("ORVELLA_SHOTS"));
    for (bool spanish : {false, true}) {
        testsupport::SpanishRun language(spanish);
        const QString lang = spanish ? "es" : "en";
        orvella::model::ProgramState state;
        state.UseSpanish = spanish;
        ScriptedPrompts prompts;
        orvella::mainwindow::frmMain window(state, prompts);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.fileCommands().openFile(QStringLiteral(ORVELLA_SOURCE_DIR "/examples/") +
                                       (spanish ? "quema-prescrita.xml" : "prescribed-burn.xml"));
        window.selectStep(4);
        QTest::qWait(50);
        window.screen()->grabWindow(0).save(dir.filePath("step4-" + lang + ".png"));
        // One pair with a gap, to show how the review marks it.
        for (const auto& task : state.plan().Tasks)
            for (const auto& pair : task->TSHazards)
                if (pair->IsCCP &&
                    pair->Ccp.SupportDocs.startsWith(spanish ? "Registro de limp" : "Equipment"))
                    pair->Ccp.SupportDocs.clear();

        testsupport::answerNextModal<orvella::mainwindow::ReviewWindow>(
            [&](orvella::mainwindow::ReviewWindow* review) {
                QTest::qWait(80);
                review->screen()->grabWindow(0).save(dir.filePath("review-" + lang + ".png"));
                int row = 0;
                while (row < review->tableModel().rowCount() &&
                       !review->tableModel().pairAt(row)->IsCCP)
                    ++row;
                testsupport::answerNextModal<orvella::analysisdialogs::frmPairEdit>(
                    [&](orvella::analysisdialogs::frmPairEdit* edit) {
                        QTest::qWait(80);
                        edit->screen()->grabWindow(0).save(
                            dir.filePath("edit-pair-" + lang + ".png"));
                        edit->reject();
                    });
                review->editRow(row);
                review->accept();
            });
        window.findChild<QPushButton*>("cmdReview")->click();
    }
}

// The starter chooser over the window, the review of the chosen starter with its example mark,
// and step 5 naming what the starter still lacks.
TEST(DialogScreenshots, StarterChooserAndTheReviewOfAStarter) {
    if (!qEnvironmentVariableIsSet("ORVELLA_SHOTS") ||
        QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "set ORVELLA_SHOTS and run on a display";
    const QDir dir(qEnvironmentVariable("ORVELLA_SHOTS"));
    for (bool spanish : {false, true}) {
        testsupport::SpanishRun language(spanish);
        const QString lang = spanish ? "es" : "en";
        orvella::model::ProgramState state;
        state.UseSpanish = spanish;
        ScriptedPrompts prompts;
        orvella::mainwindow::frmMain window(state, prompts);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        testsupport::answerNextModal<orvella::mainwindow::StarterChooser>(
            [&](orvella::mainwindow::StarterChooser* chooser) {
                QTest::qWait(80);
                chooser->screen()->grabWindow(0).save(
                    dir.filePath("starter-chooser-" + lang + ".png"));
                chooser->accept();
            });
        window.findChild<QAction*>("mnuFileNewFromStarter")->trigger();
        window.selectStep(4);
        testsupport::answerNextModal<orvella::mainwindow::ReviewWindow>(
            [&](orvella::mainwindow::ReviewWindow* review) {
                QTest::qWait(80);
                review->screen()->grabWindow(0).save(
                    dir.filePath("review-starter-" + lang + ".png"));
                review->accept();
            });
        window.findChild<QPushButton*>("cmdReview")->click();
        window.selectStep(5);
        QTest::qWait(80);
        window.screen()->grabWindow(0).save(dir.filePath("step5-starter-" + lang + ".png"));
    }
}

// The approval dialog filled as a user would, and step 5 with an approval line and the
// record-sheet box, in both languages.
TEST(DialogScreenshots, PlanApprovalAndStepFive) {
    if (!qEnvironmentVariableIsSet("ORVELLA_SHOTS"))
        GTEST_SKIP() << "set ORVELLA_SHOTS to a folder to render the dialogs";
    using namespace orvella;
    for (bool spanish : {false, true}) {
        testsupport::SpanishRun language(spanish);
        const QString lang = spanish ? "es" : "en";
        auto plan = samples::makeTypicalPlan();
        samples::addDocumentControl(*plan);
        ScriptedPrompts prompts;
        mainwindow::frmApproval dialog(plan->Control, QDate(2026, 12, 10), prompts);
        dialog.resize(780, 800); // the whole body, as on a desktop screen
        save(dialog, "dialog-approval-" + lang);

        model::ProgramState state;
        state.UseSpanish = spanish;
        state.plan() = model::copyPlan(*plan);
        mainwindow::frmMain window(state, prompts);
        if (spanish)
            mainwindow::ApplySpanishCaptions(&window);
        window.loadPlan();
        window.selectStep(5);
        save(window, "window-" + lang + "-step5-approval");
    }
}
