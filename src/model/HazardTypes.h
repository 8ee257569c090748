#pragma once
#include <QString>
#include <array>

namespace orvella::model {

// Hazard type keys: stored data, the same English words in both languages.
namespace HazardTypes {
inline const QString Vertebrate = QStringLiteral("Vertebrate");
inline const QString Invertebrate = QStringLiteral("Invertebrate");
inline const QString Plant = QStringLiteral("Plant");
inline const QString OtherBiologic = QStringLiteral("Other Biologic");
inline const QString Other = QStringLiteral("Other");

// In the order of the step-2 type buttons optHazType(0) to optHazType(4).
inline const std::array<QString, 5> All = {Vertebrate, Invertebrate, Plant, OtherBiologic, Other};
} // namespace HazardTypes

// Stored yes/no answers of a task hazard, compared exactly, English in both languages.
inline const QString Yes = QStringLiteral("Yes");
inline const QString No = QStringLiteral("No");

// AnalysisStatus of a plan whose analysis has not run to its end.
inline const QString Incomplete = QStringLiteral("Incomplete");

} // namespace orvella::model
