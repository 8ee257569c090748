#include "docx/DocxXml.h"
#include <QIODevice>
#include <QTimeZone>
#include <array>
#include <string>

namespace orvella::docx {

namespace {

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString R =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString PackageRels =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");

bool isForbidden(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF;
}

bool hasOuterSpace(const QString& s) {
    return !s.isEmpty() && (s.front().isSpace() || s.back().isSpace());
}

// Names are UTF-16 literals wrapped without a copy: the writer is called a million times for
// a large plan, and a temporary QString per call dominated its cost.
QString raw(const char16_t* s) {
    return QString::fromRawData(reinterpret_cast<const QChar*>(s),
                                qsizetype(std::char_traits<char16_t>::length(s)));
}
void attr(QXmlStreamWriter& w, const char16_t* name, const QString& value) {
    w.writeAttribute(raw(name), value);
}
// Small numbers recur on every run and cell (sizes, widths): their digits are formatted at
// compile time, into a table that never changes, and handed out without a copy.
class NumberTexts {
public:
    static constexpr int count = 16384;
    static constexpr int width = 5; // digits of count - 1

    constexpr NumberTexts() {
        for (int v = 0; v < count; ++v) {
            const std::size_t slot = std::size_t(v) * width;
            int n = 0;
            for (int rest = v; n == 0 || rest > 0; rest /= 10)
                ++n;
            for (int i = n - 1, rest = v; i >= 0; --i, rest /= 10)
                m_digits[slot + std::size_t(i)] = char16_t(u'0' + rest % 10);
            m_lengths[std::size_t(v)] = char(n);
        }
    }
    QString text(int value) const {
        return QString::fromRawData(
            reinterpret_cast<const QChar*>(m_digits.data() + std::size_t(value) * width),
            m_lengths[std::size_t(value)]);
    }

private:
    std::array<char16_t, std::size_t(count) * width> m_digits{};
    std::array<char, count> m_lengths{};
};
constexpr NumberTexts numberTexts;

QString number(int value) {
    if (value < 0 || value >= NumberTexts::count)
        return QString::number(value);
    return numberTexts.text(value);
}
void attr(QXmlStreamWriter& w, const char16_t* name, int value) {
    w.writeAttribute(raw(name), number(value));
}
template <int perPoint>
void attr(QXmlStreamWriter& w, const char16_t* name, Length<perPoint> value) {
    attr(w, name, value.value());
}
void empty(QXmlStreamWriter& w, const char16_t* name) {
    w.writeEmptyElement(raw(name));
}
void start(QXmlStreamWriter& w, const char16_t* name) {
    w.writeStartElement(raw(name));
}
void valElement(QXmlStreamWriter& w, const char16_t* name, const QString& val) {
    empty(w, name);
    attr(w, u"w:val", val);
}

// Writes a part: the XML declaration, then whatever `body` writes.
template <typename F> bool part(QIODevice& out, F body) {
    QXmlStreamWriter w(&out);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    body(w);
    w.writeEndDocument();
    return !w.hasError();
}

void flushText(QXmlStreamWriter& w, QString& pending) {
    if (pending.isEmpty())
        return;
    start(w, u"w:t");
    if (hasOuterSpace(pending))
        attr(w, u"xml:space", QStringLiteral("preserve"));
    w.writeCharacters(pending);
    w.writeEndElement();
    pending.clear();
}

QString alignmentValue(Alignment a) {
    switch (a) {
    case Alignment::Center:
        return QStringLiteral("center");
    case Alignment::Right:
        return QStringLiteral("right");
    case Alignment::Left:
        break;
    }
    return QStringLiteral("left");
}

bool isDefaultName(const DocxXml::Context& c, const Font& f) {
    return f.name.isEmpty() || f.name == c.defaultFont;
}
bool isDefaultSize(const DocxXml::Context& c, const Font& f) {
    return f.size <= HalfPoints{0} || f.size == c.defaultSize;
}
bool isDefaultFont(const DocxXml::Context& c, const Font& f) {
    return isDefaultName(c, f) && isDefaultSize(c, f) && !f.bold && f.color.isEmpty();
}

// Constants of the layout the writer always uses.
constexpr Twips cellSideMargin{108};
constexpr Twips columnSpace = Twips::from(Inches{0.5});
constexpr EighthPoints singleLine = EighthPoints::from(Points{0.5});

} // namespace

QString DocxXml::cleanText(const QString& text) {
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (!c.isSurrogate() && !isForbidden(c.unicode())) {
            out += c;
        }
    }
    return out;
}

void DocxXml::writeText(QXmlStreamWriter& w, const QString& text) {
    // Ordinary text goes out in one piece; only breaks, tabs and characters XML cannot carry
    // split it.
    QString pending;
    qsizetype plainFrom = 0;
    const qsizetype n = text.size();
    const auto takePlain = [&](qsizetype upTo) {
        if (upTo > plainFrom) {
            if (plainFrom == 0 && upTo == n && pending.isEmpty())
                pending = text;
            else
                pending += QStringView(text).sliced(plainFrom, upTo - plainFrom);
        }
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        const bool ordinary = c >= 0x20 && (c < 0xD800 || (c > 0xDFFF && c < 0xFFFE));
        if (ordinary)
            continue;
        takePlain(i);
        plainFrom = i + 1;
        switch (c) {
        case u'\t':
            flushText(w, pending);
            empty(w, u"w:tab");
            continue;
        case u'\r':
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                plainFrom = ++i + 1;
            [[fallthrough]];
        case u'\n':
        case u'\v':
            flushText(w, pending);
            empty(w, u"w:br");
            continue;
        case u'\f':
            flushText(w, pending);
            empty(w, u"w:br");
            attr(w, u"w:type", QStringLiteral("page"));
            continue;
        default:
            break;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            pending += QChar(c);
            pending += text.at(++i);
            plainFrom = i + 1;
        }
        // anything else cannot appear in XML 1.0 and is dropped
    }
    takePlain(n);
    flushText(w, pending);
}

void DocxXml::writeRunProperties(QXmlStreamWriter& w, const Context& c, const Font& font,
                                 const char16_t* element) {
    if (isDefaultFont(c, font))
        return;
    start(w, element);
    if (!isDefaultName(c, font)) {
        const QString name = cleanText(font.name);
        empty(w, u"w:rFonts");
        attr(w, u"w:ascii", name);
        attr(w, u"w:hAnsi", name);
        attr(w, u"w:cs", name);
    }
    if (font.bold) {
        empty(w, u"w:b");
        empty(w, u"w:bCs");
    }
    if (!font.color.isEmpty())
        valElement(w, u"w:color", font.color.toString());
    if (!isDefaultSize(c, font)) {
        valElement(w, u"w:sz", number(font.size.value()));
        valElement(w, u"w:szCs", number(font.size.value()));
    }
    w.writeEndElement();
}

void DocxXml::writeRun(QXmlStreamWriter& w, const Context& c, const Run& run) {
    switch (run.kind) {
    case Run::Kind::Text:
        start(w, u"w:r");
        writeRunProperties(w, c, run.font);
        writeText(w, run.text);
        w.writeEndElement();
        break;
    case Run::Kind::Symbol: {
        // The font the symbol comes from travels with the character, not in rFonts.
        Font f = run.font;
        f.name.clear();
        start(w, u"w:r");
        writeRunProperties(w, c, f);
        empty(w, u"w:sym");
        attr(w, u"w:font", cleanText(run.symbolFont));
        attr(w, u"w:char",
             QStringLiteral("%1").arg(unsigned(run.symbol), 4, 16, QLatin1Char('0')).toUpper());
        w.writeEndElement();
        break;
    }
    case Run::Kind::PageField: {
        const auto fieldChar = [&](const char16_t* type) {
            start(w, u"w:r");
            writeRunProperties(w, c, run.font);
            empty(w, u"w:fldChar");
            attr(w, u"w:fldCharType", raw(type));
            w.writeEndElement();
        };
        fieldChar(u"begin");
        start(w, u"w:r");
        writeRunProperties(w, c, run.font);
        start(w, u"w:instrText");
        attr(w, u"xml:space", QStringLiteral("preserve"));
        w.writeCharacters(QStringLiteral(" PAGE "));
        w.writeEndElement();
        w.writeEndElement();
        fieldChar(u"separate");
        start(w, u"w:r");
        writeRunProperties(w, c, run.font);
        start(w, u"w:t");
        w.writeCharacters(QStringLiteral("1"));
        w.writeEndElement();
        w.writeEndElement();
        fieldChar(u"end");
        break;
    }
    }
}

void DocxXml::writeParagraph(QXmlStreamWriter& w, const Context& c, const Paragraph& p,
                             const SectionEnd* sectionEnd) {
    start(w, u"w:p");
    const bool hasJc = p.alignment != Alignment::Left;
    // Word counts the mark in the height of the paragraph's last line, with or without text.
    const bool hasMark = !isDefaultFont(c, p.markFont);
    const bool heading = p.headingLevel == 1 || p.headingLevel == 2;
    if (hasJc || hasMark || sectionEnd || heading) {
        start(w, u"w:pPr");
        if (heading)
            valElement(w, u"w:pStyle", QStringLiteral("Heading%1").arg(p.headingLevel));
        if (hasJc)
            valElement(w, u"w:jc", alignmentValue(p.alignment));
        if (hasMark)
            writeRunProperties(w, c, p.markFont);
        if (sectionEnd)
            writeSectionProperties(w, *sectionEnd);
        w.writeEndElement();
    }
    for (const Run& r : p.runs)
        writeRun(w, c, r);
    for (int id : p.bookmarkEnds)
        writeBookmarkEnd(w, id);
    w.writeEndElement();
}

void DocxXml::writeSectionProperties(QXmlStreamWriter& w, const SectionEnd& s) {
    const PageSetup& pg = *s.page;
    start(w, u"w:sectPr");
    if (s.headerFooterRefs) {
        empty(w, u"w:headerReference");
        attr(w, u"w:type", QStringLiteral("default"));
        attr(w, u"r:id", QStringLiteral("rIdHeader1"));
        empty(w, u"w:footerReference");
        attr(w, u"w:type", QStringLiteral("default"));
        attr(w, u"r:id", QStringLiteral("rIdFooter1"));
    }
    if (s.newPage)
        valElement(w, u"w:type", QStringLiteral("nextPage"));
    empty(w, u"w:pgSz");
    attr(w, u"w:w", pg.width);
    attr(w, u"w:h", pg.height);
    if (pg.orientation == Orientation::Landscape)
        attr(w, u"w:orient", QStringLiteral("landscape"));
    empty(w, u"w:pgMar");
    attr(w, u"w:top", pg.top);
    attr(w, u"w:right", pg.right);
    attr(w, u"w:bottom", pg.bottom);
    attr(w, u"w:left", pg.left);
    attr(w, u"w:header", pg.header);
    attr(w, u"w:footer", pg.footer);
    attr(w, u"w:gutter", 0);
    empty(w, u"w:cols");
    attr(w, u"w:space", columnSpace);
    w.writeEndElement();
}

void DocxXml::writeBookmarkStart(QXmlStreamWriter& w, const BookmarkStart& b) {
    empty(w, u"w:bookmarkStart");
    attr(w, u"w:id", b.id);
    // Word takes one word of at most 40 characters.
    attr(w, u"w:name", cleanText(b.name).left(40));
}

void DocxXml::writeBookmarkEnd(QXmlStreamWriter& w, int id) {
    empty(w, u"w:bookmarkEnd");
    attr(w, u"w:id", id);
}

void DocxXml::writeBorder(QXmlStreamWriter& w, const char16_t* element, BorderLine line) {
    if (line == BorderLine::Inherit)
        return;
    empty(w, element);
    if (line == BorderLine::Hidden) {
        attr(w, u"w:val", QStringLiteral("nil"));
        return;
    }
    // Spacing 0 and colour auto are the defaults; a large plan has thousands of these.
    attr(w, u"w:val", QStringLiteral("single"));
    attr(w, u"w:sz", singleLine);
}

void DocxXml::writeTableProperties(QXmlStreamWriter& w, const Table& t) {
    start(w, u"w:tblPr");
    empty(w, u"w:tblW");
    attr(w, u"w:w", t.width());
    attr(w, u"w:type", QStringLiteral("dxa"));
    start(w, u"w:tblBorders");
    for (const char16_t* e :
         {u"w:top", u"w:left", u"w:bottom", u"w:right", u"w:insideH", u"w:insideV"})
        writeBorder(w, e, BorderLine::Single);
    w.writeEndElement();
    empty(w, u"w:tblLayout");
    attr(w, u"w:type", QStringLiteral("fixed"));
    start(w, u"w:tblCellMar");
    empty(w, u"w:left");
    attr(w, u"w:w", cellSideMargin);
    attr(w, u"w:type", QStringLiteral("dxa"));
    empty(w, u"w:right");
    attr(w, u"w:w", cellSideMargin);
    attr(w, u"w:type", QStringLiteral("dxa"));
    w.writeEndElement();
    w.writeEndElement();
}

void DocxXml::writeGrid(QXmlStreamWriter& w, const Table& t) {
    start(w, u"w:tblGrid");
    for (Twips width : t.grid()) {
        empty(w, u"w:gridCol");
        attr(w, u"w:w", width);
    }
    w.writeEndElement();
}

void DocxXml::writeCellProperties(QXmlStreamWriter& w, const Cell& cell, Twips width) {
    start(w, u"w:tcPr");
    empty(w, u"w:tcW");
    attr(w, u"w:w", width);
    attr(w, u"w:type", QStringLiteral("dxa"));
    if (cell.gridSpan > 1)
        valElement(w, u"w:gridSpan", number(cell.gridSpan));
    if (cell.vMerge == VerticalMerge::Restart)
        valElement(w, u"w:vMerge", QStringLiteral("restart"));
    else if (cell.vMerge == VerticalMerge::Continue)
        empty(w, u"w:vMerge");
    if (!cell.borders.isEmpty()) {
        start(w, u"w:tcBorders");
        writeBorder(w, u"w:top", cell.borders.top);
        writeBorder(w, u"w:left", cell.borders.left);
        writeBorder(w, u"w:bottom", cell.borders.bottom);
        writeBorder(w, u"w:right", cell.borders.right);
        w.writeEndElement();
    }
    if (!cell.shading.isEmpty()) {
        empty(w, u"w:shd");
        attr(w, u"w:val", QStringLiteral("clear"));
        attr(w, u"w:color", QStringLiteral("auto"));
        attr(w, u"w:fill", cell.shading.toString());
    }
    if (cell.topMargin) {
        start(w, u"w:tcMar");
        empty(w, u"w:top");
        attr(w, u"w:w", *cell.topMargin);
        attr(w, u"w:type", QStringLiteral("dxa"));
        w.writeEndElement();
    }
    if (cell.vAlign != VerticalAlignment::Top)
        valElement(w, u"w:vAlign",
                   cell.vAlign == VerticalAlignment::Center ? QStringLiteral("center")
                                                            : QStringLiteral("bottom"));
    w.writeEndElement();
}

void DocxXml::writeCell(QXmlStreamWriter& w, const Context& c, const Cell& cell, Twips width) {
    start(w, u"w:tc");
    writeCellProperties(w, cell, width);
    // A cell must end with a paragraph; a continued merge shows none of its own content.
    if (cell.vMerge == VerticalMerge::Continue || cell.paragraphs().empty()) {
        Paragraph blank;
        blank.alignment = cell.alignment();
        blank.markFont = cell.markFont();
        writeParagraph(w, c, blank);
    } else {
        for (const Paragraph& p : cell.paragraphs())
            writeParagraph(w, c, p);
    }
    w.writeEndElement();
}

void DocxXml::writeRow(QXmlStreamWriter& w, const Context& c, const Table& t, int r) {
    const Row& row = t.row(r);
    start(w, u"w:tr");
    if (row.minHeight > Twips{0} || row.cantSplit || row.header) {
        start(w, u"w:trPr");
        if (row.cantSplit)
            empty(w, u"w:cantSplit");
        if (row.minHeight > Twips{0}) {
            empty(w, u"w:trHeight");
            attr(w, u"w:val", row.minHeight);
            attr(w, u"w:hRule", QStringLiteral("atLeast"));
        }
        if (row.header)
            empty(w, u"w:tblHeader");
        w.writeEndElement();
    }
    int g = 0;
    for (const Cell& cell : row.cells) {
        Twips width;
        for (int i = g; i < g + cell.gridSpan && i < t.columnCount(); ++i)
            width += t.grid()[std::size_t(i)];
        g += cell.gridSpan;
        writeCell(w, c, cell, width);
    }
    w.writeEndElement();
}

void DocxXml::writeTableStart(QXmlStreamWriter& w, const Table& t) {
    start(w, u"w:tbl");
    writeTableProperties(w, t);
    writeGrid(w, t);
}

void DocxXml::writeTable(QXmlStreamWriter& w, const Context& c, const Table& t) {
    writeTableStart(w, t);
    for (int r = 1; r <= t.rowCount(); ++r)
        writeRow(w, c, t, r);
    w.writeEndElement();
}

namespace {

// The wrappers around the pieces are written as text: every piece between them is then a
// whole element, which a writer of its own can write.
const QString rootStart = QStringLiteral("<w:document xmlns:w=\"") + W +
                          QStringLiteral("\" xmlns:r=\"") + R + QStringLiteral("\"><w:body>");
const QString rootEnd = QStringLiteral("</w:body></w:document>\n");

qsizetype paragraphSize(const Paragraph& p) {
    qsizetype n = 40;
    for (const Run& r : p.runs)
        n += 60 + r.text.size();
    return n;
}

} // namespace

DocxXml::BodyPieces::BodyPieces(const Context& c, const Document& d) : m_context(c), m_document(d) {
    m_pieces.push_back({Kind::RootStart, 0, 0, 0});
    const std::size_t count = d.sections.size();
    for (std::size_t si = 0; si < count; ++si) {
        const Section& s = d.sections[si];
        const auto section = unsigned(si);
        const bool last = si + 1 == count;
        // A section other than the last ends in the properties of its last paragraph.
        std::size_t carrier = s.blocks.size();
        if (!last && !s.blocks.empty() && std::holds_alternative<Paragraph>(s.blocks.back()))
            carrier = s.blocks.size() - 1;
        for (std::size_t bi = 0; bi < s.blocks.size(); ++bi) {
            const Block& block = s.blocks[bi];
            const auto at = unsigned(bi);
            if (const auto* t = std::get_if<Table>(&block)) {
                m_pieces.push_back({Kind::TableStart, section, at, 0});
                for (int r = 1; r <= t->rowCount(); ++r)
                    m_pieces.push_back({Kind::Row, section, at, r});
                m_pieces.push_back({Kind::TableEnd, section, at, 0});
            } else if (std::holds_alternative<Paragraph>(block)) {
                m_pieces.push_back(
                    {bi == carrier ? Kind::SectionEndParagraph : Kind::Paragraph, section, at, 0});
            } else {
                m_pieces.push_back({Kind::Bookmark, section, at, 0});
            }
        }
        const auto end = unsigned(s.blocks.size());
        if (!last && carrier == s.blocks.size())
            m_pieces.push_back({Kind::SectionBreak, section, end, 0});
        if (last)
            m_pieces.push_back({Kind::LastSectionEnd, section, end, 0});
    }
    m_pieces.push_back({Kind::RootEnd, unsigned(count), 0, 0});
}

DocxXml::BodyPieces::Position DocxXml::BodyPieces::position(std::size_t i) const {
    if (i >= m_pieces.size())
        return {m_document.sections.size(), 0};
    return {m_pieces[i].section, m_pieces[i].block};
}

qsizetype DocxXml::BodyPieces::estimatedSize(std::size_t i) const {
    const Piece& piece = m_pieces[i];
    const auto block = [&]() -> const Block& {
        return m_document.sections[piece.section].blocks[piece.block];
    };
    switch (piece.kind) {
    case Kind::Paragraph:
    case Kind::SectionEndParagraph:
        return paragraphSize(std::get<Paragraph>(block()));
    case Kind::Row: {
        qsizetype n = 40;
        for (const Cell& cell : std::get<Table>(block()).row(piece.row).cells) {
            n += 120;
            for (const Paragraph& p : cell.paragraphs())
                n += paragraphSize(p);
        }
        return n;
    }
    case Kind::TableStart:
        return 400 + 30 * std::get<Table>(block()).columnCount();
    default:
        return 300;
    }
}

void DocxXml::BodyPieces::write(QString& out, std::size_t from, std::size_t to) const {
    QXmlStreamWriter w(&out);
    for (std::size_t i = from; i < to && i < m_pieces.size(); ++i)
        writePiece(w, out, m_pieces[i]);
}

void DocxXml::BodyPieces::writePiece(QXmlStreamWriter& w, QString& out, const Piece& piece) const {
    // The root's pieces belong to no section.
    const auto section = [&]() -> const Section& { return m_document.sections[piece.section]; };
    const auto block = [&]() -> const Block& { return section().blocks[piece.block]; };
    const auto sectionEnd = [&] {
        return SectionEnd{&section().page, piece.section > 0, piece.section == 0};
    };
    switch (piece.kind) {
    case Kind::RootStart:
        out += rootStart;
        return;
    case Kind::RootEnd:
        out += rootEnd;
        return;
    case Kind::Paragraph:
        writeParagraph(w, m_context, std::get<Paragraph>(block()));
        return;
    case Kind::SectionEndParagraph: {
        const SectionEnd end = sectionEnd();
        writeParagraph(w, m_context, std::get<Paragraph>(block()), &end);
        return;
    }
    case Kind::SectionBreak: {
        const SectionEnd end = sectionEnd();
        writeParagraph(w, m_context, Paragraph{}, &end);
        return;
    }
    case Kind::LastSectionEnd:
        writeSectionProperties(w, sectionEnd());
        return;
    case Kind::Bookmark:
        writeBookmarkStart(w, std::get<BookmarkStart>(block()));
        w.writeCharacters(QString()); // an empty element is closed by what follows it
        return;
    case Kind::TableStart:
        out += QStringLiteral("<w:tbl>");
        writeTableProperties(w, std::get<Table>(block()));
        writeGrid(w, std::get<Table>(block()));
        return;
    case Kind::Row:
        writeRow(w, m_context, std::get<Table>(block()), piece.row);
        return;
    case Kind::TableEnd:
        out += QStringLiteral("</w:tbl>");
        return;
    }
}

bool DocxXml::writeDocumentPart(QIODevice& out, const Context& c, const Document& d) {
    const BodyPieces pieces(c, d);
    QString text;
    pieces.write(text, 0, pieces.size());
    const QByteArray bytes = QByteArray(declaration) + text.toUtf8();
    return out.write(bytes) == bytes.size();
}

bool DocxXml::writeStylesPart(QIODevice& out, const Document& d) {
    return part(out, [&](QXmlStreamWriter& w) {
        start(w, u"w:styles");
        attr(w, u"xmlns:w", W);
        start(w, u"w:docDefaults");
        start(w, u"w:rPrDefault");
        start(w, u"w:rPr");
        empty(w, u"w:rFonts");
        const QString font = cleanText(d.defaultFont);
        attr(w, u"w:ascii", font);
        attr(w, u"w:eastAsia", font);
        attr(w, u"w:hAnsi", font);
        attr(w, u"w:cs", font);
        valElement(w, u"w:sz", number(d.defaultSize.value()));
        valElement(w, u"w:szCs", number(d.defaultSize.value()));
        const QString language = cleanText(d.language);
        empty(w, u"w:lang");
        attr(w, u"w:val", language);
        attr(w, u"w:eastAsia", language);
        attr(w, u"w:bidi", language);
        w.writeEndElement();
        w.writeEndElement();
        start(w, u"w:pPrDefault");
        start(w, u"w:pPr");
        empty(w, u"w:spacing");
        attr(w, u"w:after", 0);
        attr(w, u"w:line", 240);
        attr(w, u"w:lineRule", QStringLiteral("auto"));
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();

        start(w, u"w:style");
        attr(w, u"w:type", QStringLiteral("paragraph"));
        attr(w, u"w:default", 1);
        attr(w, u"w:styleId", QStringLiteral("Normal"));
        valElement(w, u"w:name", QStringLiteral("Normal"));
        empty(w, u"w:qFormat");
        w.writeEndElement();

        // Headings carry structure only: their look stays with their runs, as before.
        for (int level : {1, 2}) {
            start(w, u"w:style");
            attr(w, u"w:type", QStringLiteral("paragraph"));
            attr(w, u"w:styleId", QStringLiteral("Heading%1").arg(level));
            valElement(w, u"w:name", QStringLiteral("heading %1").arg(level));
            valElement(w, u"w:basedOn", QStringLiteral("Normal"));
            valElement(w, u"w:next", QStringLiteral("Normal"));
            empty(w, u"w:qFormat");
            start(w, u"w:pPr");
            empty(w, u"w:spacing");
            attr(w, u"w:before", 0);
            attr(w, u"w:after", 0);
            valElement(w, u"w:outlineLvl", QString::number(level - 1));
            w.writeEndElement();
            w.writeEndElement();
        }

        start(w, u"w:style");
        attr(w, u"w:type", QStringLiteral("table"));
        attr(w, u"w:default", 1);
        attr(w, u"w:styleId", QStringLiteral("TableNormal"));
        valElement(w, u"w:name", QStringLiteral("Normal Table"));
        empty(w, u"w:uiPriority");
        attr(w, u"w:val", 99);
        empty(w, u"w:semiHidden");
        start(w, u"w:tblPr");
        empty(w, u"w:tblInd");
        attr(w, u"w:w", 0);
        attr(w, u"w:type", QStringLiteral("dxa"));
        start(w, u"w:tblCellMar");
        for (const char16_t* side : {u"w:top", u"w:left", u"w:bottom", u"w:right"}) {
            empty(w, side);
            attr(w, u"w:w", (side[2] == 'l' || side[2] == 'r') ? cellSideMargin : Twips{0});
            attr(w, u"w:type", QStringLiteral("dxa"));
        }
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
    });
}

bool DocxXml::writeSettingsPart(QIODevice& out) {
    return part(out, [](QXmlStreamWriter& w) {
        start(w, u"w:settings");
        attr(w, u"xmlns:w", W);
        valElement(w, u"w:view", QStringLiteral("print"));
        empty(w, u"w:zoom");
        attr(w, u"w:val", QStringLiteral("fullPage"));
        attr(w, u"w:percent", 100);
        valElement(w, u"w:defaultTabStop", QStringLiteral("720"));
        valElement(w, u"w:characterSpacingControl", QStringLiteral("doNotCompress"));
        start(w, u"w:compat");
        empty(w, u"w:compatSetting");
        attr(w, u"w:name", QStringLiteral("compatibilityMode"));
        attr(w, u"w:uri", QStringLiteral("http://schemas.microsoft.com/office/word"));
        attr(w, u"w:val", 15);
        w.writeEndElement();
        w.writeEndElement();
    });
}

static bool headerFooterPart(QIODevice& out, const DocxXml::Context& c, const char16_t* root,
                             const std::vector<Paragraph>& paragraphs) {
    return part(out, [&](QXmlStreamWriter& w) {
        start(w, root);
        attr(w, u"xmlns:w", W);
        attr(w, u"xmlns:r", R);
        for (const Paragraph& p : paragraphs)
            DocxXml::writeParagraph(w, c, p);
        if (paragraphs.empty())
            DocxXml::writeParagraph(w, c, Paragraph{});
        w.writeEndElement();
    });
}

bool DocxXml::writeHeaderPart(QIODevice& out, const Context& c, const Document& d) {
    return headerFooterPart(out, c, u"w:hdr", d.header);
}

bool DocxXml::writeFooterPart(QIODevice& out, const Context& c, const Document& d) {
    return headerFooterPart(out, c, u"w:ftr", d.footer);
}

bool DocxXml::writeCorePropertiesPart(QIODevice& out, const Document& d) {
    return part(out, [&](QXmlStreamWriter& w) {
        start(w, u"cp:coreProperties");
        attr(w, u"xmlns:cp",
             QStringLiteral(
                 "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"));
        attr(w, u"xmlns:dc", QStringLiteral("http://purl.org/dc/elements/1.1/"));
        attr(w, u"xmlns:dcterms", QStringLiteral("http://purl.org/dc/terms/"));
        attr(w, u"xmlns:xsi", QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
        w.writeTextElement(QStringLiteral("dc:title"), cleanText(d.title));
        w.writeTextElement(QStringLiteral("dc:creator"), cleanText(d.creator));
        w.writeTextElement(QStringLiteral("dc:language"), cleanText(d.language));
        const QString when = d.created.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
        for (const char16_t* e : {u"dcterms:created", u"dcterms:modified"}) {
            start(w, e);
            attr(w, u"xsi:type", QStringLiteral("dcterms:W3CDTF"));
            w.writeCharacters(when);
            w.writeEndElement();
        }
        w.writeEndElement();
    });
}

bool DocxXml::writeAppPropertiesPart(QIODevice& out) {
    return part(out, [](QXmlStreamWriter& w) {
        start(w, u"Properties");
        attr(w, u"xmlns",
             QStringLiteral(
                 "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
        w.writeTextElement(QStringLiteral("Application"), QStringLiteral("Orvella 2.0"));
        w.writeEndElement();
    });
}

bool DocxXml::writeContentTypesPart(QIODevice& out) {
    return part(out, [](QXmlStreamWriter& w) {
        start(w, u"Types");
        attr(w, u"xmlns",
             QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
        const auto def = [&](const char* ext, const char* type) {
            empty(w, u"Default");
            attr(w, u"Extension", QLatin1String(ext));
            attr(w, u"ContentType", QLatin1String(type));
        };
        const auto over = [&](const char* name, const char* type) {
            empty(w, u"Override");
            attr(w, u"PartName", QLatin1String(name));
            attr(w, u"ContentType", QLatin1String(type));
        };
        def("rels", "application/vnd.openxmlformats-package.relationships+xml");
        def("xml", "application/xml");
        const char* wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
        const QByteArray prefix(wml);
        over("/word/document.xml", (prefix + "document.main+xml").constData());
        over("/word/styles.xml", (prefix + "styles+xml").constData());
        over("/word/settings.xml", (prefix + "settings+xml").constData());
        over("/word/header1.xml", (prefix + "header+xml").constData());
        over("/word/footer1.xml", (prefix + "footer+xml").constData());
        over("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
        over("/docProps/app.xml",
             "application/vnd.openxmlformats-officedocument.extended-properties+xml");
        w.writeEndElement();
    });
}

static void relationship(QXmlStreamWriter& w, const char* id, const QString& type,
                         const char* target) {
    empty(w, u"Relationship");
    attr(w, u"Id", QLatin1String(id));
    attr(w, u"Type", type);
    attr(w, u"Target", QLatin1String(target));
}

bool DocxXml::writePackageRelationshipsPart(QIODevice& out) {
    return part(out, [](QXmlStreamWriter& w) {
        start(w, u"Relationships");
        attr(w, u"xmlns", PackageRels);
        relationship(w, "rId1", R + QStringLiteral("/officeDocument"), "word/document.xml");
        relationship(w, "rId2",
                     QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/"
                                    "metadata/core-properties"),
                     "docProps/core.xml");
        relationship(w, "rId3", R + QStringLiteral("/extended-properties"), "docProps/app.xml");
        w.writeEndElement();
    });
}

bool DocxXml::writeDocumentRelationshipsPart(QIODevice& out) {
    return part(out, [](QXmlStreamWriter& w) {
        start(w, u"Relationships");
        attr(w, u"xmlns", PackageRels);
        relationship(w, "rIdStyles", R + QStringLiteral("/styles"), "styles.xml");
        relationship(w, "rIdSettings", R + QStringLiteral("/settings"), "settings.xml");
        relationship(w, "rIdHeader1", R + QStringLiteral("/header"), "header1.xml");
        relationship(w, "rIdFooter1", R + QStringLiteral("/footer"), "footer1.xml");
        w.writeEndElement();
    });
}

} // namespace orvella::docx
