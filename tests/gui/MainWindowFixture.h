#pragma once
#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "SpanishRun.h"
#include "mainwindow/frmMain.h"
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// A main window as start-up leaves it, on a fixed clock, with scripted message boxes.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(false); }

    void open(bool spanish) {
        window.reset();
        language.reset();
        language.emplace(spanish);
        state = orvella::model::ProgramState{};
        state.UseSpanish = spanish;
        state.clock = [this] { return now; };
        window = std::make_unique<orvella::mainwindow::frmMain>(state, prompts);
        window->show();
    }

    template <typename T = QWidget> T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* edit(const QString& name) { return control<QLineEdit>(name); }
    QPushButton* button(const QString& name) { return control<QPushButton>(name); }
    QLabel* label(const QString& name) { return control<QLabel>(name); }
    QListWidget* list(const QString& name) { return control<QListWidget>(name); }
    QTabWidget* tabs() { return control<QTabWidget>(QStringLiteral("TabStrip")); }

    void type(const QString& box, const QString& text) {
        auto* e = edit(box);
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, text);
    }
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // Adds one hazard through the page: name, type button, "Add to List".
    void addHazard(const QString& name, int type = 4) {
        control<QRadioButton>(QStringLiteral("optHazType(%1)").arg(type))->click();
        this->type(QStringLiteral("txtAddHaz"), name);
        click(QStringLiteral("btnAddHazard"));
    }

    QStringList rows(const QString& name) {
        QStringList out;
        auto* l = list(name);
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }

    QDateTime now{QDate(2026, 3, 14), QTime(9, 26, 53)};
    std::optional<testsupport::SpanishRun> language; // the catalogue of a Spanish window
    ScriptedPrompts prompts;
    orvella::model::ProgramState state;
    std::unique_ptr<orvella::mainwindow::frmMain> window;
};
