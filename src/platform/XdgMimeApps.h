#pragma once
#include "platform/DesktopEntry.h"
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvella::platform {

// Which installed application the desktop associates with a MIME type, read from the
// mimeapps.list files, mimeinfo.cache and .desktop files of the XDG base directories.
class XdgMimeApps {
public:
    // Takes the XDG_* variables as they are now.
    XdgMimeApps();

    // Desktop file id (such as "libreoffice-writer.desktop") of the default application,
    // or empty text when no usable application is associated.
    QString defaultApplication(const QString& mimeType);

    // The usable entry installed under a desktop file id, honouring shadowing.
    std::optional<DesktopEntry> entry(const QString& id);

private:
    struct Level {
        QString dir;
        bool isApplications = false; // a data dir's applications/, which holds .desktop files
    };

    bool isUsable(const QString& id);
    QString findDesktopFile(const QString& id) const;
    QString scanForMimeType(const QString& applicationsDir, const QString& mimeType,
                            const QSet<QString>& removed, QSet<QString>& seen);

    QList<Level> m_levels; // in precedence order
    QStringList m_desktops;
    QHash<QString, std::optional<DesktopEntry>> m_entries;
};

} // namespace orvella::platform
