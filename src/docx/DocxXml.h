#pragma once
#include "docx/Document.h"
#include <QString>
#include <QXmlStreamWriter>

class QIODevice;

namespace orvella::docx {

// WordprocessingML serialization: one small function per element, children in schema order.
// Element names carry the "w:" prefix literally; the part roots declare the namespaces.
// Each part is written onto a device its caller owns.
class DocxXml {
public:
    // What the serializers of one package share. Runs that match the document's default font
    // and size say nothing, as styles.xml already does; an empty context assumes nothing.
    struct Context {
        Context() = default;
        explicit Context(const Document& d)
            : defaultFont(d.defaultFont), defaultSize(d.defaultSize) {}

        QString defaultFont;
        HalfPoints defaultSize;
    };

    // Page set-up of a section as written in its sectPr.
    struct SectionEnd {
        const PageSetup* page = nullptr;
        bool newPage = false;          // every section but the first starts on a new page
        bool headerFooterRefs = false; // the first section names the header and footer
    };

    // Drops what XML 1.0 cannot carry (C0 controls other than tab, LF and CR, U+FFFE, U+FFFF,
    // unpaired surrogates); for attributes and document properties.
    static QString cleanText(const QString& text);

    static void writeText(QXmlStreamWriter& w, const QString& text);
    static void writeRunProperties(QXmlStreamWriter& w, const Context& c, const Font& font,
                                   const char16_t* element = u"w:rPr");
    static void writeRun(QXmlStreamWriter& w, const Context& c, const Run& run);
    static void writeParagraph(QXmlStreamWriter& w, const Context& c, const Paragraph& p,
                               const SectionEnd* sectionEnd = nullptr);
    static void writeSectionProperties(QXmlStreamWriter& w, const SectionEnd& s);
    static void writeBookmarkStart(QXmlStreamWriter& w, const BookmarkStart& b);
    static void writeBookmarkEnd(QXmlStreamWriter& w, int id);
    static void writeBorder(QXmlStreamWriter& w, const char16_t* element, BorderLine line);
    static void writeTableStart(QXmlStreamWriter& w, const Table& t); // tbl, tblPr, tblGrid
    static void writeTableProperties(QXmlStreamWriter& w, const Table& t);
    static void writeGrid(QXmlStreamWriter& w, const Table& t);
    static void writeCellProperties(QXmlStreamWriter& w, const Cell& cell, Twips width);
    static void writeCell(QXmlStreamWriter& w, const Context& c, const Cell& cell, Twips width);
    static void writeRow(QXmlStreamWriter& w, const Context& c, const Table& t, int r);
    static void writeTable(QXmlStreamWriter& w, const Context& c, const Table& t);
    static void writeBody(QXmlStreamWriter& w, const Context& c, const Document& d);

    // The body a piece at a time (a paragraph, a bookmark, a table's start, row or end, a
    // section's end), so that a caller can pass each piece on, e.g. to a compressor, before the
    // next one exists. With `documentRoot` the pieces also open and close w:document.
    class BodyPieces {
    public:
        BodyPieces(QXmlStreamWriter& w, const Context& c, const Document& d,
                   bool documentRoot = false);
        // Writes the next piece; false once the body (and the root) is closed.
        bool writeNext();
        // Where the next piece comes from: the sections before `section`, and the blocks before
        // `block` in that section, are written and no longer read.
        struct Position {
            std::size_t section = 0;
            std::size_t block = 0;
        };
        Position position() const { return {m_section, m_block}; }

    private:
        QXmlStreamWriter& m_w;
        const Context& m_context;
        const Document& m_document;
        bool m_documentRoot;
        bool m_started = false;
        bool m_done = false;
        std::size_t m_section = 0;
        std::size_t m_block = 0;
        int m_row = 0; // of the table being written; 0 before its start
    };

    // The declaration every part starts with, as QXmlStreamWriter writes it onto a device.
    static constexpr const char* declaration =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";

    // Whole parts, XML declaration first; false if the device failed.
    static bool writeDocumentPart(QIODevice& out, const Context& c, const Document& d);
    static bool writeStylesPart(QIODevice& out, const Document& d);
    static bool writeSettingsPart(QIODevice& out);
    static bool writeHeaderPart(QIODevice& out, const Context& c, const Document& d);
    static bool writeFooterPart(QIODevice& out, const Context& c, const Document& d);
    static bool writeCorePropertiesPart(QIODevice& out, const Document& d);
    static bool writeAppPropertiesPart(QIODevice& out);
    static bool writeContentTypesPart(QIODevice& out);
    static bool writePackageRelationshipsPart(QIODevice& out);
    static bool writeDocumentRelationshipsPart(QIODevice& out);
};

} // namespace orvella::docx
