#include "platform/XdgMimeApps.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace orvella::platform {

namespace {
QStringList pathList(const char* variable, const QString& fallback) {
    QStringList dirs;
    const QString value = qEnvironmentVariable(variable);
    for (const QString& dir : (value.isEmpty() ? fallback : value).split(u':')) {
        // Relative entries are invalid and ignored.
        if (QDir::isAbsolutePath(dir))
            dirs << QDir::cleanPath(dir);
    }
    return dirs;
}

QString homeDir(const char* variable, const QString& underHome) {
    const QStringList dirs = pathList(variable, QDir::homePath() + underHome);
    return dirs.isEmpty() ? QDir::homePath() + underHome : dirs.first();
}

// The values of one key in the wanted groups of a key file, in one pass over the bytes;
// much cheaper than a full parse for mimeinfo.cache.
QHash<QString, QStringList> readKey(const QString& path, const QList<QByteArray>& groups,
                                    const QString& key) {
    QHash<QString, QStringList> found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    const QByteArray wanted = key.toUtf8();
    const QByteArray data = file.readAll();
    QByteArray group;
    bool inWanted = false;
    for (qsizetype start = 0, end = 0; start < data.size(); start = end + 1) {
        end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        const QByteArrayView line = QByteArrayView(data).sliced(start, end - start).trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            group = line.sliced(1, line.size() - 2).toByteArray();
            inWanted = groups.contains(group);
            continue;
        }
        if (!inWanted || !line.startsWith(wanted))
            continue;
        const QByteArrayView rest = line.sliced(wanted.size()).trimmed();
        if (!rest.startsWith('='))
            continue;
        QStringList& ids = found[QString::fromUtf8(group)];
        for (const QString& id : QString::fromUtf8(rest.sliced(1)).split(u';', Qt::SkipEmptyParts))
            if (!ids.contains(id.trimmed()))
                ids << id.trimmed();
    }
    return found;
}

bool listsMimeType(const QString& path, const QString& mimeType) {
    // Reads only up to MimeType= of the first group: cheap enough to scan thousands.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            if (inEntry)
                return false;
            inEntry = line == "[Desktop Entry]";
        } else if (inEntry && line.startsWith("MimeType")) {
            const qsizetype eq = line.indexOf('=');
            if (eq < 0 || line.first(eq).trimmed() != "MimeType")
                continue;
            return QString::fromUtf8(line.sliced(eq + 1)).split(u';').contains(mimeType);
        }
    }
    return false;
}

const QByteArray DefaultGroup = "Default Applications";
const QByteArray AddedGroup = "Added Associations";
const QByteArray RemovedGroup = "Removed Associations";
} // namespace

XdgMimeApps::XdgMimeApps() {
    m_levels << Level{homeDir("XDG_CONFIG_HOME", QStringLiteral("/.config")), false};
    for (const QString& dir : pathList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")))
        m_levels << Level{dir, false};
    m_levels << Level{homeDir("XDG_DATA_HOME", QStringLiteral("/.local/share")) +
                          QStringLiteral("/applications"),
                      true};
    for (const QString& dir :
         pathList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        m_levels << Level{dir + QStringLiteral("/applications"), true};
    for (const QString& name :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        m_desktops << name.toLower();
}

QString XdgMimeApps::findDesktopFile(const QString& id) const {
    if (!id.endsWith(QLatin1String(".desktop")) || id.contains(u'/'))
        return {};
    for (const Level& level : m_levels) {
        if (!level.isApplications)
            continue;
        // "foo-bar.desktop" may be applications/foo-bar.desktop or applications/foo/bar.desktop.
        QStringList candidates{level.dir};
        const QStringList parts = id.split(u'-');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            QStringList next;
            for (const QString& base : candidates) {
                const QString rest = QStringList(parts.mid(i)).join(u'-');
                const QString file = base + u'/' + rest;
                if (QFileInfo(file).isFile())
                    return file; // the first data dir holding the id shadows the rest
                if (i + 1 < parts.size() && QFileInfo(base + u'/' + parts[i]).isDir())
                    next << base + u'/' + parts[i];
            }
            candidates = next;
            if (candidates.isEmpty())
                break;
        }
    }
    return {};
}

std::optional<DesktopEntry> XdgMimeApps::entry(const QString& id) {
    auto cached = m_entries.constFind(id);
    if (cached != m_entries.constEnd())
        return *cached;
    std::optional<DesktopEntry> found;
    if (const QString path = findDesktopFile(id); !path.isEmpty()) {
        found = DesktopEntry::load(path);
        if (found && !found->isUsable())
            found.reset();
    }
    m_entries.insert(id, found);
    return found;
}

bool XdgMimeApps::isUsable(const QString& id) {
    return entry(id).has_value();
}

QString XdgMimeApps::scanForMimeType(const QString& applicationsDir, const QString& mimeType,
                                     const QSet<QString>& removed, QSet<QString>& seen) {
    QDirIterator it(applicationsDir, {QStringLiteral("*.desktop")}, QDir::Files,
                    QDirIterator::Subdirectories);
    QStringList matches;
    while (it.hasNext()) {
        const QString path = it.next();
        QString id = path.sliced(applicationsDir.size() + 1);
        id.replace(u'/', u'-');
        if (seen.contains(id))
            continue; // shadowed by an earlier data dir
        seen.insert(id);
        if (!removed.contains(id) && listsMimeType(path, mimeType))
            matches << id;
    }
    // Directory order is arbitrary; sorting keeps the answer stable from run to run.
    matches.sort();
    for (const QString& id : std::as_const(matches))
        if (isUsable(id))
            return id;
    return {};
}

QString XdgMimeApps::defaultApplication(const QString& mimeType) {
    const QList<QByteArray> allGroups{DefaultGroup, AddedGroup, RemovedGroup};

    // [Default Applications], desktop-specific lists first; the first usable id wins.
    QList<QHash<QString, QStringList>> generalLists; // mimeapps.list of each level
    for (const Level& level : std::as_const(m_levels)) {
        for (const QString& desktop : std::as_const(m_desktops)) {
            const auto groups =
                readKey(level.dir + u'/' + desktop + QStringLiteral("-mimeapps.list"),
                        {DefaultGroup}, mimeType);
            for (const QString& id : groups.value(QString::fromLatin1(DefaultGroup)))
                if (isUsable(id))
                    return id;
        }
        generalLists << readKey(level.dir + QStringLiteral("/mimeapps.list"), allGroups, mimeType);
        for (const QString& id : generalLists.last().value(QString::fromLatin1(DefaultGroup)))
            if (isUsable(id))
                return id;
    }

    // Otherwise the most preferred association. Removals reach only the level they are made
    // at and those below it.
    QSet<QString> removed;
    QList<QSet<QString>> removedAtLevel;
    for (qsizetype i = 0; i < m_levels.size(); ++i) {
        const auto& groups = generalLists[i];
        for (const QString& id : groups.value(QString::fromLatin1(AddedGroup)))
            if (!removed.contains(id) && isUsable(id))
                return id;
        for (const QString& id : groups.value(QString::fromLatin1(RemovedGroup)))
            removed.insert(id);
        removedAtLevel << removed;
        if (!m_levels[i].isApplications)
            continue;
        const auto cache =
            readKey(m_levels[i].dir + QStringLiteral("/mimeinfo.cache"), {"MIME Cache"}, mimeType);
        for (const QString& id : cache.value(QStringLiteral("MIME Cache")))
            if (!removed.contains(id) && isUsable(id))
                return id;
    }

    // The cache may be stale or missing: read the .desktop files themselves, last resort.
    QSet<QString> seen;
    for (qsizetype i = 0; i < m_levels.size(); ++i) {
        if (!m_levels[i].isApplications)
            continue;
        const QString id = scanForMimeType(m_levels[i].dir, mimeType, removedAtLevel[i], seen);
        if (!id.isEmpty())
            return id;
    }
    return {};
}

} // namespace orvella::platform
