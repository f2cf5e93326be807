#include "documents/Json.h"
#include "support/FileSizeLimit.h"
#include "support/TempFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kMalformed = QStringLiteral("No mapping for the Unicode character exists in the target multi-byte code page");

class JsonFiles : public TempFilesTest {
protected:
    static QString FailureOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const Failure& failure) {
            return failure.Message();
        }
        return QStringLiteral("(no failure)");
    }
};

QByteArray Utf16(const QString& text, bool bigEndian) {
    QByteArray bytes;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1} : QByteArray{&low, 1} + QByteArray{&high, 1};
    }
    return bytes;
}

TEST_F(JsonFiles, DecodesByTheEncodingRules) {
    using Rule = JsonEncodingRule;
    const QString text = QStringLiteral("{\"n\": \"\u00E9\u20AC\U0001F600\"}");
    struct Case {
        const char* what;
        QByteArray bytes;
        Rule rule;
        std::optional<QString> text;  // nothing: the read fails as malformed UTF-8
    };
    const Case cases[] = {
        {"UTF-8 with mark", "\xEF\xBB\xBF" + text.toUtf8(), Rule::SpeciesFile, text},
        {"UTF-8 without mark is Windows-1252", "\"\xC3\xA9\"", Rule::SpeciesFile, QStringLiteral("\"\u00C3\u00A9\"")},
        {"Windows-1252 high controls", "\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xFF", Rule::SpeciesFile,
         QStringLiteral("\u20AC\u0081\u008D\u008F\u0090\u009D\u0178\u00A0\u00FF")},
        {"UTF-16 LE with mark", "\xFF\xFE" + Utf16(text, false), Rule::SpeciesFile, text},
        {"UTF-16 BE with mark", "\xFE\xFF" + Utf16(text, true), Rule::SpeciesFile, text},
        {"UTF-16 odd last byte", "\xFF\xFE" + Utf16(QStringLiteral("{}"), false) + "\x20", Rule::SpeciesFile, QStringLiteral("{}")},
        {"malformed UTF-8 after the mark", "\xEF\xBB\xBF\"\xC3\x28\"", Rule::SpeciesFile, std::nullopt},
        {"second mark is a character", "\xEF\xBB\xBF\xEF\xBB\xBF{}", Rule::SpeciesFile, QStringLiteral("\uFEFF{}")},
        {"empty", "", Rule::SpeciesFile, QString()},
        {"database UTF-8 without mark", text.toUtf8(), Rule::DatabaseFile, text},
        {"database UTF-8 with mark", "\xEF\xBB\xBF" + text.toUtf8(), Rule::DatabaseFile, text},
        {"database UTF-16 fails", "\xFF\xFE" + Utf16(text, false), Rule::DatabaseFile, std::nullopt},
        {"database overlong form", "\"\xC0\xAF\"", Rule::DatabaseFile, std::nullopt},
        {"database surrogate", "\"\xED\xA0\x80\"", Rule::DatabaseFile, std::nullopt},
        {"database beyond U+10FFFF", "\"\xF4\x90\x80\x80\"", Rule::DatabaseFile, std::nullopt},
        {"database cut sequence", "\"\xE2\x82", Rule::DatabaseFile, std::nullopt},
        {"database only the mark", "\xEF\xBB\xBF", Rule::DatabaseFile, QString()},
    };
    for (const Case& c : cases) {
        const QString path = Write(QStringLiteral("case.json"), c.bytes);
        if (c.text) {
            EXPECT_EQ(ReadJSONFile(path, c.rule), *c.text) << c.what;
        } else {
            EXPECT_EQ(FailureOf([&] { ReadJSONFile(path, c.rule); }), kMalformed) << c.what;
        }
        // Reading the document in one step agrees with reading the text, then parsing it.
        const auto viaText = c.text ? ParseJSON(*c.text) : std::nullopt;
        const QString failure = FailureOf([&] {
            const JsonDocument document = ReadJSONDocument(path, c.rule);
            ASSERT_TRUE(viaText.has_value()) << c.what;
            EXPECT_EQ(FormatJSON(document.Root()), FormatJSON(viaText->Root())) << c.what;
        });
        if (!c.text) {
            EXPECT_EQ(failure, kMalformed) << c.what;
        } else if (!viaText) {
            EXPECT_EQ(failure, QStringLiteral("The file \"%1\" does not hold valid JSON").arg(QDir::toNativeSeparators(path)))
                << c.what;
        }
    }
}

TEST_F(JsonFiles, ReportsFilesThatCannotBeRead) {
    const auto rule = JsonEncodingRule::SpeciesFile;
    EXPECT_EQ(FailureOf([&] { ReadJSONFile(Path(QStringLiteral("absent.json")), rule); }),
              QStringLiteral("The specified file was not found"));
    EXPECT_EQ(FailureOf([&] { ReadJSONDocument(Path(QStringLiteral("no/such/folder.json")), rule); }),
              QStringLiteral("The specified path was not found"));
    const QString folder = Path(QStringLiteral("folder.json"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_TRUE(FailureOf([&] { ReadJSONFile(folder, rule); })
                    .startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(QDir::toNativeSeparators(folder))));
}

TEST_F(JsonFiles, WritesMarkUtf8TextAndLineBreak) {
    const QString path = Path(QStringLiteral("out.json"));
    WriteJSONFile(path, QStringLiteral("{\r\n    \"a\": \"\u00E9\U0001F600\"\r\n}"));
    EXPECT_EQ(Read(path), QByteArray("\xEF\xBB\xBF{\r\n    \"a\": \"\xC3\xA9\xF0\x9F\x98\x80\"\r\n}\r\n"));
    // Writing again replaces the content.
    WriteJSONDocument(path, JsonBuilder().BeginObject().EndObject().Finish().Root());
    EXPECT_EQ(Read(path), QByteArray("\xEF\xBB\xBF{\r\n}\r\n"));
}

TEST_F(JsonFiles, WrittenDocumentIsItsTextWhateverItsSize) {
    // Long texts with pairs and escapes at every offset, deep nesting, many small values: the
    // file is written a piece at a time and must still be the formatted text.
    QString text;
    for (int i = 0; i < 150000; ++i) {
        text += (i % 7 == 0) ? QString::fromUtf8("\xF0\x9F\x98\x80") : (i % 5 == 0) ? QStringLiteral("\u00E9\\") : QStringLiteral("a");
    }
    JsonBuilder b;
    b.BeginArray().String(text).String(text.mid(1));
    for (int depth = 0; depth < 400; ++depth) b.BeginObject().Name(text.left(depth));
    b.Number(1.5);
    for (int depth = 0; depth < 400; ++depth) b.EndObject();
    for (int i = 0; i < 20000; ++i) b.Number(i * 0.25);
    b.EndArray();
    const JsonDocument document = b.Finish();
    const QString path = Path(QStringLiteral("big.json"));
    WriteJSONDocument(path, document.Root());
    const QByteArray expected = "\xEF\xBB\xBF" + FormatJSON(document.Root()).toUtf8() + "\r\n";
    EXPECT_GT(expected.size(), 1024 * 1024);  // several buffers full
    EXPECT_TRUE(Read(path) == expected);
    EXPECT_TRUE(FormatJSONUtf8(document.Root()) == expected.sliced(3, expected.size() - 5));
}

TEST_F(JsonFiles, ReportsFilesThatCannotBeCreated) {
    for (const QString& path : {Path(QStringLiteral("no/such/folder.json")), dir_.path()}) {
        EXPECT_TRUE(FailureOf([&] { WriteJSONFile(path, QStringLiteral("{\r\n}")); })
                        .startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(QDir::toNativeSeparators(path))))
            << path.toStdString();
    }
}

TEST_F(JsonFiles, FailedWriteLeavesTheOldFileAsItWas) {
    const QString path = Path(QStringLiteral("keep.json"));
    WriteJSONFile(path, QStringLiteral("{\r\n}"));
    const QByteArray old = Read(path);
    const QString fresh = Path(QStringLiteral("fresh.json"));

    JsonBuilder b;
    b.BeginObject().Name(u"long").String(QString(100000, QLatin1Char('x'))).EndObject();
    const JsonDocument big = b.Finish();
    {
        FileSizeLimit limit(4096);
        EXPECT_TRUE(FailureOf([&] { WriteJSONDocument(path, big.Root()); }).startsWith(QStringLiteral("Cannot create file")));
        EXPECT_TRUE(FailureOf([&] { WriteJSONFile(path, FormatJSON(big.Root())); }).startsWith(QStringLiteral("Cannot create file")));
        EXPECT_TRUE(FailureOf([&] { WriteJSONDocument(fresh, big.Root()); }).startsWith(QStringLiteral("Cannot create file")));
    }
    EXPECT_EQ(Read(path), old);
    EXPECT_FALSE(QFile::exists(fresh));
    // No temporary file is left behind either.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.json")});
}

}  // namespace
