#pragma once
#include <QString>

namespace orvella::platform {
class WordProcessor;
}

namespace orvella::mainwindow {

// The document that the plan will be written into, prepared at start-up: the word processor
// resolved for it, which opens the finished document. The document itself is laid out
// afresh by the document command.
struct WorkingDocument {
    platform::WordProcessor* wordProcessor = nullptr; // lives as long as the program
};

} // namespace orvella::mainwindow
