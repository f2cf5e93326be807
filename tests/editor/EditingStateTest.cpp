#include "support/ScriptedPlatform.h"
#include "records/NumberText.h"
#include "support/TestSupport.h"

using EditingState = EditorTest;

TEST_F(EditingState, StartsWithOneNewSpeciesHoldingOneNewSpectrumDatedToday) {
    ASSERT_EQ(form.Data.size(), 1u);
    const TSpeciesEntry& entry = form.Data[0];
    EXPECT_EQ(entry.Species.Name, "New species");
    EXPECT_EQ(entry.Species.Mass, NO_VALUE);
    EXPECT_EQ(entry.Species.StructuralFormula, "");
    ASSERT_EQ(entry.Spectra.size(), 1u);
    EXPECT_EQ(entry.Spectra[0].Title, "New spectrum");
    EXPECT_EQ(entry.Spectra[0].CreatedDate, "2020/12/12");  // the label's design text, taken at the first commit
    EXPECT_EQ(form.Label23.Text(), "2026-01-15");
    EXPECT_EQ(form.ISpecies(), 0);
    EXPECT_EQ(form.ISpectrum(), 0);
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_FALSE(form.Button2.Enabled());
    EXPECT_FALSE(form.Button3.Enabled());
    EXPECT_FALSE(form.Button4.Enabled());
    EXPECT_EQ(form.BaseVersion, "1.0");
    EXPECT_FALSE(form.BaseTitle.isEmpty());
}

// Without this the first species a user types could be closed away without a question.
TEST_F(EditingState, EditsRightAfterStartUpCountAsUnsavedChanges) {
    Type(form.Edit4, QStringLiteral("InChI=1S/H2O/h1H2"));
    EXPECT_TRUE(form.FSpeciesChanged);
    platform.answers = {false};
    EXPECT_TRUE(form.UserCloseQuery());
    EXPECT_EQ(platform.questions, QStringList{"Do you want to save the species first?"});
}

TEST_F(EditingState, ChangingOnlyTheSpectrumKindIsNoUnsavedChange) {
    User([&] { form.ComboBox1.UserChoose(3); });
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_TRUE(form.UserCloseQuery());
    EXPECT_TRUE(platform.questions.isEmpty());
}

TEST_F(EditingState, SteppingAwayAndBackShowsTheEditsWithoutBlankLines) {
    Click(form.Button1);  // a second spectrum
    Click(form.Button4);  // back to the first
    Type(form.Edit17, QStringLiteral("First"));
    Type(form.Memo2, QStringLiteral("ref one\r\n\r\n   \r\nref two\r\n"));
    Type(form.Memo4, QStringLiteral("1 2\r\n\r\n3 4\r\n"));
    Click(form.Button3);
    EXPECT_EQ(form.ISpectrum(), 1);
    Click(form.Button4);
    EXPECT_EQ(form.Edit17.Text(), "First");
    EXPECT_EQ(form.Memo2.Text(), "ref one\r\nref two");
    EXPECT_EQ(form.Memo4.Lines(), (QStringList{"1, 2", "3, 4"}));
    EXPECT_EQ(form.Data[0].Spectra[0].XData, (std::vector<double>{1, 3}));
}

TEST_F(EditingState, MassRoundTrip) {
    struct Case {
        const char* typed;
        double stored;
        const char* shown;
    };
    const Case cases[] = {
        {"78.11", 78.11, "78.11"}, {"-1", NO_VALUE, ""}, {"12 amu", NO_VALUE, ""},
        {"", NO_VALUE, ""},        {"0", 0, "0"},        {" 1e3 ", 1000, "1000"},
    };
    for (const Case& c : cases) {
        platform.answers = {true, true};  // leaving the field with a non-number asks
        Type(form.Edit2, QString::fromUtf8(c.typed));
        form.CommitSpecies();
        EXPECT_EQ(form.Data[0].Species.Mass, c.stored) << c.typed;
        form.ShowSpecies(form.Data[0].Species);
        EXPECT_EQ(form.Edit2.Text(), QString::fromUtf8(c.shown)) << c.typed;
    }
}

TEST_F(EditingState, SelectingTheCurrentSpeciesChangesNothing) {
    Type(form.Edit1, QStringLiteral("typed but not committed"));
    form.SetISpecies(0);
    EXPECT_EQ(form.Edit1.Text(), "typed but not committed");
    EXPECT_EQ(form.Data[0].Species.Name, "New species");
}

TEST_F(EditingState, ShownSpectrumKindSetsTheLabelling) {
    TSpectrum simulation;
    simulation.SpectType = 4;
    form.ShowSpectrum(simulation);
    EXPECT_TRUE(form.Simulation());
    EXPECT_EQ(form.Label17.Text(), "Level(s) of theory");
    TSpectrum measurement;
    form.ShowSpectrum(measurement);
    EXPECT_FALSE(form.Simulation());
    EXPECT_EQ(form.Label17.Text(), "Source");
    EXPECT_EQ(form.Label15.Text(), "Source T / K");
}

TEST_F(EditingState, GatheringAndShowingAreInverse) {
    TSpecies species;
    species.Name = QStringLiteral("Water");
    species.Aliases = QStringLiteral("oxidane\r\ndihydrogen monoxide");
    species.Mass = 18.015;
    species.Formula = QStringLiteral("H<sub>2</sub>O");
    species.InChI = QStringLiteral("InChI=1S/H2O/h1H2");
    species.CAS = QStringLiteral("7732-18-5");
    species.PubChem = QStringLiteral("962");
    species.AIE = QStringLiteral("12.6206");
    species.VIE = QStringLiteral("12.62 +- 0.01");
    species.AIE_Comment = QStringLiteral("10.1063/1.1");
    species.VIE_Comment = QStringLiteral("estimate");
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    species.StructuralFormula = ImageToText(picture);
    form.ShowSpecies(species);
    EXPECT_EQ(form.ReadSpeciesFromForm(), species);
    EXPECT_EQ(form.Text3.Text(), "Water");

    TSpectrum spectrum;
    spectrum.Title = QStringLiteral("A <sup>2</sup>B state");
    spectrum.Uploader = QStringLiteral("ab");
    spectrum.DOI = QStringLiteral("10.5555/x");
    spectrum.SpectType = 4;
    spectrum.FurtherRefs = QStringLiteral("one\r\ntwo");
    spectrum.T = QStringLiteral("300");
    spectrum.Source = QStringLiteral("CCSD(T)");
    spectrum.Resolution = QStringLiteral("10");
    spectrum.Normalization = QStringLiteral("12.6");
    spectrum.FurtherComments = QStringLiteral("converged");
    spectrum.FacilityDate = QStringLiteral("2025");
    spectrum.CreatedDate = QStringLiteral("2025-03-04");
    spectrum.LineSpectrum = true;
    spectrum.XData = {12.6, 13.1};
    spectrum.YData = {1, 0.25};
    form.ShowSpectrum(spectrum);
    EXPECT_EQ(form.ReadSpectrumFromForm(), spectrum);
    EXPECT_EQ(form.Text2.Text(), "A 2B state (1/1)");
}

// Under a comma locale the points shown in the data field still read back as two numbers.
TEST_F(EditingState, PointsSurviveACommitUnderACommaLocale) {
    SetDecimalSeparator(QLatin1Char(','));
    TSpectrum spectrum;
    spectrum.XData = {1.5, 2.25};
    spectrum.YData = {2.5, 0.125};
    form.ShowSpectrum(spectrum);
    form.CommitSpectrum();
    SetDecimalSeparator(QLatin1Char('.'));
    EXPECT_EQ(form.Data[0].Spectra[0].XData, spectrum.XData);
    EXPECT_EQ(form.Data[0].Spectra[0].YData, spectrum.YData);
}
