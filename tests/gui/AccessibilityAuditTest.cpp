// Every window as a screen reader, a keyboard user and a large-text user meet it: each
// reachable control has a name, mnemonics are unique within a window, and at one and a half
// times the font no text is cut off and no window outgrows a 1366x768 screen.
//
// To audit another window, add an entry to windows(): a name and a function that opens it
// over the rig (and, for a window with several pages, walks them).
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "ScriptedPrompts.h"
#include "SpanishRun.h"
#include "analysisdialogs/Dialog.h"
#include "analysisdialogs/YesNoBox.h"
#include "analysisdialogs/frmCCP.h"
#include "analysisdialogs/frmGoBack.h"
#include "analysisdialogs/frmJustification.h"
#include "analysisdialogs/frmPairEdit.h"
#include "help/HelpGuide.h"
#include "help/HelpWindow.h"
#include "mainwindow/Contrast.h"
#include "mainwindow/ReviewWindow.h"
#include "mainwindow/StarterChooser.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmApproval.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmSplash.h"
#include "platform/SystemInfo.h"
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <functional>
#include <gtest/gtest.h>

using namespace orvella;

namespace {

// What the windows are opened over: a typical plan with answers and CCPs.
struct Rig {
    Rig() { state.CurrentPlan = samples::makeTypicalPlan(); }
    model::ProgramState state;
    ScriptedPrompts prompts;
    QUndoStack undo;
    help::HelpGuide guide;
    platform::SystemInfo info{[](const QString&, const QStringList&) { return true; },
                              [](const QString&) { return QString(); }};
};

using Audit = std::function<void(QWidget* top, const QString& view)>;

struct WindowEntry {
    const char* name;
    // Opens the window over the rig and calls audit once for each view worth checking.
    std::function<void(Rig&, const Audit&)> open;
};

template <typename W> void single(std::unique_ptr<W> w, const Audit& audit) {
    w->show();
    QApplication::processEvents();
    audit(w.get(), {});
}

const model::HACCP_Task& firstTask(Rig& rig) {
    return *rig.state.plan().Tasks.item(1);
}

std::vector<WindowEntry> windows() {
    return {
        {"frmMain",
         [](Rig& rig, const Audit& audit) {
             mainwindow::frmMain w(rig.state, rig.prompts);
             w.loadPlan();
             w.show();
             for (int step = 1; step <= mainwindow::frmMain::StepCount; ++step) {
                 w.selectStep(step);
                 QApplication::processEvents();
                 audit(&w, QStringLiteral("step %1").arg(step));
             }
         }},
        {"frmSplash",
         [](Rig& rig, const Audit& audit) {
             single(std::make_unique<mainwindow::frmSplash>(rig.state), audit);
         }},
        {"frmAbout",
         [](Rig& rig, const Audit& audit) {
             single(std::make_unique<mainwindow::frmAbout>(rig.prompts, rig.info), audit);
         }},
        {"frmApproval",
         [](Rig& rig, const Audit& audit) {
             auto plan = samples::makeTypicalPlan();
             samples::addDocumentControl(*plan);
             single(std::make_unique<mainwindow::frmApproval>(plan->Control, QDate(2026, 12, 10),
                                                              rig.prompts),
                    audit);
         }},
        {"StarterChooser",
         [](Rig&, const Audit& audit) {
             single(std::make_unique<mainwindow::StarterChooser>(), audit);
         }},
        {"HelpWindow",
         [](Rig& rig, const Audit& audit) {
             help::HelpWindow w(rig.guide,
                                rig.state.UseSpanish ? QStringLiteral("es") : QStringLiteral("en"));
             w.show();
             w.showContents();
             QApplication::processEvents();
             audit(&w, QStringLiteral("contents"));
             w.showSearch();
             w.setQuery(QStringLiteral("hazard"));
             QApplication::processEvents();
             audit(&w, QStringLiteral("search"));
         }},
        {"Dialog",
         [](Rig& rig, const Audit& audit) {
             auto d = std::make_unique<analysisdialogs::Dialog>();
             d->setCaption(QStringLiteral("Significant Hazards"));
             d->setTask(firstTask(rig).Name, firstTask(rig).Description);
             QStringList names;
             QList<bool> ticks;
             for (int i = 1; i <= 40; ++i) {
                 names << QStringLiteral("Hazard %1: seeds and fragments carried in mud").arg(i);
                 ticks << (i % 3 == 0);
             }
             d->setHazards(names, ticks);
             single(std::move(d), audit);
         }},
        {"frmJustification",
         [](Rig& rig, const Audit& audit) {
             auto d = std::make_unique<analysisdialogs::frmJustification>(rig.prompts);
             d->setTaskLabel(firstTask(rig).Name +
                             QStringLiteral(" (Justify Potential Hazard 1 of 4)"));
             d->setTaskDescription(firstTask(rig).Description);
             d->setPrompt(QStringLiteral("Why is/are Giant Salvinia probable during Task # 1?"));
             d->setControlQuestion(QStringLiteral(
                 "What Control Measures can be applied during Task # 1 to prevent the spread "
                 "of Giant Salvinia?"));
             d->setControlVisible(true);
             single(std::move(d), audit);
         }},
        {"frmCCP",
         [](Rig& rig, const Audit& audit) {
             auto d = std::make_unique<analysisdialogs::frmCCP>();
             if (rig.state.UseSpanish)
                 d->setSpanishCaptions();
             d->setCaption(QStringLiteral("Critical Control Point #2"));
             d->setTask(firstTask(rig).Name, firstTask(rig).Description);
             d->setHazard(QStringLiteral("Plant: Giant Salvinia"));
             d->setControlMeasures(QStringLiteral("Inspect and wash the boat and trailer"));
             single(std::move(d), audit);
         }},
        {"frmGoBack",
         [](Rig&, const Audit& audit) {
             single(std::make_unique<analysisdialogs::frmGoBack>(), audit);
         }},
        {"YesNoBox",
         [](Rig&, const Audit& audit) {
             auto d = std::make_unique<analysisdialogs::YesNoBox>();
             d->Label1()->setText(QStringLiteral(
                 "Task # 1: Launch the airboat\r\n\r\nDoes this step eliminate or reduce the "
                 "likely occurrence of Giant Salvinia to an acceptable level AND is this the "
                 "best place to control the hazard?"));
             single(std::move(d), audit);
         }},
        {"ReviewWindow",
         [](Rig& rig, const Audit& audit) {
             single(std::make_unique<mainwindow::ReviewWindow>(rig.state, rig.undo, rig.prompts),
                    audit);
         }},
        {"frmPairEdit",
         [](Rig& rig, const Audit& audit) {
             const model::HACCP_Task& task = firstTask(rig);
             for (const auto& pair : task.TSHazards)
                 if (pair->IsCCP) {
                     single(
                         std::make_unique<analysisdialogs::frmPairEdit>(task, *pair, rig.prompts),
                         audit);
                     return;
                 }
             ADD_FAILURE() << "the sample plan's first task has no CCP";
         }},
    };
}

bool shown(const QWidget* w, const QWidget* top) {
    return w->isVisibleTo(top) && w->isVisible();
}

QString describe(const QWidget* w) {
    return (w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName()) +
           QLatin1Char(' ') + QLatin1String(w->metaObject()->className());
}

// Controls Tab reaches, as the screen reader would announce them, with no name.
void unnamed(QAccessibleInterface* node, const QWidget* top, QStringList& problems, int depth) {
    if (!node || depth > 40)
        return;
    if (auto* w = qobject_cast<QWidget*>(node->object()); w && w != top) {
        if (!shown(w, top))
            return;
        const bool reachable = (w->focusPolicy() & Qt::TabFocus) && w->isEnabled();
        if (reachable && node->text(QAccessible::Name).trimmed().isEmpty())
            problems << describe(w) + QStringLiteral(" has no accessible name");
        // A picture is named, or painted by a widget the reader passes by.
        if (auto* l = qobject_cast<QLabel*>(w);
            l && !l->pixmap().isNull() && l->accessibleName().isEmpty())
            problems << describe(w) + QStringLiteral(" is a picture without a name");
        // Cells are the model's business; their headers are checked below.
        if (qobject_cast<QAbstractScrollArea*>(w) && node->tableInterface()) {
            QAccessibleTableInterface* table = node->tableInterface();
            for (int c = 0; c < table->columnCount(); ++c)
                if (table->columnDescription(c).trimmed().isEmpty())
                    problems << describe(w) + QStringLiteral(" column %1 has no header").arg(c);
            return;
        }
    }
    for (int i = 0; i < node->childCount(); ++i)
        unnamed(node->child(i), top, problems, depth + 1);
}

QChar mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Alt+letter must lead to one place only among what the window shows.
QStringList duplicateMnemonics(QWidget* top) {
    QMultiMap<QChar, QString> owners;
    auto note = [&](const QString& text, const QString& who) {
        if (const QChar m = mnemonic(text); !m.isNull())
            owners.insert(m, who + QStringLiteral(" \"") + text + QLatin1Char('"'));
    };
    for (auto* w : top->findChildren<QWidget*>()) {
        if (!shown(w, top) || w->window() != top)
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            note(b->text(), describe(w));
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            note(l->text(), describe(w));
        else if (auto* g = qobject_cast<QGroupBox*>(w); g && g->isCheckable())
            note(g->title(), describe(w));
        else if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                note(t->tabText(i), describe(w));
        else if (auto* m = qobject_cast<QMenuBar*>(w))
            for (QAction* a : m->actions())
                note(a->text(), describe(w));
    }
    QStringList problems;
    for (const QChar key : owners.uniqueKeys())
        if (owners.count(key) > 1)
            problems << QStringLiteral("Alt+%1: ").arg(key) + owners.values(key).join(", ");
    return problems;
}

bool scrolls(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

int textWidth(const QWidget* w, const QString& text) {
    int widest = 0;
    for (const QString& line : QString(text).remove(QLatin1Char('&')).split(QLatin1Char('\n')))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

bool iconOnly(const QAbstractButton* b) {
    auto* tool = qobject_cast<const QToolButton*>(b);
    return tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
}

// Text that does not fit the room its widget got, and widgets outside the window.
QStringList clipped(QWidget* top) {
    QStringList problems;
    for (auto* w : top->findChildren<QWidget*>()) {
        if (!shown(w, top) || w->window() != top)
            continue;
        if (!scrolls(w, top) &&
            !top->rect().contains(QRect(w->mapTo(top, QPoint(0, 0)), w->size())))
            problems << describe(w) + QStringLiteral(" lies outside the window");
        const QRect room = w->contentsRect();
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            const QMargins m = l->contentsMargins();
            const int needHeight =
                (l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height()) - m.top() -
                m.bottom();
            const int needWidth = l->wordWrap() ? 0 : l->sizeHint().width() - m.left() - m.right();
            if (room.height() < needHeight || room.width() < needWidth)
                problems << describe(w) + QStringLiteral(" %1x%2 < %3x%4")
                                              .arg(room.width())
                                              .arg(room.height())
                                              .arg(needWidth)
                                              .arg(needHeight);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w);
                   b && !b->text().isEmpty() && !iconOnly(b)) {
            int need = textWidth(b, b->text());
            if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
                need += b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                        b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
            const int lines = int(b->text().count(QLatin1Char('\n'))) + 1;
            if (room.width() < need || room.height() < lines * b->fontMetrics().height())
                problems << describe(w) + QStringLiteral(" cuts its text");
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (room.height() < e->fontMetrics().height())
                problems << describe(w) + QStringLiteral(" is lower than its text");
        }
    }
    // The window itself fits its screen, with room for the title bar and frame.
    const QSize room = top->screen()->availableGeometry().size() - QSize(0, 40);
    if (top->width() > room.width() || top->height() > room.height())
        problems << QStringLiteral("the window is %1x%2 on %3x%4")
                        .arg(top->width())
                        .arg(top->height())
                        .arg(room.width())
                        .arg(room.height());
    return problems;
}

// Texts below 4.5:1 against what they are drawn on; disabled ones are exempt.
QStringList faintTexts(QWidget* top) {
    QStringList problems;
    for (auto* l : top->findChildren<QLabel*>()) {
        if (!shown(l, top) || !l->isEnabled() || l->text().trimmed().isEmpty())
            continue;
        const QWidget* ground = l;
        while (ground != top && !ground->autoFillBackground())
            ground = ground->parentWidget();
        const QColor back = ground->palette().color(ground->backgroundRole());
        const QColor text = l->palette().color(l->foregroundRole());
        const double ratio = mainwindow::contrastRatio(text, back);
        if (ratio < 4.5)
            problems << describe(l) + QStringLiteral(" %1 on %2: %3")
                                          .arg(text.name(), back.name())
                                          .arg(ratio, 0, 'f', 1);
    }
    return problems;
}

// A dark desktop palette, as a dark theme gives Qt.
QPalette darkPalette() {
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xee, 0xee, 0xee);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    return p;
}

void auditContrast() {
    for (const WindowEntry& entry : windows()) {
        Rig rig;
        rig.state.InputsChanged = false;
        entry.open(rig, [&](QWidget* top, const QString& view) {
            // The note of an earlier analysis is the one coloured text.
            if (auto* note = top->findChild<QLabel*>("lblStatus"))
                note->show();
            EXPECT_EQ(faintTexts(top), QStringList())
                << entry.name << " " << view.toStdString() << " in "
                << QApplication::palette().color(QPalette::Window).name().toStdString();
        });
    }
}

void auditAll(bool spanish, bool large) {
    testsupport::SpanishRun language(spanish);
    for (const WindowEntry& entry : windows()) {
        Rig rig;
        rig.state.UseSpanish = spanish;
        entry.open(rig, [&](QWidget* top, const QString& view) {
            const std::string where = std::string(entry.name) + " " + view.toStdString() +
                                      (spanish ? " (es)" : " (en)") +
                                      (large ? " at 1.5x font" : "");
            if (large) {
                EXPECT_EQ(clipped(top), QStringList()) << where;
            } else {
                QStringList problems;
                unnamed(QAccessible::queryAccessibleInterface(top), top, problems, 0);
                EXPECT_EQ(problems, QStringList()) << where;
                EXPECT_EQ(duplicateMnemonics(top), QStringList()) << where;
            }
        });
    }
}

} // namespace

TEST(AccessibilityAudit, EveryReachableControlIsNamedAndMnemonicsAreUnique) {
    auditAll(false, false);
    auditAll(true, false);
}

// The desktop's font setting (Xft.dpi, QT_FONT_DPI=144) makes Qt scale the whole interface by
// 1.5, so a 1366x768 screen offers 911x512 pixels to lay out in. The check runs in a child
// process on such a screen, since a screen's dots per inch are fixed at start-up.
TEST(AccessibilityAudit, EveryTextFitsAtOneAndAHalfTimesTheFont) {
    if (qEnvironmentVariableIsSet("ORVELLA_AUDIT_LARGE")) {
        ASSERT_DOUBLE_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.5);
        auditAll(false, true);
        auditAll(true, true);
        return;
    }
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "runs on the offscreen platform only";
    QTemporaryDir dir;
    QFile config(dir.filePath("screen.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"screens": [{"name": "audit", "x": 0, "y": 0, "width": 1366, "height": 768,
                     "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORVELLA_AUDIT_LARGE", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=AccessibilityAudit.EveryTextFitsAtOneAndAHalfTimesTheFont"});
    ASSERT_TRUE(child.waitForFinished(240000));
    const QString said = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.contains("[  PASSED  ] 1 test")) << said.toStdString();
}

TEST(AccessibilityAudit, EveryTextKeepsItsContrastInTheDefaultAndADarkPalette) {
    auditContrast();
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkPalette());
    auditContrast();
    QApplication::setPalette(before);
}

// Pictures for docs/screens.md: run with ORVELLA_SHOTS=<folder> and QT_SCALE_FACTOR=2 for the
// twice-the-size set, or ORVELLA_SHOTS_DARK=1 for the dark palette.
TEST(AccessibilityScreenshots, TwiceTheSizeAndDark) {
    if (!qEnvironmentVariableIsSet("ORVELLA_SHOTS"))
        GTEST_SKIP() << "set ORVELLA_SHOTS to a folder to render the windows";
    const QDir dir(qEnvironmentVariable("ORVELLA_SHOTS"));
    const bool dark = qEnvironmentVariableIsSet("ORVELLA_SHOTS_DARK");
    const QPalette before = QApplication::palette();
    if (dark)
        QApplication::setPalette(darkPalette());
    const QString suffix =
        dark ? QStringLiteral("-dark") : QStringLiteral("-%1x").arg(qApp->devicePixelRatio());
    for (const WindowEntry& entry : windows()) {
        if (!QStringList({"frmMain", "frmCCP", "Dialog", "ReviewWindow", "frmPairEdit"})
                 .contains(QLatin1String(entry.name)))
            continue;
        Rig rig;
        entry.open(rig, [&](QWidget* top, QString view) {
            if (!view.isEmpty() && view != "step 2" && view != "step 4")
                return;
            QTest::qWait(20);
            const QString name = QStringLiteral("a11y-") + QLatin1String(entry.name) +
                                 (view.isEmpty() ? QString() : "-" + view.replace(' ', '-')) +
                                 suffix + ".png";
            EXPECT_TRUE(top->grab().save(dir.filePath(name)));
        });
    }
    QApplication::setPalette(before);
}
