#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"

using SpeciesCommands = EditorTest;

namespace {

struct Buttons {
    bool remove, previous, next;
    bool operator==(const Buttons&) const = default;
};

Buttons SpectrumButtons(const TFMain& form) {
    return {form.Button2.Enabled(), form.Button4.Enabled(), form.Button3.Enabled()};
}

}  // namespace

TEST_F(SpeciesCommands, SpectrumButtonsFollowTheCount) {
    EXPECT_EQ(SpectrumButtons(form), (Buttons{false, false, false}));
    Click(form.Button1);
    EXPECT_EQ(SpectrumButtons(form), (Buttons{true, true, false}));
    Click(form.Button4);
    EXPECT_EQ(SpectrumButtons(form), (Buttons{true, false, true}));
    EXPECT_EQ(form.Text2.Text(), "New spectrum (1/2)");
}

TEST_F(SpeciesCommands, DeletingSpectraShowsTheNeighbour) {
    for (const char* title : {"A", "B", "C"}) {
        Type(form.Edit17, QString::fromLatin1(title));
        Click(form.Button1);
    }
    // Spectra A, B, C and a fourth; delete the fourth (the last) and then the first.
    platform.answers = {true};
    Click(form.Button2);
    EXPECT_EQ(form.ISpectrum(), 2);
    EXPECT_EQ(form.Edit17.Text(), "C");
    form.Button4.UserClick();
    form.Button4.UserClick();
    platform.answers = {true};
    Click(form.Button2);
    EXPECT_EQ(form.ISpectrum(), 0);
    EXPECT_EQ(form.Edit17.Text(), "B");
    ASSERT_EQ(form.Data[0].Spectra.size(), 2u);
    EXPECT_EQ(form.Data[0].Spectra[1].Title, "C");
    EXPECT_EQ(platform.questions, (QStringList{"Delete spectrum?", "Delete spectrum?"}));
}

TEST_F(SpeciesCommands, NoToTheDeleteQuestionsChangesNothing) {
    Click(form.Button1);
    form.FSpeciesChanged = false;
    form.Data.push_back(form.Data[0]);
    form.ListBox1.AddItem(QStringLiteral("second"));
    const auto data = form.Data;
    platform.answers = {false, false};
    Click(form.Button2);
    User([&] { form.Button14Click(&form.Button14); });  // the species buttons are hidden for species input
    EXPECT_EQ(form.Data, data);
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_EQ(platform.questions, (QStringList{"Delete spectrum?", "Delete species including all spectra?"}));
}

TEST_F(SpeciesCommands, AddedSpectrumTakesOverTheValuesInGrey) {
    User([&] { form.ComboBox1.UserChoose(4); });
    Type(form.Edit14, QStringLiteral("B3LYP"));
    Type(form.Memo4, QStringLiteral("1 2"));
    Click(form.Button1);
    EXPECT_EQ(form.ISpectrum(), 1);
    EXPECT_EQ(form.ComboBox1.ItemIndex(), 4);
    EXPECT_TRUE(form.Simulation());
    EXPECT_EQ(form.Label15.Text(), "Vib. T / K");
    EXPECT_EQ(form.Edit14.Text(), "B3LYP");
    EXPECT_EQ(form.Label23.Text(), "2026-01-15");
    EXPECT_EQ(form.Memo4.LineCount(), 0);
    EXPECT_TRUE(form.FSpeciesChanged);
    for (const TControl* field : std::initializer_list<const TControl*>{
             &form.Edit17, &form.Edit11, &form.Edit12, &form.Edit13, &form.Edit14, &form.Edit15, &form.Edit16,
             &form.Memo2, &form.Memo3})
        EXPECT_EQ(field->FontColor(), ColorGrey) << field->Name().toStdString();
    EXPECT_EQ(form.Edit18.FontColor(), ColorBlack);

    // Typing confirms one field; showing a spectrum turns them all black again.
    User([&] { form.Edit11.UserType(QStringLiteral("x")); });
    EXPECT_EQ(form.Edit11.FontColor(), ColorBlack);
    EXPECT_EQ(form.Edit12.FontColor(), ColorGrey);
    Click(form.Button4);
    EXPECT_EQ(form.Edit12.FontColor(), ColorBlack);
    EXPECT_EQ(form.Memo3.FontColor(), ColorBlack);
}

TEST_F(SpeciesCommands, ClearingLeavesOneEmptySpectrumAndNoUnsavedChanges) {
    Type(form.Edit1, QStringLiteral("Water"));
    Click(form.Button1);
    User([&] { form.CheckBox1.UserClick(); });
    form.Image1.SetPicture(QImage(2, 2, QImage::Format_ARGB32));
    Click(form.Button19);
    ASSERT_EQ(form.Data[0].Spectra.size(), 1u);
    const TSpectrum& spectrum = form.Data[0].Spectra[0];
    EXPECT_EQ(spectrum.Title, "");
    EXPECT_EQ(spectrum.CreatedDate, "2026-01-15");
    EXPECT_FALSE(spectrum.LineSpectrum);
    EXPECT_TRUE(spectrum.XData.empty());
    EXPECT_EQ(form.Edit1.Text(), "");
    EXPECT_TRUE(IsEmptyPicture(form.Image1.Picture()));
    EXPECT_EQ(form.Text2.Text(), " (1/1)");
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_EQ(SpectrumButtons(form), (Buttons{false, false, false}));
}

// The database panel is hidden, but its species commands still work on its controls.
TEST_F(SpeciesCommands, SpeciesAreAddedSteppedChosenAndDeleted) {
    Type(form.Edit1, QStringLiteral("Water"));
    Type(form.Edit3, QStringLiteral("H<sub>2</sub>O"));
    form.Button13.SetVisible(true);
    form.Panel4.SetVisible(true);
    form.Button13.UserClick();
    ASSERT_EQ(form.Data.size(), 2u);
    EXPECT_EQ(form.ISpecies(), 1);
    EXPECT_EQ(form.Edit1.Text(), "New species");
    EXPECT_EQ(form.Edit2.Text(), "0");
    EXPECT_EQ(form.ListBox1.Items(), (QStringList{"(H2O) Water", "() New species"}));
    EXPECT_EQ(form.ListBox1.ItemIndex(), 1);
    EXPECT_TRUE(form.Button14.Enabled());
    EXPECT_TRUE(form.Button9.Enabled());
    EXPECT_FALSE(form.Button12.Enabled());

    // The mass shown as 0 is gathered back as 0.
    form.CommitSpecies();
    EXPECT_EQ(form.Data[1].Species.Mass, 0);

    form.Button9.SetVisible(true);
    form.Button9.UserClick();
    EXPECT_EQ(form.ISpecies(), 0);
    EXPECT_EQ(form.Edit1.Text(), "Water");

    User([&] { form.ListBox1.UserChoose(1); });
    EXPECT_EQ(form.ISpecies(), 1);

    form.FSpeciesChanged = false;
    platform.answers = {true};
    User([&] { form.Button14Click(&form.Button14); });
    ASSERT_EQ(form.Data.size(), 1u);
    EXPECT_EQ(form.ISpecies(), 0);
    EXPECT_EQ(form.Edit1.Text(), "Water");
    EXPECT_EQ(form.ListBox1.Items(), QStringList{"(H2O) Water"});
    EXPECT_TRUE(form.FSpeciesChanged);
    EXPECT_TRUE(form.UserChange);
}
