#include "cli/Cli.h"
#include "cli/Commands.h"
#include <iterator>

namespace orvella::cli {

namespace {

const Command* const kCommands[] = {&kCheck, &kResave, &kDocument, &kHazards, &kStarters};

void printHelp(QTextStream& to) {
    to << "Usage: orvella-cli COMMAND [OPTIONS]\n\n"
          "Works with Orvella HACCP plan files from the command line.\n\nCommands:\n";
    // Summaries start in column 30; a longer usage line puts its summary on the next line.
    constexpr qsizetype UsageWidth = 26;
    for (const Command* c : kCommands) {
        const QString usage = QString::fromLatin1(c->usage);
        to << "  " << usage.leftJustified(UsageWidth);
        if (usage.size() > UsageWidth)
            to << '\n' << QString(2 + UsageWidth, u' ');
        to << "  " << c->summary << '\n';
    }
    to << "\nOptions:\n"
          "  --help                      show this help (also after a command)\n"
          "  --version                   show the program version\n\n"
          "Exit codes: 0 success, 1 the file is not a plan, 2 usage or file error,\n"
          "3 check --strict: the plan still lacks something.\n";
}

} // namespace

int run(QStringList args, Io& io) {
    QTextStream& out = io.out;
    QTextStream& err = io.err;
    if (args.isEmpty()) {
        printHelp(err);
        return UsageOrIoError;
    }
    const QString first = args.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printHelp(out);
        return Ok;
    }
    if (first == QLatin1String("--version")) {
        out << "orvella-cli " ORVELLA_VERSION "\n";
        return Ok;
    }
    for (const Command* c : kCommands) {
        if (first != QLatin1String(c->name))
            continue;
        if (isHelp(args)) {
            printUsage(*c, out);
            return Ok;
        }
        return c->run(args, io);
    }
    err << "orvella-cli: unknown command '" << first << "'\n\n";
    printHelp(err);
    return UsageOrIoError;
}

} // namespace orvella::cli
