#include "analysis/PlanGaps.h"
#include "cli/Commands.h"
#include "planfile/PlanApproval.h"
#include "planfile/PlanJson.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvella::cli {

using namespace planfile;

const Command kCheck{"check", "check [--json] [--strict] [--today YYYY-MM-DD] PLAN",
                     "summarise a plan file and list what it still lacks", &checkCommand};

namespace {

using analysis::PlanGap;

void printSummary(const PlanReadResult& r, const QList<PlanGap>& gaps, QTextStream& out) {
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
    row("CCPs:", QString::number(plan.CCPs().count()));
    if (orvella::model::isAnalysisComplete(plan))
        row("Analysis:", QStringLiteral("completed ") + plan.AnalysisStatus);
    else
        row("Analysis:", QStringLiteral("incomplete"));
    if (const QString approval =
            analysis::approvalSummary(plan, approvalState(plan) == ApprovalState::Changed);
        !approval.isEmpty())
        row("Approval:", approval);
    for (const QString& w : r.warnings)
        row("Warning:", w);
    if (gaps.isEmpty())
        row("Gaps:", QStringLiteral("none, the plan is complete"));
    for (const PlanGap& g : gaps)
        row("Gap:", QStringLiteral("step %1: %2").arg(QString::number(g.step), g.text));
}

// The plan's JSON with a last member "gaps": [{"step": 2, "text": "..."}].
QByteArray withGaps(QByteArray json, const QList<PlanGap>& gaps) {
    QJsonArray list;
    for (const PlanGap& g : gaps)
        list.append(
            QJsonObject{{QStringLiteral("step"), g.step}, {QStringLiteral("text"), g.text}});
    json.insert(json.lastIndexOf("\n}"),
                ",\n  \"gaps\": " + QJsonDocument(list).toJson(QJsonDocument::Compact));
    return json;
}

int usageError(const QString& why, Io& io) {
    return cli::usageError(kCheck, why, io.err);
}

} // namespace

int checkCommand(const QStringList& args, Io& io) {
    bool json = false, strict = false;
    QStringList files;
    analysis::GapFacts facts;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--today")) {
            facts.today = i + 1 < args.size() ? orvella::model::storedDate(args[++i]) : QDate();
            if (!facts.today.isValid())
                return usageError(QStringLiteral("--today needs a date as YYYY-MM-DD"), io);
        } else if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--strict")) {
            strict = true;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            return usageError(QStringLiteral("unknown option ") + a, io);
        } else {
            files << a;
        }
    }
    if (files.size() != 1)
        return usageError(QStringLiteral("check needs exactly one plan file"), io);
    PlanReadResult r;
    if (const int failed = readPlanFile(files[0], r, io.err); failed != Ok)
        return failed;
    // A plan just read has no submits after its analysis.
    facts.changedSinceApproval = approvalState(*r.plan) == ApprovalState::Changed;
    const QList<PlanGap> gaps = analysis::planGaps(*r.plan, facts);
    if (json)
        io.out << QString::fromUtf8(withGaps(planToJson(*r.plan, r.warnings), gaps));
    else
        printSummary(r, gaps, io.out);
    return strict && !gaps.isEmpty() ? Incomplete : Ok;
}

} // namespace orvella::cli
