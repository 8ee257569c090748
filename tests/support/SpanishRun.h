#pragma once
#include "model/Language.h"

namespace testsupport {

// Spanish texts for as long as it lives, as after the splash's Spanish button; the language
// before it afterwards. Pass false for an English run in a loop over both.
class SpanishRun {
public:
    explicit SpanishRun(bool spanish = true)
        : m_before(orvella::model::useSpanishCatalogue(spanish)) {}
    ~SpanishRun() { orvella::model::useSpanishCatalogue(m_before); }
    SpanishRun(const SpanishRun&) = delete;
    SpanishRun& operator=(const SpanishRun&) = delete;

private:
    bool m_before;
};

} // namespace testsupport
