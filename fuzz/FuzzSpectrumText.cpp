// The spectrum data text as typed or pasted into the data field: tokens, numbers, points, the
// chart's points and their order.

#include "FuzzSupport.h"

#include "records/NumberText.h"
#include "records/SpectrumText.h"

#include <QStringList>

#include <algorithm>

namespace {

// Every number that reads is written so that it reads back, and the written text is stable.
void CheckNumber(QStringView token) {
    const auto value = ReadNumber(token, QLatin1Char('.'));
    if (!value) return;
    const QString text = NumberText(*value, QLatin1Char('.'));
    const auto again = ReadNumber(text, QLatin1Char('.'));
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(NumberText(*again, QLatin1Char('.')) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(InputBytes(data, size));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        for (const QString& token : SpectrumLine(line)) {
            FUZZ_CHECK(!token.isEmpty());
            CheckNumber(token);
        }
    }
    RemoveBlankLines(lines);
    for (const bool lineSpectrum : {false, true}) {
        std::vector<double> x, y;
        ReadPoints(lines, lineSpectrum, x, y);
        FUZZ_CHECK(x.size() == y.size());
        FUZZ_CHECK(lineSpectrum || x.size() == std::size_t(lines.size()));

        // The points as the editor writes them back into the field read as themselves.
        const QStringList written = WritePoints(x, y);
        std::vector<double> x2, y2;
        ReadPoints(written, lineSpectrum, x2, y2);
        FUZZ_CHECK(WritePoints(x2, y2) == written);

        std::vector<PlotPoint> points = PlotPoints(lines, lineSpectrum);
        const std::size_t count = points.size();
        OrderPlotPoints(points);
        FUZZ_CHECK(points.size() == count);
        FUZZ_CHECK(std::is_sorted(points.begin(), points.end(),
                                  [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; }));
    }
    return 0;
}
