#include "StructureImage.h"

#include "Failure.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <array>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kLineLength = 76;

constexpr std::array<signed char, 128> MakeDecodeTable() {
    std::array<signed char, 128> table{};
    for (auto& v : table) v = -1;
    for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    return table;
}
constexpr auto kDecode = MakeDecodeTable();

}  // namespace

QString EncodeImageText(const QByteArray& bytes) {
    const QByteArray base64 = bytes.toBase64();
    QString text;
    text.reserve(base64.size() + 2 * (base64.size() / kLineLength + 1));
    for (qsizetype i = 0; i < base64.size(); i += kLineLength) {
        const qsizetype length = std::min<qsizetype>(kLineLength, base64.size() - i);
        text += QLatin1String(base64.constData() + i, length);
        if (length == kLineLength) text += QLatin1String("\r\n");
    }
    return text;
}

QByteArray DecodeImageText(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 3 / 4 + 3);
    quint32 bits = 0;
    int bitCount = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 128 || kDecode[u] < 0) continue;
        bits = (bits << 6) | quint32(kDecode[u]);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes.append(char((bits >> bitCount) & 0xFF));
        }
    }
    return bytes;
}

QByteArray ImageToPng(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) throw Failure(writer.errorString());
    return png;
}

QImage DecodePicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);  // recognises the format from the bytes
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull()) throw Failure(QStringLiteral("Loading bitmap failed."));
    return picture;
}

QString ImageToText(const QImage& picture) {
    if (IsEmptyPicture(picture)) return QString();
    return EncodeImageText(ImageToPng(picture));
}

void ShowImageText(const QString& text, QImage& picture) {
    if (text.isEmpty()) {
        picture = QImage();
        return;
    }
    const QByteArray bytes = DecodeImageText(text);
    if (bytes.isEmpty()) {
        if (!IsEmptyPicture(picture)) {
            picture = picture.convertToFormat(QImage::Format_ARGB32);
            picture.fill(Qt::transparent);
        }
        return;
    }
    picture = DecodePicture(bytes);
}
