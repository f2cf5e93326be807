#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"

using Submission = EditorTest;

// The whole road of a typical submission, compared byte for byte with a file written by hand.
TEST_F(Submission, TypicalSubmissionGivesTheExpectedFile) {
    Type(form.Edit1, QStringLiteral("Benzene"));
    Type(form.Memo1, QStringLiteral("benzol\r\n\r\ncyclohexatriene\r\n"));
    Type(form.Edit2, QStringLiteral("78.11"));
    // The formula's digits are wrapped with the subscript button.
    Type(form.Edit3, QStringLiteral("C6H6"));
    for (int start : {1, 14}) {
        form.UserFocus(&form.Edit3);
        form.Edit3.UserSelect(start, 1);
        Click(form.SpeedButton2);
    }
    Type(form.Edit4, QStringLiteral("InChI=1S/C6H6/c1-2-4-6-5-3-1/h1-6H"));
    Type(form.Edit5, QStringLiteral("71-43-2"));
    Type(form.Edit8, QStringLiteral("241"));
    Type(form.Edit6, QStringLiteral("9.24378"));
    Type(form.Edit9, QStringLiteral("10.1080/00268976.2012.123"));
    Type(form.Edit7, QStringLiteral("9.4"));
    EXPECT_EQ(form.Text3.Text(), "Benzene");

    Type(form.Edit17, QStringLiteral("X state of the cation"));
    Type(form.Edit11, QStringLiteral("A. Contributor"));
    Type(form.Edit13, QStringLiteral("300"));
    Type(form.Edit14, QStringLiteral("effusive beam"));
    Type(form.Edit15, QStringLiteral("5"));
    Type(form.Edit18, QStringLiteral("photon flux"));
    Type(form.Edit16, QStringLiteral("VUV beamline, 2025"));
    Type(form.Memo4, QStringLiteral("9.2\t0.1\r\n9.3\t0.5\r\n9.4\t1\r\n"));

    Click(form.Button1);
    Type(form.Edit17, QStringLiteral("FC simulation"));
    User([&] { form.ComboBox1.UserChoose(4); });
    Type(form.Edit14, QStringLiteral("B3LYP/aug-cc-pVTZ"));
    Type(form.Edit15, QStringLiteral("20"));
    Type(form.Edit18, QStringLiteral("9.24"));
    User([&] { form.CheckBox1.UserClick(); });
    Type(form.Memo4, QStringLiteral("9.24 1\n9.5 0\n9.8 0.25"));

    platform.Choose(Path("benzene.json"));
    Click(form.Button7);
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(platform.questions.isEmpty());

    QFile golden(QStringLiteral(SPECEDIT_EDITOR_GOLDEN) + QStringLiteral("/submission.json"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray expected = golden.readAll();
    const QByteArray written = FileBytes("benzene.json");
    EXPECT_TRUE(written == expected) << written.toStdString();
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_TRUE(form.UserCloseQuery());
}
