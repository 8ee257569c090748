#include "planfile/TextEncoding.h"
#include <QStringEncoder>
#include <array>
#include <cstring>

namespace orvella::planfile {

namespace {

// 0x80 to 0x9F of windows-1252; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool allAscii(const unsigned char* p, qsizetype n) {
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ULL)
            return false;
    }
    for (; i < n; ++i)
        if (p[i] & 0x80)
            return false;
    return true;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes, bool* hasHighBytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    bool high = false;
    auto invalid = [&] {
        if (hasHighBytes)
            *hasHighBytes = true;
        return false;
    };
    qsizetype i = 0;
    while (i < n) {
        // Skip runs of ASCII a word at a time: most of any plan file is ASCII.
        if (i + 8 <= n) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            if (!(w & 0x8080808080808080ULL)) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        high = true;
        int extra;
        unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                lo = 0xA0; // overlong
            else if (c == 0xED)
                hi = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                lo = 0x90; // overlong
            else if (c == 0xF4)
                hi = 0x8F; // above U+10FFFF
        } else {
            return invalid();
        }
        if (n - i <= extra || p[i + 1] < lo || p[i + 1] > hi)
            return invalid();
        for (int k = 2; k <= extra; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return invalid();
        i += extra + 1;
    }
    if (hasHighBytes)
        *hasHighBytes = high;
    return true;
}

FileEncoding detectEncoding(QByteArrayView bytes) {
    bool high = false;
    return isValidUtf8(bytes, &high) && high ? FileEncoding::Utf8 : FileEncoding::Windows1252;
}

QString decodeWindows1252(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    if (allAscii(p, n))
        return QString::fromLatin1(bytes);
    QString out(n, Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char c = p[i];
        d[i] = (c >= 0x80 && c <= 0x9F) ? kHighControls[c - 0x80] : char16_t(c);
    }
    return out;
}

QString decode(QByteArrayView bytes, FileEncoding encoding) {
    return encoding == FileEncoding::Utf8 ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
}

std::optional<QByteArray> encodeWindows1252(QStringView text) {
    // Plain ASCII and Latin-1 outside 0x80-0x9F are the same bytes in windows-1252.
    bool simple = true;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u > 0xFF || (u >= 0x80 && u <= 0x9F)) {
            simple = false;
            break;
        }
    }
    if (simple)
        return text.toLatin1();

    QStringEncoder encoder("windows-1252");
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray out = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return out;
}

} // namespace orvella::planfile
