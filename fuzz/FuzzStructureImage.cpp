// The structure image text of a species file (lenient Base64) and the picture codecs behind it:
// the input is tried both as the text and as the decoded picture bytes.

#include "FuzzSupport.h"

#include "records/Failure.h"
#include "records/StructureImage.h"

#include <QImage>
#include <QImageReader>

namespace {

// A picture that decodes is saved as the text the species file keeps, and reads back the same.
void CheckSavesAndReadsBack(const QImage& picture) {
    if (IsEmptyPicture(picture)) return;
    const QString text = ImageToText(picture);
    QImage again;
    ShowImageText(text, again);
    FUZZ_CHECK(again.size() == picture.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes = InputBytes(data, size);
    QImage picture(2, 2, QImage::Format_RGB32);
    try {
        ShowImageText(QString::fromLatin1(bytes), picture);
    } catch (const Failure&) {
        FUZZ_CHECK(picture.size() == QSize(2, 2));  // a failed load leaves the picture as it was
    }
    try {
        CheckSavesAndReadsBack(DecodePicture(bytes.toByteArray()));
    } catch (const Failure&) {
    }
    return 0;
}
