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

QString notAPlanMessage(const QString& path) {
    return path + QStringLiteral(" is not a HACCP Plan");
}

} // namespace orvella::cli
