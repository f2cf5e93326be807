#include "documents/Json.h"
#include "records/NumberText.h"
#include "records/Records.h"
#include "support/TestSupport.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cstring>
#include <random>

namespace {

// Restores the decimal separator that a test changed.
class SeparatorGuard {
public:
    explicit SeparatorGuard(QChar separator) : saved_(DecimalSeparator()) { SetDecimalSeparator(separator); }
    ~SeparatorGuard() { SetDecimalSeparator(saved_); }

private:
    QChar saved_;
};

// Every byte-order mark becomes U+FEFF, unlike QString::fromUtf8, which drops the first.
QString Utf8Text(const QByteArray& bytes) {
    return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(bytes);
}

JsonDocument Parsed(const QString& text) {
    auto document = ParseJSON(text);
    EXPECT_TRUE(document.has_value()) << text.toStdString();
    return document ? std::move(*document) : JsonBuilder().Null().Finish();
}

QString Formatted(const QString& text) { return FormatJSON(Parsed(text).Root()); }

TEST(JsonFormat, LaysOutNestedContainersWithFourSpacesAndCrLf) {
    JsonBuilder b;
    b.BeginObject();
    b.Name(u"a").BeginArray().Integer(1).BeginObject().EndObject().BeginArray().EndArray().EndArray();
    b.Name(u"b").BeginObject().Name(u"c").Bool(true).Name(u"d").Null().EndObject();
    b.Name(u"e").String(u"");
    b.EndObject();
    EXPECT_EQ(FormatJSON(b.Finish().Root()),
              QStringLiteral("{\r\n"
                             "    \"a\": [\r\n"
                             "        1,\r\n"
                             "        {\r\n"
                             "        },\r\n"
                             "        [\r\n"
                             "        ]\r\n"
                             "    ],\r\n"
                             "    \"b\": {\r\n"
                             "        \"c\": true,\r\n"
                             "        \"d\": null\r\n"
                             "    },\r\n"
                             "    \"e\": \"\"\r\n"
                             "}"));
    EXPECT_EQ(FormatJSON(JsonBuilder().BeginObject().EndObject().Finish().Root()), QStringLiteral("{\r\n}"));
}

TEST(JsonFormat, EscapesExactlyTheEightCharacters) {
    const QString text = QStringLiteral("\"\\/\b\t\n\f\r") + QChar(1) + QChar(0x0B) + QChar(0x7F) +
                         QStringLiteral("\u00E9") + QString::fromUtf8("\xF0\x9F\x98\x80");
    JsonBuilder b;
    b.BeginObject().Name(text).String(text).EndObject();
    const JsonDocument document = b.Finish();
    const QString escaped = QStringLiteral("\"\\\"\\\\\\/\\b\\t\\n\\f\\r") + QChar(1) + QChar(0x0B) + QChar(0x7F) +
                            QStringLiteral("\u00E9") + QString::fromUtf8("\xF0\x9F\x98\x80") + QLatin1Char('"');
    EXPECT_EQ(FormatJSON(document.Root()), QStringLiteral("{\r\n    ") + escaped + QStringLiteral(": ") + escaped +
                                               QStringLiteral("\r\n}"));
    // Reading the text back gives the same characters, raw control characters included.
    const JsonDocument back = Parsed(FormatJSON(document.Root()));
    EXPECT_EQ(back.Root().Members()[0].Name(), text);
    EXPECT_EQ(back.Root().Members()[0].Value().Text(), text);
}

TEST(JsonFormat, Utf8FormIsTheUtf8OfTheText) {
    // Lone surrogates included: both forms must give the same file bytes.
    const QString texts[] = {QStringLiteral("plain"), QStringLiteral("\u00E9\u20AC\u0001"),
                             QString::fromUtf8("\xF0\x9F\x98\x80"),
                             QString(QChar(0xD800)) + QLatin1Char('a') + QChar(0xDC00) + QChar(0xD83D)};
    for (const QString& text : texts) {
        JsonBuilder b;
        b.BeginArray().String(text).Number(0.5).EndArray();
        const JsonDocument document = b.Finish();
        EXPECT_EQ(FormatJSONUtf8(document.Root()), FormatJSON(document.Root()).toUtf8()) << text.toStdString();
    }
}

TEST(JsonFormat, WritesNumberTextsWithFullStop) {
    SeparatorGuard comma(QLatin1Char(','));
    const std::pair<double, const char*> cases[] = {
        {4, "4"}, {-1, "-1"}, {0.5, "0.5"}, {1E-5, "1E-5"}, {1E15, "1E15"}, {-0.0, "0"}, {-2.5E20, "-2.5E20"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(JsonBuilder().Number(value).Finish().Root().NumberText(), text);
    }
    EXPECT_EQ(JsonBuilder().Integer(-2147483647 - 1).Finish().Root().NumberText(), "-2147483648");
    EXPECT_EQ(JsonBuilder().Integer(4).Finish().Root().NumberText(), "4");
}

TEST(JsonParse, AcceptsAndRejectsByTheGrammar) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"{}", true},
        {" \t\r\n{ } \r\n", true},
        {"\xEF\xBB\xBF{}", true},            // one U+FEFF at the start
        {"\xEF\xBB\xBF\xEF\xBB\xBF{}", false},  // but only one
        {"{\"a\":\"tab\tcr\rlf\n\x01\"}", true},
        {"[\"\\u00e9\\u00C9\\ud83d\\ude00\"]", true},
        {"[\"\\x\"]", false},
        {"[\"\\u12\"]", false},
        {"[\"\\u12G4\"]", false},
        {"[\"abc]", false},
        {"[\"abc\\\"]", false},
        {"[-0, 0.5e+3, 1E-2, -12.75]", true},
        {"[+1]", false},
        {"[.5]", false},
        {"[01]", false},
        {"[1.]", false},
        {"[1e]", false},
        {"[-]", false},
        {"[1,]", false},
        {"{\"a\":1,}", false},
        {"{\"a\" 1}", false},
        {"{1:1}", false},
        {"[true, false, null]", true},
        {"[True]", false},
        {"[nul]", false},
        {"{} {}", false},
        {"{}x", false},
        {"{}\x0B", false},   // vertical tab is no whitespace
        {"", false},
        {"   ", false},
        {"\"text\"", true},  // any value may stand at the top
        {"[\x0C]", false},
    };
    for (const Case& c : cases) {
        const QByteArray bytes(c.text);
        EXPECT_EQ(ParseJSON(Utf8Text(bytes)).has_value(), c.valid) << c.text;
        EXPECT_EQ(ParseJSONUtf8(bytes).has_value(), c.valid) << c.text;
    }
    EXPECT_FALSE(ParseJSONUtf8(QByteArray("[\"\xC3\"]")).has_value());
}

TEST(JsonParse, LimitsNestingTo512LevelsWithoutExhaustingTheStack) {
    auto nested = [](int depth) { return QString(depth, QLatin1Char('[')) + QString(depth, QLatin1Char(']')); };
    EXPECT_TRUE(ParseJSON(nested(512)).has_value());
    EXPECT_FALSE(ParseJSON(nested(513)).has_value());
    EXPECT_FALSE(ParseJSON(QString(100000, QLatin1Char('['))).has_value());
    EXPECT_FALSE(ParseJSONUtf8(QByteArray(1000000, '{')).has_value());
    QString objects;
    for (int i = 0; i < 600; ++i) objects += QStringLiteral("{\"a\":");
    EXPECT_FALSE(ParseJSON(objects + QStringLiteral("1") + QString(600, QLatin1Char('}'))).has_value());
}

TEST(JsonParse, KeepsNumberTextsAndRepeatedNames) {
    const JsonDocument document = Parsed(QStringLiteral(R"({"Title": "first", "n": 0.10E+02, "Title": "second"})"));
    const JsonValue& root = document.Root();
    ASSERT_EQ(root.Members().size(), 3u);
    EXPECT_EQ(root.Members()[2].Name(), QStringLiteral("Title"));
    EXPECT_EQ(root.Find(u"Title")->Text(), QStringLiteral("first"));
    EXPECT_EQ(root.Find(u"n")->NumberText(), "0.10E+02");
    EXPECT_EQ(root.Find(u"title"), nullptr);
}

TEST(JsonParse, FormattedTextParsesBackToTheSameText) {
    const QString text = QStringLiteral(
        R"({"a":[1,-2.5E-3,{"b":"\u20ac\/\"","c":[]},true,null],"d":{},"":"","e":"\ud83d\ude00"})");
    const QString formatted = Formatted(text);
    EXPECT_EQ(Formatted(formatted), formatted);
    EXPECT_EQ(FormatJSON(ParseJSONUtf8(formatted.toUtf8())->Root()), formatted);
}

// ---- Member readers ----

TEST(JsonMembers, NumberMembersReadAsLocaleNumberText) {
    struct Case {
        const char* number;
        const char* dotText;    // with "." as the user's separator
        const char* commaText;  // with ","
    };
    const Case cases[] = {
        {"12.5", "12.5", "12,5"},
        {"4", "4", "4"},
        {"-0", "0", "0"},
        {"1e3", "1000", "1000"},
        {"1E-5", "1E-5", "1E-5"},
        {"0.1234567890123456789", "0.123456789012346", "0,123456789012346"},
        {"123456789012345678", "123456789012345678", "123456789012345678"},  // all digits kept
        {"-123456789012", "-123456789012", "-123456789012"},
        {"12345678901", "12345678901", "12345678901"},
        {"1.79769313486232E308", "1.79769313486232E308", "1,79769313486232E308"},
        {"1E-400", "0", "0"},
    };
    for (const Case& c : cases) {
        const QString text = QStringLiteral("{\"n\": %1}").arg(QLatin1String(c.number));
        const JsonDocument document = Parsed(text);
        {
            SeparatorGuard dot(QLatin1Char('.'));
            EXPECT_EQ(MemberText(document.Root(), u"n"), QLatin1String(c.dotText)) << c.number;
        }
        SeparatorGuard comma(QLatin1Char(','));
        EXPECT_EQ(MemberText(document.Root(), u"n"), QLatin1String(c.commaText)) << c.number;
        EXPECT_EQ(MemberFloat(document.Root(), u"n"), TextToFloat(MemberText(document.Root(), u"n"))) << c.number;
    }
}

TEST(JsonMembers, FailuresOfTheMemberReaders) {
    const JsonDocument document = Parsed(QStringLiteral(
        R"({"s": "text", "b": true, "bs": "true", "n": 1, "a": [], "o": {}, "z": null,
            "big": 1E400, "exp": 12345678901E5, "long": 123456789012345678901})"));
    const JsonValue& o = document.Root();
    auto message = [](auto&& read) -> QString {
        try {
            read();
        } catch (const Failure& failure) {
            return failure.Message();
        }
        return QStringLiteral("(no failure)");
    };
    const QString typecast = QStringLiteral("Invalid class typecast");
    const QString missing = QStringLiteral("Member \"x\" not found");
    EXPECT_EQ(message([&] { MemberText(o, u"x"); }), missing);
    EXPECT_EQ(message([&] { MemberText(o, u"b"); }), typecast);
    EXPECT_EQ(message([&] { MemberText(o, u"a"); }), typecast);
    EXPECT_EQ(message([&] { MemberText(o, u"z"); }), typecast);
    EXPECT_EQ(message([&] { MemberFloat(o, u"o"); }), typecast);
    EXPECT_EQ(message([&] { MemberBool(o, u"x"); }), missing);
    EXPECT_EQ(message([&] { MemberBool(o, u"bs"); }), typecast);
    EXPECT_EQ(message([&] { MemberArray(o, u"x"); }), missing);
    EXPECT_EQ(message([&] { MemberArray(o, u"o"); }), typecast);
    EXPECT_EQ(message([&] { MemberObject(o, u"a"); }), typecast);
    EXPECT_EQ(message([&] { AsObject(*o.Find(u"a")); }), typecast);
    EXPECT_EQ(message([&] { MemberText(o, u"big"); }), QStringLiteral("'1E400' is not a valid floating point value"));
    EXPECT_EQ(message([&] { MemberFloat(o, u"big"); }), QStringLiteral("'1E400' is not a valid floating point value"));
    EXPECT_EQ(message([&] { MemberText(o, u"exp"); }), QStringLiteral("'12345678901E5' is not a valid integer value"));
    EXPECT_EQ(message([&] { MemberFloat(o, u"long"); }),
              QStringLiteral("'123456789012345678901' is not a valid integer value"));

    EXPECT_EQ(MemberText(o, u"s"), QStringLiteral("text"));
    EXPECT_EQ(MemberText(o, u"n"), QStringLiteral("1"));
    EXPECT_TRUE(MemberBool(o, u"b"));
    EXPECT_EQ(MemberObject(o, u"x"), nullptr);
    EXPECT_EQ(MemberObject(o, u"o"), o.Find(u"o"));
    EXPECT_EQ(MemberFloat(o, u"s"), NO_VALUE);
}

TEST(JsonMembers, MissingMemberSaysWhere) {
    const MissingMember inner(QStringLiteral("E"));
    EXPECT_EQ(inner.Message(), QStringLiteral("Member \"E\" not found"));
    const MissingMember outer = inner.Within(QStringLiteral("point 5")).Within(QStringLiteral("Dataset2"));
    EXPECT_EQ(outer.Message(), QStringLiteral("Member \"E\" not found in point 5 of Dataset2"));
    EXPECT_EQ(outer.Member(), QStringLiteral("E"));
}

// MemberFloat skips the text for the usual numbers; it must agree with the text route always.
TEST(JsonMembers, MemberFloatAgreesWithTextToFloatOfMemberText) {
    std::mt19937_64 random(4242);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<int> digits(1, 20);
    std::uniform_int_distribution<int> exponent(-330, 330);
    std::vector<std::string> texts = {"0", "-0", "1", "-1", "-1.0", "-1E0", "5e-324", "2.2250738585072014e-308",
                                      "1.7976931348623157e308", "1.79769313486232E308", "123456789012",
                                      "9999999999999999", "0.000099999999999999999", "1e-310"};
    for (int i = 0; i < 4000; ++i) {
        // Random doubles in shortest and 17-digit form, and random decimal texts of many lengths.
        double v;
        const std::uint64_t b = bits(random);
        std::memcpy(&v, &b, sizeof v);
        if (!std::isfinite(v)) continue;
        char buffer[64];
        texts.emplace_back(buffer, std::to_chars(buffer, buffer + 64, v).ptr);
        texts.emplace_back(buffer, std::to_chars(buffer, buffer + 64, v, std::chars_format::scientific, 16).ptr);
        const int n = digits(random);
        std::string decimal(1, char('1' + bits(random) % 9));
        for (int k = 1; k < n; ++k) decimal += char('0' + bits(random) % 10);
        if (n > 1 && (bits(random) & 1)) decimal.insert(1 + bits(random) % (n - 1), ".");
        if (bits(random) & 1) decimal += "e" + std::to_string(exponent(random));
        if (bits(random) & 1) decimal.insert(0, "-");
        texts.push_back(decimal);
    }
    for (QChar separator : {QChar(u'.'), QChar(u','), QChar(0x066B)}) {
        SeparatorGuard guard(separator);
        for (const std::string& text : texts) {
            const auto document = ParseJSON(QStringLiteral("{\"n\":%1}").arg(QString::fromStdString(text)));
            ASSERT_TRUE(document.has_value()) << text;
            double viaText;
            try {
                viaText = TextToFloat(MemberText(document->Root(), u"n"));
            } catch (const Failure&) {
                EXPECT_THROW(MemberFloat(document->Root(), u"n"), Failure) << text;
                continue;
            }
            const double direct = MemberFloat(document->Root(), u"n");
            ASSERT_EQ(std::memcmp(&direct, &viaText, sizeof direct), 0) << text << " " << direct << " " << viaText;
        }
    }
}

TEST(JsonMembers, NumberedMembersRunFromOneToTheFirstGap) {
    const JsonDocument document = Parsed(QStringLiteral(
        R"({"Dataset2": {"k": 2}, "Dataset1": {"k": 1}, "Dataset01": {}, "Dataset": {}, "Dataset4": {},
            "Dataset1": {"k": "second"}, "dataset3": {}, "Datasetx": {}})"));
    const auto run = NumberedMembers(document.Root(), u"Dataset");
    ASSERT_EQ(run.size(), 2u);
    EXPECT_EQ(MemberText(*run[0], u"k"), QStringLiteral("1"));
    EXPECT_EQ(MemberText(*run[1], u"k"), QStringLiteral("2"));
    EXPECT_TRUE(NumberedMembers(Parsed(QStringLiteral(R"({"Dataset2": {}})")).Root(), u"Dataset").empty());
    EXPECT_EQ(NumberedName(u"Entry", 12), QStringLiteral("Entry12"));
}

TEST(JsonMembers, IntegerText) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"4", 4}, {"  -12", -12}, {"+7", 7}, {"007", 7}, {"$1A", 26}, {"x1a", 26}, {"X10", 16}, {"0x7FFFFFFF", 2147483647},
        {"-$80000000", -2147483647 - 1}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, {"$80000000", std::nullopt}, {"$000000001", std::nullopt}, {"4 ", std::nullopt},
        {"4.5", std::nullopt}, {"", std::nullopt}, {" ", std::nullopt}, {"$", std::nullopt}, {"0x", std::nullopt},
        {"1e2", std::nullopt}, {"--1", std::nullopt}, {"\t4", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        if (c.value) {
            EXPECT_EQ(IntegerText(text), *c.value) << c.text;
        } else {
            try {
                IntegerText(text);
                ADD_FAILURE() << c.text << " converted";
            } catch (const Failure& failure) {
                EXPECT_EQ(failure.Message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
            }
        }
    }
}

}  // namespace
