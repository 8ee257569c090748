#include "cli/DocumentCommand.h"
#include "cli/Commands.h"
#include "model/Language.h"
#include "plandocument/PlanDocx.h"
#include <QDateTime>

namespace orvella::cli {

const Command kDocument{"document", "document PLAN -o OUT.docx [--spanish] [--title TEXT]",
                        "write the plan document (Forms 1 to 5 and the checklist) as .docx",
                        &documentCommand};

namespace {
int usageError(const QString& why, QTextStream& err) {
    return cli::usageError(kDocument, why, err);
}

// For as long as the command runs, the run speaks the document's language, as the program does
// after its Spanish button; the document itself takes its language from the flag.
class RunLanguage {
public:
    explicit RunLanguage(bool spanish) : m_before(model::useSpanishCatalogue(spanish)) {}
    ~RunLanguage() { model::useSpanishCatalogue(m_before); }
    RunLanguage(const RunLanguage&) = delete;
    RunLanguage& operator=(const RunLanguage&) = delete;

private:
    bool m_before;
};
} // namespace

int runDocumentCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (isHelp(args)) {
        printUsage(kDocument, out);
        return Ok;
    }
    QString input, output, title;
    bool spanish = false, hasTitle = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
            if (i + 1 >= args.size())
                return usageError(a + QStringLiteral(" needs a file name"), err);
            if (!output.isEmpty())
                return usageError(QStringLiteral("only one output file can be given"), err);
            output = args[++i];
        } else if (a == QLatin1String("--title")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("--title needs a text"), err);
            title = args[++i];
            hasTitle = true;
        } else if (a == QLatin1String("--spanish")) {
            spanish = true;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return usageError(QStringLiteral("unknown option ") + a, err);
        } else if (input.isEmpty()) {
            input = a;
        } else {
            return usageError(QStringLiteral("document takes one plan file"), err);
        }
    }
    if (input.isEmpty() || output.isEmpty())
        return usageError(QStringLiteral("document needs a plan file and -o OUT.docx"), err);
    const RunLanguage language(spanish);

    planfile::PlanReadResult r;
    if (const int failed = readPlanFile(input, r, err); failed != Ok)
        return failed;
    for (const QString& w : r.warnings)
        err << input << ": " << w << '\n';
    if (hasTitle)
        r.plan->Title = title;
    QString error;
    if (!plandocument::writePlanDocx(*r.plan, spanish, QDateTime::currentDateTime(), output, &error)) {
        err << "orvella-cli: " << error << '\n';
        return UsageOrIoError;
    }
    return Ok;
}

int documentCommand(const QStringList& args, Io& io) {
    return runDocumentCommand(args, io.out, io.err);
}

} // namespace orvella::cli
