#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "analysisdialogs/frmJustification.h"
#include "gui/ModalAnswerer.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using orvella::analysisdialogs::frmJustification;

namespace {

struct JustificationRig {
    ScriptedPrompts prompts;
    frmJustification d{prompts};
    JustificationRig() {
        d.setTaskList(QStringLiteral("Task # 1: Launch boat\r\nTask # 2: Haul out"));
    }
    QComboBox* just = d.findChild<QComboBox*>("cboJust");
    QComboBox* control = d.findChild<QComboBox*>("cboControl");

    // Shows the dialog and lets `act` work in it before pressing `button`.
    void run(const std::function<void()>& act, const char* button = "OKButton") {
        testsupport::answerNextModal<frmJustification>([this, act, button](frmJustification* w) {
            act();
            w->findChild<QPushButton*>(button)->click();
        });
        d.showModal();
    }
    void type(QComboBox* box, const QString& text) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
    }
};

} // namespace

TEST(DialogJustification, CombosLearnNewTextsOnlyOnOk) {
    JustificationRig rig;
    EXPECT_EQ(rig.d.windowTitle(), "Justification");
    EXPECT_EQ(rig.just->count(), 0);

    rig.d.setJustification("");
    rig.run([&] {
        rig.type(rig.just, "Mud on boots");
        rig.type(rig.control, "Wash boots");
    });
    EXPECT_FALSE(rig.d.GoBack());
    EXPECT_EQ(rig.d.justification(), "Mud on boots");
    EXPECT_EQ(rig.d.justificationList(), QStringList({"Mud on boots"}));
    EXPECT_EQ(rig.d.controlMeasuresList(), QStringList({"Wash boots"}));

    // Picking an entry from the list does not add it again; Back learns nothing.
    rig.d.setJustification("");
    rig.run([&] { rig.just->setCurrentIndex(0); });
    EXPECT_EQ(rig.d.justification(), "Mud on boots");
    rig.run([&] { rig.type(rig.just, "Typed then abandoned"); }, "btnBack");
    EXPECT_TRUE(rig.d.GoBack());
    rig.d.ResetGoBack();
    rig.d.setJustification("");
    rig.d.setControlMeasures("");
    rig.run([] {}); // empty texts are accepted and not listed
    EXPECT_EQ(rig.d.justification(), "");
    EXPECT_EQ(rig.d.justificationList(), QStringList({"Mud on boots"}));
    EXPECT_EQ(rig.d.controlMeasuresList(), QStringList({"Wash boots"}));

    // Return in the box confirms the dialog and learns the text once.
    testsupport::answerNextModal<frmJustification>([&](frmJustification*) {
        rig.type(rig.just, "Seeds in treads");
        QTest::keyClick(rig.just->lineEdit(), Qt::Key_Return);
    });
    rig.d.showModal();
    EXPECT_FALSE(rig.d.isVisible());
    EXPECT_FALSE(rig.d.GoBack());
    EXPECT_EQ(rig.d.justificationList(), QStringList({"Mud on boots", "Seeds in treads"}));

    // A learned entry is offered in the list only: typing its start stores just what was
    // typed, and a value far beyond QLineEdit's usual 32,767 characters comes back whole.
    rig.d.setJustification("");
    rig.d.setControlMeasures("");
    rig.run([&] {
        rig.type(rig.just, "Mud");
        rig.type(rig.control, "Wash");
    });
    EXPECT_EQ(rig.d.justification(), "Mud");
    EXPECT_EQ(rig.d.controlMeasures(), "Wash");
    const QString huge(1 << 20, QChar('j'));
    rig.d.setJustification(huge);
    rig.d.setControlMeasures(huge);
    rig.run([] {});
    EXPECT_EQ(rig.d.justification(), huge);
    EXPECT_EQ(rig.d.controlMeasures(), huge);
}

TEST(DialogJustification, ShowListOfTasksKeepsTheDialogOpen) {
    JustificationRig rig;
    bool stillOpen = false;
    rig.run([&] {
        rig.d.findChild<QPushButton*>("cmdShowTasks")->click();
        stillOpen = rig.d.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(rig.prompts.asked.size(), 1);
    EXPECT_EQ(rig.prompts.asked[0].text, "Task # 1: Launch boat\r\nTask # 2: Haul out");
    EXPECT_EQ(rig.prompts.asked[0].title, "");
    EXPECT_EQ(rig.prompts.asked[0].buttons, orvella::analysis::Prompts::Buttons::Ok);
}

TEST(DialogJustification, FrameCloseIsBackAndControlBoxHides) {
    JustificationRig rig;
    rig.d.setControlVisible(false);
    rig.d.setControlMeasures("kept");
    bool hidden = false;
    testsupport::answerNextModal<frmJustification>([&](frmJustification* w) {
        hidden = !rig.control->isVisible() && !w->findChild<QLabel*>("lblControl")->isVisible();
        w->close();
    });
    rig.d.showModal();
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(rig.d.GoBack());
    EXPECT_EQ(rig.d.controlMeasures(), "kept"); // a hidden box hands back what it was given

    rig.d.setButtonCaptions("Continuar", "Devolverse", "Muestre la Lista de Tareas");
    EXPECT_EQ(rig.d.findChild<QPushButton*>("OKButton")->text(), "Continuar");
    EXPECT_EQ(rig.d.findChild<QPushButton*>("btnBack")->text(), "Devolverse");
    EXPECT_EQ(rig.d.findChild<QPushButton*>("cmdShowTasks")->text(), "Muestre la Lista de Tareas");
}
