// The approval page before Form 1 and the crew's record sheets after the checklist.
#include "docx/WordOperations.h"
#include "model/Language.h"
#include "model/PlanCcps.h"
#include "plandocument/PlanDocumentBuilder.h"

namespace orvella::plandocument {

using namespace docx;
using model::DocumentControl;
using model::PlanPerson;

namespace {

const QString Arial = QStringLiteral("Arial");
const QString lightGray = QStringLiteral("D9D9D9");

// One row of a table made of spans: each span's text goes into its first grid column, then
// the spans are merged from the right so that the columns to the left keep their numbers.
struct Span {
    QString text;
    int columns = 1;
    bool bold = false;
};

void fillRow(Table& t, int r, const QList<Span>& spans, Points size) {
    int c = 1;
    QList<int> starts;
    for (const Span& s : spans) {
        Cell& cell = t.cell(r, c);
        cell.setText(s.text);
        cell.setFont(Arial, size, s.bold);
        cell.setAlignment(Alignment::Left);
        starts << c;
        c += s.columns;
    }
    for (qsizetype i = spans.size() - 1; i >= 0; --i)
        if (spans[i].columns > 1)
            MergeRowCells(t, starts[i], starts[i] + spans[i].columns - 1, r);
}

} // namespace

void PlanDocumentBuilder::approvalPage(Table& t) {
    const DocumentControl& c = m_plan.Control;
    const QList<PlanPerson> team = c.team();
    const int columns = t.columnCount();
    // Title, plan and version, team heading and rows, signature heading, header and three
    // rows, revision heading, header and rows, next review.
    const int teamRows = std::max<int>(1, int(team.size()));
    const int revisionRows = std::max<int>(1, int(c.Revisions.size()));
    const int rows = 2 + 1 + teamRows + 2 + 3 + 2 + revisionRows + 1;
    while (t.rowCount() < rows)
        t.addRow();

    auto tr = [this](const char* english) { return localized(english); };
    int r = 1;
    fillRow(t, r,
            {{tr(QT_TRANSLATE_NOOP("PlanDocument", "Plan Approval and Revisions")), columns, true}},
            Points{14});
    t.cell(r, 1).setAlignment(Alignment::Center);
    ++r;
    const QString version = c.PlanVersion.isEmpty() ? QStringLiteral("-") : c.PlanVersion;
    fillRow(t, r,
            {{m_plan.Title, columns - 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Version: ")) + version, 1, true}},
            Points{12});
    ++r;
    fillRow(t, r, {{tr(QT_TRANSLATE_NOOP("PlanDocument", "Planning Team")), columns, true}},
            Points{12});
    t.cell(r, 1).shading = lightGray;
    ++r;
    for (int i = 0; i < teamRows; ++i, ++r) {
        const PlanPerson p = i < team.size() ? team[i] : PlanPerson{};
        fillRow(t, r, {{p.Name, 2}, {p.JobTitle, columns - 2}}, Points{11});
    }
    fillRow(t, r, {{tr(QT_TRANSLATE_NOOP("PlanDocument", "Signatures")), columns, true}},
            Points{12});
    t.cell(r, 1).shading = lightGray;
    ++r;
    fillRow(t, r,
            {{QString(), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Name")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Job Title")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Date")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Signature")), 1, true}},
            Points{10});
    ++r;
    const struct {
        const QString& role;
        const char* label;
    } signers[] = {
        {model::RolePrepared, QT_TRANSLATE_NOOP("PlanDocument", "Prepared by")},
        {model::RoleReviewed, QT_TRANSLATE_NOOP("PlanDocument", "Reviewed by")},
        {model::RoleApproved, QT_TRANSLATE_NOOP("PlanDocument", "Approved by")},
    };
    for (const auto& s : signers) {
        const PlanPerson* p = c.signer(s.role);
        fillRow(t, r,
                {{tr(s.label), 1, true},
                 {p ? p->Name : QString()},
                 {p ? p->JobTitle : QString()},
                 {p ? p->SignedOn : QString()},
                 {QString()}},
                Points{11});
        // Room to sign by hand, on a line.
        t.setRowMinHeight(r, Twips::from(Points{36}));
        t.cell(r, 5).vAlign = VerticalAlignment::Bottom;
        ++r;
    }
    fillRow(t, r, {{tr(QT_TRANSLATE_NOOP("PlanDocument", "Revision History")), columns, true}},
            Points{12});
    t.cell(r, 1).shading = lightGray;
    ++r;
    fillRow(t, r,
            {{tr(QT_TRANSLATE_NOOP("PlanDocument", "Revision")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Date")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "What changed")), 2, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "By")), 1, true}},
            Points{10});
    ++r;
    for (int i = 0; i < revisionRows; ++i, ++r) {
        const model::PlanRevision v =
            i < c.Revisions.size() ? c.Revisions[i] : model::PlanRevision{};
        fillRow(t, r, {{v.Number}, {v.Date}, {v.Change, 2}, {v.By}}, Points{11});
    }
    fillRow(
        t, r,
        {{tr(QT_TRANSLATE_NOOP("PlanDocument", "Next review: ")) + c.NextReview, columns, true}},
        Points{12});
    for (int row = 1; row <= t.rowCount(); ++row)
        t.row(row).cantSplit = true;
}

void PlanDocumentBuilder::recordSheet(Table& t, const model::PlanCcp& ccp) {
    const model::HACCP_CCP record = model::ccpRecord(*ccp.task, *ccp.hazard);
    const int columns = t.columnCount(); // 6
    const int headRows = 6;
    const int blankRows = 15;
    // Room to write an observation and an action by hand; date, time and initials are short.
    const double widths[] = {62, 46, 150, 62, 100, 48};
    for (int c = 1; c <= columns; ++c)
        t.setColumnWidth(c, Twips::from(Points{widths[c - 1]}));
    while (t.rowCount() < 1 + headRows + 1 + blankRows)
        t.addRow();
    auto tr = [this](const char* english) { return localized(english); };
    fillRow(t, 1,
            {{model::fillIn(tr(QT_TRANSLATE_NOOP("PlanDocument", "Record Sheet: CCP #%1")),
                            {QString::number(ccp.number)}),
              columns, true}},
            Points{14});
    const struct {
        const char* label;
        QString value;
    } head[headRows] = {
        {QT_TRANSLATE_NOOP("PlanDocument", "Task: "), record.TaskName},
        {QT_TRANSLATE_NOOP("PlanDocument", "Hazard: "), record.SigHaz},
        {QT_TRANSLATE_NOOP("PlanDocument", "Critical limits: "), record.Limits},
        {QT_TRANSLATE_NOOP("PlanDocument", "What is monitored: "), record.What},
        {QT_TRANSLATE_NOOP("PlanDocument", "How, and how often: "),
         record.How + QStringLiteral(" / ") + record.When},
        {QT_TRANSLATE_NOOP("PlanDocument", "Who monitors: "), record.Who},
    };
    for (int i = 0; i < headRows; ++i) {
        const QString label = tr(head[i].label);
        fillRow(t, 2 + i, {{label + head[i].value, columns}}, Points{11});
        formatCharacters(t.cell(2 + i, 1), 0, int(label.size()), [](Font& f) { f.bold = true; });
    }
    const int h = 2 + headRows;
    fillRow(t, h,
            {{tr(QT_TRANSLATE_NOOP("PlanDocument", "Date")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Time")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Observation")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Within limits? (yes/no)")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Corrective action taken")), 1, true},
             {tr(QT_TRANSLATE_NOOP("PlanDocument", "Initials")), 1, true}},
            Points{10});
    for (int c = 1; c <= columns; ++c)
        t.cell(h, c).shading = lightGray;
    for (int r = h + 1; r <= t.rowCount(); ++r) {
        t.setRowMinHeight(r, Twips::from(Points{26}));
        t.row(r).cantSplit = true;
    }
    // The sheet's head and the column names repeat should a sheet run over.
    t.row(h).header = true;
}

} // namespace orvella::plandocument
