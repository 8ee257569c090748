// The .docx package: its parts, reproducible bytes, atomic writing, and the file name.
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "docx/DocxWriter.h"
#include "docx/DocxXml.h"
#include "plandocument/PlanDocumentBuilder.h"
#include "plandocument/PlanDocx.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <zip.h>

using namespace orvella;
using namespace orvella::docx;
using namespace orvella::plandocument;

namespace {

const QDateTime now(QDate(2026, 12, 7), QTime(15, 4, 5), Qt::UTC);

std::map<QString, QByteArray> unzip(const QByteArray& bytes) {
    std::map<QString, QByteArray> parts;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* src =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t* archive = src ? zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(src);
        return parts;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(archive, zip_uint64_t(i), 0, &st);
        QByteArray data(qsizetype(st.size), '\0');
        zip_file_t* f = zip_fopen_index(archive, zip_uint64_t(i), 0);
        zip_fread(f, data.data(), st.size);
        zip_fclose(f);
        parts[QString::fromUtf8(st.name)] = data;
    }
    zip_close(archive);
    return parts;
}

} // namespace

TEST(DocxPackage, HoldsEveryPartAndIsReproducible) {
    auto plan = samples::makeTypicalPlan();
    const QByteArray first = buildPlanDocx(*plan, false, now);
    const QByteArray second = buildPlanDocx(*plan, false, now);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, second);
    EXPECT_NE(first, buildPlanDocx(*plan, false, now.addDays(1)));

    const auto parts = unzip(first);
    QStringList names;
    for (const auto& [name, data] : parts)
        names << name;
    EXPECT_EQ(names, (QStringList{"[Content_Types].xml", "_rels/.rels", "docProps/app.xml",
                                  "docProps/core.xml", "word/_rels/document.xml.rels",
                                  "word/document.xml", "word/footer1.xml", "word/header1.xml",
                                  "word/settings.xml", "word/styles.xml"}));
    const QString doc = QString::fromUtf8(parts.at(QStringLiteral("word/document.xml")));
    EXPECT_TRUE(doc.contains(QStringLiteral("HACCP Step 5 - HACCP Plan")));
    // The document part is streamed into the package a chunk at a time: the same bytes as the
    // part written in one piece, for a plan large enough to span many chunks.
    const auto largest = samples::makeLargestPlan();
    const Document big = PlanDocumentBuilder(*largest, false, now).build();
    QByteArray whole;
    QBuffer buffer(&whole);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(DocxXml::writeDocumentPart(buffer, DocxXml::Context(big), big));
    EXPECT_EQ(unzip(DocxWriter::toBytes(big)).at(QStringLiteral("word/document.xml")), whole);
    // A document handed over is freed block by block while it is written: still the same.
    EXPECT_EQ(unzip(DocxWriter::toBytes(Document(big))).at(QStringLiteral("word/document.xml")),
              whole);
    EXPECT_TRUE(
        QString::fromUtf8(parts.at(QStringLiteral("word/header1.xml"))).contains(plan->Title));
}

TEST(DocxPackage, WritesAtomicallyAndReportsFailures) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.docx"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous");
    }
    QString error;
    model::HACCP_Plan plan;
    ASSERT_TRUE(writePlanDocx(plan, true, now, path, &error)) << error.toStdString();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("PK\x03\x04"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.docx"});

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/plan.docx"));
    EXPECT_FALSE(writePlanDocx(plan, false, now, missing, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("plan.docx"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(DocxPackage, DocumentGoesBesideThePlanAndKeepBothCountsOn) {
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("burn.xml"));
    const QString doc = documentPathBeside(plan, QStringLiteral("Weed: Control?"));
    EXPECT_EQ(doc, dir.filePath(QStringLiteral("Weed Control.docx")));
    EXPECT_EQ(documentPathBeside(plan, QString()), dir.filePath(QStringLiteral("HACCP Plan.docx")));

    QFile(doc).open(QIODevice::WriteOnly);
    EXPECT_EQ(keepBothPath(doc), dir.filePath(QStringLiteral("Weed Control (2).docx")));
    QFile(dir.filePath(QStringLiteral("Weed Control (2).docx"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(keepBothPath(doc), dir.filePath(QStringLiteral("Weed Control (3).docx")));
}

TEST(DocumentFileName, SafeOnLinuxAndWindows) {
    EXPECT_EQ(documentFileName(QString()), QStringLiteral("HACCP Plan.docx"));
    EXPECT_EQ(documentFileName(QStringLiteral("   ")), QStringLiteral("HACCP Plan.docx"));
    EXPECT_EQ(documentFileName(QStringLiteral("?*:")), QStringLiteral("HACCP Plan.docx"));
    EXPECT_EQ(documentFileName(QStringLiteral("Fire / Fuel: \"Plan\" <2026>|a\\b*?")),
              QStringLiteral("Fire  Fuel Plan 2026ab.docx"));
    EXPECT_EQ(documentFileName(QStringLiteral("Río\tBravo\x01 ñandú 😀")),
              QStringLiteral("RíoBravo ñandú 😀.docx"));
    EXPECT_EQ(documentFileName(QStringLiteral("Plan v2.")), QStringLiteral("Plan v2.docx"));
    EXPECT_EQ(documentFileName(QStringLiteral("con")), QStringLiteral("_con.docx"));
    const QString longName = documentFileName(QString(300, QChar(0x00E9)));
    EXPECT_LE(longName.toUtf8().size(), 205);
    EXPECT_TRUE(longName.endsWith(QStringLiteral(".docx")));
}
