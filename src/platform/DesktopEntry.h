#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvella::platform {

// The [Desktop Entry] group of a .desktop file, untranslated keys only.
class DesktopEntry {
public:
    // Nullopt when the file cannot be read or has no [Desktop Entry] group.
    static std::optional<DesktopEntry> load(const QString& path);

    QString path() const { return m_path; }
    QString value(const QString& key) const { return m_keys.value(key); }
    bool flag(const QString& key) const { return m_keys.value(key) == QLatin1String("true"); }

    // An application that is installed: not Hidden, its TryExec program present, something
    // to execute. NoDisplay only hides it from menus, so it still counts.
    bool isUsable() const;

    // Exec with quoting undone and field codes expanded for one local file; nullopt when
    // Exec is malformed. The first element is the program as written.
    std::optional<QStringList> arguments(const QString& file) const;

    // An absolute, executable path for a program named in Exec or TryExec; empty if none.
    static QString resolveProgram(const QString& program);

private:
    QString m_path;
    QHash<QString, QString> m_keys;
};

} // namespace orvella::platform
