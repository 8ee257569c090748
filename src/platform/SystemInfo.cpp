#include "platform/SystemInfo.h"
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace orvella::platform {

namespace {

#ifdef Q_OS_WIN
// Reads a string value under HKEY_LOCAL_MACHINE. Read rights are enough: asking for write
// rights as well would fail for every user who is not an administrator.
bool readMachineString(const char* keyName, const char* valueName, QString& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    char buffer[1024] = {};
    DWORD size = sizeof(buffer) - 1;
    DWORD type = 0;
    const LONG rc =
        RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_SZ)
        return false;
    buffer[sizeof(buffer) - 1] = '\0';
    out = QString::fromLocal8Bit(buffer);
    return true;
}
#endif

} // namespace

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
    QString path;
    if (readMachineString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path) &&
        !path.isEmpty())
        return path;
    QString folder;
    if (readMachineString("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder)) {
        const QString exe = folder + QStringLiteral("\\MSINFO32.EXE");
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
