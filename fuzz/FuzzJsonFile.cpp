// A file's bytes under both encoding rules: byte-order marks, UTF-16 of either order, odd
// lengths, Windows-1252, malformed UTF-8.

#include "FuzzSupport.h"

#include "documents/Json.h"

namespace {

void CheckRule(QByteArrayView bytes, JsonEncodingRule rule) {
    std::optional<QString> text;
    try {
        text = DecodeJSONFileBytes(bytes, rule);
    } catch (const Failure&) {
    }
    std::optional<JsonDocument> document;
    bool decoded = true;
    try {
        document = ParseJSONFileBytes(bytes, rule);
    } catch (const Failure&) {
        decoded = false;
    }
    // The one-step read decodes exactly when the text read does, and finds the same tree.
    FUZZ_CHECK(decoded == text.has_value());
    if (!text) return;
    const auto fromText = ParseJSON(*text);
    FUZZ_CHECK(fromText.has_value() == document.has_value());
    if (document) FUZZ_CHECK(FormatJSONUtf8(document->Root()) == FormatJSONUtf8(fromText->Root()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes = InputBytes(data, size);
    CheckRule(bytes, JsonEncodingRule::SpeciesFile);
    CheckRule(bytes, JsonEncodingRule::DatabaseFile);
    return 0;
}
