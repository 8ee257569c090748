#include "platform/Registry.h"

#ifdef Q_OS_WIN
#include <QByteArray>
#include <qt_windows.h>
#endif

namespace orvella::platform {

#ifdef Q_OS_WIN

RegistryString readRegistryString(RegistryRoot root, const QString& subKey,
                                  const QString& valueName) {
    RegistryString result;
    const HKEY rootKey =
        root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CLASSES_ROOT;
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey, subKey.toLocal8Bit().constData(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return result;
    const QByteArray name = valueName.toLocal8Bit();
    const char* const namePointer = valueName.isEmpty() ? nullptr : name.constData();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, namePointer, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        QByteArray buffer(qsizetype(size), '\0');
        if (RegQueryValueExA(key, namePointer, nullptr, &type,
                             reinterpret_cast<LPBYTE>(buffer.data()), &size) == ERROR_SUCCESS &&
            type == REG_SZ) {
            // A stored string need not end in a NUL, and may end in more than one.
            buffer.truncate(qsizetype(size));
            if (const qsizetype end = buffer.indexOf('\0'); end >= 0)
                buffer.truncate(end);
            result.value = QString::fromLocal8Bit(buffer);
        }
    }
    result.closed = RegCloseKey(key) == ERROR_SUCCESS;
    return result;
}

#else

RegistryString readRegistryString(RegistryRoot, const QString&, const QString&) {
    return {};
}

#endif

} // namespace orvella::platform
