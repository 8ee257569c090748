#pragma once
#include <QString>

namespace orvella::platform {

// The word processor that opens the finished plan document. The program refuses to start
// without one; tests substitute their own.
class WordProcessor {
public:
    virtual ~WordProcessor() = default;

    // Which application the system would open a .docx with (a desktop file id on Linux, the
    // Word.Document version on Windows), or empty text when there is none.
    virtual QString defaultApplication() = 0;

    // Hands a document to that application without waiting for it; false when it could not
    // be started.
    virtual bool open(const QString& path) = 0;

    bool isInstalled() { return !defaultApplication().isEmpty(); }
};

} // namespace orvella::platform
