// Writes the plan files that bench/document-speed feeds to orvella-cli: the largest plan the
// program is built for and a typical field plan.
#include "SamplePlans.h"
#include "planfile/PlanWriter.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace orvella;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: orvella_bench_plans OUTDIR\n";
        return 2;
    }
    const QDir dir(args[1]);
    dir.mkpath(QStringLiteral("."));
    const std::pair<const char*, std::shared_ptr<model::HACCP_Plan>> plans[] = {
        {"largest.xml", samples::makeLargestPlan()},
        {"typical.xml", samples::makePlan(3, 5, 2, 6)},
    };
    for (const auto& [name, plan] : plans) {
        QFile f(dir.filePath(QLatin1String(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(planfile::writePlan(*plan)) < 0) {
            QTextStream(stderr) << f.fileName() << ": " << f.errorString() << "\n";
            return 1;
        }
    }
    return 0;
}
