// Plan file speed: the largest plan written and read back, and 50 MB of damaged file read.
//
// The peak-memory counters come from the process's high-water mark (getrusage), so they only
// mean something when the benchmark runs alone in a fresh process:
//   orvella_bench --benchmark_filter=ReadGarbage/random
#include "SamplePlans.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include <QFile>
#include <benchmark/benchmark.h>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

using namespace orvella::planfile;

namespace {

double currentRssBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

double peakRssBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024.0;
}

enum class Garbage { RandomBytes, AsciiLines, InsideDescription };

// About 50 MB behind a valid first line, in lines of 0 to 200 bytes.
QByteArray garbageFile(Garbage kind) {
    constexpr qsizetype kSize = 50 * 1000 * 1000;
    QByteArray b;
    b.reserve(kSize + 64);
    b += "<?xml version=\"1.0\"?>\r\n<HACCP>\r\n";
    if (kind == Garbage::InsideDescription)
        b += "<ProjectDescription>\r\n";
    std::mt19937_64 rng(42);
    while (b.size() < kSize) {
        const int len = int(rng() % 200);
        for (int i = 0; i < len; ++i) {
            char c = char(rng());
            if (kind != Garbage::RandomBytes)
                c = char(' ' + (quint8(c) % 95));
            else if (c == '\r' || c == '\n')
                c = 'x';
            b += c;
        }
        b += (rng() % 3) ? "\r\n" : "\n";
    }
    return b;
}

void BM_WriteLargestPlan(benchmark::State& state) {
    const auto plan = samples::makeLargestPlan();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray out = writePlan(*plan);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_WriteLargestPlan)->Unit(benchmark::kMillisecond);

void BM_ReadLargestPlan(benchmark::State& state) {
    const QByteArray file = writePlan(*samples::makeLargestPlan());
    for (auto _ : state) {
        const PlanReadResult r = readPlan(file);
        if (r.plan->Tasks.count() != 10 || r.plan->CCPs().count() != 100)
            state.SkipWithError("the largest plan did not read back");
        benchmark::DoNotOptimize(r.plan.get());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadLargestPlan)->Unit(benchmark::kMillisecond);

void BM_ReadGarbage(benchmark::State& state) {
    const auto kind = Garbage(state.range(0));
    const double before = currentRssBytes();
    const QByteArray file = garbageFile(kind);
    for (auto _ : state) {
        const PlanReadResult r = readPlan(file);
        benchmark::DoNotOptimize(r.plan.get());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    // Peak growth of the whole process over the file's own size: the file itself counts as 1.
    state.counters["peak_x_file"] = (peakRssBytes() - before) / double(file.size());
}
BENCHMARK(BM_ReadGarbage)
    ->ArgName("random")
    ->Arg(int(Garbage::RandomBytes))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGarbage)
    ->ArgName("ascii")
    ->Arg(int(Garbage::AsciiLines))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGarbage)
    ->ArgName("description")
    ->Arg(int(Garbage::InsideDescription))
    ->Unit(benchmark::kMillisecond);

} // namespace
