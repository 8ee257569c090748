#pragma once
#include "cli/Commands.h"
#include <QStringList>

namespace orvella::cli {

// The whole command line after the program name: picks the command, answers --help and
// --version, and runs it. Answers the exit code.
int run(QStringList args, Io& io);

} // namespace orvella::cli
