#pragma once
#include <QString>

namespace orvella::shell {

// The empty document that the plan will be written into, made at start-up. A stand-in
// until the document layer provides the real one: it only remembers which word processor
// was resolved for it.
struct WorkingDocument {
    QString application; // the word processor's id, empty when it could not be resolved
    bool open = true;
};

} // namespace orvella::shell
