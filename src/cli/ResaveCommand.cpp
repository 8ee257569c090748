#include "cli/Commands.h"
#include "planfile/PlanWriter.h"

namespace orvella::cli {

using namespace planfile;

const Command kResave{"resave", "resave PLAN -o OUT",
                      "read a plan file and write it again in the standard form", &resaveCommand};

namespace {
int usageError(const QString& why, Io& io) {
    return cli::usageError(kResave, why, io.err);
}
} // namespace

int resaveCommand(const QStringList& args, Io& io) {
    QString input, output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
            if (i + 1 >= args.size())
                return usageError(a + QStringLiteral(" needs a file name"), io);
            if (!output.isEmpty())
                return usageError(QStringLiteral("only one output file can be given"), io);
            output = args[++i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return usageError(QStringLiteral("unknown option ") + a, io);
        } else if (input.isEmpty()) {
            input = a;
        } else {
            return usageError(QStringLiteral("resave takes one plan file"), io);
        }
    }
    if (input.isEmpty() || output.isEmpty())
        return usageError(QStringLiteral("resave needs a plan file and -o OUT"), io);

    PlanReadResult r;
    if (const int failed = readPlanFile(input, r, io.err); failed != Ok)
        return failed;
    for (const QString& w : r.warnings)
        io.err << input << ": " << w << '\n';
    const SaveResult saved = savePlan(*r.plan, output);
    if (!saved.ok) {
        io.err << saved.error << '\n';
        return UsageOrIoError;
    }
    return Ok;
}

} // namespace orvella::cli
