// The string table and the numbered captions it fills in.
#include "mainwindow/StringTable.h"
#include "QtPrinters.h"
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <gtest/gtest.h>

using orvella::mainwindow::ApplyStringTable;
using orvella::mainwindow::lookupString;
using orvella::mainwindow::TagProperty;

TEST(StringTable, HoldsExactlyTheNumberedTexts) {
    EXPECT_EQ(lookupString(1000), "&File");
    EXPECT_EQ(lookupString(1005), "Save &As...");
    EXPECT_EQ(lookupString(1016), "&About ");
    EXPECT_EQ(lookupString(1047), "Step 3: Break the activity into tasks and list them in order.");
    EXPECT_EQ(lookupString(1049), "Step 5: Create HACCP form.");
    // No menu or toolbar of the program has Properties, Print or text formatting.
    const QList<int> unused{1006, 1020, 1024, 1025, 1026, 1027, 1028, 1029};
    for (int id = 1000; id <= 1049; ++id) {
        auto text = lookupString(id);
        ASSERT_EQ(text.has_value(), !unused.contains(id)) << id;
        EXPECT_NE(text, QString()) << id;
    }
    // The font name and size are looked up but are not in the table.
    for (int id : {0, 20, 21, 999, 1050, -1, 65535})
        EXPECT_FALSE(lookupString(id).has_value()) << id;
}

TEST(StringTable, FillsNumberedCaptionsAndLeavesTheRest) {
    QDialog window;
    window.setProperty(TagProperty, "1030");
    window.setWindowTitle("Design");
    const QFont designFont = window.font();

    auto tagged = [&window](const char* tag, const char* text) {
        auto* label = new QLabel(QLatin1String(text), &window);
        label->setProperty(TagProperty, QLatin1String(tag));
        return label;
    };
    auto* numbered = tagged("1045", "design");
    auto* empty = tagged("", "keeps empty");
    auto* zero = tagged("0", "keeps zero");
    auto* words = tagged("Label", "keeps words");
    auto* unknown = tagged("20", "keeps missing id");
    auto* leadingOnly = tagged("1021x", "labels need a whole number");

    // Other controls: the number their tag or tooltip begins with.
    auto* button = new QPushButton("design", &window);
    button->setProperty(TagProperty, " 1017 and more");
    button->setToolTip("1021");
    auto* plain = new QPushButton("plain", &window);
    plain->setToolTip("Tip stays");

    auto* menu = new QMenu("1000", &window);
    auto* item = menu->addAction("1001");
    auto* bar = menu->addSeparator();
    auto* notAnId = menu->addAction("Exit");

    auto* tabs = new QTabWidget(&window);
    tabs->addTab(new QWidget, "Step 1");
    tabs->tabBar()->setTabData(0, "1018");
    tabs->setTabToolTip(0, "1019");
    tabs->addTab(new QWidget, "Step 2");
    tabs->setTabToolTip(1, "Identify Potential Hazards");

    auto* toolbar = new QToolBar(&window);
    auto* save = toolbar->addAction("Save");
    save->setToolTip("1019");
    auto* past = toolbar->addAction("Paste");
    past->setToolTip("Past");

    ApplyStringTable(&window);

    EXPECT_EQ(window.windowTitle(), "Orvella");
    EXPECT_EQ(window.font(), designFont);
    EXPECT_EQ(numbered->text(), "Step 1: Describe the project or activity.");
    EXPECT_EQ(empty->text(), "keeps empty");
    EXPECT_EQ(zero->text(), "keeps zero");
    EXPECT_EQ(words->text(), "keeps words");
    EXPECT_EQ(unknown->text(), "keeps missing id");
    EXPECT_EQ(leadingOnly->text(), "labels need a whole number");
    EXPECT_EQ(button->text(), "New");
    EXPECT_EQ(button->toolTip(), "Cut");
    EXPECT_EQ(plain->text(), "plain");
    EXPECT_EQ(plain->toolTip(), "Tip stays");
    EXPECT_EQ(menu->title(), "&File");
    EXPECT_EQ(item->text(), "&New");
    EXPECT_TRUE(bar->isSeparator());
    EXPECT_EQ(notAnId->text(), "Exit");
    EXPECT_EQ(tabs->tabText(0), "Open");
    EXPECT_EQ(tabs->tabToolTip(0), "Save");
    EXPECT_EQ(tabs->tabText(1), "Step 2");
    EXPECT_EQ(tabs->tabToolTip(1), "Identify Potential Hazards");
    EXPECT_EQ(save->toolTip(), "Save");
    EXPECT_EQ(past->toolTip(), "Past");

    // Running it twice changes nothing more: filled captions are no longer ids.
    ApplyStringTable(&window);
    EXPECT_EQ(item->text(), "&New");
    ApplyStringTable(nullptr);
}
