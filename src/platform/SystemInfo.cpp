#include "platform/SystemInfo.h"
#include "platform/Registry.h"
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace orvella::platform {

SystemInfo::SystemInfo()
    : SystemInfo(
          [](const QString& program, const QStringList& arguments) {
              return QProcess::startDetached(program, arguments);
          },
          [](const QString& name) { return QStandardPaths::findExecutable(name); }) {}

SystemInfo::SystemInfo(Launcher launcher, Finder finder)
    : m_launcher(std::move(launcher)), m_finder(std::move(finder)) {}

QStringList SystemInfo::candidates() {
    return {QStringLiteral("hardinfo2"),
            QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("plasma-systemmonitor"),
            QStringLiteral("ksysguard"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager"),
            QStringLiteral("lxtask")};
}

QString SystemInfo::toolPath() const {
#ifdef Q_OS_WIN
    const auto machineString = [](const char* key, const char* value) {
        return readRegistryString(RegistryRoot::LocalMachine, QLatin1String(key),
                                  QLatin1String(value))
            .value;
    };
    const auto path = machineString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    if (path && !path->isEmpty())
        return *path;
    const auto folder = machineString("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    if (folder) {
        const QString exe = *folder + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(exe))
            return exe;
    }
    return {};
#else
    for (const QString& name : candidates()) {
        const QString path = m_finder(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
#endif
}

bool SystemInfo::start() const {
    const QString path = toolPath();
    return !path.isEmpty() && m_launcher(path, {});
}

} // namespace orvella::platform
