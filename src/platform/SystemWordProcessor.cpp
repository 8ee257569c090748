#include "platform/SystemWordProcessor.h"
#include <QFileInfo>
#include <QProcess>

#ifndef Q_OS_WIN
#include "platform/XdgMimeApps.h"
#endif

#ifdef Q_OS_WIN
#include <QDir>
#include <cstring>
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace orvella::platform {

namespace {
const QString DocxMimeType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document");

#ifdef Q_OS_WIN
// Reads a string value with the ANSI registry interface; empty text when it is missing.
QString readRegistryString(HKEY root, const QByteArray& subKey, const QByteArray& valueName,
                           const std::function<void(const QString&)>& warn) {
    HKEY key = nullptr;
    if (RegOpenKeyA(root, subKey.constData(), &key) != ERROR_SUCCESS)
        return {};
    char buffer[256];
    memset(buffer, ' ', 255);
    buffer[255] = '\0';
    DWORD length = 255;
    QString result;
    if (RegQueryValueExA(key, valueName.isEmpty() ? nullptr : valueName.constData(), nullptr,
                         nullptr, reinterpret_cast<LPBYTE>(buffer), &length) == ERROR_SUCCESS &&
        length > 1 && length <= 255)
        result = QString::fromLocal8Bit(buffer, int(length) - 1);
    if (RegCloseKey(key) != ERROR_SUCCESS && warn)
        warn(QStringLiteral("RegCloseKey Failed: ") + QString::fromLocal8Bit(subKey));
    return result;
}
#endif
} // namespace

QString SystemWordProcessor::defaultApplication() {
#ifdef Q_OS_WIN
    return readRegistryString(HKEY_CLASSES_ROOT, "Word.Document\\CurVer", {}, onRegistryWarning);
#else
    return XdgMimeApps().defaultApplication(DocxMimeType);
#endif
}

bool SystemWordProcessor::open(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
#ifdef Q_OS_WIN
    const auto native = QDir::toNativeSeparators(absolute).toStdWString();
    auto rc = reinterpret_cast<qintptr>(
        ShellExecuteW(nullptr, L"open", native.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return rc > 32;
#else
    // Not xdg-open even where it exists: what opens must be what the start-up check found.
    XdgMimeApps associations;
    const auto entry = associations.entry(associations.defaultApplication(DocxMimeType));
    if (!entry)
        return false;
    const auto argv = entry->arguments(absolute);
    if (!argv)
        return false;
    const QString program = DesktopEntry::resolveProgram(argv->first());
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, argv->mid(1), entry->value(QStringLiteral("Path")));
#endif
}

} // namespace orvella::platform
