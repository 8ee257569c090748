#pragma once
#include "model/HACCP_Plan.h"
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace orvella::document {

// The plan as a finished .docx, headings in Spanish when asked; `now` dates the footer and the
// document properties. Empty only if packaging failed.
QByteArray buildPlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now);

// Builds and writes the plan document to `path` atomically; false with `error` set on failure.
bool writePlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                   const QString& path, QString* error);

// Writes the document as documentFileName(plan.Title) into a new folder of its own under the
// system's temporary folder, so that an open copy of an earlier document is never in the way.
// Answers the file's path, or an empty string with `error` set.
QString writePlanDocxToFreshFolder(const model::HACCP_Plan& plan, bool useSpanish,
                                   const QDateTime& now, QString* error);

// A file name for the document that Linux and Windows both accept: the title without
// / \ : * ? " < > | and control characters, plus ".docx"; "HACCP Plan.docx" when nothing
// usable is left.
QString documentFileName(const QString& title);

} // namespace orvella::document
