// The start-up check for a .docx handler against a crowded applications directory.
#include "platform/XdgMimeApps.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QString Docx =
    QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document");

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}

// 2000 unrelated applications and one writer, sorted last so a scan reads them all.
struct Tree {
    QTemporaryDir root;
    Tree(bool withCache) {
        const QString apps = root.filePath(QStringLiteral("share/applications"));
        QDir().mkpath(apps);
        QByteArray cache = "[MIME Cache]\n";
        for (int i = 0; i < 2000; ++i) {
            const QByteArray id = "app" + QByteArray::number(i).rightJustified(4, '0') + ".desktop";
            writeFile(apps + u'/' + QString::fromLatin1(id),
                      "[Desktop Entry]\nType=Application\nName=App\nComment=Something long "
                      "enough to look real\nExec=app %F\nIcon=app\nCategories=Utility;\n"
                      "MimeType=text/x-app" +
                          QByteArray::number(i) + ";\n");
            cache += "text/x-app" + QByteArray::number(i) + "=" + id + ";\n";
        }
        writeFile(apps + QStringLiteral("/zz-writer.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Writer\nExec=writer %U\nMimeType=" +
                      Docx.toUtf8() + ";\n");
        cache += Docx.toUtf8() + "=zz-writer.desktop;\n";
        if (withCache)
            writeFile(apps + QStringLiteral("/mimeinfo.cache"), cache);
        qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", root.filePath(QStringLiteral("etc")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", root.filePath(QStringLiteral("share")).toLocal8Bit());
    }
};

void runLookup(benchmark::State& state, bool withCache) {
    Tree tree(withCache);
    for (auto _ : state) {
        const QString id = orvella::platform::XdgMimeApps().defaultApplication(Docx);
        if (id != QLatin1String("zz-writer.desktop"))
            state.SkipWithError("writer not found");
        benchmark::DoNotOptimize(id);
    }
}

void BM_DocxHandlerFromCache(benchmark::State& state) {
    runLookup(state, true);
}
void BM_DocxHandlerByScanning(benchmark::State& state) {
    runLookup(state, false);
}
} // namespace

BENCHMARK(BM_DocxHandlerFromCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocxHandlerByScanning)->Unit(benchmark::kMillisecond);
