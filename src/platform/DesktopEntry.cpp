#include "platform/DesktopEntry.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace orvella::platform {

namespace {
// The escapes of the string value type; others (such as "\;" in lists) are left for the
// key's own rules.
QString unescapeString(QStringView raw) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        switch (raw[++i].unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case '\\':
            out += u'\\';
            break;
        default:
            out += u'\\';
            out += raw[i];
        }
    }
    return out;
}
} // namespace

std::optional<DesktopEntry> DesktopEntry::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    DesktopEntry entry;
    entry.m_path = path;
    bool inGroup = false;
    bool seenGroup = false;
    for (const QByteArray& rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (inGroup)
                break; // only the first group matters
            inGroup = line == QLatin1String("[Desktop Entry]");
            seenGroup = seenGroup || inGroup;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inGroup || eq <= 0)
            continue;
        const QString key = line.first(eq).trimmed();
        if (key.contains(u'[') || entry.m_keys.contains(key))
            continue; // translations are not needed; the first of duplicate keys wins
        entry.m_keys.insert(key, unescapeString(QStringView(line).sliced(eq + 1).trimmed()));
    }
    if (!seenGroup)
        return std::nullopt;
    return entry;
}

QString DesktopEntry::resolveProgram(const QString& program) {
    if (program.isEmpty())
        return {};
    if (QDir::isAbsolutePath(program)) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? program : QString();
    }
    if (program.contains(u'/'))
        return {}; // relative paths depend on our own working directory, not the desktop's
    return QStandardPaths::findExecutable(program);
}

bool DesktopEntry::isUsable() const {
    if (value(QStringLiteral("Type")) != QLatin1String("Application") ||
        flag(QStringLiteral("Hidden")) || value(QStringLiteral("Exec")).isEmpty())
        return false;
    const QString tryExec = value(QStringLiteral("TryExec"));
    return tryExec.isEmpty() || !resolveProgram(tryExec).isEmpty();
}

std::optional<QStringList> DesktopEntry::arguments(const QString& file) const {
    const QString exec = value(QStringLiteral("Exec"));
    const qsizetype n = exec.size();
    QStringList argv;
    QString word;
    bool quoted = false; // keeps an explicit "" as an argument
    bool sawFile = false;
    auto flush = [&] {
        if (quoted || !word.isEmpty())
            argv << word;
        word.clear();
        quoted = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = exec[i];
        if (c == u'"') {
            quoted = true;
            bool closed = false;
            for (++i; i < n && !closed; ++i) {
                const QChar q = exec[i];
                if (q == u'\\' && i + 1 < n && QStringView(u"\"`$\\").contains(exec[i + 1]))
                    word += exec[++i];
                else if (q == u'%' && i + 1 < n && exec[i + 1] == u'%')
                    word += exec[++i];
                else if (q == u'"')
                    closed = true;
                else
                    word += q; // field codes are not expanded inside quotes
            }
            --i;
            if (!closed)
                return std::nullopt;
        } else if (c == u' ' || c == u'\t' || c == u'\n') {
            flush();
        } else if (c == u'%') {
            if (i + 1 == n)
                return std::nullopt;
            const char16_t code = exec[++i].unicode();
            const bool alone = word.isEmpty() && !quoted && (i + 1 == n || exec[i + 1] == u' ');
            switch (code) {
            case '%':
                word += u'%';
                break;
            case 'f':
            case 'F':
                word += file;
                sawFile = true;
                break;
            case 'u':
            case 'U':
                word += QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
                sawFile = true;
                break;
            case 'i':
                if (alone && !value(QStringLiteral("Icon")).isEmpty()) {
                    argv << QStringLiteral("--icon");
                    word = value(QStringLiteral("Icon"));
                }
                break;
            case 'c':
                word += value(QStringLiteral("Name"));
                break;
            case 'k':
                word += m_path;
                break;
            default:
                break; // %d %D %n %N %v %m are deprecated and vanish, as do unknown codes
            }
        } else {
            word += c;
        }
    }
    flush();
    if (argv.isEmpty())
        return std::nullopt;
    if (!sawFile)
        argv << file;
    return argv;
}

} // namespace orvella::platform
