// The final shape of each form for small plans: rows, merges, texts, bold words, languages.
#include "DocumentText.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "docx/DocxXml.h"
#include "model/HazardTypes.h"
#include "plandocument/PlanDocumentBuilder.h"
#include <QBuffer>
#include <gtest/gtest.h>

using namespace orvella;
using namespace orvella::docx;
using namespace orvella::plandocument;

namespace {

const QDateTime now(QDate(2026, 12, 7), QTime(15, 4, 5), Qt::UTC);

struct Built {
    Document doc;
    std::vector<Table*> tables;
    Table& form(int k) { return *tables.at(std::size_t(k - 1)); }
};

Built build(const model::HACCP_Plan& plan, bool spanish = false) {
    Built b{PlanDocumentBuilder(plan, spanish, now, QLocale::c()).build(), {}};
    b.tables = b.doc.tables();
    return b;
}

// Text of the runs that have the given size in points.
QString textOfSize(const Cell& cell, double points) {
    QString s;
    for (const Paragraph& p : cell.paragraphs())
        for (const Run& r : p.runs)
            if (r.font.size == HalfPoints::from(Points{points}))
                s += r.visibleText();
    return s;
}

bool allRuns(const Cell& cell, const std::function<bool(const Run&)>& test) {
    for (const Paragraph& p : cell.paragraphs())
        for (const Run& r : p.runs)
            if (!test(r))
                return false;
    return true;
}

bool isSymbol(const Cell& cell, char16_t code) {
    const auto& runs = cell.paragraphs().front().runs;
    return runs.size() == 1 && runs[0].kind == orvella::docx::Run::Kind::Symbol &&
           runs[0].symbol == code && runs[0].symbolFont == QLatin1String("Wingdings");
}

const QString olive = QStringLiteral("333300");

// A paragraph as the document part writes it.
QString paragraphXml(const Document& d, const Paragraph& p) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter w(&buffer);
    DocxXml::writeParagraph(w, DocxXml::Context(d), p);
    return QString::fromUtf8(bytes);
}

std::shared_ptr<model::HACCP_Plan>
planWithHazards(std::initializer_list<std::pair<const char*, const char*>> hazards) {
    auto plan = std::make_shared<model::HACCP_Plan>();
    for (auto [type, entity] : hazards) {
        auto h = std::make_shared<model::HACCP_PotentialHazard>();
        h->HazType = QString::fromUtf8(type);
        h->Entity = QString::fromUtf8(entity);
        plan->PotentialHazards.append(h);
    }
    return plan;
}

} // namespace

TEST(DocumentLayout, SectionsBookmarksHeaderAndFooter) {
    auto plan = samples::makeTypicalPlan();
    Built b = build(*plan);
    ASSERT_EQ(b.tables.size(), 6u);
    ASSERT_EQ(b.doc.sections.size(), 4u);
    const PageSetup& first = b.doc.sections[0].page;
    EXPECT_EQ(first.width, Twips{12240});
    EXPECT_EQ(first.height, Twips{15840});
    EXPECT_EQ(first.left, Twips{1440});
    const PageSetup& wide = b.doc.sections[1].page;
    EXPECT_EQ(wide.orientation, Orientation::Landscape);
    EXPECT_EQ(wide.width, Twips{15840});
    EXPECT_EQ(wide.left, Twips{720});
    EXPECT_EQ(wide.right, Twips{720});
    for (int s : {2, 3}) {
        EXPECT_EQ(b.doc.sections[std::size_t(s)].page.orientation, Orientation::Portrait);
        EXPECT_EQ(b.doc.sections[std::size_t(s)].page.left, Twips{1440});
        EXPECT_EQ(b.doc.sections[std::size_t(s)].page.right, Twips{1440});
    }
    // Forms 1-3 share the first section; each of the others opens its own.
    QStringList names;
    std::vector<int> perSection;
    for (const Section& s : b.doc.sections) {
        int tables = 0;
        for (const Block& block : s.blocks) {
            if (auto* m = std::get_if<BookmarkStart>(&block))
                names << m->name;
            tables += std::holds_alternative<Table>(block);
        }
        perSection.push_back(tables);
    }
    EXPECT_EQ(names, (QStringList{"Form1", "Form2", "Form3", "Form4", "Form5", "Checklist"}));
    EXPECT_EQ(perSection, (std::vector<int>{3, 1, 1, 1}));
    // Form 1 and Form 2 end with a page break after the non-breaking space.
    const auto& afterForm1 = std::get<Paragraph>(b.doc.sections[0].blocks[2]);
    EXPECT_EQ(afterForm1.text(), QString(QChar(0xA0)) + QLatin1Char('\f'));
    const auto& afterForm3 = std::get<Paragraph>(b.doc.sections[0].blocks.back());
    EXPECT_EQ(afterForm3.text(), QString(QChar(0xA0)));

    ASSERT_EQ(b.doc.header.size(), 1u);
    EXPECT_EQ(b.doc.header[0].text(), plan->Title);
    EXPECT_EQ(b.doc.header[0].alignment, Alignment::Center);
    EXPECT_TRUE(b.doc.header[0].runs[0].font.bold);
    EXPECT_EQ(b.doc.header[0].runs[0].font.size, HalfPoints{36});
    ASSERT_EQ(b.doc.footer.size(), 2u);
    EXPECT_EQ(b.doc.footer[0].text(), QStringLiteral("Orvella 2.0 ") +
                                          QLocale::c().toString(now.date(), QLocale::ShortFormat));
    EXPECT_EQ(b.doc.footer[0].alignment, Alignment::Right);
    EXPECT_EQ(b.doc.footer[0].runs[0].font.size, HalfPoints{16});
    EXPECT_EQ(b.doc.footer[1].alignment, Alignment::Center);
    EXPECT_EQ(b.doc.footer[1].runs[0].kind, orvella::docx::Run::Kind::PageField);

    // Every title cell: 5-point top margin; olive green on Forms 1 to 5, none on the checklist.
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(b.form(k).cell(1, 1).topMargin, Twips{100}) << k;
        EXPECT_EQ(b.form(k).cell(1, 1).shading, k <= 5 ? olive : QString()) << k;
        EXPECT_EQ(b.form(k).cellCount(1), 1) << k;
        // A heading readers can jump to, in a header row.
        EXPECT_EQ(b.form(k).cell(1, 1).paragraphs().front().headingLevel, 1) << k;
        EXPECT_TRUE(b.form(k).row(1).header) << k;
    }
}

TEST(DocumentLayout, EmptyTitleLeavesAnEmptyHeaderLine) {
    model::HACCP_Plan plan;
    Built b = build(plan);
    ASSERT_EQ(b.doc.header.size(), 1u);
    EXPECT_EQ(b.doc.header[0].text(), QString());
    EXPECT_TRUE(b.doc.footer[0].text().startsWith(QStringLiteral("Orvella 2.0 ")));
}

TEST(DocumentLayout, UnreviewedExampleAnswersAreNamedInTheHeaderInEitherLanguage) {
    auto plan = samples::makeTypicalPlan();
    plan->Tasks.item(1)->TSHazards.item(1)->Unreviewed = true;
    for (const bool spanish : {false, true}) {
        Built b = build(*plan, spanish);
        ASSERT_EQ(b.doc.header.size(), 2u);
        EXPECT_EQ(b.doc.header[1].text(),
                  spanish ? QString::fromUtf8("Contiene respuestas de ejemplo aún no revisadas "
                                              "para este lugar")
                          : QStringLiteral("Contains example answers not yet reviewed for this "
                                           "site"));
    }
    plan->Tasks.item(1)->TSHazards.item(1)->Unreviewed = false;
    EXPECT_EQ(build(*plan).doc.header.size(), 1u) << "a reviewed plan keeps its header";
}

// Word sizes a paragraph's last line by its mark as well as by its text, so each mark carries
// the format of its line; the language is the document's.
TEST(DocumentLayout, ParagraphMarksCarryTheSizeOfTheirLastLine) {
    model::HACCP_Plan plan;
    Built es = build(plan, true);
    EXPECT_EQ(es.doc.language, QStringLiteral("es-ES"));
    EXPECT_EQ(build(plan).doc.language, QStringLiteral("en-US"));
    const Paragraph& spacer = std::get<Paragraph>(es.doc.sections[0].blocks.at(2));
    EXPECT_EQ(paragraphXml(es.doc, spacer),
              QStringLiteral("<w:p><w:pPr><w:rPr><w:sz w:val=\"2\"/><w:szCs w:val=\"2\"/></w:rPr>"
                             "</w:pPr><w:r><w:rPr><w:sz w:val=\"2\"/><w:szCs w:val=\"2\"/></w:rPr>"
                             "<w:t xml:space=\"preserve\">\u00A0</w:t><w:br w:type=\"page\"/></w:r>"
                             "<w:bookmarkEnd w:id=\"0\"/></w:p>"));
    EXPECT_EQ(
        paragraphXml(es.doc, es.doc.header.at(0)),
        QStringLiteral("<w:p><w:pPr><w:jc w:val=\"center\"/><w:rPr><w:b/><w:bCs/>"
                       "<w:sz w:val=\"36\"/><w:szCs w:val=\"36\"/></w:rPr></w:pPr><w:r>"
                       "<w:rPr><w:b/><w:bCs/><w:sz w:val=\"36\"/><w:szCs w:val=\"36\"/></w:rPr>"
                       "</w:r></w:p>"));
    // Form 1's description heading: 12-point words on a 10-point line, and a 10-point mark;
    // a heading of the second level, so readers can jump to it.
    Built en = build(plan);
    EXPECT_EQ(paragraphXml(en.doc, en.form(1).cell(8, 1).paragraphs().at(0)),
              QStringLiteral(
                  "<w:p><w:pPr><w:pStyle w:val=\"Heading2\"/><w:jc w:val=\"center\"/>"
                  "<w:rPr><w:b/><w:bCs/>"
                  "<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/></w:rPr></w:pPr>"
                  "<w:r><w:rPr><w:b/><w:bCs/></w:rPr><w:t>Project Description</w:t></w:r>"
                  "<w:r><w:rPr><w:b/><w:bCs/><w:sz w:val=\"20\"/>"
                  "<w:szCs w:val=\"20\"/></w:rPr><w:br/><w:t>(Who, What, Where, When, How &amp; "
                  "Why)</w:t></w:r></w:p>"));
}

TEST(Form1, FieldsLabelsMergesAndDescriptionArea) {
    auto plan = samples::makePlan(1, 1, 0, 2);
    Built built1 = build(*plan);
    Table& t = built1.form(1);
    ASSERT_EQ(t.rowCount(), 9);
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("HACCP Step 1 - Activity Description"));
    EXPECT_EQ(t.cell(1, 1).alignment(), Alignment::Center);
    EXPECT_EQ(t.cell(2, 1).text(), QStringLiteral("Facility: \n") + plan->Facility);
    EXPECT_EQ(boldText(t.cell(2, 1)), QStringLiteral("Facility"));
    EXPECT_EQ(textOfSize(t.cell(2, 1), 10), QStringLiteral("Facility"));
    EXPECT_EQ(boldText(t.cell(3, 1)), QStringLiteral("Project Coordinator"));
    EXPECT_EQ(t.cell(5, 1).text(),
              QStringLiteral("Address: \n") + plan->Address1 + "\n" + plan->Address2);
    // The activity fills column 2 of rows 3 to 6.
    EXPECT_EQ(t.cell(3, 2).text(), QStringLiteral("Project Description: \n") + plan->Activity);
    EXPECT_EQ(t.cell(3, 2).vMerge, VerticalMerge::Restart);
    for (int r = 4; r <= 6; ++r)
        EXPECT_EQ(t.cell(r, 2).vMerge, VerticalMerge::Continue) << r;
    // Row 7 is a spacer without side borders.
    ASSERT_EQ(t.cellCount(7), 1);
    EXPECT_TRUE(t.cell(7, 1).isEmpty());
    EXPECT_EQ(t.cell(7, 1).borders.left, BorderLine::Hidden);
    EXPECT_EQ(t.cell(7, 1).borders.right, BorderLine::Hidden);
    EXPECT_EQ(t.cell(8, 1).text(),
              QStringLiteral("Project Description\n(Who, What, Where, When, How & Why)"));
    EXPECT_EQ(textOfSize(t.cell(8, 1), 12), QStringLiteral("Project Description"));
    EXPECT_EQ(t.cell(8, 1).alignment(), Alignment::Center);
    ASSERT_EQ(t.cellCount(9), 1);
    EXPECT_EQ(t.cell(9, 1).text(), plan->Description.replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_EQ(t.row(9).minHeight, Twips::from(Points{350}));
}

TEST(Form1, SpanishLabelsAndEmptyValues) {
    model::HACCP_Plan plan;
    Built built2 = build(plan, true);
    Table& t = built2.form(1);
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("HACCP Paso 1 - Descripción de la Actividad"));
    EXPECT_EQ(t.cell(3, 1).text(), QStringLiteral("Coordinador del Proyecto: \n"));
    EXPECT_EQ(boldText(t.cell(3, 1)), QStringLiteral("Coordinador del Proyecto"));
    EXPECT_EQ(textOfSize(t.cell(3, 1), 10), QStringLiteral("Coordinador del Proyecto"));
    EXPECT_EQ(boldText(t.cell(4, 1)), QStringLiteral("Administrador del Lugar"));
    EXPECT_EQ(t.cell(5, 1).text(), QStringLiteral("Dirección: \n\n"));
    EXPECT_EQ(textOfSize(t.cell(8, 1), 12), QStringLiteral("Descripción del Proyecto"));
    EXPECT_TRUE(t.cell(9, 1).isEmpty());
    EXPECT_EQ(t.row(9).minHeight, Twips::from(Points{350}));
}

TEST(Form2, HazardsGoToTheirGroupsUnderTabs) {
    auto plan = planWithHazards(
        {{"Plant", "A"}, {"Other", "O"}, {"Plant", "B"}, {"plant", "lower"}, {"Rock", "R"}});
    Built built3 = build(*plan);
    Table& t = built3.form(2);
    ASSERT_EQ(t.rowCount(), 6);
    EXPECT_EQ(t.cell(1, 1).text(),
              QStringLiteral("HACCP Step 2 - Potential Hazard Identification"));
    EXPECT_EQ(t.cell(4, 1).text(), QStringLiteral("Plants:\n\tA\n\tB"));
    EXPECT_EQ(boldText(t.cell(4, 1)), QStringLiteral("Plants"));
    EXPECT_EQ(t.cell(6, 1).text(), QStringLiteral("Others:\n\tO\n\tlower\n\tR"));
    EXPECT_EQ(boldText(t.cell(6, 1)), QStringLiteral("Others"));
    // Groups without hazards keep their whole label bold.
    EXPECT_EQ(t.cell(2, 1).text(), QStringLiteral("Vertebrates:"));
    EXPECT_EQ(boldText(t.cell(2, 1)), QStringLiteral("Vertebrates:"));
    for (int r = 2; r <= 6; ++r)
        EXPECT_EQ(t.row(r).minHeight, Twips::from(Points{100})) << r;
}

TEST(Form2, SpanishOtherBiologicsBoldsTwoWords) {
    auto plan = planWithHazards({{"Other Biologic", "Chytrid"}, {"Other Biologic", "Hongo"}});
    Built built4 = build(*plan, true);
    Table& t = built4.form(2);
    EXPECT_EQ(t.cell(5, 1).text(),
              QStringLiteral("Otros Organismos Biológicos:\n\tChytrid\n\tHongo"));
    EXPECT_EQ(boldText(t.cell(5, 1)), QStringLiteral("Otros Organismos "));
    EXPECT_EQ(t.cell(6, 1).text(), QStringLiteral("Otros (ej. materiales de construcción, etc.):"));
    Built built5 = build(*plan);
    Table& en = built5.form(2);
    EXPECT_EQ(boldText(en.cell(5, 1)), QStringLiteral("Other Biologics"));
}

TEST(Form3, RowsForNoneOneAndThreeTasks) {
    {
        Built built6 = build(*samples::makePlan(0, 2, 0));
        Table& t = built6.form(3);
        EXPECT_EQ(t.rowCount(), 1);
        EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("HACCP Step 3 - Flow Diagram"));
    }
    {
        auto plan = samples::makePlan(1, 2, 0);
        Built built7 = build(*plan);
        Table& t = built7.form(3);
        ASSERT_EQ(t.rowCount(), 3);
        EXPECT_TRUE(t.cell(2, 1).isEmpty());
        EXPECT_EQ(t.cellCount(2), 1);
        EXPECT_EQ(t.cell(3, 1).text(), plan->Tasks.item(1)->Name);
        EXPECT_EQ(t.cell(3, 2).text(), plan->Tasks.item(1)->Description);
    }
    auto plan = samples::makePlan(3, 2, 0);
    Built built8 = build(*plan, true);
    Table& t = built8.form(3);
    ASSERT_EQ(t.rowCount(), 7);
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("HACCP Paso 3 - Diagrama de Flujo"));
    EXPECT_EQ(t.grid(), (std::vector<Twips>{Twips::from(Points{70}), Twips::from(Points{370})}));
    for (int k = 1; k <= 3; ++k) {
        const Cell& name = t.cell(2 * k + 1, 1);
        EXPECT_EQ(name.text(), plan->Tasks.item(k)->Name);
        EXPECT_EQ(boldText(name), name.text());
        EXPECT_EQ(name.alignment(), Alignment::Center);
        EXPECT_EQ(boldText(t.cell(2 * k + 1, 2)), QString());
    }
    for (int r : {2, 4, 6}) {
        ASSERT_EQ(t.cellCount(r), 1) << r;
        const Cell& c = t.cell(r, 1);
        EXPECT_EQ(c.borders.left, BorderLine::Hidden);
        EXPECT_EQ(c.borders.right, BorderLine::Hidden);
        EXPECT_EQ(c.borders.top, BorderLine::Single);
        EXPECT_EQ(isSymbol(c, PlanDocumentBuilder::handPointingDown), r > 2) << r;
    }
    EXPECT_EQ(t.cell(4, 1).paragraphs().front().runs[0].font.size, HalfPoints{48});
}

TEST(Form4, EmptyPlanHasTitleAndHeadingsOnly) {
    Built built9 = build(model::HACCP_Plan{});
    Table& t = built9.form(4);
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.cellCount(1), 1);
    EXPECT_EQ(t.cell(1, 1).gridSpan, 6);
    EXPECT_EQ(t.grid(), (std::vector<Twips>{Twips{2400}, Twips{3200}, Twips{1600}, Twips{2400},
                                            Twips{2400}, Twips{2400}}));
    EXPECT_EQ(t.cell(2, 3).text(), QStringLiteral("Probable?"));
    EXPECT_EQ(t.cell(2, 6).vAlign, VerticalAlignment::Center);
    EXPECT_EQ(boldText(t.cell(2, 6)), QStringLiteral("CCP?"));
}

TEST(Form4, TaskBlocksMergeAndAnswersAreTranslated) {
    auto plan = samples::makePlan(3, 3, 2);
    plan->Tasks.item(2)->TSHazards.clear(); // a task without rows
    auto& hz = plan->Tasks.item(3)->TSHazards;
    hz.item(2)->Probable.clear();
    Built en = build(*plan);
    Built es = build(*plan, true);
    Table& t = es.form(4);
    ASSERT_EQ(t.rowCount(), 2 + 3 + 3);
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("HACCP Paso 4 - Hoja para Análisis de Riesgos"));
    EXPECT_EQ(t.cell(2, 6).text(), QStringLiteral("¿Punto de Control Crítico?"));
    const QString task1 = plan->Tasks.item(1)->Name + "\n" + plan->Tasks.item(1)->Description;
    const QString task3 = plan->Tasks.item(3)->Name + "\n" + plan->Tasks.item(3)->Description;
    EXPECT_EQ(t.cell(3, 1).text(), task1);
    EXPECT_EQ(t.cell(3, 1).vMerge, VerticalMerge::Restart);
    EXPECT_EQ(t.cell(3, 1).alignment(), Alignment::Center);
    EXPECT_EQ(t.cell(4, 1).vMerge, VerticalMerge::Continue);
    EXPECT_EQ(t.cell(5, 1).vMerge, VerticalMerge::Continue);
    EXPECT_EQ(t.cell(6, 1).text(), task3);
    EXPECT_EQ(t.cell(6, 1).vMerge, VerticalMerge::Restart);
    EXPECT_EQ(t.cell(3, 2).text(), plan->Tasks.item(1)->TSHazards.item(1)->HazType + ": " +
                                       plan->Tasks.item(1)->TSHazards.item(1)->Entity);
    EXPECT_EQ(t.cell(3, 3).text(), QStringLiteral("Sí"));
    EXPECT_EQ(t.cell(4, 3).text(), QStringLiteral("No"));
    EXPECT_EQ(t.cell(7, 3).text(), QString());
    // CCP column: bold "Sí" for a critical control point, plain "No" otherwise.
    EXPECT_EQ(t.cell(3, 6).text(), QStringLiteral("Sí"));
    EXPECT_EQ(boldText(t.cell(3, 6)), QStringLiteral("Sí"));
    EXPECT_EQ(t.cell(4, 6).text(), QStringLiteral("No"));
    EXPECT_EQ(boldText(t.cell(4, 6)), QString());
    EXPECT_EQ(t.cell(3, 6).vAlign, VerticalAlignment::Center);
    EXPECT_EQ(en.form(4).cell(3, 3).text(), QStringLiteral("Yes"));
    EXPECT_EQ(en.form(4).cell(3, 6).text(), QStringLiteral("Yes"));
    for (int r = 1; r <= t.rowCount(); ++r)
        EXPECT_EQ(t.cell(r, t.cellCount(r)).borders.bottom, BorderLine::Single) << r;
    // Title and headings repeat on every page; short rows stay whole, a long one may break.
    EXPECT_TRUE(t.row(1).header && t.row(2).header);
    EXPECT_FALSE(t.row(3).header || t.row(1).cantSplit);
    EXPECT_TRUE(t.row(3).cantSplit && t.row(8).cantSplit);
    hz.item(1)->Justification = QString(900, QLatin1Char('w')) + QStringLiteral(" (VHS)");
    EXPECT_FALSE(build(*plan).form(4).row(6).cantSplit);
}

TEST(Form5, NoCcpLeavesTheClosingRowsOnly) {
    auto plan = samples::makePlan(2, 2, 0);
    Built built10 = build(*plan);
    Table& t = built10.form(5);
    ASSERT_EQ(t.rowCount(), 5);
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("HACCP Step 5 - HACCP Plan"));
    EXPECT_TRUE(t.cell(2, 1).isEmpty());
    EXPECT_EQ(t.cellCount(3), 2);
    EXPECT_EQ(t.cell(3, 1).text(), QStringLiteral("Facility: \n") + plan->Facility);
    EXPECT_EQ(boldText(t.cell(3, 1)), QStringLiteral("Facility"));
    EXPECT_EQ(t.cell(3, 2).text(), QStringLiteral("Activity: \n") + plan->Activity);
    EXPECT_EQ(t.cell(3, 2).vMerge, VerticalMerge::Restart);
    EXPECT_EQ(t.cell(4, 2).vMerge, VerticalMerge::Continue);
    EXPECT_EQ(t.cell(5, 1).text(), QStringLiteral("Signature: "));
    EXPECT_EQ(t.cell(5, 2).text(), QStringLiteral("Date: "));
    EXPECT_EQ(t.grid(), (std::vector<Twips>{Twips::from(Points{225}), Twips::from(Points{225})}));
}

TEST(Form5, TwoCcpBlocksInEnglish) {
    auto plan = samples::makePlan(2, 2, 2);
    plan->Tasks.item(2)->TSHazards.item(1)->Ccp.SupportDocs.clear();
    Built built11 = build(*plan);
    Table& t = built11.form(5);
    ASSERT_EQ(t.rowCount(), 27);
    EXPECT_TRUE(t.row(1).header);
    EXPECT_FALSE(t.row(2).header);
    const Cell& heading = t.cell(13, 1);
    EXPECT_EQ(heading.text(),
              QStringLiteral("Critical Control Point #2: \n") + plan->CCPs().item(2)->TaskName);
    EXPECT_EQ(boldText(heading), QStringLiteral("Critical Control Point #"));
    EXPECT_TRUE(allRuns(heading, [](const auto& r) {
        return r.font.size == HalfPoints{32} && r.font.color == QLatin1String("FF0000");
    }));
    EXPECT_EQ(t.cell(3, 1).text(),
              QStringLiteral("Significant Hazards: \n") + plan->CCPs().item(1)->SigHaz);
    EXPECT_EQ(t.cell(5, 1).text(),
              QStringLiteral("Limits for Control Measures: \n") + plan->CCPs().item(1)->Limits);
    EXPECT_EQ(boldText(t.cell(5, 1)), QStringLiteral("Limits for Control Measures"));
    EXPECT_EQ(t.cell(8, 1).text(),
              QStringLiteral("Monitoring: Frequency? \n") + plan->CCPs().item(1)->When);
    EXPECT_EQ(t.cell(11, 1).text(),
              QStringLiteral("Supporting Documentation: ") + plan->CCPs().item(1)->SupportDocs);
    EXPECT_EQ(t.cell(22, 1).text(), QStringLiteral("Supporting Documentation: "));
    EXPECT_EQ(boldText(t.cell(22, 1)), QStringLiteral("Supporting Documentation"));
    for (int r : {12, 23}) {
        EXPECT_TRUE(t.cell(r, 1).isEmpty()) << r;
        EXPECT_EQ(t.cell(r, 1).shading, olive) << r;
    }
    EXPECT_EQ(t.cell(4, 1).vAlign, VerticalAlignment::Center);
    EXPECT_TRUE(t.cell(24, 1).isEmpty());
    EXPECT_EQ(t.cell(25, 1).text(), QStringLiteral("Facility: \n") + plan->Facility);
    EXPECT_EQ(t.cellCount(27), 2);
}

TEST(Form5, SpanishKeepsValuesOnTheLabelLineWhereTheFormDoes) {
    auto plan = samples::makePlan(1, 2, 1);
    Built built12 = build(*plan, true);
    Table& t = built12.form(5);
    const auto ccps = plan->CCPs();
    const auto& ccp = ccps.item(1);
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("HACCP Paso 5 - Formulario del Plan HACCP"));
    EXPECT_EQ(t.cell(2, 1).text(),
              QStringLiteral("Punto Crítico de Control #1: ") + ccp->TaskName + "\n");
    EXPECT_EQ(boldText(t.cell(2, 1)), QStringLiteral("Punto Crítico de Control #"));
    EXPECT_EQ(t.cell(3, 1).text(), QStringLiteral("Riesgo(s) Significativo(s): ") + ccp->SigHaz);
    EXPECT_EQ(boldText(t.cell(3, 1)), QStringLiteral("Riesgo(s) Significativo(s)"));
    // Six words reach past this short label: the bold stops at the label's end.
    EXPECT_EQ(t.cell(4, 1).text(), QStringLiteral("Medida de Control: \n") + ccp->Control);
    EXPECT_EQ(boldText(t.cell(4, 1)), QStringLiteral("Medida de Control: \n"));
    EXPECT_EQ(boldText(t.cell(10, 1)), QStringLiteral("Evaluación & Acción(es) Correctiva(s)"));
    EXPECT_EQ(boldText(t.cell(11, 1)), QStringLiteral("Documentación de Apoyo (si la hay)"));
    EXPECT_EQ(t.cell(16, 1).text(), QStringLiteral("Firma: "));
    EXPECT_EQ(t.cell(16, 2).text(), QStringLiteral("Fecha: "));
}

TEST(Checklist, RowsForTasksAndTheirCcps) {
    auto plan = samples::makePlan(3, 2, 0);
    {
        Built built13 = build(*plan);
        Table& t = built13.form(6);
        ASSERT_EQ(t.rowCount(), 8 + 3);
        for (int r = 1; r <= 7; ++r)
            EXPECT_EQ(t.row(r).header, r <= 6) << r; // heading and plan identification
        for (int r = 8; r <= 10; ++r)
            EXPECT_FALSE(t.cell(r, 2).text().contains(QStringLiteral("CRITICAL CONTROL POINT")));
    }
    // Two CCPs on task 1, none on the others.
    plan = samples::makePlan(3, 4, 0);
    for (int i = 0; i < 2; ++i) {
        auto& th = *plan->Tasks.item(1)->TSHazards.item(2 * i + 1);
        th.IsCCP = true;
        th.HazType = QStringLiteral("Plant");
        th.Entity = QStringLiteral("thistle %1").arg(i);
    }
    Built b = build(*plan, true);
    Table& t = b.form(6);
    ASSERT_EQ(t.rowCount(), 8 + 3 + 10);
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("Lista de verificación: \n") + plan->Activity);
    EXPECT_EQ(t.cell(2, 1).text(), QStringLiteral("Facility"));
    EXPECT_EQ(t.cell(6, 2).text(), plan->Address1 + ", " + plan->Address2);
    EXPECT_EQ(t.grid(), (std::vector<Twips>{Twips{1000}, Twips{1000}, Twips{7000}}));
    EXPECT_EQ(t.cellCount(7), 3);
    EXPECT_TRUE(isSymbol(t.cell(8, 1), PlanDocumentBuilder::emptyBox));
    EXPECT_EQ(t.cell(8, 1).alignment(), Alignment::Left);
    EXPECT_EQ(t.row(8).minHeight, Twips::from(Points{30}));
    EXPECT_EQ(t.cell(8, 2).text(), plan->Tasks.item(1)->Name + ": " +
                                       plan->Tasks.item(1)->Description +
                                       "\nCRITICAL CONTROL POINT");
    EXPECT_EQ(t.cell(9, 2).text(),
              QStringLiteral("Hazards were contained\nHazards: Plant: thistle 0"));
    EXPECT_EQ(t.cell(9, 1).alignment(), Alignment::Right);
    EXPECT_EQ(t.cell(12, 2).text().section('\n', 0, 0),
              QStringLiteral("Corrective actions were (performed if necessary)"));
    EXPECT_TRUE(t.cell(13, 2).isEmpty());
    EXPECT_EQ(t.cell(14, 2).text(),
              QStringLiteral("Hazards were contained\nHazards: Plant: thistle 1"));
    EXPECT_TRUE(t.cell(18, 2).isEmpty());
    EXPECT_EQ(t.cell(19, 2).text().left(8), QStringLiteral("Task # 2"));
    EXPECT_EQ(t.cellCount(21), 3);
    // No borders anywhere.
    for (int r = 1; r <= t.rowCount(); ++r)
        for (int c = 1; c <= t.cellCount(r); ++c)
            EXPECT_EQ(t.cell(r, c).borders, (CellBorders{BorderLine::Hidden, BorderLine::Hidden,
                                                         BorderLine::Hidden, BorderLine::Hidden}));
}

TEST(Checklist, EachCcpStandsUnderItsOwnTaskWhateverTheNumbers) {
    auto plan = samples::makePlan(2, 2, 2);
    plan->Tasks.item(2)->Number = 1; // two tasks of one number
    plan->Tasks.item(2)->TSHazards.item(1)->ControlMeasures = QStringLiteral("Task two wash");
    Built built14 = build(*plan);
    Table& t = built14.form(6);
    ASSERT_EQ(t.rowCount(), 8 + 2 + 5 * 2);
    EXPECT_TRUE(t.cell(14, 2).text().startsWith(QStringLiteral("Task # 2")));
    EXPECT_TRUE(t.cell(16, 2).text().endsWith(QStringLiteral("Task two wash")));
    EXPECT_EQ(t.cell(t.rowCount() - 1, 2).text(), QString());
}

TEST(DecisionRecord, FollowsForm4OnlyWhenDecisionsWereRecorded) {
    auto plan = samples::makePlan(2, 3, 1);
    EXPECT_EQ(build(*plan).tables.size(), 6u); // as ever without any recorded answer
    plan->Tasks.item(1)->TSHazards.item(1)->Answers = {{1, true}, {2, true}};
    plan->Tasks.item(2)->TSHazards.item(3)->Answers = {{1, false}, {5, true}};
    for (bool spanish : {false, true}) {
        Built b = build(*plan, spanish);
        ASSERT_EQ(b.tables.size(), 7u);
        Table& t = b.form(5);
        EXPECT_EQ(t.cell(1, 1).text(), spanish ? QStringLiteral("Registro de Decisiones PCC")
                                               : QStringLiteral("CCP Decision Record"));
        EXPECT_TRUE(t.row(1).header && t.row(2).header);
        ASSERT_EQ(t.rowCount(), 2 + 4); // the probable pairs: hazards 1 and 3 of each task
        const QString yes = spanish ? QStringLiteral("Sí") : QStringLiteral("Yes");
        QStringList first;
        for (int c = 3; c <= 8; ++c)
            first << t.cell(3, c).text();
        EXPECT_EQ(first, QStringList({yes, yes, "-", "-", "-", spanish ? "PCC #1" : "CCP #1"}));
        EXPECT_EQ(t.cell(4, 8).text(), spanish ? "no registrado" : "not recorded");
        EXPECT_EQ(t.cell(6, 3).text(), "No");
        EXPECT_EQ(t.cell(6, 7).text(), yes);
        EXPECT_EQ(t.cell(6, 8).text(),
                  spanish ? QStringLiteral("Sin medidas de control: la actividad debe cambiar")
                          : QStringLiteral("No control measures: the activity must change"));
        EXPECT_EQ(b.form(6).cell(1, 1).text().left(10), spanish ? "HACCP Paso" : "HACCP Step");
    }
}

namespace {

Built buildWith(const model::HACCP_Plan& plan, bool spanish, DocumentExtras extras) {
    PlanDocumentBuilder builder(plan, spanish, now, QLocale::c());
    builder.setExtras(extras);
    Built b{builder.build(), {}};
    b.tables = b.doc.tables();
    return b;
}

QStringList rowTexts(const Table& t, int r) {
    QStringList cells;
    for (const Cell& c : t.row(r).cells)
        cells << c.text();
    return cells;
}

} // namespace

TEST(ApprovalPage, LeadsTheDocumentOfAPlanThatKeepsDocumentControl) {
    auto plan = samples::makeTypicalPlan();
    // Without document control the draft mark and the page stay away.
    EXPECT_EQ(buildWith(*plan, false, {false, true}).doc.header.size(), 1u);
    samples::addDocumentControl(*plan);
    for (bool spanish : {false, true}) {
        Built b = buildWith(*plan, spanish, {false, true});
        ASSERT_EQ(b.tables.size(), 7u);
        Table& t = b.form(1);
        EXPECT_EQ(t.cell(1, 1).text(), spanish ? QStringLiteral("Aprobación y Revisiones del Plan")
                                               : QStringLiteral("Plan Approval and Revisions"));
        EXPECT_EQ(t.columnCount(), 5);
        EXPECT_EQ(rowTexts(t, 2),
                  QStringList({plan->Title, spanish ? QStringLiteral("Versión: 2")
                                                    : QStringLiteral("Version: 2")}));
        EXPECT_EQ(rowTexts(t, 4), QStringList({"Lee Park", "Crew lead"}));
        EXPECT_EQ(rowTexts(t, 5), QStringList({"Sam Otis", "Botanist"}));
        EXPECT_EQ(rowTexts(t, 8), QStringList({spanish ? QStringLiteral("Preparado por")
                                                       : QStringLiteral("Prepared by"),
                                               "Ana Ruiz", "Field ecologist", "2026-12-01", ""}));
        EXPECT_EQ(rowTexts(t, 10).mid(0, 4), QStringList({spanish ? QStringLiteral("Aprobado por")
                                                                  : QStringLiteral("Approved by"),
                                                          "Joan Diaz", "District ranger", ""}));
        EXPECT_GE(t.row(10).minHeight, Twips::from(Points{36})); // room to sign
        EXPECT_EQ(rowTexts(t, 14),
                  QStringList({"2", "2026-12-01", "Added the boat launch", "Ana Ruiz"}));
        EXPECT_EQ(t.cell(15, 1).text(), spanish ? QStringLiteral("Próxima revisión: 2027-12-09")
                                                : QStringLiteral("Next review: 2027-12-09"));
        EXPECT_EQ(t.rowCount(), 15);
        EXPECT_EQ(b.form(2).cell(1, 1).text().left(12), spanish ? "HACCP Paso 1" : "HACCP Step 1");
        // A draft says so under the title of every page.
        ASSERT_EQ(b.doc.header.size(), 2u);
        EXPECT_EQ(b.doc.header[1].text(), spanish ? QStringLiteral("BORRADOR, no aprobado")
                                                  : QStringLiteral("DRAFT, not approved"));
        // Form 5 gives each CCP its verification after the supporting documents.
        EXPECT_TRUE(b.form(6).cell(11, 1).text().endsWith(
            (spanish ? QStringLiteral("Verificación: ") : QStringLiteral("Verification: ")) +
            "Unit lead reviews the log weekly (CCP 1)"))
            << b.form(6).cell(11, 1).text().toStdString();
        EXPECT_TRUE(boldText(b.form(6).cell(11, 1))
                        .endsWith(spanish ? QStringLiteral("Verificación: ")
                                          : QStringLiteral("Verification: ")));
    }
    EXPECT_EQ(buildWith(*plan, false, {false, false}).doc.header.size(), 1u); // approved
}

TEST(RecordSheets, OnePagePerCcpWithItsHeadAndFifteenBlankRows) {
    auto plan = samples::makeTypicalPlan(); // three CCPs, no document control
    EXPECT_EQ(build(*plan).tables.size(), 6u);
    for (bool spanish : {false, true}) {
        Built b = buildWith(*plan, spanish, {true, false});
        ASSERT_EQ(b.tables.size(), 9u);
        EXPECT_EQ(b.doc.sections.size(), 5u); // the sheets in a portrait section of their own
        const model::HACCP_CCP ccp = *plan->CCPs().item(2);
        Table& t = b.form(8);
        EXPECT_EQ(t.cell(1, 1).text(), spanish ? QStringLiteral("Hoja de Registro: PCC #2")
                                               : QStringLiteral("Record Sheet: CCP #2"));
        EXPECT_EQ(t.cell(2, 1).text(), (spanish ? "Tarea: " : "Task: ") + ccp.TaskName);
        EXPECT_EQ(boldText(t.cell(2, 1)), spanish ? "Tarea: " : "Task: ");
        EXPECT_EQ(t.cell(4, 1).text(), (spanish ? QStringLiteral("Límites críticos: ")
                                                : QStringLiteral("Critical limits: ")) +
                                           ccp.Limits);
        EXPECT_EQ(t.cell(6, 1).text(), (spanish ? QStringLiteral("Cómo, y cada cuánto: ")
                                                : QStringLiteral("How, and how often: ")) +
                                           ccp.How + " / " + ccp.When);
        ASSERT_EQ(t.rowCount(), 8 + 15);
        EXPECT_EQ(rowTexts(t, 8).size(), 6);
        EXPECT_EQ(rowTexts(t, 8).first(), spanish ? "Fecha" : "Date");
        EXPECT_EQ(rowTexts(t, 8).last(), spanish ? "Iniciales" : "Initials");
        EXPECT_TRUE(t.row(8).header);
        for (int r = 9; r <= t.rowCount(); ++r)
            EXPECT_EQ(rowTexts(t, r), QStringList(6, QString())) << r;
    }
}
