#include "support/ScriptedPlatform.h"
#include "documents/Documents.h"
#include "support/TestSupport.h"

using DocumentCommands = EditorTest;

namespace {

TSpectrum Spectrum(const QString& title, std::vector<double> x, std::vector<double> y) {
    TSpectrum spectrum;
    spectrum.Title = title;
    spectrum.CreatedDate = QStringLiteral("2025-01-01");
    spectrum.XData = std::move(x);
    spectrum.YData = std::move(y);
    return spectrum;
}

TSpeciesEntry Water() {
    TSpeciesEntry entry;
    entry.Species.Name = QStringLiteral("Water");
    entry.Species.Formula = QStringLiteral("H<sub>2</sub>O");
    entry.Species.Mass = 18.015;
    entry.Spectra = {Spectrum(QStringLiteral("X"), {12.6, 12.7}, {1, 2}), Spectrum(QStringLiteral("A"), {14}, {3})};
    return entry;
}

}  // namespace

TEST_F(DocumentCommands, SavedSpeciesLoadsAgainAndReproducesThePanels) {
    Type(form.Edit1, QStringLiteral("Water"));
    Type(form.Memo4, QStringLiteral("12.6 1\r\n12.7 2"));
    Click(form.Button1);
    Type(form.Edit17, QStringLiteral("Second"));  // the panel's values are saved uncommitted
    platform.Choose(Path("water.json"));
    Click(form.Button7);
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_EQ(form.OpenDialog1.FileName, Path("water.json"));
    const TSpeciesEntry saved = ReadSpeciesFile(Path("water.json"));
    ASSERT_EQ(saved.Spectra.size(), 2u);
    EXPECT_EQ(saved.Spectra[1].Title, "Second");
    EXPECT_EQ(saved.Spectra[0].XData, (std::vector<double>{12.6, 12.7}));

    Click(form.Button19);
    platform.Choose(Path("water.json"));
    Click(form.Button6);
    EXPECT_EQ(form.Edit1.Text(), "Water");
    EXPECT_EQ(form.Edit17.Text(), "New spectrum");
    EXPECT_EQ(form.Memo4.Lines(), (QStringList{"12.6, 1", "12.7, 2"}));
    EXPECT_EQ(form.Text2.Text(), "New spectrum (1/2)");
    EXPECT_EQ(form.SaveDialog1.FileName, Path("water.json"));
    EXPECT_TRUE(form.Button3.Enabled());
    // Loading and closing at once asks nothing.
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_TRUE(form.UserCloseQuery());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(DocumentCommands, CancelledDialogsDoNothing) {
    const auto data = form.Data;
    for (TButton* button : {&form.Button6, &form.Button7, &form.Button8, &form.Button5}) {
        platform.Cancel();
        Click(*button);
    }
    EXPECT_EQ(form.Data, data);
    EXPECT_TRUE(platform.fileChoices.empty());
}

// A load that fails changes nothing: not the species, not the spectra, not the current index.
TEST_F(DocumentCommands, FailedLoadsChangeNothing) {
    QFile bad(Path("bad.json"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\xEF\xBB\xBF{\"Type\": \"Species v1\", \"Species\": {\"Name\": \"x\"}}");
    bad.close();
    WriteSpectrumFile(Path("spectrum.json"), Spectrum(QStringLiteral("S"), {1}, {2}));

    Click(form.Button1);
    Type(form.Edit17, QStringLiteral("kept"));
    form.CommitSpectrum();
    const auto data = form.Data;
    struct Case {
        TButton* button;
        QString file;
        QString message;
    };
    const Case cases[] = {
        {&form.Button6, Path("bad.json"), QString()},
        {&form.Button6, Path("spectrum.json"), QStringLiteral("Species not found in JSON file. Load aborted.")},
        {&form.Button8, Path("bad.json"), QStringLiteral("Spectrum not found in JSON file. Load aborted.")},
        {&form.Button6, Path("missing.json"), QString()},
    };
    for (const Case& c : cases) {
        platform.errors.clear();
        platform.Choose(c.file);
        Click(*c.button);
        ASSERT_EQ(platform.errors.size(), 1) << c.file.toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_EQ(platform.errors[0], c.message);
        }
        EXPECT_EQ(form.Data, data);
        EXPECT_EQ(form.ISpectrum(), 1);
        EXPECT_EQ(form.Edit17.Text(), "kept");
    }
}

TEST_F(DocumentCommands, LoadedSpectrumReplacesOnlyTheCurrentOne) {
    Click(form.Button1);
    Type(form.Edit17, QStringLiteral("second"));
    WriteSpectrumFile(Path("s.json"), Spectrum(QStringLiteral("From file"), {5}, {6}));
    platform.Choose(Path("s.json"));
    Click(form.Button8);
    form.CommitSpectrum();
    ASSERT_EQ(form.Data[0].Spectra.size(), 2u);
    EXPECT_EQ(form.Data[0].Spectra[0].Title, "New spectrum");
    EXPECT_EQ(form.Data[0].Spectra[1].Title, "From file");
    EXPECT_EQ(form.Edit17.Text(), "From file");
}

TEST_F(DocumentCommands, SpectrumFileAndClipboardRoundTrips) {
    Type(form.Edit17, QStringLiteral("Copied"));
    Type(form.Memo4, QStringLiteral("0.1 0.2\r\n-1 5\r\n0.30000000000000004 1"));
    Click(form.Button16);
    const QString* text = std::get_if<QString>(&platform.clipboard);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->endsWith(QStringLiteral("}\r\n")));

    Click(form.Button19);
    Click(form.Button15);
    EXPECT_EQ(form.Edit17.Text(), "Copied");
    // Points pass through 15 digits, and -1 points are dropped.
    EXPECT_EQ(form.Memo4.Lines(), (QStringList{"0.1, 0.2", "0.3, 1"}));

    platform.Choose(Path("copy.json"));
    Click(form.Button5);
    EXPECT_EQ(ReadSpectrumFile(Path("copy.json")).Title, "Copied");
}

TEST_F(DocumentCommands, PasteIgnoresWhatIsNoSpectrum) {
    Type(form.Edit17, QStringLiteral("kept"));
    form.CommitSpectrum();
    const auto data = form.Data;
    for (const ClipboardValue& value :
         {ClipboardValue{QStringLiteral("12.5 3")}, ClipboardValue{}, ClipboardValue{QImage(2, 2, QImage::Format_RGB32)}}) {
        platform.clipboard = value;
        Click(form.Button15);
    }
    EXPECT_EQ(form.Data, data);
    EXPECT_TRUE(platform.errors.isEmpty());
    platform.clipboard = QStringLiteral("[1, 2]");
    Click(form.Button15);
    EXPECT_EQ(platform.errors, QStringList{"Invalid class typecast."});
    EXPECT_EQ(form.Edit17.Text(), "kept");

    platform.clipboardService = false;
    platform.clipboard = ClipboardValue{};
    Click(form.Button16);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(platform.clipboard));
}

TEST_F(DocumentCommands, CloseAsksOnlyWithUnsavedChanges) {
    EXPECT_TRUE(form.UserCloseQuery());
    Click(form.Button1);
    Click(form.Button4);
    Type(form.Edit11, QStringLiteral("me"));
    platform.answers = {true, false};
    EXPECT_FALSE(form.UserCloseQuery());  // Yes: stay and save
    EXPECT_TRUE(form.UserCloseQuery());   // No: close
}

// A species whose picture does not decode is shown all the same, with an empty image.
TEST_F(DocumentCommands, UndecodablePictureIsReportedAndTheRestShown) {
    TSpeciesEntry entry = Water();
    entry.Species.StructuralFormula = EncodeImageText("<html>not a picture</html>");
    entry.Species.AIE = QStringLiteral("12.6");
    WriteSpeciesFile(Path("broken.json"), entry);
    form.Image1.SetPicture(QImage(3, 3, QImage::Format_ARGB32));
    platform.Choose(Path("broken.json"));
    Click(form.Button6);
    EXPECT_EQ(platform.errors, QStringList{"Loading bitmap failed."});
    EXPECT_TRUE(IsEmptyPicture(form.Image1.Picture()));
    EXPECT_EQ(form.Edit6.Text(), "12.6");
    EXPECT_EQ(form.Edit17.Text(), "X");
    EXPECT_EQ(form.Data[0].Spectra.size(), 2u);
    EXPECT_TRUE(form.FSpeciesChanged);
}

TEST_F(DocumentCommands, SpeciesFileWithoutSpectraKeepsTheCurrentOnes) {
    Type(form.Edit17, QStringLiteral("mine"));
    form.CommitSpectrum();
    TSpeciesEntry entry = Water();
    entry.Spectra.clear();
    WriteSpeciesFile(Path("bare.json"), entry);
    platform.Choose(Path("bare.json"));
    Click(form.Button6);
    EXPECT_EQ(form.Edit1.Text(), "Water");
    EXPECT_EQ(form.Edit17.Text(), "mine");
    EXPECT_EQ(form.Data[0].Spectra.size(), 1u);
}

TEST_F(DocumentCommands, FailedSaveKeepsTheUnsavedChangesFlag) {
    Type(form.Edit1, QStringLiteral("Water"));
    platform.Choose(Path("no/such/folder/water.json"));
    Click(form.Button7);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("water.json")));
    EXPECT_TRUE(form.FSpeciesChanged);
}
