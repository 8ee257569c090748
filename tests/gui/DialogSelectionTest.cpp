#include "QtPrinters.h"
#include "SpanishRun.h"
#include "analysisdialogs/Dialog.h"
#include "gui/ModalAnswerer.h"
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using orvella::analysisdialogs::Dialog;

namespace {

QCheckBox* box(Dialog& d, int i) {
    return d.findChild<QCheckBox*>(QStringLiteral("chkHaz(%1)").arg(i));
}
void click(Dialog& d, int i) {
    QCheckBox* b = box(d, i);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

} // namespace

TEST(DialogSelection, CaptionsInBothLanguages) {
    Dialog en;
    EXPECT_EQ(en.windowTitle(), "Potential Hazards");
    EXPECT_EQ(box(en, 0)->text(), "None");
    EXPECT_EQ(en.findChild<QPushButton*>("OKButton")->text(), "Continue");
    testsupport::SpanishRun spanish;
    Dialog es;
    EXPECT_EQ(es.findChild<QLabel*>("Label1")->text(),
              "Seleccione cualquier riesgo que pueda ser potencialmente transportado durante esta "
              "tarea.");
    EXPECT_EQ(es.findChild<QLabel*>("lblTask")->text(), "Trabajo");
    EXPECT_EQ(box(es, 0)->text(), "Nada");
    EXPECT_EQ(es.findChild<QPushButton*>("OKButton")->text(), "Continuar");
    EXPECT_EQ(es.findChild<QPushButton*>("cmdBack")->text(), "Devolverse");
}

TEST(DialogSelection, NoneAndHazardBoxesExcludeEachOther) {
    Dialog d;
    d.setHazards({"Zebra mussel", "Hydrilla", "Nutria"}, {false, true, false});
    d.setNoneTicked(false);
    d.show();
    d.setChanged(false);
    ASSERT_TRUE(box(d, 3));
    EXPECT_EQ(box(d, 3)->text(), "Nutria");

    click(d, 1);
    click(d, 3);
    EXPECT_TRUE(d.Changed());
    EXPECT_TRUE(d.isTicked(1) && d.isTicked(2) && d.isTicked(3));
    click(d, 0); // "None" clears every hazard
    EXPECT_TRUE(d.isTicked(0));
    EXPECT_FALSE(d.isTicked(1) || d.isTicked(2) || d.isTicked(3));
    click(d, 2); // a hazard clears "None"
    EXPECT_FALSE(d.isTicked(0));
    EXPECT_TRUE(d.isTicked(2));
    click(d, 2); // unticking a hazard leaves "None" off too
    EXPECT_FALSE(d.isTicked(0) || d.isTicked(2));
    click(d, 0);
    click(d, 0); // unticking "None" changes nothing else
    EXPECT_FALSE(d.isTicked(0) || d.isTicked(1));

    d.setChanged(false);
    QTest::keyClick(box(d, 1), Qt::Key_Space); // keyboard counts like a click
    EXPECT_TRUE(d.Changed());
    EXPECT_TRUE(d.isTicked(1));

    d.removeHazards();
    EXPECT_FALSE(box(d, 1));
    EXPECT_TRUE(box(d, 0));
}

TEST(DialogSelection, HeightFollowsTheHazardCountWithinTheScreen) {
    Dialog d;
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("Hazard %1").arg(i);
    d.setHazards(ten, {});
    d.show();
    EXPECT_EQ(d.height(), 7000 / 15);
    auto* ok = d.findChild<QPushButton*>("OKButton");
    auto* back = d.findChild<QPushButton*>("cmdBack");
    EXPECT_NEAR(ok->y(), d.height() - 1000 / 15, 2);
    EXPECT_EQ(back->y(), ok->y());

    QStringList many;
    for (int i = 1; i <= 100; ++i)
        many << QStringLiteral("Hazard %1").arg(i);
    d.setHazards(many, {});
    const int available = d.screen()->availableGeometry().height();
    EXPECT_LT(d.height(), available);
    EXPECT_LT(d.height(), (100 * 300 + 4000) / 15);
    EXPECT_LE(ok->geometry().bottom(), d.height()); // the buttons stay in view
    auto* scroll = d.findChild<QScrollArea*>();
    QCoreApplication::processEvents();
    EXPECT_GT(scroll->widget()->sizeHint().height(),
              scroll->viewport()->height()); // the list scrolls
}

TEST(DialogSelection, ButtonsAndFrameCloseSetGoBack) {
    Dialog d;
    d.setHazards({"A"}, {true});
    testsupport::answerNextModal<Dialog>(
        [](Dialog* w) { w->findChild<QPushButton*>("cmdBack")->click(); });
    d.showModal();
    EXPECT_TRUE(d.GoBack());
    EXPECT_FALSE(d.isVisible());
    testsupport::answerNextModal<Dialog>(
        [](Dialog* w) { w->findChild<QPushButton*>("OKButton")->click(); });
    d.showModal();
    EXPECT_FALSE(d.GoBack());
    testsupport::answerNextModal<Dialog>([](Dialog* w) { w->close(); });
    d.showModal();
    EXPECT_TRUE(d.GoBack()); // the window frame counts as Back
    d.ResetGoBack();
    EXPECT_FALSE(d.GoBack());
    EXPECT_TRUE(d.isTicked(1)); // state survives hiding
}
