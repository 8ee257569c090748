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
    // The same for a document handed over: its blocks are freed as soon as they are written,
    // beside the writing, rather than all at once afterwards.
    static QByteArray toBytes(Document&& document, QString* error = nullptr);
    static bool writeFile(Document&& document, const QString& path, QString* error);

private:
    static QByteArray pack(const Document& document, Document* disposable, QString* error);
    static bool save(const QByteArray& bytes, const QString& packError, const QString& path,
                     QString* error);
};

} // namespace orvella::docx
