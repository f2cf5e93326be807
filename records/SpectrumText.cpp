#include "SpectrumText.h"

#include "NumberText.h"

#include <algorithm>

namespace {

bool IsSeparator(QChar c) {
    const char16_t u = c.unicode();
    return u == u'\t' || u == u' ' || u == u',' || u == u';' || u == u'\r' || u == u'\n';
}

// Calls `take` with each token of the line; stops early when `take` returns false.
template <typename Take>
void ForEachToken(QStringView line, Take take) {
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && IsSeparator(line[i])) ++i;
        if (i >= n) break;
        const qsizetype start = i;
        char16_t quote = 0;
        while (i < n) {
            const char16_t c = line[i].unicode();
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (IsSeparator(line[i])) {
                break;
            }
            ++i;
        }
        if (!take(line.sliced(start, i - start))) return;
    }
}

// The first two tokens of a line and whether there are exactly two.
bool TwoTokens(QStringView line, QStringView& first, QStringView& second) {
    int count = 0;
    ForEachToken(line, [&](QStringView token) {
        if (count == 0) first = token;
        if (count == 1) second = token;
        return ++count <= 2;
    });
    return count == 2;
}

double ReadPointNumber(QStringView token) {
    const auto value = ReadNumber(token, QLatin1Char('.'));
    return value ? *value : NO_VALUE;
}

}  // namespace

QStringList SpectrumLine(QStringView line) {
    QStringList tokens;
    ForEachToken(line, [&](QStringView token) {
        tokens.append(token.toString());
        return true;
    });
    return tokens;
}

bool RemoveBlankLines(QStringList& lines) {
    const auto blank = [](const QString& line) {
        return std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() <= u' '; });
    };
    return lines.removeIf(blank) > 0;
}

void ReadPoints(const QStringList& lines, bool lineSpectrum, std::vector<double>& xData,
                std::vector<double>& yData) {
    const std::size_t n = lines.size();
    xData.assign(n, 0);
    yData.assign(n, 0);
    std::size_t kept = 0;
    for (const QString& line : lines) {
        QStringView first, second;
        if (TwoTokens(line, first, second)) {
            xData[kept] = ReadPointNumber(first);
            yData[kept] = ReadPointNumber(second);
        } else {
            xData[kept] = NO_VALUE;
            yData[kept] = NO_VALUE;
        }
        if (!(lineSpectrum && yData[kept] == 0)) ++kept;
    }
    if (lineSpectrum) {
        xData.resize(kept);
        yData.resize(kept);
    }
}

QStringList WritePoints(const std::vector<double>& xData, const std::vector<double>& yData) {
    QStringList lines;
    const std::size_t n = std::min(xData.size(), yData.size());
    lines.reserve(n);
    // One string per line and none per number: a spectrum has a hundred thousand lines and more.
    QChar line[2 * kNumberCharsCapacity + 2];
    for (std::size_t i = 0; i < n; ++i) {
        QChar* end = WriteNumberChars(line, xData[i], QLatin1Char('.'));
        *end++ = QLatin1Char(',');
        *end++ = QLatin1Char(' ');
        end = WriteNumberChars(end, yData[i], QLatin1Char('.'));
        lines.append(QString(line, end - line));
    }
    return lines;
}

std::vector<PlotPoint> PlotPoints(const QStringList& lines, bool lineSpectrum) {
    std::vector<PlotPoint> points;
    points.reserve(lineSpectrum ? 3 * lines.size() : lines.size());
    for (const QString& line : lines) {
        QStringView first, second;
        if (!TwoTokens(line, first, second)) continue;
        const double x = ReadPointNumber(first);
        if (!(x > NO_VALUE)) continue;
        const double y = ReadPointNumber(second);
        if (lineSpectrum) {
            points.push_back({x, 0});
            points.push_back({x, y});
            points.push_back({x, 0});
        } else {
            points.push_back({x, y});
        }
    }
    return points;
}

void OrderPlotPoints(std::vector<PlotPoint>& points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; });
}
