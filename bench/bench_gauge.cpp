#include "bkcprog.h"
#include "roundclock.h"

#include <benchmark/benchmark.h>

namespace {

// One full redraw of the main round clock: radius 128, a full arc of 361 gradient spokes,
// ticks, needle and the shadowed seconds.
void RoundClockRepaint(benchmark::State& state) {
    bkCProg clock;
    clock.ReadProperties(roundClockDesign());
    clock.resize(284, 280);
    clock.UserControl_Resize();
    clock.setShowValue(true);
    clock.setValue(60);
    for (auto _ : state) {
        clock.Repaint();
        benchmark::DoNotOptimize(clock.surfaceImage().constBits());
    }
}
BENCHMARK(RoundClockRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
