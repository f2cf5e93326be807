#include "JsonInternal.h"

#include "records/Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstring>
#include <functional>

namespace {

const QByteArrayView kUtf8Mark("\xEF\xBB\xBF");
const QByteArrayView kLineBreak("\r\n");

QString FullName(const QString& fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

QByteArray ReadFileBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(fileName);
        if (!info.exists()) {
            throw Failure(info.absoluteDir().exists() ? QStringLiteral("The specified file was not found")
                                                      : QStringLiteral("The specified path was not found"));
        }
        throw Failure(QStringLiteral("Cannot open file \"%1\". %2").arg(FullName(fileName), file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw Failure(QStringLiteral("Cannot read file \"%1\". %2").arg(FullName(fileName), file.errorString()));
    }
    return bytes;
}

[[noreturn]] void ThrowMalformedUtf8() {
    throw Failure(QStringLiteral("No mapping for the Unicode character exists in the target multi-byte code page"));
}

QString DecodeUtf16(QByteArrayView bytes, bool bigEndian) {
    // Two bytes per code unit; an odd last byte makes no code unit.
    QString text(bytes.size() / 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const unsigned first = in[2 * i];
        const unsigned second = in[2 * i + 1];
        out[i] = char16_t(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return text;
}

// Where a file's text is and how it is encoded, by the encoding rule.
struct FileText {
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 } encoding;
    QByteArrayView bytes;  // after the byte-order mark
};

FileText Classify(QByteArrayView bytes, JsonEncodingRule rule) {
    if (bytes.startsWith(kUtf8Mark)) return {FileText::Encoding::Utf8, bytes.sliced(3)};
    if (rule == JsonEncodingRule::DatabaseFile) return {FileText::Encoding::Utf8, bytes};
    if (bytes.startsWith("\xFF\xFE")) return {FileText::Encoding::Utf16LE, bytes.sliced(2)};
    if (bytes.startsWith("\xFE\xFF")) return {FileText::Encoding::Utf16BE, bytes.sliced(2)};
    return {FileText::Encoding::Windows1252, bytes};
}

QString Decode(const FileText& file) {
    switch (file.encoding) {
    case FileText::Encoding::Utf8:
        if (!ValidUtf8(file.bytes)) ThrowMalformedUtf8();
        // Only the one mark is removed; QString::fromUtf8 would also swallow a second one.
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(file.bytes);
    case FileText::Encoding::Utf16LE:
        return DecodeUtf16(file.bytes, false);
    case FileText::Encoding::Utf16BE:
        return DecodeUtf16(file.bytes, true);
    case FileText::Encoding::Windows1252:
        break;
    }
    return DecodeWindows1252(file.bytes);
}

[[noreturn]] void ThrowNoJson(const QString& fileName) {
    throw Failure(QStringLiteral("The file \"%1\" does not hold valid JSON").arg(FullName(fileName)));
}

// Writes through a temporary file that replaces the target only once it is complete.
void WriteFile(const QString& fileName, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(fileName);
    auto fail = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Failure(QStringLiteral("Cannot create file \"%1\". %2").arg(FullName(fileName), reason));
    };
    if (!file.open(QIODevice::WriteOnly)) fail();
    if (!write(file) || !file.commit()) fail();
}

bool WriteBytes(QIODevice& device, QByteArrayView bytes) { return device.write(bytes.data(), bytes.size()) == bytes.size(); }

}  // namespace

bool ValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Plain ASCII, the bulk of every document, eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ull) break;
            p += 8;
        }
        if (p == end) break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int length = Utf8SequenceLength(p, end);
        if (length == 0) return false;
        p += length;
    }
    return true;
}

QString DecodeWindows1252(QByteArrayView bytes) {
    static constexpr char16_t kHighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        out[i] = c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : char16_t(c);
    }
    return text;
}

QString DecodeJSONFileBytes(QByteArrayView bytes, JsonEncodingRule rule) {
    return Decode(Classify(bytes, rule));
}

std::optional<JsonDocument> ParseJSONFileBytes(QByteArrayView bytes, JsonEncodingRule rule) {
    const FileText file = Classify(bytes, rule);
    if (file.encoding == FileText::Encoding::Utf8) {
        // The same way as a file read: the parser checks the UTF-8 of what it accepts.
        const QByteArray source = bytes.toByteArray();
        std::optional<JsonDocument> document = ParseUtf8Source(source, bytes.size() - file.bytes.size());
        if (!document && !ValidUtf8(file.bytes)) ThrowMalformedUtf8();
        return document;
    }
    return ParseJSON(Decode(file));
}

QString ReadJSONFile(const QString& fileName, JsonEncodingRule rule) {
    return DecodeJSONFileBytes(ReadFileBytes(fileName), rule);
}

JsonDocument ReadJSONDocument(const QString& fileName, JsonEncodingRule rule) {
    QByteArray bytes = ReadFileBytes(fileName);
    const FileText file = Classify(bytes, rule);
    std::optional<JsonDocument> document;
    if (file.encoding == FileText::Encoding::Utf8) {
        // The parser checks the UTF-8 of what it accepts; only a failure needs to know which
        // of the two reasons to give.
        document = ParseUtf8Source(bytes, bytes.size() - file.bytes.size());
        if (!document && !ValidUtf8(file.bytes)) ThrowMalformedUtf8();
    } else {
        QString text = Decode(file);
        bytes = QByteArray();  // the text alone is enough from here on
        document = ParseJSON(text);
    }
    if (!document) ThrowNoJson(fileName);
    return std::move(*document);
}

void WriteJSONFile(const QString& fileName, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    WriteFile(fileName, [&](QIODevice& file) {
        return WriteBytes(file, kUtf8Mark) && WriteBytes(file, utf8) && WriteBytes(file, kLineBreak);
    });
}

void WriteJSONDocument(const QString& fileName, const JsonValue& value) {
    WriteFile(fileName, [&](QIODevice& file) {
        return WriteBytes(file, kUtf8Mark) && FormatJSONTo(file, value) && WriteBytes(file, kLineBreak);
    });
}
