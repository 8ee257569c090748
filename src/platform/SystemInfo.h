#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace orvella::platform {

// Finds and starts the platform's system-information tool for the about box. Windows names
// it in the registry; elsewhere a known graphical tool on PATH stands in for it.
class SystemInfo {
public:
    // Starts a program detached; answers whether it started.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;
    // Answers the full path of an executable on PATH, or empty text.
    using Finder = std::function<QString(const QString& name)>;

    SystemInfo();
    SystemInfo(Launcher launcher, Finder finder);

    // The tool's path, or empty text when there is none.
    QString toolPath() const;

    // Starts the tool without waiting for it; false when there is none or it would not start.
    bool start() const;

    // Graphical tools looked for on PATH, most informative first.
    static QStringList candidates();

private:
    Launcher m_launcher;
    Finder m_finder;
};

} // namespace orvella::platform
