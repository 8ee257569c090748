#include "platform/SystemWordProcessor.h"
#include <QFileInfo>
#include <QProcess>

#ifndef Q_OS_WIN
#include "platform/XdgMimeApps.h"
#endif

#ifdef Q_OS_WIN
#include "platform/Registry.h"
#include <QDir>
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace orvella::platform {

namespace {
const QString DocxMimeType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document");
} // namespace

QString SystemWordProcessor::defaultApplication() {
#ifdef Q_OS_WIN
    const QString key = QStringLiteral("Word.Document\\CurVer");
    const RegistryString version = readRegistryString(RegistryRoot::ClassesRoot, key);
    if (!version.closed && onRegistryWarning)
        onRegistryWarning(QStringLiteral("RegCloseKey Failed: ") + key);
    return version.value.value_or(QString());
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
