#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"

#include <QBuffer>

using PlotAndImage = EditorTest;

namespace {

QByteArray FileOf(const QString& relative) {
    QFile file(TestData(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The chart is rebuilt once, after the data field has been quiet for the timer's wait.
TEST_F(PlotAndImage, DebounceRebuildsOnceAfterTheLastChange) {
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.Timer1.Interval, 1000);
    User([&] { form.Memo4.UserType(QStringLiteral("10, 5")); });
    EXPECT_TRUE(form.Timer1.Enabled());
    User([&] { form.Memo4.UserType(QStringLiteral("10, 5\r\n9, 3")); });
    EXPECT_TRUE(form.Chart1.Points().empty());  // still waiting
    form.Timer1.Tick();
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.Chart1.Points(), (std::vector<PlotPoint>{{9, 3}, {10, 5}}));

    // The line-spectrum box counts as a change too; setting the state it has does not.
    User([&] { form.CheckBox1.UserClick(); });
    EXPECT_TRUE(form.Timer1.Enabled());
    form.Timer1.Tick();
    EXPECT_EQ(form.Chart1.Points(), (std::vector<PlotPoint>{{9, 0}, {9, 3}, {9, 0}, {10, 0}, {10, 5}, {10, 0}}));
    form.CheckBox1.SetChecked(true);
    form.Memo4.SetText(form.Memo4.Text());
    EXPECT_FALSE(form.Timer1.Enabled());
}

TEST_F(PlotAndImage, ShowingASpectrumRestartsTheWaitOnce) {
    TSpectrum spectrum;
    spectrum.XData = {1, 2};
    spectrum.YData = {3, 4};
    form.ShowSpectrum(spectrum);
    EXPECT_TRUE(form.Timer1.Enabled());
    form.FSpeciesChanged = false;
    form.Timer1.Tick();
    EXPECT_EQ(form.Chart1.Points().size(), 2u);
    // A rebuild changes neither a record nor the unsaved-changes flag.
    EXPECT_FALSE(form.FSpeciesChanged);
}

TEST_F(PlotAndImage, DownloadAsksForTheCasDigits) {
    const QByteArray png = FileOf(QStringLiteral("pngsuite/basn6a08.png"));
    platform.http = [&](const QUrl&) { return png; };
    struct Case {
        const char* cas;
        const char* url;
    };
    const Case cases[] = {
        {"7732-18-5", "https://webbook.nist.gov/cgi/cbook.cgi?Struct=C7732185"},
        {" 64-17-5 ", "https://webbook.nist.gov/cgi/cbook.cgi?Struct=C64175"},
        {"water", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TFMain::StructureRequest(QString::fromUtf8(c.cas)), QString::fromUtf8(c.url)) << c.cas;
    }
    Type(form.Edit5, QStringLiteral("water"));
    form.FSpeciesChanged = false;
    Click(form.Button17);
    EXPECT_TRUE(platform.requests.isEmpty());
    EXPECT_FALSE(form.FSpeciesChanged);

    Type(form.Edit5, QStringLiteral("7732-18-5"));
    form.FSpeciesChanged = false;
    Click(form.Button17);
    ASSERT_EQ(platform.requests.size(), 1);
    EXPECT_EQ(platform.requests[0].toString(), "https://webbook.nist.gov/cgi/cbook.cgi?Struct=C7732185");
    EXPECT_EQ(form.Image1.Picture().size(), QSize(32, 32));
    EXPECT_TRUE(form.FSpeciesChanged);
}

TEST_F(PlotAndImage, DownloadFailuresKeepThePicture) {
    QImage picture(5, 4, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    form.Image1.SetPicture(picture);
    Type(form.Edit5, QStringLiteral("71-43-2"));
    struct Case {
        std::function<QByteArray(const QUrl&)> answer;
        const char* error;
    };
    const Case cases[] = {
        {[](const QUrl&) -> QByteArray { return "<html><body>Not found</body></html>"; }, "Loading bitmap failed."},
        {[](const QUrl&) -> QByteArray { throw Failure(QStringLiteral("Connection refused")); }, "Connection refused."},
    };
    for (const Case& c : cases) {
        platform.errors.clear();
        platform.http = c.answer;
        form.FSpeciesChanged = false;
        Click(form.Button17);
        EXPECT_EQ(platform.errors, QStringList{QString::fromUtf8(c.error)});
        EXPECT_EQ(form.Image1.Picture(), picture);
        EXPECT_FALSE(form.FSpeciesChanged);
    }
    // An empty body is no error: the picture keeps its size but turns transparent.
    platform.http = [](const QUrl&) { return QByteArray(); };
    Click(form.Button17);
    EXPECT_EQ(form.Image1.Picture().size(), QSize(5, 4));
    EXPECT_EQ(qAlpha(form.Image1.Picture().pixel(2, 2)), 0);
    EXPECT_TRUE(form.FSpeciesChanged);
}

TEST_F(PlotAndImage, PasteAndClearTheImage) {
    QImage picture(3, 3, QImage::Format_ARGB32);
    picture.fill(Qt::green);
    struct Case {
        ClipboardValue clipboard;
        bool pasted;
    };
    const Case cases[] = {
        {ClipboardValue{picture}, true},
        {ClipboardValue{QStringLiteral("text wins")}, false},
        {ClipboardValue{}, false},
    };
    for (const Case& c : cases) {
        form.Image1.ClearPicture();
        form.FSpeciesChanged = false;
        platform.clipboard = c.clipboard;
        User([&] { form.MenuItem1.UserClick(); });
        EXPECT_EQ(!IsEmptyPicture(form.Image1.Picture()), c.pasted);
        EXPECT_TRUE(form.FSpeciesChanged);  // set even when nothing was pasted
    }
    form.FSpeciesChanged = false;
    Click(form.Button18);
    Click(form.Button18);
    EXPECT_TRUE(IsEmptyPicture(form.Image1.Picture()));
    EXPECT_TRUE(form.FSpeciesChanged);

    platform.clipboardService = false;
    form.FSpeciesChanged = false;
    User([&] { form.MenuItem1.UserClick(); });
    EXPECT_FALSE(form.FSpeciesChanged);
}

// A pasted or downloaded picture in another format is stored as PNG with the species.
TEST_F(PlotAndImage, PictureReachesTheRecordAsPng) {
    platform.http = [](const QUrl&) { return FileOf(QStringLiteral("images/hopper.gif")); };
    Type(form.Edit5, QStringLiteral("1"));
    Click(form.Button17);
    form.CommitSpecies();
    const QByteArray stored = DecodeImageText(form.Data[0].Species.StructuralFormula);
    EXPECT_TRUE(stored.startsWith("\x89PNG"));
    EXPECT_EQ(DecodePicture(stored).size(), QSize(128, 128));
}
