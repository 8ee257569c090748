#include "analysis/HazardCatalogue.h"
#include "cli/Commands.h"
#include "model/HazardTypes.h"

namespace orvella::cli {

const Command kHazards{"hazards", "hazards [--type KIND] [--spanish] [WORDS...]",
                       "list the catalogue's usual hazards that match every word", &hazardsCommand};

int hazardsCommand(const QStringList& args, Io& io) {
    QString kind;
    QStringList words;
    bool spanish = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--type")) {
            if (i + 1 >= args.size())
                return usageError(kHazards, QStringLiteral("--type needs a kind"), io.err);
            const QString wanted = args[++i];
            kind.clear();
            for (const QString& key : model::HazardTypes::All)
                if (key.compare(wanted, Qt::CaseInsensitive) == 0)
                    kind = key;
            if (kind.isEmpty())
                return usageError(kHazards,
                                  QStringLiteral("unknown kind %1 (kinds: Vertebrate, "
                                                 "Invertebrate, Plant, \"Other Biologic\", Other)")
                                      .arg(wanted),
                                  io.err);
        } else if (a == QLatin1String("--spanish")) {
            spanish = true;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return usageError(kHazards, QStringLiteral("unknown option ") + a, io.err);
        } else {
            words << a;
        }
    }
    const auto found = analysis::matchHazards(analysis::hazardCatalogue(), words.join(u' '), kind);
    for (const auto& e : found)
        io.out << e.kind.leftJustified(16) << e.display(spanish) << '\n';
    if (found.isEmpty())
        io.err << "orvella-cli: no hazard in the catalogue matches\n";
    return Ok;
}

} // namespace orvella::cli
