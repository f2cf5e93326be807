// The editor's heavy paths in the real window, offscreen, with the widgets bound to the models:
//
//   show       ShowSpectrum of one spectrum, until the data field's widget holds its lines
//   commit     CommitSpectrum of that spectrum back from the data field        (each < 200 ms)
//   load       LoadSpecies of a file of 20 spectra, its first one shown        (< 1 s)
//   plot       PlotSpectrum of the data field's text with one replot of the chart,
//              ascending and descending, curve and line spectrum               (each < 100 ms)
//
//   build/bench/editor_bench [points] [repetitions]
//
// Every case prints the median and the fastest run of the wall-clock time and of the main
// thread's processor time. The machines this runs on are shared, and other builds stretch the
// wall-clock time by whatever they take; everything measured here runs on the main thread, so
// its processor time is what the user waits for on a machine of its own, and the targets are
// judged on it. Exits with 1 when a median misses its target.

#include "documents/Documents.h"
#include "editor/Platform.h"
#include "editor/TFMain.h"
#include "ui/ChartView.h"
#include "ui/WMain.h"
#include "SpectrumTextData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Nothing here asks, chooses or downloads; a question or an error would mean the measured path
// went somewhere else than intended, so both are printed.
class BenchPlatform : public Platform {
public:
    bool Confirm(const QString& question) override {
        std::fprintf(stderr, "unexpected question: %s\n", qPrintable(question));
        return true;
    }
    void ShowError(const QString& message) override { std::fprintf(stderr, "error: %s\n", qPrintable(message)); }
    bool RunOpenDialog(TFileDialog&) override { return false; }
    bool RunSaveDialog(TFileDialog&) override { return false; }
    bool HasClipboard() override { return false; }
    ClipboardValue ReadClipboard() override { return {}; }
    void WriteClipboardText(const QString&) override {}
    QByteArray HttpGet(const QUrl&) override { return {}; }
    QString Today() override { return QStringLiteral("2026-01-15"); }
    int ShowModal(TFCreate&) override { return 2; }
};

// A photoelectron band on a slowly decaying background, with a little ripple so that the
// numbers have their full length.
TSpectrum BenchSpectrum(int points, int seed) {
    TSpectrum spectrum;
    spectrum.Title = QStringLiteral("Threshold photoelectron spectrum %1").arg(seed + 1);
    spectrum.Uploader = QStringLiteral("Bench");
    spectrum.CreatedDate = QStringLiteral("2026-01-15");
    spectrum.XData.resize(points);
    spectrum.YData.resize(points);
    for (int i = 0; i < points; ++i) {
        const double x = 8 + i * 0.0002 + seed * 0.01;
        spectrum.XData[i] = std::round(x * 1e4) / 1e4;
        spectrum.YData[i] = 1000 * (1 + std::sin(i * 0.01 + seed)) * std::exp(-i * 0.00002) + 0.123456;
    }
    return spectrum;
}

QString DataText(int lines, bool descending) {
    return SpectrumTextLines(lines, descending).join(QStringLiteral("\r\n"));
}

double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The wall-clock and processor time of one run.
struct Time {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() : cpuStart_(ThreadMs()) { wall_.start(); }
    Time Elapsed() const { return {double(wall_.nsecsElapsed()) / 1e6, ThreadMs() - cpuStart_}; }

private:
    QElapsedTimer wall_;
    double cpuStart_;
};

double Median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

struct Outcome {
    bool allMet = true;
    void Report(const char* name, const std::vector<Time>& runs, double targetMs) {
        std::vector<double> wall, cpu;
        for (const Time& run : runs) {
            wall.push_back(run.wall);
            cpu.push_back(run.cpu);
        }
        const double median = Median(cpu);
        const bool met = median < targetMs;
        allMet = allMet && met;
        std::printf("%-34s %9.1f %9.1f %9.1f %9.1f %7.0f %s\n", name, Median(wall),
                    *std::min_element(wall.begin(), wall.end()), median, *std::min_element(cpu.begin(), cpu.end()),
                    targetMs, met ? "" : "OVER TARGET");
        std::fflush(stdout);
    }
};

class Bench {
public:
    Bench() : form_(platform_), window_(form_) {
        window_.show();
        QCoreApplication::processEvents();
        memo_ = static_cast<QPlainTextEdit*>(window_.WidgetOf(form_.Memo4));
        chart_ = static_cast<ChartView*>(window_.WidgetOf(form_.Chart1));
    }

    TFMain& Form() { return form_; }

    // Runs `work` and lets the window catch up until the data field's widget holds the
    // field's lines, as the user would see them.
    Time Timed(const std::function<void()>& work) {
        const Stopwatch clock;
        work();
        while (!WidgetShowsField()) QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const Time time = clock.Elapsed();
        Quiet();
        return time;
    }

    // The chart's rebuild as the timer runs it, with the drawing it queues done at once.
    Time TimedPlot() {
        const Stopwatch clock;
        form_.PlotSpectrum();
        chart_->replot(QCustomPlot::rpImmediateRefresh);
        return clock.Elapsed();
    }

    // Same number of lines and same first line: the runs alternate between spectra whose
    // first lines differ.
    bool WidgetShowsField() const {
        const QStringList& lines = form_.Memo4.Lines();
        return memo_->blockCount() == std::max<qsizetype>(1, lines.size()) &&
               memo_->document()->firstBlock().text() == lines.value(0);
    }

    int ChartPoints() const { return chart_->graph(0)->dataCount(); }

    // A change of the data field starts the chart's one-second wait; the runs measure the
    // rebuild on its own, so the wait must not end inside a later run.
    void Quiet() { form_.Timer1.SetEnabled(false); }

private:
    BenchPlatform platform_;
    TFMain form_;
    WMain window_;
    QPlainTextEdit* memo_ = nullptr;
    ChartView* chart_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int points = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    constexpr int kLoadSpectra = 20;

    Bench bench;
    TFMain& form = bench.Form();
    Outcome outcome;
    std::printf("%d points, %d runs each; wall-clock and main-thread processor time in ms\n", points, repetitions);
    std::printf("%-34s %9s %9s %9s %9s %7s\n", "case", "wall med", "wall min", "cpu med", "cpu min", "target");

    // Showing and committing: every show starts from another spectrum's text, so that each
    // one really replaces the field's lines.
    const TSpectrum spectra[2] = {BenchSpectrum(points, 0), BenchSpectrum(points, 1)};
    std::vector<Time> show, commit;
    for (int r = 0; r < repetitions; ++r) {
        show.push_back(bench.Timed([&] { form.ShowSpectrum(spectra[r % 2]); }));
        commit.push_back(bench.Timed([&] { form.CommitSpectrum(); }));
    }
    outcome.Report("ShowSpectrum", show, 200);
    outcome.Report("CommitSpectrum", commit, 200);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("species.json"));
    {
        TSpeciesEntry entry;
        entry.Species.Name = QStringLiteral("Benzene");
        entry.Species.Formula = QStringLiteral("C6H6");
        entry.Species.Mass = 78.11;
        for (int s = 0; s < kLoadSpectra; ++s) entry.Spectra.push_back(BenchSpectrum(points, s));
        WriteSpeciesFile(file, entry);
    }
    std::vector<Time> load;
    for (int r = 0; r < repetitions; ++r) {
        // From another spectrum's text, as when a file is opened over earlier work.
        bench.Timed([&] { form.ShowSpectrum(spectra[1]); });
        load.push_back(bench.Timed([&] { form.LoadSpecies(file); }));
    }
    if (form.Data.at(form.FISpecies).Spectra.size() != std::size_t(kLoadSpectra))
        std::fprintf(stderr, "the species file did not load\n");
    outcome.Report("LoadSpecies (20 spectra)", load, 1000);

    for (const bool descending : {false, true}) {
        form.Memo4.SetText(DataText(points, descending));
        for (const bool lineSpectrum : {false, true}) {
            form.CheckBox1.SetChecked(lineSpectrum);
            bench.Quiet();
            std::vector<Time> plot;
            for (int r = 0; r < repetitions; ++r) plot.push_back(bench.TimedPlot());
            if (bench.ChartPoints() != (lineSpectrum ? 3 : 1) * points)
                std::fprintf(stderr, "the chart holds %d points\n", bench.ChartPoints());
            char name[64];
            std::snprintf(name, sizeof name, "PlotSpectrum %s, %s", descending ? "descending" : "ascending",
                          lineSpectrum ? "line" : "curve");
            outcome.Report(name, plot, 100);
        }
    }
    return outcome.allMet ? 0 : 1;
}
