#pragma once
#include <QString>
#include <optional>

namespace orvella::platform {

enum class RegistryRoot { LocalMachine, ClassesRoot };

struct RegistryString {
    std::optional<QString> value; // none when the key or value is missing or not a string
    bool closed = true;           // false when the key was opened but could not be closed
};

// Reads a string value of the Windows registry, opening the key with read rights only:
// asking for write rights as well would fail for every user who is not an administrator.
// An empty `valueName` reads the key's default value. Elsewhere there is no registry and
// nothing is found.
RegistryString readRegistryString(RegistryRoot root, const QString& subKey,
                                  const QString& valueName = {});

} // namespace orvella::platform
