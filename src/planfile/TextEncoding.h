#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace orvella::planfile {

// The two encodings a plan file can be in. Files from the Windows program are windows-1252;
// a plan holding a character that code page lacks is written as UTF-8 so nothing is lost.
enum class FileEncoding { Windows1252, Utf8 };

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, nothing above
// U+10FFFF). `hasHighBytes` tells whether any byte was above 0x7F.
bool isValidUtf8(QByteArrayView bytes, bool* hasHighBytes = nullptr);

// How a reader should take these bytes: UTF-8 when they are valid UTF-8 and not plain ASCII.
FileEncoding detectEncoding(QByteArrayView bytes);

// Decodes windows-1252; every byte maps to one character (the five undefined bytes map to
// the C1 control of the same value, as the system's converter does).
QString decodeWindows1252(QByteArrayView bytes);

QString decode(QByteArrayView bytes, FileEncoding encoding);

// Encodes in windows-1252, or answers nothing when a character has no place in that code page.
std::optional<QByteArray> encodeWindows1252(QStringView text);

} // namespace orvella::planfile
