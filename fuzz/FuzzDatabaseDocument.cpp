// A database file's bytes through the database loader and the header reader.

#include "FuzzSupport.h"

#include "documents/Documents.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<JsonDocument> document;
    try {
        document = ParseJSONFileBytes(InputBytes(data, size), JsonEncodingRule::DatabaseFile);
    } catch (const Failure&) {
        return 0;
    }
    if (!document) return 0;
    try {
        DatabaseHeaderFromDocument(document->Root());
    } catch (const Failure&) {
    }
    try {
        const std::vector<TSpeciesEntry> entries = DatabaseFromDocument(document->Root());
        FUZZ_CHECK(!entries.empty());
        const QByteArray saved = FormatJSONUtf8(DatabaseDocument(entries, QStringLiteral("t"), QStringLiteral("v"), QStringLiteral("d")).Root());
        const auto reread = ParseJSONUtf8(saved);
        FUZZ_CHECK(reread.has_value());
        const auto again = DatabaseFromDocument(reread->Root());
        FUZZ_CHECK(FormatJSONUtf8(DatabaseDocument(again, QStringLiteral("t"), QStringLiteral("v"), QStringLiteral("d")).Root()) == saved);
    } catch (const Failure&) {
    }
    return 0;
}
