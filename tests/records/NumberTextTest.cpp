#include "records/NumberText.h"
#include "records/Records.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(NumberText, WritesFifteenSignificantDigitsInFixedOrScientificForm) {
    const TextCase cases[] = {
        {4, "4"},
        {-1, "-1"},
        {0.5, "0.5"},
        {1200, "1200"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"},
        {0.000123, "0.000123"},
        {0.00001, "1E-5"},
        {1.5e-7, "1.5E-7"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"},    // carry out of the first digit
        {0.000099999999999999999, "0.0001"},  // carry that moves into fixed form
        {9.9999999999999999e-5, "0.0001"},
        {-2.5e20, "-2.5E20"},
        {0.0, "0"},
        {-0.0, "0"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1e100, "1E100"},
        {5e-324, "4.94065645841247E-324"},  // smallest subnormal
        {2.2250738585072014e-308, "2.2250738585072E-308"},
        {DBL_MAX, "1.79769313486232E308"},
        {-DBL_MAX, "-1.79769313486232E308"},
        {12.5, "12.5"},
        {-0.25, "-0.25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value, QLatin1Char('.')), QString::fromLatin1(c.text)) << c.text;
    }
    EXPECT_EQ(NumberText(1.5e-7, QLatin1Char(',')), QStringLiteral("1,5E-7"));
    EXPECT_EQ(NumberText(-12.25, QLatin1Char(',')), QStringLiteral("-12,25"));
}

struct ReadCase {
    const char* text;
    QChar mark;
    std::optional<double> value;
};

TEST(NumberText, ReadsByTheLocaleRule) {
    const QChar dot = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');
    const ReadCase cases[] = {
        {" 1.5 ", dot, 1.5},
        {"+.5", dot, 0.5},
        {"5.", dot, 5.0},
        {"1e3", dot, 1000.0},
        {"2E", dot, 2.0},
        {"2E+", dot, 2.0},
        {"-3e-2", dot, -0.03},
        {"1E-400", dot, 0.0},
        {"1E400", dot, std::nullopt},
        {"1E99999999999999999999", dot, std::nullopt},
        {"1E-99999999999999999999", dot, 0.0},
        {"1,5", dot, std::nullopt},
        {"1 000", dot, std::nullopt},
        {"", dot, std::nullopt},
        {"   ", dot, std::nullopt},
        {".", dot, std::nullopt},
        {"+", dot, std::nullopt},
        {"e5", dot, std::nullopt},
        {"1\t", dot, std::nullopt},
        {"\xc2\xa0" "1", dot, std::nullopt},
        {"INF", dot, std::nullopt},
        {"NAN", dot, std::nullopt},
        {"0x10", dot, std::nullopt},
        {"12 eV", dot, std::nullopt},
        {"1.5", comma, std::nullopt},
        {"1,5", comma, 1.5},
        {" -1,25E1 ", comma, -12.5},
        {"0000012.5000", dot, 12.5},
        {"4.94065645841247E-324", dot, 5e-324},
        {"2e-324", dot, 0.0},
    };
    for (const auto& c : cases) {
        const auto value = ReadNumber(QString::fromUtf8(c.text), c.mark);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
        if (value) {
            EXPECT_EQ(*value, *c.value) << c.text;
        }
    }
}

TEST(NumberText, LargestDoublesReadBackFromTheirText) {
    const QChar dot = QLatin1Char('.');
    const double largest = std::numeric_limits<double>::max();
    for (double v : {largest, std::nextafter(largest, 0.0), 1.797693134862315E308, -largest}) {
        const QString text = NumberText(v, dot);
        const auto back = ReadNumber(text, dot);
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_EQ(NumberText(*back, dot), text);
        if (text.endsWith(QStringLiteral("232E308"))) {
            EXPECT_EQ(*back, v < 0 ? -largest : largest);
        }
    }
    EXPECT_EQ(ReadNumber(QStringLiteral("1.79769313486232E308"), dot), largest);
    EXPECT_EQ(ReadNumber(QStringLiteral("-179769313486232E294"), dot), -largest);
    EXPECT_EQ(ReadNumber(QStringLiteral("1.797693134862320000E308"), dot), largest);
    EXPECT_FALSE(ReadNumber(QStringLiteral("1.797693134862320001E308"), dot).has_value());
    EXPECT_FALSE(ReadNumber(QStringLiteral("1.79769313486233E308"), dot).has_value());
    EXPECT_FALSE(ReadNumber(QStringLiteral("1.8E308"), dot).has_value());
    EXPECT_FALSE(ReadNumber(QStringLiteral("2E308"), dot).has_value());
}

// Any double's text reads back as the double nearest to the 15-digit decimal it names.
TEST(NumberText, RandomDoublesRoundTripThroughFifteenDigits) {
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    while (checked < 100000) {
        const std::uint64_t b = bits(random);
        double v;
        std::memcpy(&v, &b, sizeof v);
        if (!std::isfinite(v)) continue;
        ++checked;
        char expected[40];
        auto end = std::to_chars(expected, expected + sizeof expected, v, std::chars_format::scientific, 14).ptr;
        double nearest = 0;
        const auto parsed = std::from_chars(expected, end, nearest);
        if (parsed.ec == std::errc::result_out_of_range) nearest = std::copysign(DBL_MAX, v);
        const QString text = NumberText(v, QLatin1Char('.'));
        const auto back = ReadNumber(text, QLatin1Char('.'));
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        ASSERT_EQ(*back, nearest == 0 ? 0.0 : nearest) << text.toStdString();
        // Writing the value read back gives the same text again.
        ASSERT_EQ(NumberText(*back, QLatin1Char('.')), text);
    }
}

// A double read from a decimal of at most 15 significant digits is written with exactly those
// digits, wherever the decimal point falls.
TEST(NumberText, ShortDecimalsAreWrittenWithTheirOwnDigits) {
    std::mt19937_64 random(15);
    for (int i = 0; i < 50000; ++i) {
        const int count = 1 + int(random() % 15);
        std::string digits(1, char('1' + random() % 9));
        for (int k = 1; k < count; ++k) digits += char('0' + random() % 10);
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        const int exponent = int(random() % 30) - 12;  // value = 0.digits x 10^exponent
        const std::string decimal = "0." + digits + "e" + std::to_string(exponent);
        const double value = std::strtod(decimal.c_str(), nullptr);
        const QString text = NumberText(value, QLatin1Char('.'));
        std::string written;
        for (QChar c : text.section(QLatin1Char('E'), 0, 0)) {
            if (c.isDigit() && !(written.empty() && c == QLatin1Char('0'))) written += char(c.unicode());
        }
        while (written.size() > 1 && written.back() == '0') written.pop_back();
        ASSERT_EQ(written, digits) << decimal << " gave " << text.toStdString();
        ASSERT_EQ(ReadNumber(text, QLatin1Char('.')), value) << decimal;
    }
}

TEST(NumberText, TextToFloatAndFloatToTextUseTheUserSeparator) {
    SetDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(TextToFloat(u"1,5"), 1.5);
    EXPECT_EQ(TextToFloat(u"1.5"), NO_VALUE);
    EXPECT_EQ(FloatToText(12.5), QStringLiteral("12,5"));
    SetDecimalSeparator(QLatin1Char('.'));
    EXPECT_EQ(TextToFloat(u"1.5"), 1.5);
    EXPECT_EQ(TextToFloat(u""), NO_VALUE);
    EXPECT_EQ(TextToFloat(u"twelve"), NO_VALUE);
    EXPECT_EQ(TextToFloat(u"-1"), NO_VALUE);
    EXPECT_EQ(FloatToText(NO_VALUE), QString());
    EXPECT_EQ(FloatToText(0), QStringLiteral("0"));
    EXPECT_EQ(FloatToText(78.11), QStringLiteral("78.11"));
}

TEST(NumberText, SeparatorFromLocale) {
    EXPECT_EQ(SeparatorFromLocaleText(QStringLiteral(",")), QLatin1Char(','));
    EXPECT_EQ(SeparatorFromLocaleText(QStringLiteral(".")), QLatin1Char('.'));
    EXPECT_EQ(SeparatorFromLocaleText(QStringLiteral("\u066B")), QChar(0x066B));
    EXPECT_EQ(SeparatorFromLocaleText(QStringLiteral("::")), QLatin1Char('.'));
    EXPECT_EQ(SeparatorFromLocaleText(QString()), QLatin1Char('.'));
}

}  // namespace
