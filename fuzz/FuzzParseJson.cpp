// The parser on UTF-8 bytes and on UTF-16 text, and the writer on whatever the parser accepts.

#include "FuzzSupport.h"

#include "documents/Json.h"

#include <QStringDecoder>

namespace {

// What the writer makes of a tree must parse again and give the same text.
void CheckWriterRoundTrip(const JsonDocument& document) {
    const QString text = FormatJSON(document.Root());
    FUZZ_CHECK(FormatJSONUtf8(document.Root()) == text.toUtf8());
    const auto again = ParseJSON(text);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(FormatJSON(again->Root()) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes = InputBytes(data, size);

    const auto fromUtf8 = ParseJSONUtf8(bytes);
    if (ValidUtf8(bytes)) {
        // Both parsers must agree on the same text; the decoder keeps a byte-order mark as U+FEFF,
        // which the text parser skips just as the byte parser skips EF BB BF.
        const QString text = QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(bytes);
        const auto fromText = ParseJSON(text);
        FUZZ_CHECK(fromUtf8.has_value() == fromText.has_value());
        if (fromText) FUZZ_CHECK(FormatJSON(fromText->Root()) == FormatJSON(fromUtf8->Root()));
    } else {
        FUZZ_CHECK(!fromUtf8.has_value());
    }
    if (fromUtf8) CheckWriterRoundTrip(*fromUtf8);

    // The same bytes as UTF-16 code units, lone surrogates and all.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, (size / 2) * 2);
    if (const auto fromUnits = ParseJSON(units)) CheckWriterRoundTrip(*fromUnits);
    return 0;
}
