#include "cli/Commands.h"
#include "model/Language.h"
#include "planfile/StarterPlans.h"
#include <QSaveFile>

namespace orvella::cli {

using namespace planfile;

const Command kStarters{"starters", "starters [--spanish] [--write NAME FILE]",
                        "list the starter plans, or write one to a plan file", &startersCommand};

int startersCommand(const QStringList& args, Io& io) {
    bool spanish = false;
    QString name, file;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--spanish")) {
            spanish = true;
        } else if (a == QLatin1String("--write")) {
            if (i + 2 >= args.size())
                return usageError(kStarters, QStringLiteral("--write needs a NAME and a FILE"),
                                  io.err);
            name = args[++i];
            file = args[++i];
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return usageError(kStarters, QStringLiteral("unknown option ") + a, io.err);
        } else {
            return usageError(kStarters, QStringLiteral("unexpected argument ") + a, io.err);
        }
    }

    if (name.isEmpty()) {
        for (const StarterPlan& s : starterPlans())
            io.out << QString::fromLatin1(s.name).leftJustified(22) << ' '
                   << (spanish ? model::spanishText("StarterPlans", s.summary)
                               : QString::fromLatin1(s.summary))
                   << '\n';
        return Ok;
    }

    const QByteArray bytes = starterPlanFile(name, spanish);
    if (bytes.isEmpty()) {
        io.err << "orvella-cli: no starter plan is called '" << name
               << "' (orvella-cli starters lists them)\n";
        return UsageOrIoError;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        io.err << "orvella-cli: cannot write " << file << ": " << out.errorString() << '\n';
        return UsageOrIoError;
    }
    return Ok;
}

} // namespace orvella::cli
