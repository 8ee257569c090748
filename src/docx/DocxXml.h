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

    // The document part's root and body as pieces: the root's start, a paragraph, a bookmark,
    // a table's start, one of its rows or its end, a section's end, the root's end. Each piece
    // is written on its own, so any run of pieces can be written by a writer of its own, on a
    // thread of its own: written one after the other, the runs give the same bytes as the whole.
    class BodyPieces {
    public:
        BodyPieces(const Context& c, const Document& d);
        std::size_t size() const { return m_pieces.size(); }
        // Appends pieces [from, to) to `out` (XML declaration not included).
        void write(QString& out, std::size_t from, std::size_t to) const;
        // About how many characters piece `i` writes; cheap, for sharing out the work.
        qsizetype estimatedSize(std::size_t i) const;
        // The block piece `i` comes from: the sections before `section`, and the blocks before
        // `block` in that section, are not read by piece `i` or any after it.
        struct Position {
            std::size_t section = 0;
            std::size_t block = 0;
        };
        Position position(std::size_t i) const;

    private:
        enum class Kind : unsigned char {
            RootStart,
            Paragraph,
            SectionEndParagraph, // a section's last paragraph, carrying the section's end
            SectionBreak,        // an empty paragraph ending a section that ends in a table
            Bookmark,
            TableStart,
            Row,
            TableEnd,
            LastSectionEnd,
            RootEnd,
        };
        struct Piece {
            Kind kind;
            unsigned section;
            unsigned block;
            int row; // of a Row piece, from 1
        };
        void writePiece(QXmlStreamWriter& w, QString& out, const Piece& piece) const;

        const Context& m_context;
        const Document& m_document;
        std::vector<Piece> m_pieces;
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
