#include "cli/Commands.h"
#include "planfile/PlanJson.h"

namespace orvella::cli {

using namespace planfile;

const Command kCheck{"check", "check [--json] PLAN",
                     "read a plan file and summarise it (or print it as JSON)", &checkCommand};

namespace {

void printSummary(const PlanReadResult& r, QTextStream& out) {
    const auto& plan = *r.plan;
    int taskHazards = 0;
    for (const auto& task : plan.Tasks)
        taskHazards += task->TSHazards.count();
    auto row = [&](const char* label, const QString& value) {
        out << QString::fromLatin1(label).leftJustified(14) << value << '\n';
    };
    row("Title:", plan.Title);
    row("Facility:", plan.Facility);
    row("Hazards:", QString::number(plan.PotentialHazards.count()));
    row("Tasks:", QString::number(plan.Tasks.count()));
    row("Task hazards:", QString::number(taskHazards));
    row("CCPs:", QString::number(plan.CCPs.count()));
    if (orvella::model::isAnalysisComplete(plan))
        row("Analysis:", QStringLiteral("completed ") + plan.AnalysisStatus);
    else
        row("Analysis:", QStringLiteral("incomplete"));
    for (const QString& w : r.warnings)
        row("Warning:", w);
}

int usageError(const QString& why, Io& io) {
    return cli::usageError(kCheck, why, io.err);
}

} // namespace

int checkCommand(const QStringList& args, Io& io) {
    bool json = false;
    QStringList files;
    for (const QString& a : args) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (a.startsWith(u'-') && a.size() > 1)
            return usageError(QStringLiteral("unknown option ") + a, io);
        else
            files << a;
    }
    if (files.size() != 1)
        return usageError(QStringLiteral("check needs exactly one plan file"), io);
    PlanReadResult r;
    if (const int failed = readPlanFile(files[0], r, io.err); failed != Ok)
        return failed;
    if (json) {
        io.out << QString::fromUtf8(planToJson(*r.plan, r.warnings));
    } else {
        printSummary(r, io.out);
    }
    return Ok;
}

} // namespace orvella::cli
