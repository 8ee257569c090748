#pragma once
#include "model/HACCP_Plan.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace orvella::planfile {

struct PlanReadResult {
    bool isPlan = false;                     // false: the first line is not the xml line
    std::shared_ptr<model::HACCP_Plan> plan; // a fresh plan holding what the file said (never null)
    bool hazardError = false;
    QStringList warnings;        // message texts to show, in order
    qint16 hazardKeyCounter = 0; // the counter after the hazards were keyed
    bool truncated = false;      // the file ended inside a record or before a value
};

// The first line every plan file starts with.
inline constexpr char kXmlLine[] = "<?xml version=\"1.0\"?>";

// Message texts of the reader (the same in both languages).
inline const QString kHazardErrorMessage =
    QStringLiteral("There was an error reading the saved HACCP file.");
inline const QString kTruncatedMessage =
    QStringLiteral("The saved HACCP file ends in the middle of a record; everything before that "
                   "point has been read.");

// Reads a plan file. Pure: touches no window and no program state. `hazardKeyCounter` is the
// program-wide counter before the read; each hazard kept raises it by one and is keyed with
// its decimal text. Any bytes are safe: the read is linear in their size.
PlanReadResult readPlan(const QByteArray& bytes, qint16 hazardKeyCounter = 0);

} // namespace orvella::planfile
