#include "cli/DocumentCommand.h"
#include "cli/Commands.h"
#include "model/Language.h"
#include "plandocument/PlanDocx.h"
#include "planfile/PlanApproval.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace orvella::cli {

const Command kDocument{
    "document",
    "document PLAN -o OUT.docx|OUT.pdf [--pdf] [--spanish] [--title TEXT] [--record-sheets]",
    "write the plan document as .docx, or as PDF through LibreOffice", &documentCommand};

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

// LibreOffice's start-up alone takes seconds; a conversion that is not done in this long has
// hung on something (a dialog, a locked profile).
constexpr int ConversionSeconds = 120;

// A tagged PDF/UA file: screen readers follow its headings, tables and reading order, and its
// title (the plan's, from the document properties) is shown instead of the file name.
const QString TaggedPdf = QStringLiteral(
    "pdf:writer_pdf_Export:{\"UseTaggedPDF\":{\"type\":\"boolean\",\"value\":\"true\"},"
    "\"PDFUACompliance\":{\"type\":\"boolean\",\"value\":\"true\"},"
    "\"DisplayPDFDocumentTitle\":{\"type\":\"boolean\",\"value\":\"true\"}}");

// Writes the document as .docx into a folder of its own and has LibreOffice's headless
// converter turn it into `output`. LibreOffice runs on a profile made for this run, so an open
// LibreOffice of the user neither takes the job nor sees it.
bool writePlanPdf(const model::HACCP_Plan& plan, bool spanish, const QString& output,
                  QString* error, const plandocument::DocumentExtras& extras) {
    QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        soffice = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (soffice.isEmpty()) {
        *error = QStringLiteral("a PDF needs LibreOffice, which is not installed; install it "
                                "with: sudo apt-get install libreoffice-writer-nogui (or write "
                                "a .docx)");
        return false;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        *error = QStringLiteral("cannot make a temporary folder: ") + work.errorString();
        return false;
    }
    const QString docx = work.filePath(QStringLiteral("document.docx"));
    if (!plandocument::writePlanDocx(plan, spanish, QDateTime::currentDateTime(), docx, error,
                                     extras))
        return false;

    QProcess convert;
    convert.setProcessChannelMode(QProcess::MergedChannels);
    convert.start(soffice,
                  {QStringLiteral("-env:UserInstallation=") +
                       QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("--convert-to"), TaggedPdf, QStringLiteral("--outdir"),
                   work.path(), docx});
    if (!convert.waitForStarted()) {
        *error = QStringLiteral("cannot start ") + soffice + QStringLiteral(": ") +
                 convert.errorString();
        return false;
    }
    if (!convert.waitForFinished(ConversionSeconds * 1000)) {
        convert.kill();
        convert.waitForFinished();
        *error = QStringLiteral("LibreOffice did not convert the document within %1 s")
                     .arg(ConversionSeconds);
        return false;
    }
    // soffice answers 0 even when it could not convert: the PDF itself is the answer.
    QFile pdf(work.filePath(QStringLiteral("document.pdf")));
    QByteArray bytes;
    if (pdf.open(QIODevice::ReadOnly))
        bytes = pdf.readAll();
    if (!bytes.startsWith("%PDF")) {
        const QString said = QString::fromLocal8Bit(convert.readAll()).trimmed();
        *error = QStringLiteral("LibreOffice made no PDF") +
                 (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
        return false;
    }
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        *error =
            QStringLiteral("cannot write ") + output + QStringLiteral(": ") + out.errorString();
        return false;
    }
    return true;
}
} // namespace

int runDocumentCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (isHelp(args)) {
        printUsage(kDocument, out);
        return Ok;
    }
    QString input, output, title;
    bool spanish = false, hasTitle = false, pdf = false;
    plandocument::DocumentExtras extras;
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
        } else if (a == QLatin1String("--record-sheets")) {
            extras.recordSheets = true;
        } else if (a == QLatin1String("--pdf")) {
            pdf = true;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return usageError(QStringLiteral("unknown option ") + a, err);
        } else if (input.isEmpty()) {
            input = a;
        } else {
            return usageError(QStringLiteral("document takes one plan file"), err);
        }
    }
    if (input.isEmpty() || output.isEmpty())
        return usageError(QStringLiteral("document needs a plan file and -o OUT.docx or OUT.pdf"),
                          err);
    pdf = pdf || output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    const RunLanguage language(spanish);

    planfile::PlanReadResult r;
    if (const int failed = readPlanFile(input, r, err); failed != Ok)
        return failed;
    for (const QString& w : r.warnings)
        err << input << ": " << w << '\n';
    // Judged on the plan as saved: a title given here names the document, not a new version.
    extras.draft = planfile::approvalState(*r.plan) != planfile::ApprovalState::Approved;
    if (hasTitle)
        r.plan->Title = title;
    QString error;
    const bool written =
        pdf ? writePlanPdf(*r.plan, spanish, output, &error, extras)
            : plandocument::writePlanDocx(std::move(r.plan), spanish, QDateTime::currentDateTime(),
                                          output, &error, extras);
    if (!written) {
        err << "orvella-cli: " << error << '\n';
        return UsageOrIoError;
    }
    return Ok;
}

int documentCommand(const QStringList& args, Io& io) {
    return runDocumentCommand(args, io.out, io.err);
}

} // namespace orvella::cli
