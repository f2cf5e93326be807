#include "documents/Json.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

// Where we deliberately part from the suite's verdict: raw control characters inside strings
// are accepted, because the writer leaves all but TAB, LF, FF, CR and BS unescaped and must
// read its own files back.
const QSet<QString> kAcceptedInvalidFiles = {
    QStringLiteral("n_string_unescaped_ctrl_char.json"),
    QStringLiteral("n_string_unescaped_newline.json"),
    QStringLiteral("n_string_unescaped_tab.json"),
};

QByteArray Bytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The verdict on a file's bytes, read as UTF-8. Where the bytes are UTF-8, the text parser must
// come to the same verdict and the same tree.
bool Accepts(const QByteArray& bytes, const QString& name) {
    const auto fromBytes = ParseJSONUtf8(bytes);
    if (ValidUtf8(bytes)) {
        // Every byte-order mark as U+FEFF; QString::fromUtf8 would drop the first.
        const auto fromText =
            ParseJSON(QString(QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(bytes)));
        EXPECT_EQ(fromText.has_value(), fromBytes.has_value()) << name.toStdString();
        if (fromText && fromBytes) {
            EXPECT_EQ(FormatJSON(fromText->Root()), FormatJSON(fromBytes->Root())) << name.toStdString();
        }
    }
    return fromBytes.has_value();
}

QStringList SuiteFiles(const QString& prefix) {
    const QStringList files = QDir(TestData(QStringLiteral("json-suite"))).entryList({prefix + QStringLiteral("_*.json")}, QDir::Files);
    EXPECT_FALSE(files.isEmpty()) << "no " << prefix.toStdString() << "_ files in the JSON suite";
    return files;
}

TEST(JsonSuite, AcceptsEveryValidFile) {
    for (const QString& name : SuiteFiles(QStringLiteral("y"))) {
        EXPECT_TRUE(Accepts(Bytes(TestData(QStringLiteral("json-suite/") + name)), name)) << name.toStdString();
    }
}

TEST(JsonSuite, RejectsEveryInvalidFileButTheRawControlCharacters) {
    for (const QString& name : SuiteFiles(QStringLiteral("n"))) {
        const bool accepted = Accepts(Bytes(TestData(QStringLiteral("json-suite/") + name)), name);
        EXPECT_EQ(accepted, kAcceptedInvalidFiles.contains(name)) << name.toStdString();
    }
}

TEST(JsonSuite, ImplementationDefinedFilesParseOrNot) {
    // Only that each one ends, either way, also through both file encoding rules (UTF-16 files
    // among them); the sanitizer build checks the memory use on the way.
    for (const QString& name : SuiteFiles(QStringLiteral("i"))) {
        const QString path = TestData(QStringLiteral("json-suite/") + name);
        Accepts(Bytes(path), name);
        for (JsonEncodingRule rule : {JsonEncodingRule::SpeciesFile, JsonEncodingRule::DatabaseFile}) {
            try {
                ReadJSONDocument(path, rule);
            } catch (const Failure&) {
            }
        }
    }
}

// Every line of Markus Kuhn's UTF-8 stress text as a JSON string: the parser takes it exactly
// when it is well-formed UTF-8, as Qt's strict decoder judges it.
TEST(JsonSuite, StringsAreCheckedForMalformedUtf8) {
    const QByteArray text = Bytes(TestData(QStringLiteral("utf8/UTF-8-test.txt")));
    EXPECT_FALSE(ValidUtf8(text));
    int malformed = 0;
    for (QByteArray line : text.split('\n')) {
        line.replace('\\', "\\\\").replace('"', "\\\"");
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder(line);
        const bool wellFormed = !decoder.hasError();
        malformed += !wellFormed;
        EXPECT_EQ(ValidUtf8(line), wellFormed) << line.toStdString();
        EXPECT_EQ(ParseJSONUtf8("[\"" + line + "\"]").has_value(), wellFormed) << line.toStdString();
    }
    EXPECT_GT(malformed, 50);
}

}  // namespace
