#include "cli/Commands.h"
#include <QFile>
#include <QFileInfo>

namespace orvella::cli {

bool isHelp(const QStringList& args) {
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

void printUsage(const Command& command, QTextStream& to) {
    to << "Usage: orvella-cli " << command.usage << "\n  " << command.summary << '\n';
}

int usageError(const Command& command, const QString& why, QTextStream& err) {
    err << "orvella-cli: " << why << '\n';
    printUsage(command, err);
    return UsageOrIoError;
}

namespace {

// Reads a whole file; on failure writes the reason to `err`.
bool readFile(const QString& path, QByteArray& bytes, QTextStream& err) {
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        err << "orvella-cli: cannot read " << path << ": it is a folder\n";
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        err << "orvella-cli: cannot read " << path << ": " << file.errorString() << '\n';
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err << "orvella-cli: cannot read " << path << ": " << file.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int readPlanFile(const QString& path, planfile::PlanReadResult& result, QTextStream& err) {
    QByteArray bytes;
    if (!readFile(path, bytes, err))
        return UsageOrIoError;
    result = planfile::readPlan(bytes);
    if (!result.isPlan) {
        err << path << " is not a HACCP Plan\n";
        return NotAPlan;
    }
    return Ok;
}

} // namespace orvella::cli
