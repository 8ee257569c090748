#pragma once
#include <QCoreApplication>

namespace orvella::analysis {

// What the analysis says, written in English: the catalogue installed for a Spanish run gives
// the Spanish (context "Analysis").
struct AnalysisText {
    Q_DECLARE_TR_FUNCTIONS(Analysis)
};

} // namespace orvella::analysis
