#include "cli/Cli.h"
#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvella-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVELLA_VERSION));

    QFile outFile, errFile;
    (void)outFile.open(stdout, QIODevice::WriteOnly);
    (void)errFile.open(stderr, QIODevice::WriteOnly);
    QTextStream out(&outFile), err(&errFile);
    orvella::cli::Io io{out, err};

    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return orvella::cli::run(args, io);
}
