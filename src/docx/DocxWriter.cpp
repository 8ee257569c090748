#include "docx/DocxWriter.h"
#include "docx/DocxXml.h"
#include <QFileInfo>
#include <QSaveFile>
#include <zip.h>

namespace orvella::docx {

namespace {

// 1980-01-01 00:00, the earliest DOS date: the same bytes on every run.
constexpr zip_uint16_t dosTime = 0;
constexpr zip_uint16_t dosDate = (0 << 9) | (1 << 5) | 1;

struct Entry {
    const char* name;
    QByteArray data; // libzip reads it when the archive is closed
};

// An append-only sink: cheaper per write than QBuffer, which the XML writer calls for every
// token.
class AppendDevice : public QIODevice {
public:
    explicit AppendDevice(QByteArray& bytes) : m_bytes(bytes) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        m_bytes.append(data, qsizetype(len));
        return len;
    }

private:
    QByteArray& m_bytes;
};

// About 500 bytes a cell: the document part's buffer is reserved once instead of growing
// through a few megabytes.
qsizetype expectedDocumentSize(const Document& d) {
    qsizetype cells = 0;
    for (const Section& s : d.sections)
        for (const Block& b : s.blocks)
            if (const auto* t = std::get_if<Table>(&b))
                cells += qsizetype(t->rowCount()) * t->columnCount();
    return 4096 + cells * 512;
}

QString zipMessage(zip_error_t* e) {
    return QString::fromUtf8(zip_error_strerror(e));
}

} // namespace

QByteArray DocxWriter::toBytes(const Document& document, QString* error) {
    const auto fail = [&](const QString& what) {
        if (error)
            *error = what;
        return QByteArray();
    };

    const DocxXml::Context context(document);
    std::vector<Entry> entries;
    entries.reserve(10);
    bool written = true;
    const auto add = [&](const char* name, auto write, qsizetype expectedSize = 4096) {
        Entry& e = entries.emplace_back(Entry{name, {}});
        e.data.reserve(expectedSize);
        AppendDevice device(e.data);
        written = write(device) && written;
    };
    add("[Content_Types].xml", [](QIODevice& out) { return DocxXml::writeContentTypesPart(out); });
    add("_rels/.rels", [](QIODevice& out) { return DocxXml::writePackageRelationshipsPart(out); });
    add(
        "word/document.xml",
        [&](QIODevice& out) { return DocxXml::writeDocumentPart(out, context, document); },
        expectedDocumentSize(document));
    add("word/_rels/document.xml.rels",
        [](QIODevice& out) { return DocxXml::writeDocumentRelationshipsPart(out); });
    add("word/styles.xml", [&](QIODevice& out) { return DocxXml::writeStylesPart(out, document); });
    add("word/settings.xml", [](QIODevice& out) { return DocxXml::writeSettingsPart(out); });
    add("word/header1.xml",
        [&](QIODevice& out) { return DocxXml::writeHeaderPart(out, context, document); });
    add("word/footer1.xml",
        [&](QIODevice& out) { return DocxXml::writeFooterPart(out, context, document); });
    add("docProps/core.xml",
        [&](QIODevice& out) { return DocxXml::writeCorePropertiesPart(out, document); });
    add("docProps/app.xml", [](QIODevice& out) { return DocxXml::writeAppPropertiesPart(out); });
    if (!written)
        return fail(QStringLiteral("The document could not be packaged."));

    zip_error_t zerr;
    zip_error_init(&zerr);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &zerr);
    if (!target) {
        const QString m = zipMessage(&zerr);
        zip_error_fini(&zerr);
        return fail(m);
    }
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &zerr);
    if (!archive) {
        const QString m = zipMessage(&zerr);
        zip_source_free(target);
        zip_error_fini(&zerr);
        return fail(m);
    }
    zip_error_fini(&zerr);
    zip_source_keep(target); // read the result after zip_close

    for (const Entry& e : entries) {
        zip_source_t* src =
            zip_source_buffer(archive, e.data.constData(), zip_uint64_t(e.data.size()), 0);
        const zip_int64_t index =
            src ? zip_file_add(archive, e.name, src, ZIP_FL_ENC_UTF_8) : zip_int64_t(-1);
        if (index < 0) {
            const QString m = QString::fromUtf8(zip_strerror(archive));
            if (src)
                zip_source_free(src);
            zip_discard(archive);
            zip_source_free(target);
            return fail(m);
        }
        zip_file_set_dostime(archive, zip_uint64_t(index), dosTime, dosDate, 0);
        // Fast deflate: the parts are repetitive markup, level 1 already shrinks them ~10x.
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(archive) < 0) {
        const QString m = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(target);
        return fail(m);
    }

    QByteArray bytes;
    if (zip_source_open(target) == 0) {
        zip_source_seek(target, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(target);
        zip_source_seek(target, 0, SEEK_SET);
        if (size > 0) {
            bytes.resize(qsizetype(size));
            if (zip_source_read(target, bytes.data(), zip_uint64_t(size)) != size)
                bytes.clear();
        }
        zip_source_close(target);
    }
    zip_source_free(target);
    if (bytes.isEmpty())
        return fail(QStringLiteral("The document could not be packaged."));
    return bytes;
}

bool DocxWriter::writeFile(const Document& document, const QString& path, QString* error) {
    QString packError;
    const QByteArray bytes = toBytes(document, &packError);
    if (bytes.isEmpty()) {
        if (error)
            *error = packError;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2")
                         .arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    return true;
}

} // namespace orvella::docx
