#pragma once
#include <QStringList>
#include <QTextStream>

namespace orvella::cli {

// orvella-cli document (kDocument in Commands.h): writes the plan document of a plan file.
// `args` are the arguments after the word "document". Exit codes: 0 written, 1 the file is
// not a plan, 2 usage or file error.
int runDocumentCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace orvella::cli
