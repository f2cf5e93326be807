#include "NumberText.h"

#include "Records.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace {

QChar userSeparator = QLatin1Char('.');

// Significant digits and exponent E of the largest magnitude we accept: 0.179769313486232 x 10^309.
constexpr std::string_view kLimitDigits = "179769313486232";
constexpr long kLimitExponent = 309;

}  // namespace

namespace {

// The digits of a double that holds a decimal of at most 15 significant digits, the usual
// case, with one multiplication and one division: M = x times 10^p, rounded, with p chosen for
// 15 digits, is that decimal whenever M divided by 10^p gives x back, because no other decimal
// of at most 15 digits can (they lie more than four units in the last place apart). For such a
// double the product is within 0.2 of M, so the test never fails for it; every other double
// fails it and takes the general way.
bool ShortDecimalDigits(double magnitude, char* digits, int& count, int& E) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!(magnitude >= 1e-7 && magnitude < 1e15)) return false;
    // Digits before the point, possibly one too many; then the test fails and nothing is lost.
    int before = 1;
    while (before < 15 && magnitude >= kPowers[before]) ++before;
    if (magnitude < 1) {
        before = 0;
        while (before > -7 && magnitude * kPowers[-before + 1] < 1) --before;
    }
    const int p = 15 - before;
    if (p > 22) return false;
    const double scaled = std::nearbyint(magnitude * kPowers[p]);
    if (!(scaled >= 1 && scaled < 1e15) || scaled / kPowers[p] != magnitude) return false;
    auto m = static_cast<std::uint64_t>(scaled);
    // Trailing zeros (up to 14) go first, in four steps; the rest two digits at a time.
    int decimals = p;
    for (const auto& [power, zeros] : {std::pair{100000000ull, 8}, {10000ull, 4}, {100ull, 2}, {10ull, 1}}) {
        if (m % power == 0) {
            m /= power;
            decimals -= zeros;
        }
    }
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char reversed[16];
    int n = 0;
    while (m >= 10) {
        const auto pair = m % 100;
        m /= 100;
        reversed[n++] = kPairs[2 * pair + 1];
        reversed[n++] = kPairs[2 * pair];
    }
    if (m > 0) reversed[n++] = char('0' + m);
    for (int i = 0; i < n; ++i) digits[i] = reversed[n - 1 - i];
    count = n;
    E = n - decimals;
    return true;
}

}  // namespace

std::size_t NumberChars(double value, char mark, char* out) {
    if (value == 0 || !std::isfinite(value)) {
        // Non-finite values never arise in the editor; writing "0" keeps every output valid JSON.
        out[0] = '0';
        return 1;
    }
    // d.dddddddddddddde±x, correctly rounded to 15 significant digits; a carry out of the
    // first digit is already folded into the exponent. The shortest digits that read back as
    // the value are those digits whenever there are at most 15 of them and the value is normal
    // (15-digit decimals lie more than four units in the last place apart), and they are much
    // quicker to find.
    const double magnitude = std::fabs(value);
    char digits[24];
    int count = 0;
    int E = 0;  // value = 0.D x 10^E
    if (!ShortDecimalDigits(magnitude, digits, count, E)) {
        char buffer[40];
        const char* end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
        const char* e = static_cast<const char*>(std::memchr(buffer, 'e', end - buffer));
        const long shortestDigits = (e - buffer) - (e - buffer > 1 ? 1 : 0);  // "d" or "d.ddd"
        if (shortestDigits > 15 || magnitude < std::numeric_limits<double>::min()) {
            end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14).ptr;
            e = static_cast<const char*>(std::memchr(buffer, 'e', end - buffer));
        }
        int exponent10 = 0;
        std::from_chars(e[1] == '+' ? e + 2 : e + 1, end, exponent10);
        for (const char* p = buffer; p != e; ++p) {
            if (*p != '.') digits[count++] = *p;
        }
        E = exponent10 + 1;
    }
    while (count > 1 && digits[count - 1] == '0') --count;

    char* o = out;
    if (value < 0) *o++ = '-';
    if (E > 15 || E < -3) {
        *o++ = digits[0];
        if (count > 1) {
            *o++ = mark;
            for (int i = 1; i < count; ++i) *o++ = digits[i];
        }
        *o++ = 'E';
        o = std::to_chars(o, o + 8, E - 1).ptr;
    } else if (E <= 0) {
        *o++ = '0';
        *o++ = mark;
        for (int i = 0; i < -E; ++i) *o++ = '0';
        for (int i = 0; i < count; ++i) *o++ = digits[i];
    } else {
        for (int i = 0; i < E; ++i) *o++ = i < count ? digits[i] : '0';
        if (count > E) {
            *o++ = mark;
            for (int i = E; i < count; ++i) *o++ = digits[i];
        }
    }
    return std::size_t(o - out);
}

QChar* WriteNumberChars(QChar* out, double value, QChar mark) {
    char text[kNumberCharsCapacity];
    const std::size_t length = NumberChars(value, '.', text);
    for (std::size_t i = 0; i < length; ++i) *out++ = text[i] == '.' ? mark : QLatin1Char(text[i]);
    return out;
}

QString NumberText(double value, QChar mark) {
    char text[kNumberCharsCapacity];
    const std::size_t length = NumberChars(value, '.', text);
    QString result = QString::fromLatin1(text, qsizetype(length));
    // The text holds at most one ".", the decimal mark; the user's mark may be any character.
    if (mark != QLatin1Char('.')) result.replace(QLatin1Char('.'), mark);
    return result;
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
