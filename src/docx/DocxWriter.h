#pragma once
#include "docx/Document.h"
#include <QByteArray>
#include <QString>

namespace orvella::docx {

// Packages a document as a .docx (a zip of WordprocessingML parts). The bytes depend on the
// document alone: entries carry a fixed timestamp and the dates come from the document.
class DocxWriter {
public:
    // Empty on a packaging failure (out of memory); `error` then says why.
    static QByteArray toBytes(const Document& document, QString* error = nullptr);
    // Writes atomically: the file is either replaced whole or left as it was.
    static bool writeFile(const Document& document, const QString& path, QString* error);
};

} // namespace orvella::docx
