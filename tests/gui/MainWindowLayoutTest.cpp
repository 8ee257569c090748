// The window at its opening size: every text fits, nothing overlaps, in both languages.
#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "mainwindow/SpanishCaptions.h"
#include "mainwindow/frmMain.h"
#include "model/HazardTypes.h"
#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using orvella::mainwindow::frmMain;

namespace {

// Labels that wrap need their height for the width they got; others their size hint.
QStringList clippedTexts(QWidget* page) {
    QStringList problems;
    for (auto* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty())
            continue;
        const QSize have = label->contentsRect().size();
        const QMargins m = label->contentsMargins();
        const int needHeight = label->wordWrap()
                                   ? label->heightForWidth(label->width()) - m.top() - m.bottom()
                                   : label->sizeHint().height() - m.top() - m.bottom();
        const int needWidth =
            label->wordWrap() ? 0 : label->sizeHint().width() - m.left() - m.right();
        if (have.height() < needHeight || have.width() < needWidth)
            problems << QStringLiteral("%1 %2x%3 < %4x%5")
                            .arg(label->objectName())
                            .arg(have.width())
                            .arg(have.height())
                            .arg(needWidth)
                            .arg(needHeight);
    }
    for (auto* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(page))
            continue;
        if (button->width() < button->sizeHint().width() ||
            button->height() < button->minimumSizeHint().height())
            problems << button->objectName() + QStringLiteral(" too small");
    }
    return problems;
}

// Sibling widgets of a page whose rectangles overlap.
QStringList overlaps(QWidget* page) {
    QStringList problems;
    QList<QWidget*> widgets;
    for (auto* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(page))
            widgets << w;
    for (int i = 0; i < widgets.size(); ++i)
        for (int j = i + 1; j < widgets.size(); ++j)
            if (widgets[i]->geometry().intersects(widgets[j]->geometry()))
                problems << widgets[i]->objectName() + QStringLiteral(" / ") +
                                widgets[j]->objectName();
    return problems;
}

void checkPages(frmMain& window, const char* when) {
    for (int step = 1; step <= frmMain::StepCount; ++step) {
        window.selectStep(step);
        QApplication::processEvents();
        auto* page = window.findChild<QWidget*>(QStringLiteral("Frame1(%1)").arg(step - 1));
        EXPECT_EQ(clippedTexts(page), QStringList()) << when << " step " << step;
        EXPECT_EQ(overlaps(page), QStringList()) << when << " step " << step;
    }
}

void checkAllPages(bool spanish) {
    orvella::model::ProgramState state;
    state.UseSpanish = spanish;
    ScriptedPrompts prompts;
    frmMain window(state, prompts);
    if (spanish)
        orvella::mainwindow::ApplySpanishCaptions(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), QSize(827, 533)) << "opening size at 96 dpi";
    // The step-4 note as a completed analysis shows it.
    window.findChild<QLabel*>(QStringLiteral("lblStatus"))->show();
    // Every type key must show whole in the narrow kinds column.
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtAddHaz"));
    for (const QString& kind : orvella::model::HazardTypes::All) {
        name->setText(QStringLiteral("Hazard of kind ") + kind);
        window.AddHazard(name, kind);
    }
    const QString shots = qEnvironmentVariable("ORVELLA_SCREENSHOT_DIR");
    for (int step = 1; step <= frmMain::StepCount; ++step) {
        window.selectStep(step);
        QApplication::processEvents();
        auto* page = window.findChild<QWidget*>(QStringLiteral("Frame1(%1)").arg(step - 1));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(clippedTexts(page), QStringList()) << "step " << step;
        EXPECT_EQ(overlaps(page), QStringList()) << "step " << step;
        if (step == 2) {
            auto* kinds = window.findChild<QListWidget*>(QStringLiteral("lstHazardKinds"));
            for (int row = 0; row < kinds->count(); ++row) {
                auto* item = kinds->item(row);
                EXPECT_LE(kinds->fontMetrics().horizontalAdvance(item->text()),
                          kinds->viewport()->width() - 4)
                    << item->text().toStdString();
            }
        }
        if (!shots.isEmpty())
            window.grab().save(QDir(shots).filePath(
                QStringLiteral("window-%1-step%2.png").arg(spanish ? "es" : "en").arg(step)));
    }

    // Larger is fine; smaller than the designed size is refused rather than clipped.
    window.resize(1280, 860);
    QApplication::processEvents();
    checkPages(window, "large");
    window.resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(827, 533));
    checkPages(window, "shrunk");
}

} // namespace

TEST(MainWindowLayout, EveryPageFitsAtOpeningSizeInEnglish) {
    checkAllPages(false);
}
TEST(MainWindowLayout, EveryPageFitsAtOpeningSizeInSpanish) {
    checkAllPages(true);
}
