// Builds the plan document of whatever plan the reader makes of arbitrary bytes. Besides
// crashes, hangs and leaks it checks that the package has the shape Word insists on: every
// part present, in order, well-formed; a body of paragraphs, tables and bookmarks ending in the
// section properties; every row of a table spanning exactly the columns of its grid.
#include "plandocument/PlanDocx.h"
#include "planfile/PlanReader.h"
#include <QDateTime>
#include <QXmlStreamReader>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <zip.h>

using namespace orvella;

namespace {

[[noreturn]] void fail(const char* what, const QByteArray& detail = {}) {
    std::fprintf(stderr, "plan document fuzz: %s %s\n", what, detail.constData());
    std::abort();
}

const char* const kParts[] = {
    "[Content_Types].xml", "_rels/.rels",       "word/document.xml", "word/_rels/document.xml.rels",
    "word/styles.xml",     "word/settings.xml", "word/header1.xml",  "word/footer1.xml",
    "docProps/core.xml",   "docProps/app.xml"};

QList<std::pair<QByteArray, QByteArray>> unzip(const QByteArray& bytes) {
    QList<std::pair<QByteArray, QByteArray>> parts;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* src =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t* archive = src ? zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(src);
        fail("the package is not a zip archive");
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0)
            fail("unreadable zip entry");
        QByteArray data(qsizetype(st.size), '\0');
        zip_file_t* f = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!f || zip_fread(f, data.data(), st.size) != zip_int64_t(st.size))
            fail("unreadable zip entry", st.name);
        zip_fclose(f);
        parts.append({QByteArray(st.name), data});
    }
    zip_discard(archive);
    return parts;
}

void checkWellFormed(const QByteArray& name, const QByteArray& xml) {
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        r.readNext();
    if (r.hasError())
        fail("part is not well-formed:", name + ": " + r.errorString().toUtf8());
}

int gridSpanOf(QXmlStreamReader& r) {
    // Inside <w:tc>: the span, if any, is in <w:tcPr>, its first child.
    int span = 1;
    while (r.readNextStartElement()) {
        if (r.qualifiedName() == u"w:tcPr") {
            while (r.readNextStartElement()) {
                if (r.qualifiedName() == u"w:gridSpan")
                    span = r.attributes().value(QLatin1StringView("w:val")).toInt();
                r.skipCurrentElement();
            }
        } else {
            r.skipCurrentElement();
        }
    }
    return span;
}

void checkTable(QXmlStreamReader& r) {
    int columns = -1;
    bool seenRow = false;
    while (r.readNextStartElement()) {
        const QStringView n = r.qualifiedName();
        if (n == u"w:tblPr" && columns < 0 && !seenRow) {
            r.skipCurrentElement();
        } else if (n == u"w:tblGrid" && columns < 0) {
            columns = 0;
            while (r.readNextStartElement()) {
                ++columns;
                r.skipCurrentElement();
            }
        } else if (n == u"w:tr" && columns > 0) {
            seenRow = true;
            int spanned = 0;
            while (r.readNextStartElement()) {
                if (r.qualifiedName() == u"w:tc")
                    spanned += gridSpanOf(r);
                else
                    r.skipCurrentElement();
            }
            if (spanned != columns)
                fail("a row does not span the grid of its table");
        } else {
            fail("unexpected element in a table:", n.toUtf8());
        }
    }
    if (!seenRow)
        fail("a table without rows");
}

void checkDocumentPart(const QByteArray& xml) {
    QXmlStreamReader r(xml);
    if (!r.readNextStartElement() || r.qualifiedName() != u"w:document" ||
        !r.readNextStartElement() || r.qualifiedName() != u"w:body")
        fail("document.xml is not a document with a body");
    bool sectionSeen = false;
    while (r.readNextStartElement()) {
        if (sectionSeen)
            fail("the body goes on after its section properties");
        const QStringView n = r.qualifiedName();
        if (n == u"w:tbl")
            checkTable(r);
        else if (n == u"w:p" || n == u"w:sectPr" || n == u"w:bookmarkStart" ||
                 n == u"w:bookmarkEnd")
            r.skipCurrentElement();
        else
            fail("unexpected element in the body:", n.toUtf8());
        sectionSeen = n == u"w:sectPr";
    }
    if (!sectionSeen)
        fail("the body has no section properties");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const planfile::PlanReadResult read = planfile::readPlan(bytes);
    if (!read.isPlan)
        return 0;
    const QDateTime now(QDate(2024, 5, 17), QTime(9, 30), Qt::UTC);
    const QByteArray docx = plandocument::buildPlanDocx(*read.plan, size % 2 == 1, now);
    if (docx.isEmpty())
        fail("no package was built");

    const auto parts = unzip(docx);
    if (parts.size() != qsizetype(std::size(kParts)))
        fail("the package does not hold the expected parts");
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].first != kParts[i])
            fail("part out of place:", parts[i].first);
        checkWellFormed(parts[i].first, parts[i].second);
    }
    checkDocumentPart(parts[2].second);
    return 0;
}
