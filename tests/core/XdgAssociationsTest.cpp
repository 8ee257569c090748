// The .docx handler as the desktop's association files name it, with no xdg-utils about.
#include "QtPrinters.h"
#include "platform/DesktopEntry.h"
#include "platform/Registry.h"
#include "platform/SystemWordProcessor.h"
#include "platform/XdgMimeApps.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN

using orvella::platform::DesktopEntry;

namespace {
const char* const Variables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS",     "XDG_DATA_HOME",
                                 "XDG_DATA_DIRS",   "XDG_CURRENT_DESKTOP", "PATH"};
const QByteArray Docx = "application/vnd.openxmlformats-officedocument.wordprocessingml.document";

// A desktop of its own under a temporary root: config home, one config dir, data home and
// two data dirs; PATH holds only the fake handlers.
class XdgTree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* name : Variables)
            saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("XDG_CONFIG_HOME", at("home/config").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", at("etc").toLocal8Bit());
        qputenv("XDG_DATA_HOME", at("home/data").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (at("local") + ':' + at("usr")).toLocal8Bit());
        qunsetenv("XDG_CURRENT_DESKTOP");
        qputenv("PATH", at("bin").toLocal8Bit());
    }
    void TearDown() override {
        for (const auto& [name, value, set] : saved)
            set ? qputenv(name, value) : qunsetenv(name);
    }

    QString at(const QString& relative) { return QDir(root.path()).filePath(relative); }
    void write(const QString& relative, const QByteArray& text, bool executable = false) {
        QDir().mkpath(QFileInfo(at(relative)).path());
        QFile f(at(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        if (executable)
            f.setPermissions(f.permissions() | QFile::ExeOwner);
    }
    void app(const QString& relative, const QByteArray& extra = {}) {
        write(relative, "[Desktop Entry]\nType=Application\nName=Writer\nExec=writer %U\n" + extra);
    }
    QString found() { return orvella::platform::XdgMimeApps().defaultApplication(Docx); }

    QTemporaryDir root;
    std::vector<std::tuple<const char*, QByteArray, bool>> saved;
};

QStringList argvOf(const QByteArray& exec, const QByteArray& extra = {}) {
    QTemporaryDir dir;
    QFile f(dir.filePath("a.desktop"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Desktop Entry]\nName=My Writer\nExec=" + exec + "\n" + extra);
    f.close();
    const auto argv = DesktopEntry::load(f.fileName())->arguments("/tmp/a b.docx");
    return argv ? *argv : QStringList{"<invalid>"};
}
} // namespace

TEST_F(XdgTree, NothingAssociatedMeansNoHandler) {
    app("usr/applications/viewer.desktop", "MimeType=text/plain;\n");
    EXPECT_EQ(found(), "");
    EXPECT_FALSE(orvella::platform::SystemWordProcessor().isInstalled());
    // Outside Windows there is no registry: reading it finds nothing.
    const auto registry = orvella::platform::readRegistryString(
        orvella::platform::RegistryRoot::ClassesRoot, "Word.Document\\CurVer");
    EXPECT_FALSE(registry.value.has_value());
    EXPECT_TRUE(registry.closed);
}

TEST_F(XdgTree, UserDefaultWinsAndDesktopSpecificListComesFirst) {
    app("usr/applications/libreoffice-writer.desktop");
    app("usr/applications/kde/calligra.desktop");
    app("local/applications/abi.desktop");
    write("usr/applications/mimeinfo.cache", "[MIME Cache]\n" + Docx + "=abi.desktop;\n");
    write("home/config/mimeapps.list",
          "[Default Applications]\n" + Docx + "=gone.desktop;libreoffice-writer.desktop;\n");
    EXPECT_EQ(found(), "libreoffice-writer.desktop"); // an uninstalled default is passed over
    write("etc/gnome-mimeapps.list", "[Default Applications]\n" + Docx + "=kde-calligra.desktop\n");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    EXPECT_EQ(found(), "libreoffice-writer.desktop"); // a user's list outranks any system one
    write("home/config/gnome-mimeapps.list",
          "[Default Applications]\n" + Docx + "=kde-calligra.desktop\n");
    EXPECT_EQ(found(), "kde-calligra.desktop");
}

TEST_F(XdgTree, CacheThenDesktopFilesWithRemovalsHonoured) {
    app("usr/applications/cached.desktop");
    write("usr/applications/mimeinfo.cache",
          "[MIME Cache]\n" + Docx + "=stale.desktop;cached.desktop;\n");
    app("usr/applications/scanned.desktop", "MimeType=text/plain;" + Docx + ";\n");
    EXPECT_EQ(found(), "cached.desktop");
    write("home/config/mimeapps.list", "[Removed Associations]\n" + Docx + "=cached.desktop;\n");
    EXPECT_EQ(found(), "scanned.desktop");
    // A removal in a data dir does not reach the user's own addition above it.
    write("home/config/mimeapps.list", "[Added Associations]\n" + Docx + "=scanned.desktop;\n");
    write("usr/applications/mimeapps.list",
          "[Removed Associations]\n" + Docx + "=scanned.desktop;\n");
    EXPECT_EQ(found(), "scanned.desktop");
}

TEST_F(XdgTree, HiddenOrMissingTryExecIsSkippedNoDisplayCounts) {
    app("usr/applications/a-hidden.desktop", "MimeType=" + Docx + "\nHidden=true\n");
    app("usr/applications/b-tryexec.desktop", "MimeType=" + Docx + "\nTryExec=no-such-writer\n");
    app("usr/applications/c-link.desktop", "MimeType=" + Docx + "\n");
    write("usr/applications/c-link.desktop", "[Desktop Entry]\nType=Link\nURL=x\nMimeType=" + Docx);
    app("usr/applications/d-quiet.desktop", "MimeType=" + Docx + "\nNoDisplay=true\n");
    EXPECT_EQ(found(), "d-quiet.desktop");
    // An earlier data dir shadows the same id, here by deleting it.
    app("local/applications/d-quiet.desktop", "Hidden=true\n");
    EXPECT_EQ(found(), "");
}

TEST(DesktopExec, QuotingAndFieldCodes) {
    const QString url = "file:///tmp/a%20b.docx";
    EXPECT_EQ(argvOf(R"("/opt/My App/bin/writer" --nologo %U)"),
              QStringList({"/opt/My App/bin/writer", "--nologo", url}));
    // String escapes come first, so the file's \\" reaches the quoting rules as \".
    EXPECT_EQ(argvOf(R"(sh -c "echo \\"$0\\" %f 100%%" %f)"),
              QStringList({"sh", "-c", R"(echo "$0" %f 100%)", "/tmp/a b.docx"}));
    EXPECT_EQ(argvOf("app %%f %F"), QStringList({"app", "%f", "/tmp/a b.docx"}));
    EXPECT_EQ(argvOf(R"(app\s--new "a\\\\b" --file=%f)"),
              QStringList({"app", "--new", "a\\b", "--file=/tmp/a b.docx"}));
    EXPECT_EQ(argvOf("app --new"), QStringList({"app", "--new", "/tmp/a b.docx"}));
    EXPECT_EQ(argvOf("app %i %c %d %f", "Icon=writer\n"),
              QStringList({"app", "--icon", "writer", "My Writer", "/tmp/a b.docx"}));
    EXPECT_EQ(argvOf("app %i %f"), QStringList({"app", "/tmp/a b.docx"}));
    EXPECT_EQ(argvOf(R"(app "unterminated %f)"), QStringList({"<invalid>"}));
    EXPECT_EQ(argvOf(""), QStringList({"<invalid>"}));
}

TEST_F(XdgTree, OpenStartsTheHandlerDetachedWithTheAbsolutePath) {
    const QString log = at("argv.txt");
    write("bin/fake-writer",
          "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + log.toLocal8Bit() +
              ".tmp' && /bin/mv '" + log.toLocal8Bit() + ".tmp' '" + log.toLocal8Bit() + "'\n",
          true);
    write("usr/applications/fake.desktop",
          "[Desktop Entry]\nType=Application\nExec=fake-writer --nologo %f\nTryExec=fake-writer\n"
          "MimeType=" +
              Docx + ";\n");
    const QString saved = QDir::currentPath();
    QDir::setCurrent(root.path());
    orvella::platform::SystemWordProcessor writer;
    EXPECT_EQ(writer.defaultApplication(), "fake.desktop");
    const bool started = writer.open("plan.docx");
    QDir::setCurrent(saved);
    ASSERT_TRUE(started);
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(log) && !deadline.hasExpired())
        QThread::msleep(10);
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(f.readAll()), "--nologo\n" + at("plan.docx") + "\n");

    // What the check finds but cannot run is not opened by something else instead.
    write("usr/applications/fake.desktop",
          "[Desktop Entry]\nType=Application\nExec=missing-writer %f\nMimeType=" + Docx + ";\n");
    EXPECT_TRUE(writer.isInstalled());
    EXPECT_FALSE(writer.open("plan.docx"));
}

#endif
