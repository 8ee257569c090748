#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "SpanishRun.h"
#include "analysis/Prompts.h"
#include "analysisdialogs/Dialog.h"
#include "analysisdialogs/YesNoBox.h"
#include "analysisdialogs/frmCCP.h"
#include "analysisdialogs/frmGoBack.h"
#include "analysisdialogs/frmJustification.h"
#include "gui/ModalAnswerer.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvella::analysisdialogs;
using orvella::analysis::Prompts;

TEST(DialogCcp, SpanishCaptionsAndFieldsThatPersist) {
    frmCCP en;
    EXPECT_EQ(en.findChild<QLabel*>("lblCCP")->text(), "CCP:");
    testsupport::SpanishRun spanish;
    frmCCP d;
    EXPECT_EQ(d.windowTitle(), "Critical Control Point");
    EXPECT_EQ(d.findChild<QLabel*>("lblCCP")->text(), "PCC"); // set on load
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Identified Hazards:");
    d.setSpanishCaptions();
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Riesgos Identificados");
    EXPECT_EQ(d.findChild<QLabel*>("Label7")->text(),
              "¿Si los límites de control no pueden se alconzados, qué acciones correctivas pueden "
              "ser realizadas?");
    EXPECT_EQ(d.findChild<QPushButton*>("cmdBack")->text(), "Devolverse");
    EXPECT_EQ(d.findChild<QPushButton*>("OKButton")->text(), "OK");

    testsupport::answerNextModal<frmCCP>([](frmCCP* w) {
        QTest::keyClicks(w->findChild<QLineEdit*>("txtLimits"), "Dry 5 days");
        QTest::keyClicks(w->findChild<QLineEdit*>("txtFreq"), "Daily");
        QTest::keyClicks(w->findChild<QLineEdit*>("txtVerification"), "Lead reads the log weekly");
        w->findChild<QPushButton*>("cmdBack")->click();
    });
    d.showModal();
    EXPECT_TRUE(d.GoBack());
    EXPECT_EQ(d.fields().Limits, "Dry 5 days");
    EXPECT_EQ(d.fields().Frequency, "Daily");
    EXPECT_EQ(d.fields().Verification, "Lead reads the log weekly");
    EXPECT_EQ(d.findChild<QLabel*>("Label9")->text(),
              "¿Cómo y cada cuánto se verifica que el monitoreo funciona? (verificación)");

    QString offered;
    testsupport::answerNextModal<frmCCP>([&](frmCCP* w) {
        offered = w->findChild<QLineEdit*>("txtLimits")->text();
        QTest::keyClick(w->findChild<QLineEdit*>("txtWho"), Qt::Key_Return); // Return is OK
    });
    d.showModal();
    EXPECT_EQ(offered, "Dry 5 days");
    EXPECT_FALSE(d.GoBack());

    testsupport::answerNextModal<frmCCP>([](frmCCP* w) { w->close(); });
    d.showModal();
    EXPECT_TRUE(d.GoBack()); // the window frame counts as Back

    d.clearFields();
    EXPECT_EQ(d.fields().Limits, "");
    EXPECT_EQ(d.fields().Frequency, "");
    EXPECT_EQ(d.fields().Verification, "");
}

TEST(DialogGoBack, ButtonsSetTheDestinationAndFrameCloseContinues) {
    frmGoBack d;
    EXPECT_EQ(d.windowTitle(), "What do you want to do?");
    EXPECT_EQ(d.Destination(), 0);
    EXPECT_EQ(d.findChild<QPushButton*>("cmdContinue")->text(), "Continue ");
    for (auto [name, expected] :
         {std::pair{"cmdGoBack1", 1}, {"cmdGoBack2", 2}, {"cmdContinue", 0}}) {
        d.SetDestination(9);
        testsupport::answerNextModal<frmGoBack>(
            [name](frmGoBack* w) { w->findChild<QPushButton*>(name)->click(); });
        d.showModal();
        EXPECT_EQ(d.Destination(), expected) << name;
    }
    d.SetDestination(2);
    testsupport::answerNextModal<frmGoBack>([](frmGoBack* w) { w->close(); });
    d.showModal();
    EXPECT_EQ(d.Destination(), 0);

    testsupport::SpanishRun spanish;
    frmGoBack es;
    EXPECT_TRUE(es.findChild<QLabel*>("Label1")->text().startsWith(
        "A partir de este punto usted tiene tres opciones"));
    EXPECT_EQ(es.findChild<QLabel*>("Label2")->text(), "Go Back");
}

TEST(DialogYesNo, AnswersAndAlignmentRule) {
    const QString fortyNine(49, QChar('x'));
    const QString fifty(50, QChar('x'));
    struct Seen {
        QString caption;
        Qt::Alignment alignment;
    };
    Seen seen;
    const auto answer = [&seen](const char* button) {
        testsupport::answerNextModal<YesNoBox>([&seen, button](YesNoBox* box) {
            seen = {box->windowTitle(), box->Label1()->alignment()};
            if (button)
                box->findChild<QPushButton*>(button)->click();
            else
                box->close();
        });
    };
    answer("YesButton");
    EXPECT_EQ(YesNo(fortyNine, "CCP Analysis"), Prompts::AnswerYes);
    EXPECT_EQ(seen.caption, "CCP Analysis");
    EXPECT_TRUE(seen.alignment & Qt::AlignHCenter);
    answer("NoButton");
    EXPECT_EQ(YesNo(fifty, "Other"), Prompts::AnswerNo);
    EXPECT_TRUE(seen.alignment & Qt::AlignLeft);
    answer(nullptr);
    EXPECT_EQ(YesNo(fifty, "x"), 0);

    YesNoBox fresh;
    EXPECT_EQ(fresh.Result, 0);
    EXPECT_EQ(fresh.windowTitle(), "Dialog Caption");
    EXPECT_EQ(fresh.findChild<QPushButton*>("YesButton")->text(), "Yes");
    EXPECT_EQ(fresh.findChild<QPushButton*>("NoButton")->text(), "No");
}

// One stray Escape must not count as Back or as an answer; the frame still closes.
TEST(AnalysisDialogs, EscapeAnswersNothingWhileTheFrameStillCloses) {
    const auto escapeThenFrame = [](auto& dialog, auto show) {
        using T = std::remove_reference_t<decltype(dialog)>;
        bool openAfterEscape = false;
        testsupport::answerNextModal<T>([&openAfterEscape](T* w) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
            QTest::keyClick(target, Qt::Key_Escape);
            QTest::keyClick(w, Qt::Key_Escape);
            openAfterEscape = w->isVisible();
            w->close();
        });
        show();
        return openAfterEscape;
    };
    ScriptedPrompts prompts;
    Dialog selection;
    selection.setBackVisible(true);
    EXPECT_TRUE(escapeThenFrame(selection, [&] { selection.showModal(); }));
    EXPECT_TRUE(selection.GoBack());
    frmJustification justification(prompts);
    EXPECT_TRUE(escapeThenFrame(justification, [&] { justification.showModal(); }));
    EXPECT_TRUE(justification.GoBack());
    frmCCP ccp;
    EXPECT_TRUE(escapeThenFrame(ccp, [&] { ccp.showModal(); }));
    EXPECT_TRUE(ccp.GoBack());
    frmGoBack goBack;
    goBack.SetDestination(2);
    EXPECT_TRUE(escapeThenFrame(goBack, [&] { goBack.showModal(); }));
    EXPECT_EQ(goBack.Destination(), 0);
    YesNoBox box;
    EXPECT_TRUE(escapeThenFrame(box, [&] { box.exec(); }));
    EXPECT_EQ(box.Result, 0);

    // The CCP boxes take a value of any length.
    const QString huge(1 << 20, QChar('c'));
    ccp.findChild<QLineEdit*>("txtLimits")->setText(huge);
    EXPECT_EQ(ccp.fields().Limits, huge);
}
