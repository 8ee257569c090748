// Runs a fuzz target once on every file of the folders given: the corpus in the repository
// replayed as an ordinary test. A failed check aborts, naming the file first.
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir dir(QString::fromLocal8Bit(argv[i]));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(info.filePath());
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(info.filePath()));
                return 1;
            }
            // A buffer of exactly the file's size, as libFuzzer gives: a QByteArray's hidden
            // terminator would hide a read past the end from the sanitizers.
            const QByteArray bytes = f.readAll();
            const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
            std::fprintf(stderr, "%s\n", qPrintable(info.filePath()));
            LLVMFuzzerTestOneInput(exact.data(), exact.size());
            ++files;
        }
    }
    std::printf("%d inputs replayed\n", files);
    return files > 0 ? 0 : 1;
}
