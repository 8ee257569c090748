// Building and packaging the plan document: the largest plan must stay under 50 ms and a
// typical plan under 5 ms.
#include "SamplePlans.h"
#include "docx/DocxWriter.h"
#include "plandocument/PlanDocumentBuilder.h"
#include "plandocument/PlanDocx.h"
#include <benchmark/benchmark.h>

using namespace orvella;

namespace {

const QDateTime benchNow(QDate(2026, 12, 7), QTime(15, 4, 5), Qt::UTC);

void buildAndWrite(benchmark::State& state, const model::HACCP_Plan& plan) {
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray docx = plandocument::buildPlanDocx(plan, state.range(0) != 0, benchNow);
        bytes = docx.size();
        benchmark::DoNotOptimize(docx.constData());
    }
    state.counters["docx_bytes"] = double(bytes);
}

void BM_DocumentLargestPlan(benchmark::State& state) {
    static const auto plan = samples::makeLargestPlan();
    buildAndWrite(state, *plan);
}
BENCHMARK(BM_DocumentLargestPlan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DocumentTypicalPlan(benchmark::State& state) {
    static const auto plan = samples::makeTypicalPlan();
    buildAndWrite(state, *plan);
}
BENCHMARK(BM_DocumentTypicalPlan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The two halves of the largest plan, to see where the time goes.
void BM_DocumentLargestBuildOnly(benchmark::State& state) {
    static const auto plan = samples::makeLargestPlan();
    for (auto _ : state) {
        docx::Document d = plandocument::PlanDocumentBuilder(*plan, false, benchNow).build();
        benchmark::DoNotOptimize(d.sections.size());
    }
}
BENCHMARK(BM_DocumentLargestBuildOnly)->Unit(benchmark::kMillisecond);

void BM_DocumentLargestWriteOnly(benchmark::State& state) {
    static const auto plan = samples::makeLargestPlan();
    static const docx::Document d =
        plandocument::PlanDocumentBuilder(*plan, false, benchNow).build();
    for (auto _ : state) {
        const QByteArray docx = docx::DocxWriter::toBytes(d);
        benchmark::DoNotOptimize(docx.constData());
    }
}
BENCHMARK(BM_DocumentLargestWriteOnly)->Unit(benchmark::kMillisecond);

} // namespace
