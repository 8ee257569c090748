#include "document/DocxXml.h"
#include <QBuffer>
#include <QTimeZone>

namespace orvella::document {

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

void attr(QXmlStreamWriter& w, const char* name, const QString& value) {
    w.writeAttribute(QLatin1String(name), value);
}
void attr(QXmlStreamWriter& w, const char* name, int value) {
    w.writeAttribute(QLatin1String(name), QString::number(value));
}
void empty(QXmlStreamWriter& w, const char* name) {
    w.writeEmptyElement(QLatin1String(name));
}
void start(QXmlStreamWriter& w, const char* name) {
    w.writeStartElement(QLatin1String(name));
}
void valElement(QXmlStreamWriter& w, const char* name, const QString& val) {
    empty(w, name);
    attr(w, "w:val", val);
}

// Writes a part: the XML declaration, then whatever `body` writes.
template <typename F> QByteArray part(F body) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter w(&buffer);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    body(w);
    w.writeEndDocument();
    return bytes;
}

void flushText(QXmlStreamWriter& w, QString& pending) {
    if (pending.isEmpty())
        return;
    start(w, "w:t");
    if (hasOuterSpace(pending))
        attr(w, "xml:space", QStringLiteral("preserve"));
    w.writeCharacters(pending);
    w.writeEndElement();
    pending.clear();
}

const char* alignmentValue(Alignment a) {
    switch (a) {
    case Alignment::Center:
        return "center";
    case Alignment::Right:
        return "right";
    case Alignment::Left:
        break;
    }
    return "left";
}

bool isDefaultFont(const Font& f) {
    return f == Font{};
}

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
    QString pending;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        switch (c) {
        case u'\t':
            flushText(w, pending);
            empty(w, "w:tab");
            continue;
        case u'\r':
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            [[fallthrough]];
        case u'\n':
        case u'\v':
            flushText(w, pending);
            empty(w, "w:br");
            continue;
        case u'\f':
            flushText(w, pending);
            empty(w, "w:br");
            attr(w, "w:type", QStringLiteral("page"));
            continue;
        default:
            break;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            pending += QChar(c);
            pending += text.at(++i);
        } else if (!QChar::isSurrogate(c) && !isForbidden(c)) {
            pending += QChar(c);
        }
    }
    flushText(w, pending);
}

void DocxXml::writeRunProperties(QXmlStreamWriter& w, const Font& font, const char* element) {
    if (isDefaultFont(font))
        return;
    start(w, element);
    if (!font.name.isEmpty()) {
        const QString name = cleanText(font.name);
        empty(w, "w:rFonts");
        attr(w, "w:ascii", name);
        attr(w, "w:hAnsi", name);
        attr(w, "w:cs", name);
    }
    if (font.bold) {
        empty(w, "w:b");
        empty(w, "w:bCs");
    }
    if (!font.color.isEmpty())
        valElement(w, "w:color", font.color);
    if (font.halfPoints > 0) {
        valElement(w, "w:sz", QString::number(font.halfPoints));
        valElement(w, "w:szCs", QString::number(font.halfPoints));
    }
    w.writeEndElement();
}

void DocxXml::writeRun(QXmlStreamWriter& w, const Run& run) {
    switch (run.kind) {
    case Run::Kind::Text:
        start(w, "w:r");
        writeRunProperties(w, run.font);
        writeText(w, run.text);
        w.writeEndElement();
        break;
    case Run::Kind::Symbol: {
        // The font the symbol comes from travels with the character, not in rFonts.
        Font f = run.font;
        f.name.clear();
        start(w, "w:r");
        writeRunProperties(w, f);
        empty(w, "w:sym");
        attr(w, "w:font", cleanText(run.symbolFont));
        attr(w, "w:char",
             QStringLiteral("%1").arg(unsigned(run.symbol), 4, 16, QLatin1Char('0')).toUpper());
        w.writeEndElement();
        break;
    }
    case Run::Kind::PageField: {
        const auto fieldChar = [&](const char* type) {
            start(w, "w:r");
            writeRunProperties(w, run.font);
            empty(w, "w:fldChar");
            attr(w, "w:fldCharType", QLatin1String(type));
            w.writeEndElement();
        };
        fieldChar("begin");
        start(w, "w:r");
        writeRunProperties(w, run.font);
        start(w, "w:instrText");
        attr(w, "xml:space", QStringLiteral("preserve"));
        w.writeCharacters(QStringLiteral(" PAGE "));
        w.writeEndElement();
        w.writeEndElement();
        fieldChar("separate");
        start(w, "w:r");
        writeRunProperties(w, run.font);
        start(w, "w:t");
        w.writeCharacters(QStringLiteral("1"));
        w.writeEndElement();
        w.writeEndElement();
        fieldChar("end");
        break;
    }
    }
}

void DocxXml::writeParagraph(QXmlStreamWriter& w, const Paragraph& p,
                             const SectionEnd* sectionEnd) {
    start(w, "w:p");
    const bool hasJc = p.alignment != Alignment::Left;
    const bool hasMark = !isDefaultFont(p.markFont);
    if (hasJc || hasMark || sectionEnd) {
        start(w, "w:pPr");
        if (hasJc)
            valElement(w, "w:jc", QLatin1String(alignmentValue(p.alignment)));
        if (hasMark)
            writeRunProperties(w, p.markFont);
        if (sectionEnd)
            writeSectionProperties(w, *sectionEnd);
        w.writeEndElement();
    }
    for (const Run& r : p.runs)
        writeRun(w, r);
    for (int id : p.bookmarkEnds)
        writeBookmarkEnd(w, id);
    w.writeEndElement();
}

void DocxXml::writeSectionProperties(QXmlStreamWriter& w, const SectionEnd& s) {
    const PageSetup& pg = *s.page;
    start(w, "w:sectPr");
    if (s.headerFooterRefs) {
        empty(w, "w:headerReference");
        attr(w, "w:type", QStringLiteral("default"));
        attr(w, "r:id", QStringLiteral("rIdHeader1"));
        empty(w, "w:footerReference");
        attr(w, "w:type", QStringLiteral("default"));
        attr(w, "r:id", QStringLiteral("rIdFooter1"));
    }
    if (s.newPage)
        valElement(w, "w:type", QStringLiteral("nextPage"));
    empty(w, "w:pgSz");
    attr(w, "w:w", pg.width);
    attr(w, "w:h", pg.height);
    if (pg.orientation == Orientation::Landscape)
        attr(w, "w:orient", QStringLiteral("landscape"));
    empty(w, "w:pgMar");
    attr(w, "w:top", pg.top);
    attr(w, "w:right", pg.right);
    attr(w, "w:bottom", pg.bottom);
    attr(w, "w:left", pg.left);
    attr(w, "w:header", pg.header);
    attr(w, "w:footer", pg.footer);
    attr(w, "w:gutter", 0);
    empty(w, "w:cols");
    attr(w, "w:space", 720);
    w.writeEndElement();
}

void DocxXml::writeBookmarkStart(QXmlStreamWriter& w, const BookmarkStart& b) {
    empty(w, "w:bookmarkStart");
    attr(w, "w:id", b.id);
    // Word takes one word of at most 40 characters.
    attr(w, "w:name", cleanText(b.name).left(40));
}

void DocxXml::writeBookmarkEnd(QXmlStreamWriter& w, int id) {
    empty(w, "w:bookmarkEnd");
    attr(w, "w:id", id);
}

void DocxXml::writeBorder(QXmlStreamWriter& w, const char* element, BorderLine line) {
    if (line == BorderLine::Inherit)
        return;
    empty(w, element);
    if (line == BorderLine::Hidden) {
        attr(w, "w:val", QStringLiteral("nil"));
        return;
    }
    attr(w, "w:val", QStringLiteral("single"));
    attr(w, "w:sz", 4);
    attr(w, "w:space", 0);
    attr(w, "w:color", QStringLiteral("auto"));
}

void DocxXml::writeTableProperties(QXmlStreamWriter& w, const Table& t) {
    start(w, "w:tblPr");
    empty(w, "w:tblW");
    attr(w, "w:w", t.width());
    attr(w, "w:type", QStringLiteral("dxa"));
    start(w, "w:tblBorders");
    for (const char* e : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"})
        writeBorder(w, e, BorderLine::Single);
    w.writeEndElement();
    empty(w, "w:tblLayout");
    attr(w, "w:type", QStringLiteral("fixed"));
    start(w, "w:tblCellMar");
    empty(w, "w:left");
    attr(w, "w:w", 108);
    attr(w, "w:type", QStringLiteral("dxa"));
    empty(w, "w:right");
    attr(w, "w:w", 108);
    attr(w, "w:type", QStringLiteral("dxa"));
    w.writeEndElement();
    w.writeEndElement();
}

void DocxXml::writeGrid(QXmlStreamWriter& w, const Table& t) {
    start(w, "w:tblGrid");
    for (int width : t.grid()) {
        empty(w, "w:gridCol");
        attr(w, "w:w", width);
    }
    w.writeEndElement();
}

void DocxXml::writeCellProperties(QXmlStreamWriter& w, const Cell& c, int width) {
    start(w, "w:tcPr");
    empty(w, "w:tcW");
    attr(w, "w:w", width);
    attr(w, "w:type", QStringLiteral("dxa"));
    if (c.gridSpan > 1)
        valElement(w, "w:gridSpan", QString::number(c.gridSpan));
    if (c.vMerge == VerticalMerge::Restart)
        valElement(w, "w:vMerge", QStringLiteral("restart"));
    else if (c.vMerge == VerticalMerge::Continue)
        empty(w, "w:vMerge");
    if (!c.borders.isEmpty()) {
        start(w, "w:tcBorders");
        writeBorder(w, "w:top", c.borders.top);
        writeBorder(w, "w:left", c.borders.left);
        writeBorder(w, "w:bottom", c.borders.bottom);
        writeBorder(w, "w:right", c.borders.right);
        w.writeEndElement();
    }
    if (!c.shading.isEmpty()) {
        empty(w, "w:shd");
        attr(w, "w:val", QStringLiteral("clear"));
        attr(w, "w:color", QStringLiteral("auto"));
        attr(w, "w:fill", c.shading);
    }
    if (c.topMargin >= 0) {
        start(w, "w:tcMar");
        empty(w, "w:top");
        attr(w, "w:w", c.topMargin);
        attr(w, "w:type", QStringLiteral("dxa"));
        w.writeEndElement();
    }
    if (c.vAlign != VerticalAlignment::Top)
        valElement(w, "w:vAlign",
                   c.vAlign == VerticalAlignment::Center ? QStringLiteral("center")
                                                         : QStringLiteral("bottom"));
    w.writeEndElement();
}

void DocxXml::writeCell(QXmlStreamWriter& w, const Cell& c, int width) {
    start(w, "w:tc");
    writeCellProperties(w, c, width);
    // A cell must end with a paragraph; a continued merge shows none of its own content.
    if (c.vMerge == VerticalMerge::Continue || c.paragraphs().empty()) {
        Paragraph blank;
        blank.alignment = c.alignment();
        blank.markFont = c.markFont();
        writeParagraph(w, blank);
    } else {
        for (const Paragraph& p : c.paragraphs())
            writeParagraph(w, p);
    }
    w.writeEndElement();
}

void DocxXml::writeRow(QXmlStreamWriter& w, const Table& t, int r) {
    const Row& row = t.row(r);
    start(w, "w:tr");
    if (row.minHeight > 0) {
        start(w, "w:trPr");
        empty(w, "w:trHeight");
        attr(w, "w:val", row.minHeight);
        attr(w, "w:hRule", QStringLiteral("atLeast"));
        w.writeEndElement();
    }
    int g = 0;
    for (const Cell& c : row.cells) {
        int width = 0;
        for (int i = g; i < g + c.gridSpan && i < t.columnCount(); ++i)
            width += t.grid()[std::size_t(i)];
        g += c.gridSpan;
        writeCell(w, c, width);
    }
    w.writeEndElement();
}

void DocxXml::writeTable(QXmlStreamWriter& w, const Table& t) {
    start(w, "w:tbl");
    writeTableProperties(w, t);
    writeGrid(w, t);
    for (int r = 1; r <= t.rowCount(); ++r)
        writeRow(w, t, r);
    w.writeEndElement();
}

void DocxXml::writeBody(QXmlStreamWriter& w, const Document& d) {
    start(w, "w:body");
    const std::size_t count = d.sections.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Section& s = d.sections[i];
        const SectionEnd end{&s.page, i > 0, i == 0};
        const bool last = i + 1 == count;
        // A section other than the last ends in the properties of its last paragraph.
        std::size_t carrier = s.blocks.size();
        if (!last && !s.blocks.empty() && std::holds_alternative<Paragraph>(s.blocks.back()))
            carrier = s.blocks.size() - 1;
        for (std::size_t b = 0; b < s.blocks.size(); ++b) {
            const Block& block = s.blocks[b];
            if (const auto* p = std::get_if<Paragraph>(&block))
                writeParagraph(w, *p, b == carrier ? &end : nullptr);
            else if (const auto* t = std::get_if<Table>(&block))
                writeTable(w, *t);
            else
                writeBookmarkStart(w, std::get<BookmarkStart>(block));
        }
        if (!last && carrier == s.blocks.size())
            writeParagraph(w, Paragraph{}, &end);
        if (last)
            writeSectionProperties(w, end);
    }
    w.writeEndElement();
}

QByteArray DocxXml::documentPart(const Document& d) {
    return part([&](QXmlStreamWriter& w) {
        start(w, "w:document");
        attr(w, "xmlns:w", W);
        attr(w, "xmlns:r", R);
        writeBody(w, d);
        w.writeEndElement();
    });
}

QByteArray DocxXml::stylesPart(const Document& d) {
    return part([&](QXmlStreamWriter& w) {
        start(w, "w:styles");
        attr(w, "xmlns:w", W);
        start(w, "w:docDefaults");
        start(w, "w:rPrDefault");
        start(w, "w:rPr");
        empty(w, "w:rFonts");
        const QString font = cleanText(d.defaultFont);
        attr(w, "w:ascii", font);
        attr(w, "w:eastAsia", font);
        attr(w, "w:hAnsi", font);
        attr(w, "w:cs", font);
        valElement(w, "w:sz", QString::number(d.defaultHalfPoints));
        valElement(w, "w:szCs", QString::number(d.defaultHalfPoints));
        empty(w, "w:lang");
        attr(w, "w:val", QStringLiteral("en-US"));
        attr(w, "w:eastAsia", QStringLiteral("en-US"));
        attr(w, "w:bidi", QStringLiteral("ar-SA"));
        w.writeEndElement();
        w.writeEndElement();
        start(w, "w:pPrDefault");
        start(w, "w:pPr");
        empty(w, "w:spacing");
        attr(w, "w:after", 0);
        attr(w, "w:line", 240);
        attr(w, "w:lineRule", QStringLiteral("auto"));
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();

        start(w, "w:style");
        attr(w, "w:type", QStringLiteral("paragraph"));
        attr(w, "w:default", 1);
        attr(w, "w:styleId", QStringLiteral("Normal"));
        valElement(w, "w:name", QStringLiteral("Normal"));
        empty(w, "w:qFormat");
        w.writeEndElement();

        start(w, "w:style");
        attr(w, "w:type", QStringLiteral("table"));
        attr(w, "w:default", 1);
        attr(w, "w:styleId", QStringLiteral("TableNormal"));
        valElement(w, "w:name", QStringLiteral("Normal Table"));
        empty(w, "w:uiPriority");
        attr(w, "w:val", 99);
        empty(w, "w:semiHidden");
        start(w, "w:tblPr");
        empty(w, "w:tblInd");
        attr(w, "w:w", 0);
        attr(w, "w:type", QStringLiteral("dxa"));
        start(w, "w:tblCellMar");
        for (const char* side : {"w:top", "w:left", "w:bottom", "w:right"}) {
            empty(w, side);
            attr(w, "w:w", (side[2] == 'l' || side[2] == 'r') ? 108 : 0);
            attr(w, "w:type", QStringLiteral("dxa"));
        }
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
    });
}

QByteArray DocxXml::settingsPart() {
    return part([](QXmlStreamWriter& w) {
        start(w, "w:settings");
        attr(w, "xmlns:w", W);
        valElement(w, "w:view", QStringLiteral("print"));
        empty(w, "w:zoom");
        attr(w, "w:val", QStringLiteral("fullPage"));
        attr(w, "w:percent", 100);
        valElement(w, "w:defaultTabStop", QStringLiteral("720"));
        valElement(w, "w:characterSpacingControl", QStringLiteral("doNotCompress"));
        start(w, "w:compat");
        empty(w, "w:compatSetting");
        attr(w, "w:name", QStringLiteral("compatibilityMode"));
        attr(w, "w:uri", QStringLiteral("http://schemas.microsoft.com/office/word"));
        attr(w, "w:val", 15);
        w.writeEndElement();
        w.writeEndElement();
    });
}

static QByteArray headerFooterPart(const char* root, const std::vector<Paragraph>& paragraphs) {
    return part([&](QXmlStreamWriter& w) {
        start(w, root);
        attr(w, "xmlns:w", W);
        attr(w, "xmlns:r", R);
        for (const Paragraph& p : paragraphs)
            DocxXml::writeParagraph(w, p);
        if (paragraphs.empty())
            DocxXml::writeParagraph(w, Paragraph{});
        w.writeEndElement();
    });
}

QByteArray DocxXml::headerPart(const Document& d) {
    return headerFooterPart("w:hdr", d.header);
}

QByteArray DocxXml::footerPart(const Document& d) {
    return headerFooterPart("w:ftr", d.footer);
}

QByteArray DocxXml::corePropertiesPart(const Document& d) {
    return part([&](QXmlStreamWriter& w) {
        start(w, "cp:coreProperties");
        attr(w, "xmlns:cp",
             QStringLiteral(
                 "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"));
        attr(w, "xmlns:dc", QStringLiteral("http://purl.org/dc/elements/1.1/"));
        attr(w, "xmlns:dcterms", QStringLiteral("http://purl.org/dc/terms/"));
        attr(w, "xmlns:xsi", QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
        w.writeTextElement(QStringLiteral("dc:title"), cleanText(d.title));
        w.writeTextElement(QStringLiteral("dc:creator"), cleanText(d.creator));
        const QString when = d.created.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
        for (const char* e : {"dcterms:created", "dcterms:modified"}) {
            start(w, e);
            attr(w, "xsi:type", QStringLiteral("dcterms:W3CDTF"));
            w.writeCharacters(when);
            w.writeEndElement();
        }
        w.writeEndElement();
    });
}

QByteArray DocxXml::appPropertiesPart() {
    return part([](QXmlStreamWriter& w) {
        start(w, "Properties");
        attr(w, "xmlns",
             QStringLiteral(
                 "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
        w.writeTextElement(QStringLiteral("Application"), QStringLiteral("Orvella 2.0"));
        w.writeEndElement();
    });
}

QByteArray DocxXml::contentTypesPart() {
    return part([](QXmlStreamWriter& w) {
        start(w, "Types");
        attr(w, "xmlns",
             QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
        const auto def = [&](const char* ext, const char* type) {
            empty(w, "Default");
            attr(w, "Extension", QLatin1String(ext));
            attr(w, "ContentType", QLatin1String(type));
        };
        const auto over = [&](const char* name, const char* type) {
            empty(w, "Override");
            attr(w, "PartName", QLatin1String(name));
            attr(w, "ContentType", QLatin1String(type));
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
    empty(w, "Relationship");
    attr(w, "Id", QLatin1String(id));
    attr(w, "Type", type);
    attr(w, "Target", QLatin1String(target));
}

QByteArray DocxXml::packageRelationshipsPart() {
    return part([](QXmlStreamWriter& w) {
        start(w, "Relationships");
        attr(w, "xmlns", PackageRels);
        relationship(w, "rId1", R + QStringLiteral("/officeDocument"), "word/document.xml");
        relationship(w, "rId2",
                     QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/"
                                    "metadata/core-properties"),
                     "docProps/core.xml");
        relationship(w, "rId3", R + QStringLiteral("/extended-properties"), "docProps/app.xml");
        w.writeEndElement();
    });
}

QByteArray DocxXml::documentRelationshipsPart() {
    return part([](QXmlStreamWriter& w) {
        start(w, "Relationships");
        attr(w, "xmlns", PackageRels);
        relationship(w, "rIdStyles", R + QStringLiteral("/styles"), "styles.xml");
        relationship(w, "rIdSettings", R + QStringLiteral("/settings"), "settings.xml");
        relationship(w, "rIdHeader1", R + QStringLiteral("/header"), "header1.xml");
        relationship(w, "rIdFooter1", R + QStringLiteral("/footer"), "footer1.xml");
        w.writeEndElement();
    });
}

} // namespace orvella::document
