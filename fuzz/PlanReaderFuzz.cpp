// Feeds arbitrary bytes to the plan reader. Besides crashes, hangs and leaks it checks that a
// plan, once written, reads back to the same bytes when written again.
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include <cstdio>
#include <cstdlib>

using namespace orvella::planfile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const PlanReadResult first = readPlan(bytes, 7);
    if (!first.plan)
        std::abort();
    if (!first.isPlan)
        return 0;
    if (first.hazardKeyCounter != 7 + first.plan->PotentialHazards.count())
        std::abort();

    const QByteArray written = writePlan(*first.plan);
    const PlanReadResult second = readPlan(written);
    if (!second.isPlan || !second.warnings.isEmpty() || writePlan(*second.plan) != written) {
        std::fprintf(stderr, "plan did not survive a second save\n");
        std::abort();
    }
    return 0;
}
