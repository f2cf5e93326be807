#pragma once

#include "Records.h"

#include <QStringList>
#include <QStringView>

#include <vector>

// Splits one line of the spectrum data text into tokens. Separators are TAB, space, comma,
// semicolon, CR and LF; runs of separators never give empty tokens; a single or double quote
// opens a stretch, closed by the same quote, in which separators do not split (the quotes stay
// in the token).
QStringList SpectrumLine(QStringView line);

// Deletes, in place, every line that holds nothing above the space character.
// Returns whether a line was deleted.
bool RemoveBlankLines(QStringList& lines);

// The points of the data text (blank lines already removed) into XData/YData. A line that
// is not exactly two tokens gives (NO_VALUE, NO_VALUE); a line spectrum drops points of
// intensity exactly 0. The text always uses "." as decimal mark, whatever the user's
// separator, because the comma also separates tokens.
void ReadPoints(const QStringList& lines, bool lineSpectrum, std::vector<double>& xData,
                std::vector<double>& yData);

// One "x, y" line per point, "." as decimal mark, NO_VALUE as -1.
QStringList WritePoints(const std::vector<double>& xData, const std::vector<double>& yData);

struct PlotPoint {
    double x;
    double y;
    bool operator==(const PlotPoint&) const = default;
};

// The points the chart draws for the data text as it stands, in line order: lines of exactly
// two tokens whose x reads greater than -1; an unreadable y is -1. With `lineSpectrum` each
// line gives the stick (x, 0), (x, y), (x, 0).
std::vector<PlotPoint> PlotPoints(const QStringList& lines, bool lineSpectrum);

// The chart's point order: ascending x, points of equal x in the order given (so the sticks
// of a line spectrum stay intact). Stable, O(n log n).
void OrderPlotPoints(std::vector<PlotPoint>& points);
