#pragma once
#include "docx/Section.h"
#include <QDateTime>
#include <QString>
#include <vector>

namespace orvella::docx {

// A document in Word's words: sections, one header and one footer shared by all sections,
// and the package's core properties.
class Document {
public:
    std::vector<Section> sections{Section{}};
    std::vector<Paragraph> header;
    std::vector<Paragraph> footer;
    QString defaultFont = QStringLiteral("Arial");
    HalfPoints defaultSize = HalfPoints::from(Points{12});
    QString language = QStringLiteral("en-US"); // spelling and hyphenation of every run
    QString title;
    QString creator;
    QDateTime created; // core properties; the writer uses it for created and modified

    Section& lastSection() { return sections.back(); }
    // A new section on a new page with the given page set-up.
    Section& addSection(const PageSetup& page) {
        sections.push_back(Section{page, {}});
        return sections.back();
    }
    // All tables, in document order (table k of Word's Tables collection).
    std::vector<Table*> tables();
    int nextBookmarkId() { return m_bookmarkIds++; }

private:
    int m_bookmarkIds = 0;
};

} // namespace orvella::docx
