// A spectrum file's bytes through the spectrum loader, and the same text as a pasted spectrum.

#include "FuzzSupport.h"

#include "documents/Documents.h"

namespace {

void CheckSavesAndReadsBack(const TSpectrum& spectrum) {
    const QString clip = SpectrumClipboardText(spectrum);
    const auto pasted = SpectrumFromClipboardText(clip);
    FUZZ_CHECK(pasted.has_value());
    FUZZ_CHECK(SpectrumClipboardText(*pasted) == clip);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes = InputBytes(data, size);
    try {
        if (const auto document = ParseJSONFileBytes(bytes, JsonEncodingRule::SpeciesFile)) {
            const TSpectrum spectrum = SpectrumFromDocument(document->Root());
            const QByteArray saved = FormatJSONUtf8(SpectrumDocument(spectrum).Root());
            const auto reread = ParseJSONUtf8(saved);
            FUZZ_CHECK(reread.has_value());
            FUZZ_CHECK(FormatJSONUtf8(SpectrumDocument(SpectrumFromDocument(reread->Root())).Root()) == saved);
            CheckSavesAndReadsBack(spectrum);
        }
    } catch (const Failure&) {
    }
    try {
        if (const auto pasted = SpectrumFromClipboardText(QString::fromUtf8(bytes))) CheckSavesAndReadsBack(*pasted);
    } catch (const Failure&) {
    }
    return 0;
}
