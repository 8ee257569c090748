#include "QtPrinters.h"
#include "ScriptedPrompts.h"
#include "gui/ModalAnswerer.h"
#include "mainwindow/StringTable.h"
#include "mainwindow/frmAbout.h"
#include "platform/SystemInfo.h"
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using orvella::mainwindow::frmAbout;
using orvella::platform::SystemInfo;

namespace {

struct Launches {
    QStringList programs;
    bool succeed = true;
    SystemInfo::Launcher launcher() {
        return [this](const QString& program, const QStringList&) {
            programs << program;
            return succeed;
        };
    }
};

SystemInfo::Finder onPath(QStringList names) {
    return [names](const QString& name) {
        return names.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    };
}

} // namespace

TEST(About, ShowsTitleVersionAndTextsAndOkCloses) {
    ScriptedPrompts prompts;
    Launches launches;
    SystemInfo info(launches.launcher(), onPath({}));
    frmAbout about(prompts, info);
    EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("Orvella"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 2.0.4"));
    EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("lblDisclaimer"))
                    ->text()
                    .startsWith(QStringLiteral("Warning: ")));
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text().isEmpty());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
              QStringLiteral("&System Info..."));

    testsupport::answerNextModal<frmAbout>(
        [](frmAbout* box) { box->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click(); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(About, TextsComeFromTheStringTable) {
    ScriptedPrompts prompts;
    SystemInfo info([](const QString&, const QStringList&) { return true; }, onPath({}));
    frmAbout about(prompts, info);
    for (const char* name : {"lblDescription", "lblDisclaimer", "lblContact", "lblCopyright"}) {
        const QString text = about.findChild<QLabel*>(QLatin1String(name))->text();
        EXPECT_EQ(
            orvella::mainwindow::lookupString(
                about.findChild<QLabel*>(QLatin1String(name))->property("tag").toString().toInt()),
            text)
            << name;
    }
    EXPECT_NE(about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
              QStringLiteral("App Description"));
}

TEST(About, SystemInfoStartsTheFirstToolFoundOrSaysItIsUnavailable) {
    ScriptedPrompts prompts;
    Launches launches;
    {
        SystemInfo info(launches.launcher(), onPath({QStringLiteral("gnome-system-monitor"),
                                                     QStringLiteral("hardinfo")}));
        frmAbout about(prompts, info);
        about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        EXPECT_EQ(launches.programs, QStringList{QStringLiteral("/usr/bin/hardinfo")});
        EXPECT_TRUE(prompts.asked.isEmpty());
    }
    for (bool toolThere : {false, true}) {
        launches.programs.clear();
        launches.succeed = false; // a tool that will not start counts as no tool
        prompts.asked.clear();
        SystemInfo info(
            launches.launcher(),
            onPath(toolThere ? QStringList{QStringLiteral("ksysguard")} : QStringList{}));
        frmAbout about(prompts, info);
        about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
        EXPECT_EQ(launches.programs.size(), toolThere ? 1 : 0);
        ASSERT_EQ(prompts.asked.size(), 1);
        EXPECT_EQ(prompts.asked[0].text,
                  QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_TRUE(prompts.asked[0].title.isEmpty()); // the program's name
        EXPECT_EQ(prompts.asked[0].buttons, orvella::analysis::Prompts::Buttons::Ok);
    }
}

// A picture for the documentation; runs only when ORVELLA_SCREENSHOTS names a folder.
TEST(About, Screenshot) {
    const QString dir = qEnvironmentVariable("ORVELLA_SCREENSHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "set ORVELLA_SCREENSHOTS to a folder to write the picture";
    ScriptedPrompts prompts;
    SystemInfo info([](const QString&, const QStringList&) { return true; }, onPath({}));
    frmAbout about(prompts, info);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::qWait(100);
    EXPECT_TRUE(about.grab().save(dir + QStringLiteral("/about-en.png")));
}
