#include "JsonInternal.h"

#include "records/NumberText.h"
#include "records/Records.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {

[[noreturn]] void ThrowTypecast() { throw Failure(QStringLiteral("Invalid class typecast")); }

const JsonValue& Required(const JsonValue& object, QStringView name) {
    const JsonValue* value = object.Find(name);
    if (!value) throw MissingMember(name.toString());
    return *value;
}

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// A long number text without "." stands for an integer and keeps all its digits.
bool IsIntegerText(std::string_view text) { return text.size() > 11 && text.find('.') == std::string_view::npos; }

std::int64_t ReadInteger64(std::string_view text) {
    std::int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        throw Failure(QStringLiteral("'%1' is not a valid integer value").arg(Latin1(text)));
    }
    return value;
}

// The text form of a number member: the integer it spells, or the double it reads as, written
// with 15 significant digits and the user's decimal separator.
QString NumberMemberText(std::string_view text) {
    if (IsIntegerText(text)) return QString::number(ReadInteger64(text));
    const auto value = ReadNumber(Latin1(text), QLatin1Char('.'));
    if (!value) throw Failure(QStringLiteral("'%1' is not a valid floating point value").arg(Latin1(text)));
    return NumberText(*value, DecimalSeparator());
}

// The value of a JSON number text of at most 15 significant digits whose decimal exponent lies
// within 22 of its digits: then the digits and the power of ten are exact doubles and one
// multiplication or division rounds correctly. Nothing for any other text.
std::optional<double> ShortDecimal(std::string_view text) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = text.data();
    const char* end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    std::uint64_t digits = 0;
    int significant = 0, pendingZeros = 0, exponent = 0;
    bool fraction = false;
    for (; p < end; ++p) {
        const char c = *p;
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        if (fraction) --exponent;
        if (c == '0') {
            // Zeros count only once a later digit makes them significant.
            if (significant > 0) ++pendingZeros;
            continue;
        }
        significant += pendingZeros + 1;
        if (significant > 15) return std::nullopt;
        for (; pendingZeros > 0; --pendingZeros) digits *= 10;
        digits = digits * 10 + std::uint64_t(c - '0');
    }
    exponent += pendingZeros;
    if (p < end) {  // the exponent part
        ++p;
        const bool negativeExponent = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+')) ++p;
        int e = 0;
        for (; p < end; ++p) {
            if (e > 1000) return std::nullopt;
            e = e * 10 + (*p - '0');
        }
        exponent += negativeExponent ? -e : e;
    }
    if (digits == 0) return 0.0;
    if (exponent < -22 || exponent > 22) return std::nullopt;
    double value = double(digits);
    value = exponent < 0 ? value / kPowers[-exponent] : value * kPowers[exponent];
    return negative ? -value : value;
}

// A separator that cannot be mistaken for part of a number, so that writing a number with it
// and reading it back is a plain round trip.
bool PlainSeparator(QChar separator) {
    const char16_t c = separator.unicode();
    return !(c >= u'0' && c <= u'9') && c != u'e' && c != u'E' && c != u'+' && c != u'-' && c != u' ';
}

}  // namespace

MissingMember::MissingMember(const QString& member, const QStringList& places)
    : Failure(places.isEmpty() ? QStringLiteral("Member \"%1\" not found").arg(member)
                               : QStringLiteral("Member \"%1\" not found in %2").arg(member, places.join(u" of "))),
      member_(member),
      places_(places) {}

MissingMember MissingMember::Within(const QString& place) const { return MissingMember(member_, places_ + QStringList{place}); }

QString MemberText(const JsonValue& object, QStringView name) {
    const JsonValue& value = Required(object, name);
    if (value.IsString()) return value.Text().toString();
    if (value.IsNumber()) return NumberMemberText(value.NumberText());
    ThrowTypecast();
}

double MemberFloat(const JsonValue& object, QStringView name) {
    const JsonValue& value = Required(object, name);
    if (value.IsString()) return TextToFloat(value.Text());
    if (!value.IsNumber()) ThrowTypecast();
    const std::string_view text = value.NumberText();
    if (PlainSeparator(DecimalSeparator())) {
        // A decimal of at most 15 significant digits survives the trip through its 15-digit text
        // unchanged, as long as the double is normal (which the short decimals always are); only
        // the others need the text.
        if (IsIntegerText(text)) return double(ReadInteger64(text));
        if (const auto value = ShortDecimal(text)) return *value;
    }
    return TextToFloat(NumberMemberText(text));
}

bool MemberBool(const JsonValue& object, QStringView name) {
    const JsonValue& value = Required(object, name);
    if (!value.IsBoolean()) ThrowTypecast();
    return value.Bool();
}

const JsonValue* MemberObject(const JsonValue& object, QStringView name) {
    const JsonValue* value = object.Find(name);
    if (value && !value->IsObject()) ThrowTypecast();
    return value;
}

const JsonValue& MemberArray(const JsonValue& object, QStringView name) {
    const JsonValue& value = Required(object, name);
    if (!value.IsArray()) ThrowTypecast();
    return value;
}

const JsonValue& AsObject(const JsonValue& value) {
    if (!value.IsObject()) ThrowTypecast();
    return value;
}

QString NumberedName(QStringView prefix, int index) { return prefix.toString() + QString::number(index); }

std::vector<const JsonValue*> NumberedMembers(const JsonValue& object, QStringView prefix) {
    // One pass over the members instead of a lookup per index, which would be quadratic for a
    // database of many entries. The run from 1 cannot be longer than the number of members.
    const auto members = object.Members();
    std::vector<const JsonValue*> byIndex(members.size() + 1, nullptr);
    for (const JsonMember& member : members) {
        const QStringView name = member.Name();
        if (!name.startsWith(prefix) || name.size() == prefix.size()) continue;
        const QStringView digits = name.sliced(prefix.size());
        if (digits.front() == u'0' || digits.size() > 9) continue;
        std::size_t index = 0;
        bool allDigits = true;
        for (QChar c : digits) {
            if (c < u'0' || c > u'9') {
                allDigits = false;
                break;
            }
            index = index * 10 + (c.unicode() - u'0');
        }
        if (allDigits && index < byIndex.size() && !byIndex[index]) byIndex[index] = &member.Value();
    }
    std::vector<const JsonValue*> run;
    for (std::size_t index = 1; index < byIndex.size() && byIndex[index]; ++index) run.push_back(byIndex[index]);
    return run;
}

std::int32_t IntegerText(QStringView text) {
    auto fail = [&]() -> std::int32_t {
        throw Failure(QStringLiteral("'%1' is not a valid integer value").arg(text));
    };
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    std::int64_t magnitude = 0;
    int digits = 0;
    for (; i < n; ++i, ++digits) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (base == 16 && c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (base == 16 && c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        } else {
            return fail();
        }
        magnitude = magnitude * base + digit;
        if (magnitude > 2147483648LL) return fail();
    }
    if (digits == 0 || (base == 16 && digits > 8)) return fail();
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL) return fail();
    return std::int32_t(value);
}
