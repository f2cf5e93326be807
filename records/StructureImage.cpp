#include "StructureImage.h"

#include "Failure.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

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

// A PNG chunk states its length before its data, and the PNG decoder reserves that much memory
// for a text chunk before reading it: a picture of a few hundred bytes whose text chunk claims
// 1.8 GB costs 1.8 GB. A chunk that runs past the end of the bytes cannot decode anyway, so such
// bytes are refused before they reach the decoder. Whatever follows IEND is never read.
bool PngChunksFit(const QByteArray& bytes) {
    static constexpr char kSignature[] = "\x89PNG\r\n\x1A\n";
    if (!bytes.startsWith(QByteArrayView(kSignature, 8))) return true;
    qint64 at = 8;
    const qint64 size = bytes.size();
    while (size - at >= 8) {
        const qint64 length = qFromBigEndian<quint32>(bytes.constData() + at);
        // length, type, data, CRC
        if (length > size - at - 12) return false;
        if (QByteArrayView(bytes.constData() + at + 4, 4) == "IEND") break;
        at += 12 + length;
    }
    return true;
}

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
    if (!PngChunksFit(bytes)) throw Failure(QStringLiteral("Loading bitmap failed."));
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
    ShowPictureBytes(DecodeImageText(text), picture);
}

void ShowPictureBytes(const QByteArray& bytes, QImage& picture) {
    if (bytes.isEmpty()) {
        if (!IsEmptyPicture(picture)) {
            picture = picture.convertToFormat(QImage::Format_ARGB32);
            picture.fill(Qt::transparent);
        }
        return;
    }
    picture = DecodePicture(bytes);
}
