#include "NumberText.h"

#include "Records.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

QChar userSeparator = QLatin1Char('.');

// Significant digits and exponent E of the largest magnitude we accept: 0.179769313486232 x 10^309.
constexpr std::string_view kLimitDigits = "179769313486232";
constexpr long kLimitExponent = 309;

}  // namespace

QChar* WriteNumberChars(QChar* out, double value, QChar mark) {
    if (value == 0 || !std::isfinite(value)) {
        // Non-finite values never arise in the editor; writing "0" keeps every output valid JSON.
        *out++ = QLatin1Char('0');
        return out;
    }
    // d.dddddddddddddde±x, correctly rounded to 15 significant digits; a carry out of the
    // first digit is already folded into the exponent.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const char* end = result.ptr;
    const char* e = static_cast<const char*>(std::memchr(buffer, 'e', end - buffer));
    int exponent10 = 0;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, end, exponent10);

    char digits[16];
    int count = 0;
    for (const char* p = buffer; p != e; ++p) {
        if (*p != '.') digits[count++] = *p;
    }
    while (count > 1 && digits[count - 1] == '0') --count;
    const int E = exponent10 + 1;  // value = 0.D x 10^E

    if (value < 0) *out++ = QLatin1Char('-');
    if (E > 15 || E < -3) {
        *out++ = QLatin1Char(digits[0]);
        if (count > 1) {
            *out++ = mark;
            for (int i = 1; i < count; ++i) *out++ = QLatin1Char(digits[i]);
        }
        *out++ = QLatin1Char('E');
        char exponent[8];
        const char* exponentEnd = std::to_chars(exponent, exponent + sizeof exponent, E - 1).ptr;
        for (const char* p = exponent; p != exponentEnd; ++p) *out++ = QLatin1Char(*p);
    } else if (E <= 0) {
        *out++ = QLatin1Char('0');
        *out++ = mark;
        for (int i = 0; i < -E; ++i) *out++ = QLatin1Char('0');
        for (int i = 0; i < count; ++i) *out++ = QLatin1Char(digits[i]);
    } else {
        for (int i = 0; i < E; ++i) *out++ = QLatin1Char(i < count ? digits[i] : '0');
        if (count > E) {
            *out++ = mark;
            for (int i = E; i < count; ++i) *out++ = QLatin1Char(digits[i]);
        }
    }
    return out;
}

QString NumberText(double value, QChar mark) {
    QChar text[kMaxNumberChars];
    return QString(text, WriteNumberChars(text, value, mark) - text);
}

std::optional<double> ReadNumber(QStringView text, QChar mark) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };

    while (i < n && text[i] == u' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Significant digits without leading zeros; `pointPos` counts the digits before the mark.
    std::string digits;
    long integerDigits = 0;  // significant digits before the mark
    long leadingFractionZeros = 0;
    bool anyDigit = false;
    while (isDigit(i)) {
        anyDigit = true;
        if (!(digits.empty() && text[i] == u'0')) {
            digits += char(text[i].unicode());
            ++integerDigits;
        }
        ++i;
    }
    if (i < n && text[i] == mark) {
        ++i;
        while (isDigit(i)) {
            anyDigit = true;
            if (digits.empty() && text[i] == u'0') {
                ++leadingFractionZeros;
            } else {
                digits += char(text[i].unicode());
            }
            ++i;
        }
    }
    long exponent = 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        while (isDigit(i)) {
            if (exponent <= 1024) exponent = exponent * 10 + (text[i].unicode() - u'0');
            ++i;
        }
        if (exponent > 1024) exponent = 1024;
        if (negativeExponent) exponent = -exponent;
    }
    while (i < n && text[i] == u' ') ++i;
    if (i != n || !anyDigit) return std::nullopt;

    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty()) return negative ? -0.0 : 0.0;

    // value = 0.digits x 10^E
    const long E = integerDigits - leadingFractionZeros + exponent;
    if (E > kLimitExponent + 1) return std::nullopt;
    if (E < -400) return negative ? -0.0 : 0.0;

    std::string normal = "0." + digits + "e" + std::to_string(E);
    double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (E < 0) {
            value = 0;
        } else if (E < kLimitExponent || (E == kLimitExponent && std::string_view(digits) <= kLimitDigits)) {
            // Digit strings without trailing zeros compare like the numbers they spell here.
            value = std::numeric_limits<double>::max();
        } else {
            return std::nullopt;
        }
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

QChar SeparatorFromLocaleText(const QString& decimalPoint) {
    return decimalPoint.size() == 1 ? decimalPoint[0] : QLatin1Char('.');
}

QChar DecimalSeparator() { return userSeparator; }

void SetDecimalSeparator(QChar separator) { userSeparator = separator; }

void InitDecimalSeparator() { SetDecimalSeparator(SeparatorFromLocaleText(QLocale::system().decimalPoint())); }

double TextToFloat(QStringView text) {
    const auto value = ReadNumber(text, userSeparator);
    return value ? *value : NO_VALUE;
}

QString FloatToText(double value) {
    return value == NO_VALUE ? QString() : NumberText(value, userSeparator);
}
