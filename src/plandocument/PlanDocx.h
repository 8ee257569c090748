#pragma once
#include "model/HACCP_Plan.h"
#include "plandocument/PlanDocumentBuilder.h"
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>

namespace orvella::plandocument {

// The plan as a finished .docx, headings in Spanish when asked; `now` dates the footer and the
// document properties. Empty only if packaging failed.
QByteArray buildPlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                         const DocumentExtras& extras = {});

// Builds and writes the plan document to `path` atomically; false with `error` set on failure.
bool writePlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                   const QString& path, QString* error, const DocumentExtras& extras = {});
// The same for a plan nobody else needs: it is let go once the document is laid out, before
// the writing starts, so that a large plan and its document are not both held in full.
bool writePlanDocx(std::shared_ptr<const model::HACCP_Plan>&& plan, bool useSpanish,
                   const QDateTime& now, const QString& path, QString* error,
                   const DocumentExtras& extras = {});

// Where the document of the plan saved at `planPath` goes: the same folder, named
// documentFileName(title).
QString documentPathBeside(const QString& planPath, const QString& title);

// "<name> (2).docx", "<name> (3).docx" and so on beside `path`: the first that does not exist.
QString keepBothPath(const QString& path);

// A file name for the document that Linux and Windows both accept: the title without
// / \ : * ? " < > | and control characters, plus ".docx"; "HACCP Plan.docx" when nothing
// usable is left.
QString documentFileName(const QString& title);

} // namespace orvella::plandocument
