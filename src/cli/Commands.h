#pragma once
#include "planfile/PlanReader.h"
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace orvella::cli {

// What every subcommand gets: its own arguments (after its name) and the two streams.
// Results go to `out`, messages to `err`.
struct Io {
    QTextStream& out;
    QTextStream& err;
};

// Exit codes shared by all subcommands.
enum ExitCode { Ok = 0, NotAPlan = 1, UsageOrIoError = 2, Incomplete = 3 };

struct Command {
    const char* name;
    const char* usage;   // after "orvella-cli "
    const char* summary; // one line for --help
    int (*run)(const QStringList& args, Io& io);
};

// Each command is described once, beside the code that parses its arguments: --help, the
// command's own --help and its usage errors all print these.
extern const Command kCheck;    // CheckCommand.cpp
extern const Command kResave;   // ResaveCommand.cpp
extern const Command kDocument; // DocumentCommand.cpp
extern const Command kHazards;  // HazardsCommand.cpp
extern const Command kStarters; // StartersCommand.cpp

int checkCommand(const QStringList& args, Io& io);
int resaveCommand(const QStringList& args, Io& io);
int documentCommand(const QStringList& args, Io& io);
int hazardsCommand(const QStringList& args, Io& io);
int startersCommand(const QStringList& args, Io& io);

// Shared helpers.
bool isHelp(const QStringList& args);
void printUsage(const Command& command, QTextStream& to);
// Says what is wrong with the command line, then the command's usage; answers the exit code.
int usageError(const Command& command, const QString& why, QTextStream& err);
// Reads the plan file a command was given. Answers Ok, or the exit code after saying on `err`
// why the file cannot be read or is not a plan.
int readPlanFile(const QString& path, planfile::PlanReadResult& result, QTextStream& err);

} // namespace orvella::cli
