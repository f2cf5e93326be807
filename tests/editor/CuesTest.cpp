#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"

using Cues = EditorTest;

TEST_F(Cues, LabellingFollowsTheSpectrumKind) {
    User([&] { form.ComboBox1.UserChoose(3); });  // PES: still the experiment labels, design texts stay
    EXPECT_EQ(form.Label15.Text(), "T / K");
    User([&] { form.ComboBox1.UserChoose(4); });
    EXPECT_EQ(form.Label15.Text(), "Vib. T / K");
    EXPECT_EQ(form.Label17.Text(), "Level(s) of theory");
    EXPECT_EQ(form.Label18.Text(), "Conv. FWHM / meV");
    EXPECT_EQ(form.Label19.Text(), "0-0 transition / eV");
    EXPECT_EQ(form.Text1.Text(), "Comments: programs used, approximations, convergence, simulation issues etc.");
    EXPECT_EQ(form.Label14.Text(), "Further citations (program(s), theory etc.)");
    User([&] { form.ComboBox1.UserChoose(5); });
    EXPECT_EQ(form.Label15.Text(), "Source T / K");
    EXPECT_EQ(form.Label19.Text(), "Flux normalization");
    EXPECT_EQ(form.Text1.Text(),
              "Comments: mass resolution, extraction field, details of spectral treatment, sample / isomeric purity etc.");
    EXPECT_EQ(form.Label14.Text(), "Further citations (expt., source, light source etc.)");
}

TEST_F(Cues, HeadersFollowNameAndTitle) {
    Click(form.Button1);
    Click(form.Button4);
    User([&] { form.Edit17.UserType(QString()); });
    EXPECT_EQ(form.Text2.Text(), " (1/2)");
    User([&] { form.Edit17.UserType(QStringLiteral("A")); });
    EXPECT_EQ(form.Text2.Text(), "A (1/2)");
    User([&] { form.Edit17.UserType(QStringLiteral("X<sup>+</sup>")); });
    EXPECT_EQ(form.Text2.Text(), "X+ (1/2)");

    User([&] { form.Edit1.UserType(QStringLiteral("Benzene")); });
    User([&] { form.Edit3.UserType(QStringLiteral("C<sub>6</sub>")); });
    EXPECT_EQ(form.Text3.Text(), "Benzene");
}
