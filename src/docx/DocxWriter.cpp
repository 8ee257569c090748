#include "docx/DocxWriter.h"
#include "docx/DocxXml.h"
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
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

// word/document.xml, megabytes for a large plan, is written by a few threads of its own while
// libzip compresses what is already written. The body is shared out as segments of pieces of
// about the same size; each thread writes whole segments into a string, which costs less per
// token than a device, and encodes each once. The compressor takes the segments in order, and
// the writers stay a few segments ahead of it, so the part never exists whole in memory.
class DocumentSource {
public:
    // A `disposable` document (the same as `d`) loses each block once it is written.
    DocumentSource(const DocxXml::Context& c, const Document& d, Document* disposable)
        : m_pieces(c, d), m_disposable(disposable) {
        std::size_t from = 0;
        qsizetype size = 0;
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            size += m_pieces.estimatedSize(i);
            if (size >= segmentSize || i + 1 == m_pieces.size()) {
                m_segments.push_back(Segment{from, i + 1, {}, false});
                from = i + 1;
                size = 0;
            }
        }
    }
    ~DocumentSource() { close(); }
    DocumentSource(const DocumentSource&) = delete;
    DocumentSource& operator=(const DocumentSource&) = delete;

    static zip_int64_t callback(void* state, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
        auto* self = static_cast<DocumentSource*>(state);
        switch (cmd) {
        case ZIP_SOURCE_OPEN:
            if (self->m_released) { // what was freed cannot be read again
                zip_error_set(&self->m_error, ZIP_ER_INTERNAL, 0);
                return -1;
            }
            self->open();
            return 0;
        case ZIP_SOURCE_READ:
            return self->read(static_cast<char*>(data), len);
        case ZIP_SOURCE_CLOSE:
            self->close();
            return 0;
        case ZIP_SOURCE_STAT: {
            // Size unknown until written; the modification time is set on the entry.
            zip_stat_init(static_cast<zip_stat_t*>(data));
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&self->m_error, data, len);
        case ZIP_SOURCE_FREE:
            return 0; // owned by the caller of zip_close
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ,
                                                  ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&self->m_error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

private:
    static constexpr qsizetype segmentSize = 16 * 1024; // characters, estimated
    static constexpr unsigned maxWriters = 4;

    struct Segment {
        std::size_t from = 0; // pieces [from, to)
        std::size_t to = 0;
        QByteArray bytes;
        bool ready = false;
    };

    void open() {
        close();
        zip_error_init(&m_error);
        m_stop = false;
        m_claimed = 0;
        m_taken = 0;
        for (Segment& s : m_segments) {
            s.bytes = QByteArray();
            s.ready = false;
        }
        m_bytes = QByteArray(DocxXml::declaration);
        m_at = 0;
        const unsigned writers = std::clamp(std::thread::hardware_concurrency(), 1u, maxWriters);
        m_ahead = std::size_t(writers) + 1;
        for (unsigned i = 0; i < writers; ++i)
            m_writers.emplace_back([this] { produce(); });
    }
    void close() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        for (std::thread& t : m_writers)
            t.join();
        m_writers.clear();
        for (Segment& s : m_segments)
            s.bytes = QByteArray();
        m_bytes = QByteArray();
        m_at = 0;
    }
    void produce() {
        QString text;
        text.reserve(2 * segmentSize);
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] {
                return m_stop || m_claimed == m_segments.size() || m_claimed < m_taken + m_ahead;
            });
            if (m_stop || m_claimed == m_segments.size())
                return;
            Segment& segment = m_segments[m_claimed++];
            lock.unlock();
            text.resize(0); // keeps the capacity
            m_pieces.write(text, segment.from, segment.to);
            QByteArray bytes = text.toUtf8();
            bytes.squeeze(); // the encoder reserves room for the worst case, three times as much
            lock.lock();
            segment.bytes = std::move(bytes);
            segment.ready = true;
            lock.unlock();
            m_changed.notify_all();
        }
    }
    // The next segment into m_bytes; false once the part is complete.
    bool nextChunk() {
        std::unique_lock lock(m_mutex);
        if (m_taken == m_segments.size())
            return false;
        Segment& segment = m_segments[m_taken];
        m_changed.wait(lock, [&] { return segment.ready; });
        m_bytes = std::move(segment.bytes);
        segment.bytes = QByteArray();
        ++m_taken;
        lock.unlock();
        m_changed.notify_all();
        m_at = 0;
        release(m_pieces.position(segment.to));
        return true;
    }
    // Frees the disposable document's blocks that no segment still to be written reads.
    void release(DocxXml::BodyPieces::Position upTo) {
        if (!m_disposable)
            return;
        std::vector<Section>& sections = m_disposable->sections;
        const auto drop = [](Block& b) { Block gone = std::move(b); };
        m_released = true;
        // Writers may be reading blocks after the segments taken so far, never those before.
        for (; m_freed.section < upTo.section; ++m_freed.section, m_freed.block = 0) {
            std::vector<Block>& blocks = sections[m_freed.section].blocks;
            for (; m_freed.block < blocks.size(); ++m_freed.block)
                drop(blocks[m_freed.block]);
        }
        if (m_freed.section < sections.size()) {
            std::vector<Block>& blocks = sections[m_freed.section].blocks;
            for (const std::size_t end = std::min(upTo.block, blocks.size()); m_freed.block < end;
                 ++m_freed.block)
                drop(blocks[m_freed.block]);
        }
    }
    zip_int64_t read(char* out, zip_uint64_t len) {
        zip_uint64_t done = 0;
        while (done < len) {
            if (m_at == m_bytes.size()) {
                if (!nextChunk())
                    break;
                continue;
            }
            const qsizetype n =
                qsizetype(std::min<zip_uint64_t>(len - done, zip_uint64_t(m_bytes.size() - m_at)));
            std::memcpy(out + done, m_bytes.constData() + m_at, std::size_t(n));
            m_at += n;
            done += zip_uint64_t(n);
        }
        return zip_int64_t(done);
    }

    const DocxXml::BodyPieces m_pieces;
    Document* m_disposable;
    std::vector<Segment> m_segments;
    DocxXml::BodyPieces::Position m_freed; // blocks before it are freed
    bool m_released = false;               // some are
    zip_error_t m_error{};
    std::vector<std::thread> m_writers;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_claimed = 0; // segments a writer has taken up
    std::size_t m_taken = 0;   // segments handed to the compressor
    std::size_t m_ahead = 0;   // how far the writers may run ahead of the compressor
    bool m_stop = false;
    QByteArray m_bytes; // the segment being compressed
    qsizetype m_at = 0;
};

QString zipMessage(zip_error_t* e) {
    return QString::fromUtf8(zip_error_strerror(e));
}

} // namespace

QByteArray DocxWriter::toBytes(const Document& document, QString* error) {
    return pack(document, nullptr, error);
}

QByteArray DocxWriter::toBytes(Document&& document, QString* error) {
    return pack(document, &document, error);
}

QByteArray DocxWriter::pack(const Document& document, Document* disposable, QString* error) {
    const auto fail = [&](const QString& what) {
        if (error)
            *error = what;
        return QByteArray();
    };

    const DocxXml::Context context(document);
    std::vector<Entry> entries;
    entries.reserve(10);
    bool written = true;
    const auto add = [&](const char* name, auto write) {
        Entry& e = entries.emplace_back(Entry{name, {}});
        e.data.reserve(4096);
        AppendDevice device(e.data);
        written = write(device) && written;
    };
    // In package order; the document part is streamed (empty data here).
    add("[Content_Types].xml", [](QIODevice& out) { return DocxXml::writeContentTypesPart(out); });
    add("_rels/.rels", [](QIODevice& out) { return DocxXml::writePackageRelationshipsPart(out); });
    entries.emplace_back(Entry{"word/document.xml", {}});
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
    DocumentSource documentSource(context, document, disposable);

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
        const bool streamed = std::strcmp(e.name, "word/document.xml") == 0;
        zip_source_t* src =
            streamed
                ? zip_source_function(archive, &DocumentSource::callback, &documentSource)
                : zip_source_buffer(archive, e.data.constData(), zip_uint64_t(e.data.size()), 0);
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
    const QByteArray bytes = pack(document, nullptr, &packError);
    return save(bytes, packError, path, error);
}

bool DocxWriter::writeFile(Document&& document, const QString& path, QString* error) {
    QString packError;
    const QByteArray bytes = pack(document, &document, &packError);
    return save(bytes, packError, path, error);
}

bool DocxWriter::save(const QByteArray& bytes, const QString& packError, const QString& path,
                      QString* error) {
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
