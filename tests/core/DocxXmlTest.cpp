// Exact XML of the serializer's elements: the shapes that Word, LibreOffice and python-docx
// rely on (schema order, merges, borders, sections, fields, symbols, escaping).
#include "docx/DocxXml.h"
#include "QtPrinters.h"
#include <QBuffer>
#include <gtest/gtest.h>

using namespace orvella::docx;

namespace {

template <typename F> QString xml(F write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter w(&buffer);
    write(w);
    w.writeEndDocument();
    return QString::fromUtf8(bytes).chopped(bytes.endsWith('\n') ? 1 : 0);
}

// A whole part, as its serializer writes it onto a device.
template <typename F> QString part(F write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(write(buffer));
    return QString::fromUtf8(bytes);
}

// Nothing assumed: every run property is written.
const DocxXml::Context bare;

Font arial(double points, bool bold = false) {
    Font f;
    f.name = QStringLiteral("Arial");
    f.setSize(Points{points});
    f.bold = bold;
    return f;
}

} // namespace

TEST(DocxXml, RunEscapesSplitsBreaksAndKeepsOuterBlanks) {
    Font f = arial(12, true);
    f.color = Font::colorFromWord(255);
    const orvella::docx::Run run =
        orvella::docx::Run::plain(QStringLiteral(" a&b<c>\"d\te\r\nf\x01\x1F\fg\vh "), f);
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeRun(w, bare, run); }),
              QStringLiteral("<w:r><w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" "
                             "w:cs=\"Arial\"/><w:b/><w:bCs/><w:color w:val=\"FF0000\"/>"
                             "<w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/></w:rPr>"
                             "<w:t xml:space=\"preserve\"> a&amp;b&lt;c&gt;&quot;d</w:t><w:tab/>"
                             "<w:t>e</w:t><w:br/><w:t>f</w:t><w:br w:type=\"page\"/>"
                             "<w:t>g</w:t><w:br/><w:t xml:space=\"preserve\">h </w:t></w:r>"));
}

TEST(DocxXml, TextDropsWhatXmlCannotCarryButKeepsSurrogatePairs) {
    const QString text = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") + QChar(0xFFFE) +
                         QChar(0xFFFF) + QChar(0) + QStringLiteral("😀") + QChar(0xDC00);
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeText(w, text); }), QStringLiteral("<w:t>ab😀</w:t>"));
    EXPECT_EQ(DocxXml::cleanText(text), QStringLiteral("ab😀"));
    EXPECT_EQ(DocxXml::cleanText(QStringLiteral("a\tb\nc")), QStringLiteral("a\tb\nc"));
    EXPECT_EQ(xml([&](auto& w) {
                  DocxXml::writeRun(w, bare, orvella::docx::Run::plain(QStringLiteral("\x02")));
              }),
              QStringLiteral("<w:r/>"));
}

TEST(DocxXml, SymbolCarriesItsFontInTheSymNotInRFonts) {
    Font f = arial(24);
    const orvella::docx::Run hand =
        orvella::docx::Run::symbolChar(QStringLiteral("Wingdings"), 0xF048, f);
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeRun(w, bare, hand); }),
              QStringLiteral("<w:r><w:rPr><w:sz w:val=\"48\"/><w:szCs w:val=\"48\"/></w:rPr>"
                             "<w:sym w:font=\"Wingdings\" w:char=\"F048\"/></w:r>"));
}

TEST(DocxXml, PageFieldIsAComplexFieldWithAResult) {
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeRun(w, bare, orvella::docx::Run::pageNumber()); }),
              QStringLiteral("<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
                             "<w:r><w:instrText xml:space=\"preserve\"> PAGE </w:instrText></w:r>"
                             "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>"
                             "<w:r><w:t>1</w:t></w:r>"
                             "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"));
}

TEST(DocxXml, ParagraphPropertiesInSchemaOrderAndBookmarks) {
    Paragraph p = Paragraph::of(QString(QChar(0xA0)), arial(10), Alignment::Right);
    p.bookmarkEnds = {3};
    PageSetup page;
    const DocxXml::SectionEnd end{&page, false, false};
    EXPECT_EQ(
        xml([&](auto& w) { DocxXml::writeParagraph(w, bare, p, &end); }),
        QStringLiteral(
            "<w:p><w:pPr><w:jc w:val=\"right\"/><w:rPr><w:rFonts w:ascii=\"Arial\" "
            "w:hAnsi=\"Arial\" w:cs=\"Arial\"/><w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/></w:rPr>"
            "<w:sectPr><w:pgSz w:w=\"12240\" w:h=\"15840\"/>"
            "<w:pgMar w:top=\"1440\" w:right=\"1440\" w:bottom=\"1440\" "
            "w:left=\"1440\" w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/>"
            "<w:cols w:space=\"720\"/></w:sectPr></w:pPr>"
            "<w:r><w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" "
            "w:cs=\"Arial\"/><w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/></w:rPr>"
            "<w:t xml:space=\"preserve\">\u00A0</w:t></w:r><w:bookmarkEnd w:id=\"3\"/></w:p>"));
    EXPECT_EQ(xml([&](auto& w) {
                  DocxXml::writeBookmarkStart(w, {3, QStringLiteral("Form1\x01")});
              }),
              QStringLiteral("<w:bookmarkStart w:id=\"3\" w:name=\"Form1\"/>"));
    // An empty paragraph keeps its mark's format: it sets the height of the empty line.
    Paragraph blank;
    blank.markFont = arial(24);
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeParagraph(w, bare, blank); }),
              QStringLiteral("<w:p><w:pPr><w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" "
                             "w:cs=\"Arial\"/><w:sz w:val=\"48\"/><w:szCs w:val=\"48\"/></w:rPr>"
                             "</w:pPr></w:p>"));
}

TEST(DocxXml, LandscapeSectionStartsOnANewPageWithSwappedSize) {
    PageSetup page;
    page.setOrientation(Orientation::Landscape);
    page.left = page.right = Twips::from(Inches{0.5});
    EXPECT_EQ(xml([&](auto& w) {
                  DocxXml::writeSectionProperties(w, {&page, true, true});
              }),
              QStringLiteral("<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader1\"/>"
                             "<w:footerReference w:type=\"default\" r:id=\"rIdFooter1\"/>"
                             "<w:type w:val=\"nextPage\"/>"
                             "<w:pgSz w:w=\"15840\" w:h=\"12240\" w:orient=\"landscape\"/>"
                             "<w:pgMar w:top=\"1440\" w:right=\"720\" w:bottom=\"1440\" "
                             "w:left=\"720\" w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/>"
                             "<w:cols w:space=\"720\"/></w:sectPr>"));
}

TEST(DocxXml, CellPropertiesInSchemaOrder) {
    Cell c;
    c.gridSpan = 3;
    c.vMerge = VerticalMerge::Restart;
    c.borders.top = BorderLine::Single;
    c.borders.left = BorderLine::Hidden;
    c.borders.right = BorderLine::Hidden;
    c.shading = Font::colorFromWord(13107);
    c.topMargin = Twips::from(Points{5});
    c.vAlign = VerticalAlignment::Center;
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeCellProperties(w, c, Twips{2400}); }),
              QStringLiteral("<w:tcPr><w:tcW w:w=\"2400\" w:type=\"dxa\"/>"
                             "<w:gridSpan w:val=\"3\"/><w:vMerge w:val=\"restart\"/>"
                             "<w:tcBorders><w:top w:val=\"single\" w:sz=\"4\""
                             "/><w:left w:val=\"nil\"/><w:right w:val=\"nil\"/>"
                             "</w:tcBorders><w:shd w:val=\"clear\" w:color=\"auto\" "
                             "w:fill=\"333300\"/><w:tcMar><w:top w:w=\"100\" w:type=\"dxa\"/>"
                             "</w:tcMar><w:vAlign w:val=\"center\"/></w:tcPr>"));
}

TEST(DocxXml, ContinuedMergeCellHoldsOneEmptyParagraph) {
    Cell c;
    c.setText(QStringLiteral("hidden by the merge"));
    c.vMerge = VerticalMerge::Continue;
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeCell(w, bare, c, Twips{1000}); }),
              QStringLiteral("<w:tc><w:tcPr><w:tcW w:w=\"1000\" w:type=\"dxa\"/><w:vMerge/>"
                             "</w:tcPr><w:p/></w:tc>"));
}

TEST(DocxXml, TableGridRowsAndSpannedWidths) {
    Table t(2, 3, Twips{3000});
    t.merge(1, 1, 1, 2);
    t.setRowMinHeight(2, Twips::from(Points{30}));
    t.row(2).cantSplit = t.row(2).header = true;
    EXPECT_EQ(
        xml([&](auto& w) { DocxXml::writeTable(w, bare, t); }),
        QStringLiteral(
            "<w:tbl><w:tblPr><w:tblW w:w=\"3000\" w:type=\"dxa\"/><w:tblBorders>"
            "<w:top w:val=\"single\" w:sz=\"4\"/>"
            "<w:left w:val=\"single\" w:sz=\"4\"/>"
            "<w:bottom w:val=\"single\" w:sz=\"4\"/>"
            "<w:right w:val=\"single\" w:sz=\"4\"/>"
            "<w:insideH w:val=\"single\" w:sz=\"4\"/>"
            "<w:insideV w:val=\"single\" w:sz=\"4\"/>"
            "</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblCellMar>"
            "<w:left w:w=\"108\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/>"
            "</w:tblCellMar></w:tblPr><w:tblGrid><w:gridCol w:w=\"1000\"/>"
            "<w:gridCol w:w=\"1000\"/><w:gridCol w:w=\"1000\"/></w:tblGrid>"
            "<w:tr><w:tc><w:tcPr><w:tcW w:w=\"2000\" w:type=\"dxa\"/><w:gridSpan w:val=\"2\"/>"
            "</w:tcPr><w:p/></w:tc><w:tc><w:tcPr><w:tcW w:w=\"1000\" w:type=\"dxa\"/></w:tcPr>"
            "<w:p/></w:tc></w:tr>"
            "<w:tr><w:trPr><w:cantSplit/><w:trHeight w:val=\"600\" w:hRule=\"atLeast\"/>"
            "<w:tblHeader/></w:trPr>"
            "<w:tc><w:tcPr><w:tcW w:w=\"1000\" w:type=\"dxa\"/></w:tcPr><w:p/></w:tc>"
            "<w:tc><w:tcPr><w:tcW w:w=\"1000\" w:type=\"dxa\"/></w:tcPr><w:p/></w:tc>"
            "<w:tc><w:tcPr><w:tcW w:w=\"1000\" w:type=\"dxa\"/></w:tcPr><w:p/></w:tc>"
            "</w:tr></w:tbl>"));
}

TEST(DocxXml, SectionsEndInTheirLastParagraphAndTheLastInTheBody) {
    Document d;
    d.sections.front().addParagraph(Paragraph::of(QStringLiteral("one")));
    PageSetup wide;
    wide.setOrientation(Orientation::Landscape);
    Section& second = d.addSection(wide);
    second.blocks.emplace_back(BookmarkStart{0, QStringLiteral("T")});
    second.addTable(
        Table(1, 1, Twips{100})); // ends in a table: an empty paragraph carries the break
    d.addSection(PageSetup{}).addParagraph(Paragraph::of(QStringLiteral("three")));
    const QString body = part(
        [&](QIODevice& out) { return DocxXml::writeDocumentPart(out, DocxXml::Context(d), d); });

    const auto at = [&](const QString& s) { return body.indexOf(s); };
    const QString firstEnd =
        QStringLiteral("<w:t>one</w:t></w:r></w:p>"); // the break sits in pPr, before the run
    ASSERT_GE(at(QStringLiteral("<w:p><w:pPr><w:sectPr><w:headerReference")), 0)
        << body.toStdString();
    EXPECT_LT(at(QStringLiteral("<w:headerReference")), at(firstEnd));
    EXPECT_EQ(body.count(QStringLiteral("<w:headerReference")), 1);
    EXPECT_EQ(body.count(QStringLiteral("<w:sectPr>")), 3);
    EXPECT_EQ(body.count(QStringLiteral("<w:type w:val=\"nextPage\"/>")), 2);
    EXPECT_LT(at(QStringLiteral("<w:bookmarkStart")), at(QStringLiteral("<w:tbl>")));
    EXPECT_GT(at(QStringLiteral("w:orient=\"landscape\"")), at(QStringLiteral("</w:tbl>")));
    EXPECT_LT(at(QStringLiteral("w:orient=\"landscape\"")), at(QStringLiteral("three")));
    EXPECT_TRUE(body.endsWith(
        QStringLiteral("<w:cols w:space=\"720\"/></w:sectPr></w:body></w:document>\n")));
}

TEST(DocxXml, SettingsAskForPrintLayoutFullPageAndWord2013Mode) {
    const QString s = part([](QIODevice& out) { return DocxXml::writeSettingsPart(out); });
    EXPECT_TRUE(s.contains(
        QStringLiteral("<w:view w:val=\"print\"/><w:zoom w:val=\"fullPage\" w:percent=\"100\"/>")))
        << s.toStdString();
    EXPECT_TRUE(s.contains(
        QStringLiteral("<w:compatSetting w:name=\"compatibilityMode\" "
                       "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/>")));
    EXPECT_LT(s.indexOf(QStringLiteral("w:zoom")), s.indexOf(QStringLiteral("w:defaultTabStop")));
}

TEST(DocxXml, StylesMakeArialAndTheDocumentLanguageTheDefault) {
    Document d;
    d.language = QStringLiteral("es-ES");
    const QString s = part([&](QIODevice& out) { return DocxXml::writeStylesPart(out, d); });
    EXPECT_TRUE(
        s.contains(QStringLiteral("<w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Arial\" "
                                  "w:eastAsia=\"Arial\" w:hAnsi=\"Arial\" w:cs=\"Arial\"/>")))
        << s.toStdString();
    EXPECT_TRUE(s.contains(QStringLiteral(
        "<w:lang w:val=\"es-ES\" w:eastAsia=\"es-ES\" w:bidi=\"es-ES\"/></w:rPr></w:rPrDefault>")));
    const QString core =
        part([&](QIODevice& out) { return DocxXml::writeCorePropertiesPart(out, d); });
    EXPECT_TRUE(core.contains(QStringLiteral("<dc:language>es-ES</dc:language>")));
    // Headings are outline levels only: no look of their own, no space around them.
    EXPECT_TRUE(s.contains(QStringLiteral(
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/>"
        "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:qFormat/><w:pPr>"
        "<w:spacing w:before=\"0\" w:after=\"0\"/><w:outlineLvl w:val=\"1\"/></w:pPr></w:style>")))
        << s.toStdString();
    Paragraph heading = Paragraph::of(QStringLiteral("Form"), {}, Alignment::Center);
    heading.headingLevel = 1;
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeParagraph(w, bare, heading); }),
              QStringLiteral("<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/><w:jc w:val=\"center\"/>"
                             "</w:pPr><w:r><w:t>Form</w:t></w:r></w:p>"));
}

TEST(DocxXml, EveryPartHasItsContentTypeAndRelationship) {
    const QString types = part([](QIODevice& out) { return DocxXml::writeContentTypesPart(out); });
    for (const char* part :
         {"/word/document.xml", "/word/styles.xml", "/word/settings.xml", "/word/header1.xml",
          "/word/footer1.xml", "/docProps/core.xml", "/docProps/app.xml"})
        EXPECT_TRUE(types.contains(QStringLiteral("PartName=\"%1\"").arg(QLatin1String(part))))
            << part;
    const QString rels =
        part([](QIODevice& out) { return DocxXml::writeDocumentRelationshipsPart(out); });
    EXPECT_TRUE(rels.contains(QStringLiteral("Id=\"rIdHeader1\"")));
    EXPECT_TRUE(rels.contains(QStringLiteral("Id=\"rIdFooter1\"")));
}

TEST(DocxXml, CorePropertiesCarryTheCleanTitleAndTheInjectedTime) {
    Document d;
    d.title = QStringLiteral("A & B\x01");
    d.created = QDateTime(QDate(2026, 12, 7), QTime(15, 4, 5), Qt::UTC);
    const QString core =
        part([&](QIODevice& out) { return DocxXml::writeCorePropertiesPart(out, d); });
    EXPECT_TRUE(core.contains(QStringLiteral("<dc:title>A &amp; B</dc:title>")))
        << core.toStdString();
    EXPECT_TRUE(core.contains(QStringLiteral(
        "<dcterms:created xsi:type=\"dcterms:W3CDTF\">2026-12-07T15:04:05Z</dcterms:created>")));
}

TEST(DocxXml, RunsMatchingTheDocumentDefaultsCarryNoProperties) {
    Document d; // Arial 12 by default
    Font same = arial(12);
    Font other = arial(14, true);
    other.name = QStringLiteral("Wingdings");
    Paragraph p = Paragraph::of(QStringLiteral("a"), same);
    p.runs.push_back(orvella::docx::Run::plain(QStringLiteral("b"), other));
    d.sections.front().addParagraph(p);
    const QString doc = part(
        [&](QIODevice& out) { return DocxXml::writeDocumentPart(out, DocxXml::Context(d), d); });
    EXPECT_TRUE(doc.contains(QStringLiteral(
        "<w:p><w:r><w:t>a</w:t></w:r><w:r><w:rPr><w:rFonts w:ascii=\"Wingdings\" "
        "w:hAnsi=\"Wingdings\" w:cs=\"Wingdings\"/><w:b/><w:bCs/><w:sz w:val=\"28\"/>"
        "<w:szCs w:val=\"28\"/></w:rPr><w:t>b</w:t></w:r>")))
        << doc.toStdString();
    // An empty context assumes nothing.
    EXPECT_EQ(xml([&](auto& w) { DocxXml::writeRunProperties(w, bare, same); }),
              QStringLiteral("<w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" "
                             "w:cs=\"Arial\"/><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/></w:rPr>"));
}
