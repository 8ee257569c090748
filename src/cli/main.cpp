#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "orvella-cli " ORVELLA_VERSION "\n";
    return 0;
}
