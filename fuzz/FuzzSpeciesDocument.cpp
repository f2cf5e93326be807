// A species file's bytes through the species loader; what it reads must save and read back.

#include "FuzzSupport.h"

#include "documents/Documents.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto document = ParseJSONFileBytes(InputBytes(data, size), JsonEncodingRule::SpeciesFile);
        if (!document) return 0;
        const TSpeciesEntry entry = SpeciesFromDocument(document->Root());
        // Saving may round numbers to the digits it writes, once; after that nothing changes.
        const QByteArray saved = FormatJSONUtf8(SpeciesDocument(entry).Root());
        const auto reread = ParseJSONUtf8(saved);
        FUZZ_CHECK(reread.has_value());
        const TSpeciesEntry again = SpeciesFromDocument(reread->Root());
        FUZZ_CHECK(FormatJSONUtf8(SpeciesDocument(again).Root()) == saved);
    } catch (const Failure&) {
    }
    return 0;
}
