// orvella-cli document, run in-process on plan files.
#include "cli/DocumentCommand.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "cli/Cli.h"
#include "planfile/PlanApproval.h"
#include "planfile/PlanWriter.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zip.h>

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

// The parts of a .docx file whose names begin with `prefix`, one after the other.
QByteArray parts(const QString& path, const char* prefix) {
    QByteArray xml;
    int error = 0;
    zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &error);
    for (zip_int64_t i = 0; archive && i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(archive, zip_uint64_t(i), 0, &st);
        if (!QByteArray(st.name).startsWith(prefix))
            continue;
        QByteArray data(qsizetype(st.size), 0);
        zip_file_t* f = zip_fopen_index(archive, zip_uint64_t(i), 0);
        zip_fread(f, data.data(), st.size);
        zip_fclose(f);
        xml += data;
    }
    if (archive)
        zip_close(archive);
    return xml;
}

} // namespace

// The draft mark follows the seal of the file as read; the record sheets follow the flag.
TEST(DocumentCommand, ApprovedPlansLoseTheDraftMarkAndSheetsComeOnRequest) {
    QTemporaryDir dir;
    auto plan = samples::makeTypicalPlan();
    samples::addDocumentControl(*plan);
    plan->Control.People[2].SignedOn = QStringLiteral("2026-12-09");
    planfile::sealApproval(*plan);
    const QByteArray bytes = planfile::writePlan(*plan);
    const QString approved = write(dir, "approved.xml", bytes);
    const QString edited =
        write(dir, "edited.xml", QByteArray(bytes).replace("Visual inspection", "A glance"));
    const QString out = dir.filePath(QStringLiteral("out.docx"));
    const auto part = [&](const QStringList& args) {
        EXPECT_EQ(run(args).code, 0);
        return parts(out, "word/document.xml");
    };
    QByteArray xml = part({approved, QStringLiteral("-o"), out});
    EXPECT_TRUE(xml.contains("Plan Approval and Revisions"));
    EXPECT_FALSE(xml.contains("Record Sheet"));
    xml = part({approved, QStringLiteral("-o"), out, QStringLiteral("--record-sheets"),
                QStringLiteral("--title"), QStringLiteral("Another title")});
    EXPECT_TRUE(xml.contains("Record Sheet: CCP #3"));
    EXPECT_FALSE(xml.contains("Record Sheet: CCP #4"));
    // A title given on the command line is no new version.
    EXPECT_FALSE(parts(out, "word/header").contains("DRAFT, not approved"));
    part({edited, QStringLiteral("-o"), out});
    EXPECT_TRUE(parts(out, "word/header").contains("DRAFT, not approved"));
}

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
