#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "help/HelpGuide.h"
#include "help/HelpWindow.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/SpanishCaptions.h"
#include "mainwindow/frmMain.h"
#include "model/ProgramState.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QShortcut>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

using orvella::help::HelpGuide;
using orvella::help::HelpWindow;
using orvella::mainwindow::HelpCommands;

// Lets failure messages name pages and files.
inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}

namespace {

// A main window with the Help menu's actions, as the real one names them.
struct FakeMain {
    QMainWindow window;
    QAction* contents;
    QAction* search;
    FakeMain() {
        window.setWindowTitle(QStringLiteral("Orvella"));
        auto* menu = window.menuBar()->addMenu(QStringLiteral("&Help"));
        contents = menu->addAction(QStringLiteral("&Contents"));
        contents->setObjectName(QStringLiteral("mnuHelpContents"));
        search = menu->addAction(QStringLiteral("&Search For Help On..."));
        search->setObjectName(QStringLiteral("mnuHelpSearchForHelpOn"));
    }
};

QStringList links(const QString& html) {
    static const QRegularExpression href(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
    QStringList out;
    for (auto it = href.globalMatch(html); it.hasNext();)
        out << it.next().captured(1);
    return out;
}

} // namespace

TEST(HelpGuide, BothLanguagesListTheSamePagesWithTitlesAndNoBrokenLinks) {
    HelpGuide guide;
    QStringList files[2];
    const QString languages[2] = {QStringLiteral("en"), QStringLiteral("es")};
    for (int l = 0; l < 2; ++l) {
        const auto pages = guide.pages(languages[l]);
        ASSERT_GE(pages.size(), 8) << languages[l];
        QSet<QString> titles;
        for (const auto& page : pages) {
            files[l] << page.file;
            EXPECT_FALSE(page.title.isEmpty()) << page.file;
            EXPECT_FALSE(titles.contains(page.title)) << "duplicate title " << page.title;
            titles.insert(page.title);
            QFile f(QStringLiteral(":/help/%1/%2").arg(languages[l], page.file));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            for (const QString& target : links(QString::fromUtf8(f.readAll())))
                EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1/%2").arg(languages[l], target)))
                    << languages[l] << "/" << page.file << " links to missing " << target;
        }
    }
    EXPECT_EQ(files[0], files[1]);
}

TEST(HelpGuide, SearchNeedsEveryWordIgnoresCaseAndAccentsAndRanksByMatches) {
    HelpGuide guide;
    // Spanish text carries accents; a user typing without them still finds it.
    const auto plain = guide.search(QStringLiteral("es"), QStringLiteral("ANALISIS"));
    const auto accented = guide.search(QStringLiteral("es"), QStringLiteral("análisis"));
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_EQ(plain.size(), accented.size());
    for (int i = 1; i < plain.size(); ++i)
        EXPECT_GE(plain.at(i - 1).matches, plain.at(i).matches);

    const auto both = guide.search(QStringLiteral("en"), QStringLiteral("salvinia mussel"));
    const auto pages = guide.pages(QStringLiteral("en"));
    ASSERT_EQ(both.size(), 1);
    EXPECT_EQ(pages.at(both.first().page).file, QStringLiteral("step2.html"));
    EXPECT_TRUE(both.first().snippet.contains(QStringLiteral("Salvinia"), Qt::CaseInsensitive));

    EXPECT_TRUE(guide.search(QStringLiteral("en"), QStringLiteral("salvinia zzzq")).isEmpty());
    EXPECT_TRUE(guide.search(QStringLiteral("en"), QStringLiteral("   ")).isEmpty());
}

TEST(HelpGuide, FoldKeepsPositions) {
    const QString text = QStringLiteral("Análisis de Riesgos Ñandú");
    const QString folded = HelpGuide::fold(text);
    EXPECT_EQ(folded.size(), text.size());
    EXPECT_EQ(folded, QStringLiteral("analisis de riesgos nandu"));
}

TEST(HelpCommands, MissingGuideGivesTheNoHelpMessagesAndOpensNothing) {
    FakeMain main;
    main.window.setWindowTitle(QStringLiteral("Orvella main"));
    orvella::model::ProgramState state;
    ScriptedPrompts prompts;
    HelpCommands help(&main.window, state, prompts, QStringLiteral(":/no-such-guide"));
    help.attach(main.contents, main.search, nullptr);

    main.contents->trigger();
    main.search->trigger();

    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Unable to display Help Contents. There is "
                                                    "no Help associated with this project yet."));
    EXPECT_EQ(prompts.asked[1].text, QStringLiteral("Unable to display Help Contents. There is "
                                                    "no Help associated with this project."));
    for (const auto& a : prompts.asked) {
        EXPECT_EQ(a.title, QStringLiteral("Orvella main"));
        EXPECT_EQ(a.icon, orvella::analysis::Prompts::Icon::Information);
    }
    EXPECT_EQ(help.window(), nullptr);
}

TEST(HelpCommands, ContentsFollowsTheRunsLanguageAndSearchFocusesTheSearchBox) {
    FakeMain main;
    orvella::model::ProgramState state;
    state.UseSpanish = true;
    ScriptedPrompts prompts;
    HelpCommands help(&main.window, state, prompts);
    help.attach(main.contents, main.search, nullptr);

    auto* f1 = main.window.findChild<QShortcut*>(QStringLiteral("HelpShortcut"));
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->key(), QKeySequence(QKeySequence::HelpContents));
    main.contents->trigger();
    HelpWindow* w = help.window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->language(), QStringLiteral("es"));
    auto* contents = w->findChild<QListWidget*>(QStringLiteral("lstHelpContents"));
    EXPECT_EQ(contents->item(0)->text(), QStringLiteral("Bienvenido a Orvella"));
    EXPECT_EQ(w->currentPage(), QStringLiteral("index.html"));

    // Picking an entry of the contents shows that page.
    contents->setCurrentRow(5);
    EXPECT_EQ(w->currentPage(), QStringLiteral("step4.html"));

    main.search->trigger();
    EXPECT_EQ(help.window(), w) << "one help window per main window";
    auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("tabHelp"));
    EXPECT_EQ(tabs->currentIndex(), 1);
    w->activateWindow();
    QApplication::setActiveWindow(w);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return QApplication::focusWidget() ==
                   w->findChild<QLineEdit*>(QStringLiteral("txtHelpSearch"));
        },
        1000));
}

TEST(HelpWindow, FindAsYouTypeListsPagesAndHighlightsTheWordsInThePage) {
    HelpGuide guide;
    HelpWindow w(guide, QStringLiteral("en"));
    w.showSearch();
    auto* box = w.findChild<QLineEdit*>(QStringLiteral("txtHelpSearch"));
    auto* results = w.findChild<QListWidget*>(QStringLiteral("lstHelpResults"));
    auto* count = w.findChild<QLabel*>(QStringLiteral("lblHelpResults"));
    auto* browser = w.findChild<QTextBrowser*>(QStringLiteral("brwHelp"));

    QTest::keyClicks(box, "corrective");
    ASSERT_GT(results->count(), 0);
    EXPECT_TRUE(count->text().contains(QStringLiteral("found")));

    // Opening a result shows its page with every occurrence marked, the first in view.
    results->setCurrentRow(results->count() - 1);
    QTest::keyClick(results, Qt::Key_Return);
    const auto marks = browser->extraSelections();
    ASSERT_FALSE(marks.isEmpty());
    for (const auto& m : marks)
        EXPECT_EQ(m.cursor.selectedText().toLower(), QStringLiteral("corrective"));
    EXPECT_EQ(browser->textCursor().position(), marks.first().cursor.selectionStart());

    // Words typed one after the other narrow the list; nonsense finds nothing.
    const int before = results->count();
    QTest::keyClicks(box, " decision");
    EXPECT_LE(results->count(), before);
    box->clear();
    QTest::keyClicks(box, "qqqzzz");
    EXPECT_EQ(results->count(), 0);
    EXPECT_EQ(count->text(), QStringLiteral("No page contains all of these words."));
    EXPECT_TRUE(browser->extraSelections().isEmpty());
}

TEST(HelpWindow, ContentsFollowThePageAndSwitchingLanguageKeepsIt) {
    HelpGuide guide;
    HelpWindow w(guide, QStringLiteral("en"));
    w.openPage(QStringLiteral("ccp.html"));
    auto* contents = w.findChild<QListWidget*>(QStringLiteral("lstHelpContents"));
    ASSERT_NE(contents->currentItem(), nullptr);
    EXPECT_EQ(contents->currentItem()->text(), QStringLiteral("Critical control points"));
    auto* language = w.findChild<QComboBox*>(QStringLiteral("cboHelpLanguage"));
    language->setCurrentIndex(1);
    EXPECT_EQ(w.language(), QStringLiteral("es"));
    EXPECT_EQ(w.currentPage(), QStringLiteral("ccp.html"));
    ASSERT_NE(contents->currentItem(), nullptr);
    EXPECT_EQ(contents->currentItem()->text(), QStringLiteral("Puntos de control críticos"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Ayuda de Orvella"));
    auto* browser = w.findChild<QTextBrowser*>(QStringLiteral("brwHelp"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("punto de control crítico")));
}

// Pictures for the documentation; runs only when ORVELLA_SCREENSHOTS names a folder.
TEST(HelpWindow, Screenshots) {
    const QString dir = qEnvironmentVariable("ORVELLA_SCREENSHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "set ORVELLA_SCREENSHOTS to a folder to write the pictures";
    HelpGuide guide;
    {
        HelpWindow w(guide, QStringLiteral("en"));
        w.show();
        w.showSearch();
        w.setQuery(QStringLiteral("control measures"));
        w.openPage(QStringLiteral("step4.html"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(200);
        EXPECT_TRUE(w.grab().save(dir + QStringLiteral("/help-en.png")));
    }
    {
        HelpWindow w(guide, QStringLiteral("es"));
        w.show();
        w.showContents();
        w.openPage(QStringLiteral("step2.html"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(200);
        EXPECT_TRUE(w.grab().save(dir + QStringLiteral("/help-es.png")));
    }
}

// Pictures of the main window for the guide itself; runs only when ORVELLA_SCREENSHOTS names
// a folder.
TEST(HelpWindow, GuidePictures) {
    const QString dir = qEnvironmentVariable("ORVELLA_SCREENSHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "set ORVELLA_SCREENSHOTS to a folder to write the pictures";
    for (bool spanish : {false, true}) {
        orvella::model::ProgramState state;
        state.UseSpanish = spanish;
        ScriptedPrompts prompts;
        orvella::mainwindow::frmMain window(state, prompts);
        if (spanish)
            orvella::mainwindow::ApplySpanishCaptions(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.selectStep(2);
        const struct {
            const char* name;
            const char* kind;
        } hazards[] = {{"Giant Salvinia", "Plant"},
                       {"Zebra mussel", "Invertebrate"},
                       {"Chytrid fungus", "Other Biologic"},
                       {"Feral pig", "Vertebrate"}};
        const char* spanishNames[] = {"Salvinia gigante", "Mejillón cebra", "Hongo quítrido",
                                      "Cerdo asilvestrado"};
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtAddHaz"));
        for (int i = 0; i < 4; ++i) {
            const auto& h = hazards[i];
            box->setText(spanish ? QString::fromUtf8(spanishNames[i]) : QLatin1String(h.name));
            window.AddHazard(box, QLatin1String(h.kind));
        }
        box->setText(spanish ? QStringLiteral("Mejillón quagga") : QStringLiteral("Quagga mussel"));
        QTest::qWait(100);
        EXPECT_TRUE(window.grab().save(dir + (spanish ? QStringLiteral("/guide-step2-es.png")
                                                      : QStringLiteral("/guide-step2-en.png"))));
    }
}
