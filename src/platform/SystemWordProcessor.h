#pragma once
#include "platform/WordProcessor.h"
#include <functional>

namespace orvella::platform {

// The word processor registered with the desktop (the XDG association files on Linux, the
// registry on Windows).
class SystemWordProcessor : public WordProcessor {
public:
    // Called with a message when the registry key cannot be closed again; the value read
    // before still counts.
    std::function<void(const QString& message)> onRegistryWarning;

    QString defaultApplication() override;
    bool open(const QString& path) override;
};

} // namespace orvella::platform
