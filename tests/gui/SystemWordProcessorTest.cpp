// The desktop's word processor, found through xdg-mime and started through xdg-open.
#include "platform/SystemWordProcessor.h"
#include "QtPrinters.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN

namespace {
// Puts fake desktop tools first on PATH for the life of the fixture.
class FakeDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bin.isValid());
        savedPath = qgetenv("PATH");
        savedDir = QDir::currentPath();
        qputenv("PATH", bin.path().toLocal8Bit() + ":" + savedPath);
    }
    void TearDown() override {
        qputenv("PATH", savedPath);
        QDir::setCurrent(savedDir);
    }

    void tool(const QString& name, const QByteArray& script) {
        QFile f(QDir(bin.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + script + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir bin;
    QByteArray savedPath;
    QString savedDir;
    orvella::platform::SystemWordProcessor writer;
};
} // namespace

TEST_F(FakeDesktop, RegisteredHandlerCountsAsInstalled) {
    tool("xdg-mime", "[ \"$1 $2 $3\" = \"query default "
                     "application/vnd.openxmlformats-officedocument.wordprocessingml.document\" ] "
                     "&& echo libreoffice-writer.desktop");
    EXPECT_EQ(writer.defaultApplication(), "libreoffice-writer.desktop");
    EXPECT_TRUE(writer.isInstalled());
}

TEST_F(FakeDesktop, EmptyAnswerOrFailingToolMeansMissing) {
    tool("xdg-mime", "exit 0");
    EXPECT_FALSE(writer.isInstalled());
    tool("xdg-mime", "echo '   '");
    EXPECT_FALSE(writer.isInstalled());
    tool("xdg-mime", "echo libreoffice-writer.desktop; exit 3");
    EXPECT_FALSE(writer.isInstalled());
}

TEST_F(FakeDesktop, NoXdgMimeAtAllMeansMissing) {
    qputenv("PATH", bin.path().toLocal8Bit());
    EXPECT_FALSE(writer.isInstalled());
}

TEST_F(FakeDesktop, OpenHandsTheAbsolutePathToXdgOpen) {
    const QString log = QDir(bin.path()).filePath("opened.txt");
    tool("xdg-open", "printf '%s' \"$1\" > '" + log.toLocal8Bit() + "'");
    QDir::setCurrent(bin.path());
    ASSERT_TRUE(writer.open("plan.docx"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(log) && QFile(log).size() > 0; }));
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(f.readAll()), QDir(bin.path()).filePath("plan.docx"));
}

#endif
