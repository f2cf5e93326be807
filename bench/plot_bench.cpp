// Rebuilding the chart from a long spectrum text: reading the plot points, putting them in
// chart order and refilling and drawing the chart, as the editor does one second after the
// last change of the data field. Target: under 100 ms for 100,000 lines in either order.
//
//   build/bench/plot_bench [lines] [repetitions]

#include "records/SpectrumText.h"
#include "ui/ChartView.h"
#include "SpectrumTextData.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kTargetMs = 100;


double Ms(qint64 ns) { return double(ns) / 1e6; }

struct Timing {
    double read = 0, order = 0, fill = 0, draw = 0;
    double Total() const { return read + order + fill + draw; }
};

Timing RebuildOnce(ChartView& view, const QStringList& text, bool lineSpectrum) {
    Timing t;
    QElapsedTimer clock;
    clock.start();
    std::vector<PlotPoint> points = PlotPoints(text, lineSpectrum);
    t.read = Ms(clock.nsecsElapsed());
    clock.restart();
    OrderPlotPoints(points);
    t.order = Ms(clock.nsecsElapsed());
    clock.restart();
    view.SetPoints(points);
    t.fill = Ms(clock.nsecsElapsed());
    clock.restart();
    view.replot(QCustomPlot::rpImmediateRefresh);
    t.draw = Ms(clock.nsecsElapsed());
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    ChartView view;
    view.resize(666, 201);
    view.show();
    QCoreApplication::processEvents();

    std::printf("chart rebuild of %d lines, %d runs each, median (min) in ms; target < %.0f ms\n", lines,
                repetitions, kTargetMs);
    std::printf("%-22s %8s %8s %8s %8s %16s\n", "case", "read", "order", "fill", "draw", "total");
    bool allMet = true;
    for (const bool descending : {false, true}) {
        const QStringList text = SpectrumTextLines(lines, descending);
        for (const bool lineSpectrum : {false, true}) {
            std::vector<Timing> runs;
            for (int r = 0; r < repetitions; ++r) {
                view.SetPoints({});  // every run starts from an emptied chart, as after a change
                runs.push_back(RebuildOnce(view, text, lineSpectrum));
            }
            std::sort(runs.begin(), runs.end(), [](const Timing& a, const Timing& b) { return a.Total() < b.Total(); });
            const Timing& median = runs[runs.size() / 2];
            const bool met = median.Total() < kTargetMs;
            allMet = allMet && met;
            char name[64];
            std::snprintf(name, sizeof name, "%s, %s", descending ? "descending" : "ascending",
                          lineSpectrum ? "line" : "curve");
            std::printf("%-22s %8.2f %8.2f %8.2f %8.2f %7.2f (%6.2f) %s\n", name, median.read, median.order,
                        median.fill, median.draw, median.Total(), runs.front().Total(), met ? "" : "OVER TARGET");
        }
    }
    return allMet ? 0 : 1;
}
