// Times the stepwise angle scan against the fast scan and the whole solver on
// the inputs that cost the scan most: the two run-outs and a quarter circle.
#include "app/message_box.h"
#include "core/angle_search.h"
#include "core/bend_solver.h"
#include "support/stepwise_angle_scan.h"

#include <benchmark/benchmark.h>

namespace {

struct SilentOwner : MessageOwner {
    int MessageBox(const std::string&, const std::string&, int) override { return MessageResult::Ok; }
};

struct SearchInput {
    AngleSearchKind kind;
    double hc;
    double other;
};

const SearchInput kInputs[] = {
    {AngleSearchKind::Chord, 1000, 1100},  // arc 1000, chord 1100: runs out
    {AngleSearchKind::Rise, 100, 50},      // arc 100, rise 50: runs out
    {AngleSearchKind::Chord, 1000, 900},   // arc 1000, chord 900: stops near 90 degrees
};

void StepwiseScan(benchmark::State& state)
{
    const SearchInput& in = kInputs[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanAngleStepwise(in.kind, in.hc, in.other));
}

void FastScan(benchmark::State& state)
{
    const SearchInput& in = kInputs[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanAngle(in.kind, in.hc, in.other));
}

void SolveBendCall(benchmark::State& state)
{
    const SearchInput& in = kInputs[state.range(0)];
    SilentOwner owner;
    for (auto _ : state) {
        BendValues values;
        values.hc = in.hc;
        if (in.kind == AngleSearchKind::Chord)
            values.xc = in.other;
        else
            values.gg = in.other;
        try {
            SolveBend(values, owner);
        } catch (const std::exception&) {
            // the run-outs end with the calculation-error abandonment
        }
        benchmark::DoNotOptimize(values);
    }
}

} // namespace

BENCHMARK(StepwiseScan)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(FastScan)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(SolveBendCall)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
