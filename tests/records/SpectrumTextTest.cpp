#include "records/NumberText.h"
#include "records/SpectrumText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList result;
    for (const char* line : lines) result.append(QString::fromUtf8(line));
    return result;
}

TEST(SpectrumText, Tokenizer) {
    const std::pair<const char*, QStringList> cases[] = {
        {"12.5\t0.3", {"12.5", "0.3"}},
        {"12.5 0.3", {"12.5", "0.3"}},
        {"12.5,0.3", {"12.5", "0.3"}},
        {"12.5; 0.3", {"12.5", "0.3"}},
        {"  12.5 ,  0.3", {"12.5", "0.3"}},
        {"1,,;\t 2\r\n", {"1", "2"}},
        {"", {}},
        {" ,;\t", {}},
        {"\"a b\" 'c,d'", {"\"a b\"", "'c,d'"}},
        {"x\"y z\"w 5", {"x\"y z\"w", "5"}},
        {"'unclosed a b", {"'unclosed a b"}},
        {"1 2 3", {"1", "2", "3"}},
    };
    for (const auto& [line, tokens] : cases) EXPECT_EQ(SpectrumLine(QString::fromUtf8(line)), tokens) << line;
}

TEST(SpectrumText, RemoveBlankLines) {
    QStringList lines = Lines({"", "1 2", "  ", "\t", "3 4", " \r"});
    EXPECT_TRUE(RemoveBlankLines(lines));
    EXPECT_EQ(lines, Lines({"1 2", "3 4"}));
    EXPECT_FALSE(RemoveBlankLines(lines));
}

struct PointsCase {
    const char* name;
    QStringList lines;
    bool lineSpectrum;
    std::vector<double> x, y;
};

TEST(SpectrumText, ReadPoints) {
    const PointsCase cases[] = {
        {"separators", Lines({"12.5\t0.3", "12.5 0.3", "12.5,0.3", "12.5; 0.3", "  12.5 ,  0.3"}), false,
         {12.5, 12.5, 12.5, 12.5, 12.5}, {0.3, 0.3, 0.3, 0.3, 0.3}},
        {"three numbers", Lines({"1 2 3", "4 5"}), false, {-1, 4}, {-1, 5}},
        {"single number", Lines({"7"}), false, {-1}, {-1}},
        {"unparsable token", Lines({"10 abc", "x 2"}), false, {10, -1}, {-1, 2}},
        {"x of -1 kept for a curve", Lines({"-1 4"}), false, {-1}, {4}},
        {"line spectrum drops zeros", Lines({"10, 0", "11, 5", "12, 0"}), true, {11}, {5}},
        {"line spectrum keeps malformed", Lines({"10 0", "junk", "12 -0"}), true, {-1}, {-1}},
        {"curve keeps zeros", Lines({"10, 0", "11, 5"}), false, {10, 11}, {0, 5}},
        {"empty", {}, true, {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<double> x{99}, y{99};
        ReadPoints(c.lines, c.lineSpectrum, x, y);
        EXPECT_EQ(x, c.x) << c.name;
        EXPECT_EQ(y, c.y) << c.name;
    }
}

TEST(SpectrumText, WritePoints) {
    EXPECT_EQ(WritePoints({12.5, -1, 1e-5}, {0.3, -1, 2.0 / 3}),
              Lines({"12.5, 0.3", "-1, -1", "1E-5, 0.666666666666667"}));
    EXPECT_TRUE(WritePoints({}, {}).isEmpty());
}

// Under a comma locale the shown points must still read back as two tokens each.
TEST(SpectrumText, PointsSurviveShowAndCommitUnderCommaLocale) {
    SetDecimalSeparator(QLatin1Char(','));
    const std::vector<double> x{1.5, 10.25, 1e-7}, y{2.5, 0, 3};
    std::vector<double> rx, ry;
    ReadPoints(WritePoints(x, y), false, rx, ry);
    EXPECT_EQ(rx, x);
    EXPECT_EQ(ry, y);
    SetDecimalSeparator(QLatin1Char('.'));
}

struct PlotCase {
    const char* name;
    QStringList lines;
    bool lineSpectrum;
    std::vector<PlotPoint> points;  // in chart order
};

TEST(SpectrumText, PlotPointsInChartOrder) {
    const PlotCase cases[] = {
        {"descending curve", Lines({"10, 5", "9, 3"}), false, {{9, 3}, {10, 5}}},
        {"sticks", Lines({"10, 5", "12, 2"}), true, {{10, 0}, {10, 5}, {10, 0}, {12, 0}, {12, 2}, {12, 0}}},
        {"zero sticks kept", Lines({"10, 0", "11, 5", "12, 0"}), true,
         {{10, 0}, {10, 0}, {10, 0}, {11, 0}, {11, 5}, {11, 0}, {12, 0}, {12, 0}, {12, 0}}},
        {"equal x keeps line order", Lines({"5 1", "4 9", "5 2", "5 3"}), false, {{4, 9}, {5, 1}, {5, 2}, {5, 3}}},
        {"equal x sticks stay whole", Lines({"5 1", "5 2"}), true,
         {{5, 0}, {5, 1}, {5, 0}, {5, 0}, {5, 2}, {5, 0}}},
        {"header and bad lines", Lines({"Energy Intensity", "", "1 2 3", "7", "-1 4", "-2 4", "-0.5 4"}), false,
         {{-0.5, 4}}},
        {"unparsable y plots at -1", Lines({"10 abc"}), false, {{10, -1}}},
        {"empty", {}, false, {}},
    };
    for (const auto& c : cases) {
        auto points = PlotPoints(c.lines, c.lineSpectrum);
        OrderPlotPoints(points);
        EXPECT_EQ(points, c.points) << c.name;
    }
}

}  // namespace
