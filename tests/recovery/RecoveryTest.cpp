// Orvella killed with unsaved work, then started again: the work is offered back.
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "planfile/PlanWriter.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Folders of their own for the runs, and a .docx handler so the start-up check passes.
class CrashRecovery : public testing::Test {
protected:
    QTemporaryDir root;

    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("xdg/applications"));
        QFile desktop(root.filePath(QStringLiteral("xdg/applications/fake-writer.desktop")));
        ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
        desktop.write("[Desktop Entry]\nType=Application\nName=Fake Writer\nExec=/bin/true %f\n"
                      "MimeType=application/vnd.openxmlformats-officedocument."
                      "wordprocessingml.document;\n");
    }

    QString recoveryFolder() const {
        return root.filePath(QStringLiteral("data/Orvella/recovery"));
    }
    QStringList copies() const {
        return QDir(recoveryFolder()).entryList({QStringLiteral("plan-*.xml")}, QDir::Files);
    }

    std::unique_ptr<QProcess> launch(const QStringList& args) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath(QStringLiteral("etc")));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), root.filePath(QStringLiteral("xdg")));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(ORVELLA_RECOVERY_HELPER), args);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }

    // An instance with unsaved work, kept safe and still running.
    std::unique_ptr<QProcess> editing(const QStringList& args) {
        auto p = launch(QStringList{QStringLiteral("edit")} + args);
        while (!p->canReadLine() && p->waitForReadyRead(20000)) {
        }
        EXPECT_TRUE(p->readLine().startsWith("kept ")) << "the helper did not keep a copy";
        return p;
    }

    QStringList start(const char* answer) {
        auto p = launch({QStringLiteral("start"), QLatin1String(answer)});
        EXPECT_TRUE(p->waitForFinished(20000));
        EXPECT_EQ(p->exitCode(), 0);
        return QString::fromUtf8(p->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    static void killHard(QProcess& p) {
        ::kill(pid_t(p.processId()), SIGKILL);
        EXPECT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    }
};

} // namespace

TEST_F(CrashRecovery, KilledWorkIsOfferedAtTheNextStartWhileRunningInstancesKeepTheirOwn) {
    const QString marsh = root.filePath(QStringLiteral("marsh.xml"));
    QFile plan(marsh);
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    plan.write(orvella::planfile::writePlan(*samples::makePlan(2, 1, 0)));
    plan.close();

    auto alpha = editing({QStringLiteral("Alpha")});
    auto bravo = editing({QStringLiteral("Bravo"), marsh});
    ASSERT_EQ(copies().size(), 2) << "two instances, two copies";
    killHard(*bravo);
    ASSERT_EQ(copies().size(), 2);

    // Only the killed instance's copy is offered; it opens unsaved, under its file's name.
    const QStringList seen = start("yes");
    ASSERT_GE(seen.size(), 6) << seen.join('\n').toStdString();
    EXPECT_TRUE(seen[0].startsWith("asked Orvella was closed without saving marsh.xml ("));
    EXPECT_TRUE(seen[0].endsWith("). Recover the unsaved plan?"));
    EXPECT_EQ(seen[1], "facility Bravo");
    EXPECT_EQ(seen[2], "file " + marsh);
    EXPECT_EQ(seen[3], "proposed " + marsh);
    EXPECT_EQ(seen[4], "asked Save changes to marsh.xml before closing?");
    EXPECT_EQ(seen[5], "closed yes");
    EXPECT_EQ(copies().size(), 1) << "the running instance keeps its copy";

    // No deletes the copy; a copy that cannot be read is reported in one line and deleted.
    killHard(*alpha);
    EXPECT_TRUE(start("no").first().startsWith("asked Orvella was closed without saving the new "
                                               "plan ("));
    EXPECT_TRUE(copies().isEmpty());
    QFile broken(QDir(recoveryFolder()).filePath(QStringLiteral("plan-7.xml")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG\r\n");
    broken.close();
    const QStringList reported = start("no");
    EXPECT_TRUE(reported.first().startsWith(
        "asked A recovery copy of an unsaved plan could not be read and has been deleted: "));
    EXPECT_FALSE(reported.first().contains(u'\r'));
    EXPECT_EQ(reported[1], "facility ");
    EXPECT_TRUE(copies().isEmpty());
}
