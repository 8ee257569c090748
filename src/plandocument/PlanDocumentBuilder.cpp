#include "plandocument/PlanDocumentBuilder.h"
#include "docx/WordOperations.h"
#include "model/HazardTypes.h"
#include "model/Language.h"
#include "model/PlanCcps.h"

namespace orvella::plandocument {

using namespace docx;

using model::HACCP_Plan;

namespace {

const QString Arial = QStringLiteral("Arial");
const QString Wingdings = QStringLiteral("Wingdings");
const QString nbsp = QString(QChar(0x00A0));
const Twips titleTopMargin = Twips::from(Points{5});

void format(Cell& cell, Points size, bool bold, Alignment alignment) {
    cell.setFont(Arial, size, bold);
    cell.setAlignment(alignment);
}

void write(Cell& cell, const QString& text, Points size, bool bold, Alignment alignment) {
    cell.setText(text);
    format(cell, size, bold, alignment);
}

// Marks the cell's text as a heading, so readers can move from form to form.
void markHeading(Cell& cell, int level) {
    for (Paragraph& p : cell.paragraphs())
        p.headingLevel = level;
}

void writeTitle(Cell& cell, const QString& title) {
    write(cell, title, Points{14}, true, Alignment::Center);
    markHeading(cell, 1);
}

// A cell holding one Wingdings character.
void writeSymbol(Cell& cell, char16_t code, Points size, Alignment alignment) {
    cell.clear();
    cell.setFont(Wingdings, size, false);
    cell.setAlignment(alignment);
    Font f = cell.markFont();
    cell.appendRun(Run::symbolChar(Wingdings, code, f));
}

void setLabelWords(Cell& cell, int n, Points size) {
    formatWords(cell, 1, n, [size](Font& f) {
        f.bold = true;
        f.setSize(size);
    });
}

// Bold for the first n words, stopping where the label ends: the value the user typed after it
// keeps its own weight even where a label counts fewer words than n.
void boldLabel(Cell& cell, int n, qsizetype labelLength) {
    const QList<int> ends = wordEnds(cell.text());
    if (ends.isEmpty() || n < 1)
        return;
    const int to =
        std::min<int>(ends.at(std::min<qsizetype>(n, ends.size()) - 1), int(labelLength));
    formatCharacters(cell, 0, to, [](Font& f) { f.bold = true; });
}

void hideSides(Cell& cell) {
    cell.borders.left = BorderLine::Hidden;
    cell.borders.right = BorderLine::Hidden;
}

} // namespace

PlanDocumentBuilder::PlanDocumentBuilder(const HACCP_Plan& plan, bool useSpanish,
                                         const QDateTime& now, const QLocale& locale)
    : m_plan(plan), m_spanish(useSpanish), m_now(now), m_locale(locale) {}

QString PlanDocumentBuilder::localized(const char* english) const {
    return m_spanish ? model::spanishText("PlanDocument", english) : QString::fromUtf8(english);
}

void PlanDocumentBuilder::addArea(Section& section, const QString& bookmark, Table table,
                                  bool pageBreak) {
    const int id = m_doc.nextBookmarkId();
    section.blocks.emplace_back(BookmarkStart{id, bookmark});
    table.row(1).cells.front().topMargin = titleTopMargin;
    section.addTable(std::move(table));
    // The paragraph after a table holds the section's end; at one point high it no longer
    // spills onto a page of its own when the table fills its last page.
    Font tiny;
    tiny.setSize(Points{1});
    Paragraph after = Paragraph::of(pageBreak ? nbsp + QLatin1Char('\f') : nbsp, tiny);
    after.bookmarkEnds.push_back(id);
    section.addParagraph(std::move(after));
}

Document PlanDocumentBuilder::build() {
    m_doc = Document{};
    m_doc.defaultFont = Arial;
    m_doc.title = m_plan.Title;
    m_doc.creator = QStringLiteral("Orvella");
    // English texts inside a Spanish document (checklist labels, hazard type keys) are left in
    // the document's language: marking them English would only split the spelling check.
    m_doc.language = m_spanish ? QStringLiteral("es-ES") : QStringLiteral("en-US");
    m_doc.created = m_now;

    // Forms 1 to 3 share the first section (US Letter, 1-inch margins); Form 4 is landscape
    // with half-inch sides; Form 5 and the checklist are portrait again.
    PageSetup portrait;
    const Twips width = portrait.textWidth();
    // The approval page comes first, and only in a plan that keeps document control, so the
    // document of any other plan stays as it always was.
    const std::size_t a = m_plan.Control.isEmpty() ? 0 : 1;
    if (a)
        addArea(m_doc.sections.front(), QStringLiteral("Approval"), Table(1, 5, width), true);
    addArea(m_doc.sections.front(), QStringLiteral("Form1"), Table(9, 2, width), true);
    addArea(m_doc.sections.front(), QStringLiteral("Form2"), Table(6, 1, width), true);
    addArea(m_doc.sections.front(), QStringLiteral("Form3"), Table(1, 2, width), false);
    PageSetup landscape = portrait;
    landscape.setOrientation(Orientation::Landscape);
    landscape.left = landscape.right = Twips::from(Inches{0.5});
    // The decision record follows Form 4 only when the plan recorded any decision, so the
    // document of a plan without one stays as it always was.
    bool decisions = false;
    for (const auto& task : m_plan.Tasks)
        for (const auto& th : task->TSHazards)
            decisions = decisions || !th->Answers.isEmpty();
    Section& wide = m_doc.addSection(landscape);
    addArea(wide, QStringLiteral("Form4"), Table(1, 6, width), decisions);
    if (decisions)
        addArea(wide, QStringLiteral("DecisionRecord"), Table(2, 8, width), false);
    addArea(m_doc.addSection(portrait), QStringLiteral("Form5"), Table(1, 1, width), false);
    addArea(m_doc.addSection(portrait), QStringLiteral("Checklist"), Table(1, 3, width), false);
    const QList<model::PlanCcp> sheets =
        m_extras.recordSheets ? model::planCcps(m_plan) : QList<model::PlanCcp>();
    if (!sheets.isEmpty()) {
        Section& logs = m_doc.addSection(portrait);
        for (qsizetype i = 0; i < sheets.size(); ++i)
            addArea(logs, QStringLiteral("RecordSheet%1").arg(sheets[i].number), Table(1, 6, width),
                    i + 1 < sheets.size());
    }

    writeHeaderAndFooter();
    const std::vector<Table*> tables = m_doc.tables();
    const std::size_t shift = (decisions ? 1 : 0) + a;
    if (a)
        approvalPage(*tables[0]);
    form1(*tables[a]);
    form2(*tables[a + 1]);
    form3(*tables[a + 2]);
    form4(*tables[a + 3]);
    if (decisions)
        decisionRecord(*tables[a + 4]);
    form5(*tables[4 + shift]);
    checklist(*tables[5 + shift]);
    for (std::size_t k = 0; k < 5 + shift; ++k)
        tables[k]->cell(1, 1).shading = Font::colorFromWord(WordColor::oliveGreen);
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        Table& sheet = *tables[6 + shift + std::size_t(i)];
        recordSheet(sheet, sheets[i]);
        sheet.cell(1, 1).shading = Font::colorFromWord(WordColor::oliveGreen);
    }
    return std::move(m_doc);
}

void PlanDocumentBuilder::writeHeaderAndFooter() {
    Font title;
    title.name = Arial;
    title.setSize(Points{18});
    title.bold = true;
    m_doc.header = {Paragraph::of(m_plan.Title, title, Alignment::Center)};
    // Answers taken over from a starter plan are not yet this site's: say so on every page.
    bool unreviewed = false;
    for (const auto& task : m_plan.Tasks)
        for (const auto& th : task->TSHazards)
            unreviewed = unreviewed || th->Unreviewed;
    if (unreviewed) {
        Font warning;
        warning.name = Arial;
        warning.setSize(Points{10});
        warning.bold = true;
        warning.color = RgbColor(QStringLiteral("C00000"));
        m_doc.header.push_back(Paragraph::of(
            localized(QT_TRANSLATE_NOOP("PlanDocument",
                                        "Contains example answers not yet reviewed for this site")),
            warning, Alignment::Center));
    }
    if (m_extras.draft && !m_plan.Control.isEmpty()) {
        Font mark = title;
        mark.setSize(Points{12});
        mark.color = Font::colorFromWord(WordColor::red);
        m_doc.header.push_back(
            Paragraph::of(localized(QT_TRANSLATE_NOOP("PlanDocument", "DRAFT, not approved")), mark,
                          Alignment::Center));
    }

    Font small;
    small.name = Arial;
    small.setSize(Points{8});
    const QString stamp =
        QStringLiteral("Orvella 2.0 ") + m_locale.toString(m_now.date(), QLocale::ShortFormat);
    Paragraph page;
    page.alignment = Alignment::Center;
    page.runs.push_back(Run::pageNumber());
    m_doc.footer = {Paragraph::of(stamp, small, Alignment::Right), page};
}

void PlanDocumentBuilder::form1(Table& t) {
    const HACCP_Plan& p = m_plan;
    t.setRowMinHeight(9, Twips::from(Points{72}));

    writeTitle(t.cell(1, 1),
               localized(QT_TRANSLATE_NOOP("PlanDocument", "HACCP Step 1 - Activity Description")));
    t.merge(1, 1, 1, 2);
    t.cell(1, 1).setAlignment(Alignment::Center);

    struct Field {
        int row, column;
        const char* label;
        QString value;
        int nEnglish, nSpanish;
    };
    const Field fields[] = {
        {2, 1, QT_TRANSLATE_NOOP("PlanDocument", "Facility: "), p.Facility, 1, 1},
        {2, 2, QT_TRANSLATE_NOOP("PlanDocument", "Site: "), p.Site, 1, 1},
        {3, 1, QT_TRANSLATE_NOOP("PlanDocument", "Project Coordinator: "), p.Coordinator, 2, 3},
        {4, 1, QT_TRANSLATE_NOOP("PlanDocument", "Site Manager: "), p.Manager, 2, 3},
        {5, 1, QT_TRANSLATE_NOOP("PlanDocument", "Address: "),
         p.Address1 + QLatin1Char('\n') + p.Address2, 1, 1},
        {6, 1, QT_TRANSLATE_NOOP("PlanDocument", "Phone: "), p.Phone, 1, 1},
        {3, 2, QT_TRANSLATE_NOOP("PlanDocument", "Project Description: "), p.Activity, 2, 3},
    };
    for (const Field& f : fields) {
        Cell& cell = t.cell(f.row, f.column);
        write(cell, localized(f.label) + QLatin1Char('\n') + f.value, Points{12}, false,
              Alignment::Left);
        setLabelWords(cell, m_spanish ? f.nSpanish : f.nEnglish, Points{10});
    }
    for (int r = 4; r <= 6; ++r)
        t.merge(3, 2, r, 2);

    t.merge(7, 1, 7, 2);
    hideSides(t.cell(7, 1));

    Cell& heading = t.cell(8, 1);
    write(heading,
          localized(QT_TRANSLATE_NOOP("PlanDocument",
                                      "Project Description\n(Who, What, Where, When, How & Why)")),
          Points{10}, true, Alignment::Center);
    formatWords(heading, 1, m_spanish ? 3 : 2, [](Font& f) { f.setSize(Points{12}); });
    t.merge(8, 1, 8, 2);
    t.cell(8, 1).setAlignment(Alignment::Center);
    markHeading(t.cell(8, 1), 2);

    t.merge(9, 1, 9, 2);
    write(t.cell(9, 1), p.Description, Points{12}, false, Alignment::Left);
    // The description area is at least 350 points high.
    t.setRowMinHeight(9, std::max(t.row(9).minHeight, Twips::from(Points{350})));
    t.row(1).header = true;
}

void PlanDocumentBuilder::form2(Table& t) {
    for (int r = 2; r <= 6; ++r)
        t.setRowMinHeight(r, Twips::from(Points{100}));
    writeTitle(t.cell(1, 1),
               localized(QT_TRANSLATE_NOOP("PlanDocument",
                                           "HACCP Step 2 - Potential Hazard Identification")));

    const char* const labels[5] = {
        QT_TRANSLATE_NOOP("PlanDocument", "Vertebrates:"),
        QT_TRANSLATE_NOOP("PlanDocument", "Invertebrates:"),
        QT_TRANSLATE_NOOP("PlanDocument", "Plants:"),
        QT_TRANSLATE_NOOP("PlanDocument", "Other Biologics:"),
        QT_TRANSLATE_NOOP("PlanDocument", "Others:"),
    };
    QString text[5];
    bool filled[5] = {};
    for (int i = 0; i < 5; ++i)
        text[i] = localized(labels[i]);

    using namespace model::HazardTypes;
    for (const auto& hazard : m_plan.PotentialHazards) {
        int group = 4;
        if (hazard->HazType == Vertebrate)
            group = 0;
        else if (hazard->HazType == Invertebrate)
            group = 1;
        else if (hazard->HazType == Plant)
            group = 2;
        else if (hazard->HazType == OtherBiologic)
            group = 3;
        text[group] += QStringLiteral("\n\t") + hazard->Entity;
        filled[group] = true;
    }
    for (int i = 0; i < 5; ++i) {
        // A group without hazards keeps its whole label bold.
        write(t.cell(i + 2, 1), text[i], Points{12}, !filled[i], Alignment::Left);
        BoldLeadingWords(t.cell(i + 2, 1), 1);
    }
    formatWords(t.cell(5, 1), 2, 2, [](Font& f) { f.bold = true; });
    t.row(1).header = true;
}

void PlanDocumentBuilder::form3(Table& t) {
    const int n = m_plan.Tasks.count();
    t.setColumnWidth(1, Twips::from(Points{70}));
    t.setColumnWidth(2, Twips::from(Points{370}));
    for (int i = 0; i < n; ++i) {
        t.addRow();
        t.addRow();
    }
    t.merge(1, 1, 1, 2);
    writeTitle(t.cell(1, 1),
               localized(QT_TRANSLATE_NOOP("PlanDocument", "HACCP Step 3 - Flow Diagram")));
    for (int i = 1; i <= n; ++i) {
        const auto& task = m_plan.Tasks.item(i);
        write(t.cell(2 * i, 1), task->Name, Points{12}, true, Alignment::Center);
        write(t.cell(2 * i, 2), task->Description, Points{12}, false, Alignment::Left);
    }
    if (t.rowCount() > 2)
        t.deleteRow(t.rowCount());
    if (t.rowCount() > 1)
        t.insertRowBefore(2);
    for (int r = 2; r <= t.rowCount(); r += 2) {
        t.merge(r, 1, r, 2);
        Cell& c = t.cell(r, 1);
        hideSides(c);
        c.borders.top = BorderLine::Single;
        c.borders.bottom = BorderLine::Single;
        if (r > 2)
            writeSymbol(c, handPointingDown, Points{24}, Alignment::Center);
    }
    t.row(1).header = true;
}

void PlanDocumentBuilder::form4(Table& t) {
    for (int c = 1; c <= 6; ++c)
        t.setColumnWidth(c, Twips::from(Points{120}));
    t.setColumnWidth(2, Twips::from(Points{160}));
    t.setColumnWidth(3, Twips::from(Points{80}));

    t.addRow();
    for (const auto& task : m_plan.Tasks)
        for (int h = 0; h < task->TSHazards.count(); ++h)
            t.addRow();

    const char* const headings[6] = {
        QT_TRANSLATE_NOOP("PlanDocument", "Task"),
        QT_TRANSLATE_NOOP("PlanDocument", "Hazard"),
        QT_TRANSLATE_NOOP("PlanDocument", "Probable?"),
        QT_TRANSLATE_NOOP("PlanDocument", "Justification"),
        QT_TRANSLATE_NOOP("PlanDocument", "Control Measures"),
        QT_TRANSLATE_NOOP("PlanDocument", "CCP?"),
    };
    for (int c = 1; c <= 6; ++c) {
        Cell& cell = t.cell(2, c);
        write(cell, localized(headings[c - 1]), Points{12}, true, Alignment::Center);
        cell.vAlign = VerticalAlignment::Center;
    }

    writeTitle(t.cell(1, 1),
               localized(QT_TRANSLATE_NOOP("PlanDocument", "HACCP Step 4 - Hazard Analysis")));
    for (int c = 6; c >= 2; --c)
        t.merge(1, c - 1, 1, c);
    t.cell(1, 1).setAlignment(Alignment::Center);

    const QString yes = localized(QT_TRANSLATE_NOOP("PlanDocument", "Yes"));
    int r = 3;
    for (const auto& task : m_plan.Tasks) {
        for (const auto& hz : task->TSHazards) {
            write(t.cell(r, 1), task->Name + QLatin1Char('\n') + task->Description, Points{12},
                  false, Alignment::Left);
            write(t.cell(r, 2), hz->HazType + QStringLiteral(": ") + hz->Entity, Points{12}, false,
                  Alignment::Left);
            write(t.cell(r, 4), hz->Justification, Points{12}, false, Alignment::Left);
            write(t.cell(r, 5), hz->ControlMeasures, Points{12}, false, Alignment::Left);
            write(t.cell(r, 3), hz->Probable == model::Yes ? yes : hz->Probable, Points{12}, false,
                  Alignment::Center);
            write(t.cell(r, 6), hz->IsCCP ? yes : model::No, Points{12}, hz->IsCCP,
                  Alignment::Center);
            t.cell(r, 1).setAlignment(Alignment::Center);
            t.cell(r, 1).vAlign = VerticalAlignment::Top;
            t.cell(r, 6).vAlign = VerticalAlignment::Center;
            ++r;
        }
    }
    for (int row = 1; row <= t.rowCount(); ++row) {
        t.setRowBorder(row, Edge::Top, BorderLine::Single);
        t.setRowBorder(row, Edge::Bottom, BorderLine::Single);
    }
    // One task, one cell: equal task cells merge upwards into a single block.
    for (int row = t.rowCount(); row >= 4; --row) {
        if (t.cell(row, 1).text() == t.cell(row - 1, 1).text()) {
            t.cell(row - 1, 1).clear();
            t.merge(row - 1, 1, row, 1);
        }
    }
    // The title and the headings head every page of the worksheet. A row that fits on a page
    // comfortably stays whole; a longer one may break rather than leave a page's foot empty.
    t.row(1).header = t.row(2).header = true;
    const PageSetup& page = m_doc.sections.at(1).page; // the landscape section
    const double third = (page.height - page.top - page.bottom).value() / 20.0 / 3;
    for (int row = 3; row <= t.rowCount(); ++row) {
        double tallest = 0;
        for (int c = 1; c <= t.cellCount(row); ++c)
            if (t.cell(row, c).vMerge == VerticalMerge::None) // a merged task cell spans rows
                tallest =
                    std::max(tallest, estimatedHeight(t.cell(row, c), t.cellWidth(row, c)).value());
        t.row(row).cantSplit = tallest < third;
    }
}

void PlanDocumentBuilder::decisionRecord(Table& t) {
    const int widths[8] = {150, 150, 45, 45, 45, 45, 45, 195};
    for (int c = 1; c <= 8; ++c)
        t.setColumnWidth(c, Twips::from(Points{double(widths[c - 1])}));
    writeTitle(t.cell(1, 1), localized(QT_TRANSLATE_NOOP("PlanDocument", "CCP Decision Record")));
    for (int c = 8; c >= 2; --c)
        t.merge(1, c - 1, 1, c);
    t.cell(1, 1).setAlignment(Alignment::Center);

    const QString headings[8] = {
        localized(QT_TRANSLATE_NOOP("PlanDocument", "Task")),
        localized(QT_TRANSLATE_NOOP("PlanDocument", "Hazard")),
        QStringLiteral("Q1"),
        QStringLiteral("Q2"),
        QStringLiteral("Q3"),
        QStringLiteral("Q4"),
        QStringLiteral("Q5"),
        localized(QT_TRANSLATE_NOOP("PlanDocument", "Verdict")),
    };
    for (int c = 1; c <= 8; ++c) {
        Cell& cell = t.cell(2, c);
        write(cell, headings[c - 1], Points{12}, true, Alignment::Center);
        cell.vAlign = VerticalAlignment::Center;
    }

    const QString yes = localized(QT_TRANSLATE_NOOP("PlanDocument", "Yes"));
    const QString notRecorded = localized(QT_TRANSLATE_NOOP("PlanDocument", "not recorded"));
    for (const auto& task : m_plan.Tasks) {
        for (const auto& th : task->TSHazards) {
            if (th->Probable != model::Yes)
                continue; // only probable hazards are decided
            t.addRow();
            const int r = t.rowCount();
            write(t.cell(r, 1), task->Name + QLatin1Char('\n') + task->Description, Points{11},
                  false, Alignment::Left);
            write(t.cell(r, 2), th->HazType + QStringLiteral(": ") + th->Entity, Points{11}, false,
                  Alignment::Left);
            for (int q = 1; q <= 5; ++q) {
                const int a = model::answerTo(th->Answers, q);
                write(t.cell(r, 2 + q),
                      a < 0 ? QStringLiteral("-")
                      : a   ? yes
                            : model::No,
                      Points{11}, false, Alignment::Center);
            }
            QString verdict;
            if (th->Answers.isEmpty()) {
                verdict = notRecorded;
            } else if (th->hasCcpRecord()) {
                verdict = model::fillIn(localized(QT_TRANSLATE_NOOP("PlanDocument", "CCP #%1")),
                                        {QString::number(model::ccpNumberOf(m_plan, *th))});
            } else if (model::verdictOf(th->Answers) == model::Verdict::NoControlMeasures) {
                verdict = localized(QT_TRANSLATE_NOOP(
                    "PlanDocument", "No control measures: the activity must change"));
            } else {
                verdict = localized(QT_TRANSLATE_NOOP("PlanDocument", "Not a CCP"));
            }
            write(t.cell(r, 8), verdict, Points{11}, th->hasCcpRecord(), Alignment::Left);
        }
    }
    for (int row = 1; row <= t.rowCount(); ++row) {
        t.setRowBorder(row, Edge::Top, BorderLine::Single);
        t.setRowBorder(row, Edge::Bottom, BorderLine::Single);
        t.row(row).cantSplit = true;
    }
    t.row(1).header = t.row(2).header = true;
}

void PlanDocumentBuilder::form5(Table& t) {
    const QList<model::PlanCcp> planCcps = model::planCcps(m_plan);
    const int ccps = int(planCcps.size());
    t.setColumnWidth(1, Twips::from(Points{450}));
    t.addRow();
    for (int i = 0; i < 11 * ccps; ++i)
        t.addRow();
    t.addRow();
    t.splitCell(t.rowCount(), 1);
    t.addRow();
    t.addRow();

    writeTitle(t.cell(1, 1),
               localized(QT_TRANSLATE_NOOP("PlanDocument", "HACCP Step 5 - HACCP Plan")));
    for (int r = 2; r <= t.rowCount() - 3; ++r) {
        Cell& c = t.cell(r, 1);
        c.vAlign = VerticalAlignment::Center;
        format(c, Points{12}, false, Alignment::Left);
    }

    const QString nl = QStringLiteral("\n");
    for (int i = 1; i <= ccps; ++i) {
        const model::HACCP_CCP record =
            model::ccpRecord(*planCcps[i - 1].task, *planCcps[i - 1].hazard);
        const model::HACCP_CCP* ccp = &record;
        const int r0 = 11 * (i - 1);
        const QString number = QString::number(i);
        struct Line {
            QString label, value;
            int n;
        };
        const Line lines[] = {
            // The first line is one text: the Spanish one breaks after the task, not before it.
            // Its bold words all lie before the task.
            Line{model::fillIn(localized(QT_TRANSLATE_NOOP("PlanDocument",
                                                           "Critical Control Point #%1: \n%2")),
                               {number, ccp->TaskName}),
                 {},
                 m_spanish ? 5 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Significant Hazards: \n")),
                 ccp->SigHaz, m_spanish ? 8 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Control Measures: ")) + nl,
                 ccp->Control, m_spanish ? 6 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Limits for Control Measures: ")) + nl,
                 ccp->Limits, m_spanish ? 6 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Monitoring: What? ")) + nl, ccp->What,
                 m_spanish ? 3 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Monitoring: How? ")) + nl, ccp->How,
                 m_spanish ? 3 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Monitoring: Frequency? ")) + nl,
                 ccp->When, m_spanish ? 3 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Monitoring: Who? ")) + nl, ccp->Who,
                 m_spanish ? 3 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Evaluation & Corrective Actions: ")) +
                     nl,
                 ccp->Correction, m_spanish ? 10 : 4},
            Line{localized(QT_TRANSLATE_NOOP("PlanDocument", "Supporting Documentation: ")),
                 ccp->SupportDocs +
                     (ccp->Verification.isEmpty()
                          ? QString()
                          : nl + localized(QT_TRANSLATE_NOOP("PlanDocument", "Verification: ")) +
                                ccp->Verification),
                 m_spanish ? 8 : 2},
        };
        for (int k = 0; k < 10; ++k) {
            Cell& c = t.cell(r0 + 2 + k, 1);
            c.setText(lines[k].label + lines[k].value);
            if (k == 0) {
                c.setSize(Points{16});
                c.setColor(Font::colorFromWord(WordColor::red));
            }
            boldLabel(c, lines[k].n, lines[k].label.size());
        }
        if (!ccp->Verification.isEmpty()) {
            Cell& docs = t.cell(r0 + 11, 1);
            const QString label = localized(QT_TRANSLATE_NOOP("PlanDocument", "Verification: "));
            const int at = int(docs.text().lastIndexOf(label));
            formatCharacters(docs, at, at + int(label.size()), [](Font& f) { f.bold = true; });
        }
        Cell& separator = t.cell(r0 + 12, 1);
        separator.clear();
        separator.shading = Font::colorFromWord(WordColor::oliveGreen);
    }

    const int last = t.rowCount(); // 11 C + 5
    const auto closing = [&](int r, int c, const QString& text) {
        Cell& cell = t.cell(r, c);
        write(cell, text, Points{14}, false, Alignment::Left);
        BoldLeadingWords(cell, 1);
    };
    closing(last - 2, 1,
            localized(QT_TRANSLATE_NOOP("PlanDocument", "Facility: ")) + nl + m_plan.Facility);
    closing(last - 2, 2,
            localized(QT_TRANSLATE_NOOP("PlanDocument", "Activity: ")) + nl + m_plan.Activity);
    closing(last - 1, 1,
            localized(QT_TRANSLATE_NOOP("PlanDocument", "Address: ")) + nl + m_plan.Address1 + nl +
                m_plan.Address2);
    closing(last, 1, localized(QT_TRANSLATE_NOOP("PlanDocument", "Signature: ")));
    closing(last, 2, localized(QT_TRANSLATE_NOOP("PlanDocument", "Date: ")));
    t.merge(last - 2, 2, last - 1, 2);
    t.row(1).header = true;
}

void PlanDocumentBuilder::checklist(Table& t) {
    for (Cell& c : t.row(1).cells)
        c.borders = CellBorders{BorderLine::Hidden, BorderLine::Hidden, BorderLine::Hidden,
                                BorderLine::Hidden};
    const QList<model::PlanCcp> ccps = model::planCcps(m_plan);
    const int items = int(ccps.size());
    const int tasks = m_plan.Tasks.count();
    for (int i = 0; i < 7 + tasks + 5 * items; ++i)
        t.addRow();
    t.setColumnWidth(1, Twips::from(Points{50}));
    t.setColumnWidth(2, Twips::from(Points{50}));
    t.setColumnWidth(3, Twips::from(Points{350}));

    MergeRowCells(t, 1, 3, 1);
    for (int r = 2; r <= 6; ++r)
        MergeRowCells(t, 1, 2, r);
    for (int r = 8; r <= 7 + tasks + 5 * items; ++r)
        MergeRowCells(t, 2, 3, r);

    write(t.cell(1, 1),
          localized(QT_TRANSLATE_NOOP("PlanDocument", "HACCP Checklist: ")) + QLatin1Char('\n') +
              m_plan.Activity,
          Points{16}, true, Alignment::Left);
    markHeading(t.cell(1, 1), 1);

    const QString labels[5][2] = {
        {QStringLiteral("Facility"), m_plan.Facility},
        {QStringLiteral("Site"), m_plan.Site},
        {QStringLiteral("Coordinator"), m_plan.Coordinator},
        {QStringLiteral("Manager"), m_plan.Manager},
        {QStringLiteral("Address"), m_plan.Address1 + QStringLiteral(", ") + m_plan.Address2},
    };
    for (int i = 0; i < 5; ++i) {
        write(t.cell(i + 2, 1), labels[i][0], Points{14}, true, Alignment::Left);
        write(t.cell(i + 2, 2), labels[i][1], Points{14}, false, Alignment::Left);
    }

    struct Item {
        QString line, label;
        QString model::HACCP_CCP::*value;
    };
    const Item itemRows[4] = {
        {QStringLiteral("Hazards were contained"), QStringLiteral("Hazards: "),
         &model::HACCP_CCP::SigHaz},
        {QStringLiteral("Control measures were implemented"), QStringLiteral("Control Measures: "),
         &model::HACCP_CCP::Control},
        {QStringLiteral("Control limits were maintained"), QStringLiteral("Control Limits: "),
         &model::HACCP_CCP::Limits},
        {QStringLiteral("Corrective actions were (performed if necessary)"),
         QStringLiteral("Corrective Actions: "), &model::HACCP_CCP::Correction},
    };
    int r = 8;
    for (const auto& task : m_plan.Tasks) {
        writeSymbol(t.cell(r, 1), emptyBox, Points{14}, Alignment::Left);
        t.setRowMinHeight(r, Twips::from(Points{30}));
        QString text = task->Name + QStringLiteral(": ") + task->Description;
        if (task->CCP_Count() > 0)
            text += QStringLiteral("\nCRITICAL CONTROL POINT");
        write(t.cell(r, 2), text, Points{14}, true, Alignment::Left);
        ++r;
        for (const model::PlanCcp& c : ccps) {
            if (c.task != task.get())
                continue;
            const model::HACCP_CCP record = model::ccpRecord(*c.task, *c.hazard);
            const model::HACCP_CCP* ccp = &record;
            for (int k = 0; k < 4; ++k) {
                writeSymbol(t.cell(r + k, 1), emptyBox, Points{14}, Alignment::Right);
                write(t.cell(r + k, 2),
                      itemRows[k].line + QLatin1Char('\n') + itemRows[k].label +
                          (*ccp).*(itemRows[k].value),
                      Points{14}, false, Alignment::Left);
            }
            r += 5;
        }
    }
    // The heading and the plan's identification head every page the checklist spans.
    for (int row = 1; row <= 6; ++row)
        t.row(row).header = true;
}

} // namespace orvella::plandocument
