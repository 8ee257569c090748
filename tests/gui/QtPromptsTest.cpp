// The real message boxes behind the Prompts seam.
#include "analysisdialogs/QtPrompts.h"
#include "QtPrinters.h"
#include "gui/ModalAnswerer.h"
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using orvella::analysis::Prompts;

namespace {
struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

void answer(Seen& seen, QMessageBox::StandardButton press) {
    testsupport::answerNextModal<QMessageBox>([&seen, press](QMessageBox* box) {
        seen = {box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())};
        box->button(press)->click();
    });
}
} // namespace

TEST(QtPrompts, MessageBoxesShowTitleIconAndAnswerLikeTheClassicBox) {
    orvella::analysisdialogs::QtPrompts prompts;
    Seen seen;

    answer(seen, QMessageBox::Ok);
    EXPECT_EQ(prompts.message("Hazard was not added."), Prompts::AnswerOk);
    EXPECT_EQ(seen.title, "Orvella") << "an empty title is the program's name";
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, 1);

    answer(seen, QMessageBox::Ok);
    prompts.message("Line one\r\nLine two", "Word Undetected", Prompts::Icon::Critical);
    EXPECT_EQ(seen.title, "Word Undetected");
    EXPECT_EQ(seen.text, "Line one\nLine two");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);

    answer(seen, QMessageBox::Yes);
    EXPECT_EQ(prompts.message("Sure?", "Close Current File", Prompts::Icon::None,
                              Prompts::Buttons::YesNo),
              Prompts::AnswerYes);
    EXPECT_EQ(seen.buttons, 2);
    answer(seen, QMessageBox::No);
    EXPECT_EQ(prompts.message("Sure?", {}, Prompts::Icon::None, Prompts::Buttons::YesNo),
              Prompts::AnswerNo);
}

TEST(QtPrompts, EscapeAnswersNoOrTheChosenEscapeButton) {
    orvella::analysisdialogs::QtPrompts prompts;
    const auto escape = [] {
        testsupport::answerNextModal<QMessageBox>(
            [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    };
    escape();
    EXPECT_EQ(prompts.message("Sure?", {}, Prompts::Icon::None, Prompts::Buttons::YesNo),
              Prompts::AnswerNo);

    const QStringList buttons{"Replace", "Keep both"};
    escape();
    EXPECT_EQ(prompts.choose("Exists.", {}, buttons, 1), 1);
    QStringList shown;
    testsupport::answerNextModal<QMessageBox>([&shown](QMessageBox* box) {
        for (auto* b : box->buttons())
            shown << b->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(prompts.choose("Exists.", {}, buttons, 1), 0) << "Return picks the first button";
    EXPECT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown.contains("Keep both"));
}
