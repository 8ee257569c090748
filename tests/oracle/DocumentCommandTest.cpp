// orvella-cli document, run in-process on plan files.
#include "cli/DocumentCommand.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "cli/Cli.h"
#include "planfile/PlanWriter.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvella;

namespace {

struct Result {
    int code;
    QString out, err;
};

Result run(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::runDocumentCommand(args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

} // namespace

TEST(DocumentCommand, WritesTheDocumentOfAPlanFile) {
    QTemporaryDir dir;
    const QString plan = write(dir, "plan.xml", planfile::writePlan(*samples::makeTypicalPlan()));
    const QString out = dir.filePath(QStringLiteral("out.docx"));
    const Result r = run({plan, QStringLiteral("-o"), out, QStringLiteral("--spanish"),
                          QStringLiteral("--title"), QStringLiteral("Plan de Fuego")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("PK"));
}

// The library's dispatcher is what orvella-cli's main runs.
TEST(DocumentCommand, TheCommandLineLibraryDispatchesToIt) {
    QTemporaryDir dir;
    const QString plan = write(dir, "plan.xml", planfile::writePlan(*samples::makeTypicalPlan()));
    const QString viaRun = dir.filePath(QStringLiteral("run.docx"));
    QString out, err;
    QTextStream o(&out), e(&err);
    cli::Io io{o, e};
    EXPECT_EQ(cli::run({QStringLiteral("document"), plan, QStringLiteral("-o"), viaRun}, io), 0);
    EXPECT_EQ(cli::run({QStringLiteral("no-such-command")}, io), cli::UsageOrIoError);
    e.flush();
    EXPECT_TRUE(err.startsWith(QStringLiteral("orvella-cli: unknown command 'no-such-command'")));
    QFile f(viaRun);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("PK"));
}

TEST(DocumentCommand, NotAPlanUsageAndFileErrors) {
    QTemporaryDir dir;
    const QString notPlan = write(dir, "notes.txt", "hello\r\n");
    const QString plan = write(dir, "plan.xml", planfile::writePlan(model::HACCP_Plan{}));
    const QString out = dir.filePath(QStringLiteral("out.docx"));

    Result r = run({notPlan, QStringLiteral("-o"), out});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, notPlan + QStringLiteral(" is not a HACCP Plan\n"));
    EXPECT_FALSE(QFile::exists(out));

    for (const QStringList& args :
         {QStringList{plan}, QStringList{plan, QStringLiteral("-o")},
          QStringList{plan, QStringLiteral("-o"), out, QStringLiteral("--bogus")},
          QStringList{plan, plan, QStringLiteral("-o"), out},
          QStringList{plan, QStringLiteral("-o"), out, QStringLiteral("--title")}}) {
        r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: orvella-cli document")));
    }
    r = run({dir.filePath(QStringLiteral("missing.xml")), QStringLiteral("-o"), out});
    EXPECT_EQ(r.code, 2);
    r = run({plan, QStringLiteral("-o"), dir.filePath(QStringLiteral("no/dir/out.docx"))});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("out.docx"))) << r.err.toStdString();
    EXPECT_EQ(run({QStringLiteral("--help")}).code, 0);
}
