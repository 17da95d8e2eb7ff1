#include "bkcprog.h"
#include "roundclock.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// One full repaint of the main round clock, as a tick asks for it: radius 128, a full arc of 361
// gradient spokes, ticks, needle and the shadowed seconds. Repaint() marks the drawing out of
// date; render() paints the clock, which draws it again and shows it. At the screen's device
// pixel ratio (QT_SCALE_FACTOR=2: four times the pixels).
void RoundClockRepaint(benchmark::State& state) {
    bkCProg clock;
    clock.ReadProperties(roundClockDesign());
    clock.resize(284, 280);
    clock.UserControl_Resize();
    clock.setShowValue(true);
    clock.setValue(60);
    const qreal ratio = clock.devicePixelRatioF();
    QImage shown(clock.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    shown.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        clock.Repaint();
        clock.render(&shown);
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(RoundClockRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
