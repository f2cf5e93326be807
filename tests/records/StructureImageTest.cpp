#include "records/Failure.h"
#include "records/StructureImage.h"
#include "support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QByteArray Bytes(int n) {
    QByteArray bytes(n, 0);
    for (int i = 0; i < n; ++i) bytes[i] = char(i * 7 + 3);
    return bytes;
}

TEST(StructureImage, LineBreaksAfterEvery76thCharacter) {
    const QString text171 = EncodeImageText(Bytes(171));
    const QStringList lines171 = text171.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines171.size(), 4);  // three full lines, each with its break
    for (int i = 0; i < 3; ++i) EXPECT_EQ(lines171[i].size(), 76);
    EXPECT_EQ(lines171[3], QString());
    EXPECT_TRUE(text171.endsWith(QStringLiteral("\r\n")));

    const QString text172 = EncodeImageText(Bytes(172));
    EXPECT_TRUE(text172.startsWith(text171));
    const QString last = text172.mid(text171.size());
    EXPECT_EQ(last.size(), 4);
    EXPECT_TRUE(last.endsWith(QStringLiteral("==")));

    EXPECT_EQ(EncodeImageText({}), QString());
    EXPECT_FALSE(text171.contains(QLatin1Char(' ')));
}

TEST(StructureImage, ReadingSkipsEverythingOutsideTheAlphabet) {
    const QByteArray bytes = Bytes(200);
    const QString canonical = EncodeImageText(bytes);
    QString flat = canonical;
    flat.remove(QStringLiteral("\r\n"));
    QString lf = canonical;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString spaced;
    for (QChar c : flat) spaced += c + QStringLiteral(" ");
    QString noPad = flat;
    noPad.remove(QLatin1Char('='));
    for (const QString& text : {canonical, flat, lf, spaced, noPad, QStringLiteral("\u00e9") + flat + QStringLiteral("*!")}) {
        EXPECT_EQ(DecodeImageText(text), bytes);
    }
    EXPECT_EQ(DecodeImageText(QStringLiteral("\r\n==  ")), QByteArray());
    EXPECT_EQ(DecodeImageText(QStringLiteral("QQ")), QByteArray("A"));  // leftover bits dropped
}

TEST(StructureImage, OtherFormatsDecodeAndAreStoredAsPng) {
    for (const char* name : {"hopper.jpg", "hopper.gif", "hopper.bmp", "hopper.tif", "hopper.ico"}) {
        const QByteArray file = ReadFile(TestData(QStringLiteral("images/") + QLatin1String(name)));
        QImage picture;
        ShowImageText(EncodeImageText(file), picture);
        ASSERT_FALSE(IsEmptyPicture(picture)) << name;
        const QString stored = ImageToText(picture);
        const QByteArray png = DecodeImageText(stored);
        EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n")) << name;
        QImage again;
        ShowImageText(stored, again);
        EXPECT_EQ(again.size(), picture.size()) << name;
        EXPECT_EQ(again.convertToFormat(QImage::Format_ARGB32), picture.convertToFormat(QImage::Format_ARGB32)) << name;
    }
}

TEST(StructureImage, UndecodableBytesFailAndKeepThePicture) {
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    const QImage before = picture;
    QByteArray corrupt = ReadFile(TestData(QStringLiteral("images/hopper.gif")));
    corrupt.truncate(10);
    for (const QByteArray& bytes : {QByteArray("<html>Not found</html>"), corrupt}) {
        try {
            ShowImageText(EncodeImageText(bytes), picture);
            FAIL() << "no failure";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Message(), QStringLiteral("Loading bitmap failed."));
        }
        EXPECT_EQ(picture, before);
    }
}

// A 716-byte PNG whose second text chunk claims 1.8 GB (found by fuzzing) once made the decoder
// reserve all of it. It fails like any corrupt picture, without the memory.
TEST(StructureImage, ChunkClaimingMoreThanThereIsFailsWithoutReservingIt) {
    const QByteArray png = ReadFile(QStringLiteral(SPECEDIT_FUZZ_REGRESSIONS "/structure_image/png-itxt-claims-1.8gb.png"));
    ASSERT_EQ(png.size(), 716);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QImage picture(3, 2, QImage::Format_ARGB32);
    try {
        ShowImageText(EncodeImageText(png), picture);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("Loading bitmap failed."));
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 200 * 1024) << "peak memory grew by KB";
    // The same chunk lengths that do fit still decode, and so does data after IEND.
    QByteArray good = ReadFile(TestData(QStringLiteral("pngsuite/basn0g01.png")));
    good += QByteArray("\xFF\xFF\xFF\xFFjunk", 8);
    EXPECT_EQ(DecodePicture(good).size(), QSize(32, 32));
}

TEST(StructureImage, EmptyTextAndNoBytes) {
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    EXPECT_EQ(ImageToText(QImage()), QString());

    // A text of no Base64 characters keeps the size but makes every pixel transparent.
    ShowImageText(QStringLiteral("\r\n"), picture);
    ASSERT_EQ(picture.size(), QSize(3, 2));
    EXPECT_EQ(picture.pixel(1, 1), qRgba(0, 0, 0, 0));
    EXPECT_FALSE(ImageToText(picture).isEmpty());

    QImage empty;
    ShowImageText(QStringLiteral("=="), empty);
    EXPECT_TRUE(IsEmptyPicture(empty));

    ShowImageText(QString(), picture);
    EXPECT_TRUE(IsEmptyPicture(picture));
}

}  // namespace
