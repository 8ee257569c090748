#pragma once
#include "docx/Document.h"
#include "model/HACCP_Plan.h"
#include <QDateTime>
#include <QLocale>

namespace orvella::model {
struct PlanCcp;
}

namespace orvella::plandocument {

// What a document holds beyond the forms and the checklist.
struct DocumentExtras {
    bool recordSheets = false; // a blank log per CCP for the crew, after the checklist
    bool draft = false;        // the plan is not, or no longer, the approved one
};

// Lays out a plan as the five HACCP planning forms and the checklist: Form 1 activity
// description, Form 2 potential hazards, Form 3 flow diagram, Form 4 hazard analysis
// worksheet (landscape) and, when decisions were recorded, the CCP decision record, Form 5 one plan
// block per critical control point, the checklist. Headings are Spanish when asked; plan values are
// written as stored.
class PlanDocumentBuilder {
public:
    PlanDocumentBuilder(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                        const QLocale& locale = QLocale::system());

    void setExtras(const DocumentExtras& extras) { m_extras = extras; }

    docx::Document build();

    static constexpr char16_t handPointingDown = 0xF048; // "H" in Wingdings
    static constexpr char16_t emptyBox = 0xF06F;         // "o" in Wingdings

private:
    // A heading or label in the document's language: Spanish from the catalogue, whatever
    // language the program runs in.
    QString localized(const char* english) const;
    void addArea(docx::Section& section, const QString& bookmark, docx::Table table,
                 bool pageBreak);
    void writeHeaderAndFooter();
    void form1(docx::Table& t);
    void form2(docx::Table& t);
    void form3(docx::Table& t);
    void form4(docx::Table& t);
    void decisionRecord(docx::Table& t);
    void form5(docx::Table& t);
    void checklist(docx::Table& t);
    void approvalPage(docx::Table& t);
    void recordSheet(docx::Table& t, const model::PlanCcp& ccp);

    const model::HACCP_Plan& m_plan;
    const bool m_spanish;
    const QDateTime m_now;
    const QLocale m_locale;
    docx::Document m_doc;
    DocumentExtras m_extras;
};

} // namespace orvella::plandocument
