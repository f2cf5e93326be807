#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"

using FieldChecks = EditorTest;

TEST_F(FieldChecks, NumericFieldsAskWhenLeftWithANonNumber) {
    struct Case {
        TEdit* field;
        const char* text;
        bool simulation;
        bool asks;
    };
    const Case cases[] = {
        {&form.Edit2, "12.5", false, false},  {&form.Edit2, "twelve", false, true},
        {&form.Edit2, "-1", false, true},     {&form.Edit2, "", false, false},
        {&form.Edit6, "9.24 eV", false, true}, {&form.Edit7, "9.3", false, false},
        {&form.Edit13, "room", false, true},  {&form.Edit15, "5", false, false},
        {&form.Edit18, "photon flux", false, false}, {&form.Edit18, "photon flux", true, true},
        {&form.Edit18, "9.24", true, false},
    };
    for (const Case& c : cases) {
        form.SetSimulation(c.simulation);
        platform.questions.clear();
        platform.answers = {true};
        User([&] { c.field->UserType(QString::fromUtf8(c.text)); });
        EXPECT_TRUE(User([&] { c.field->UserExit(); })) << c.text;
        EXPECT_EQ(platform.questions.size(), c.asks ? 1 : 0) << c.field->Name().toStdString() << " " << c.text;
        if (c.asks) {
            EXPECT_EQ(platform.questions.value(0), "A numerical value expected, this is not one. Want to continue?");
        }
        EXPECT_EQ(c.field->Text(), QString::fromUtf8(c.text));
    }
}

TEST_F(FieldChecks, NoKeepsTheFocusSilently) {
    platform.answers = {false};
    User([&] { form.Edit2.UserType(QStringLiteral("twelve")); });
    EXPECT_FALSE(User([&] { form.Edit2.UserExit(); }));
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_EQ(form.Edit2.Text(), "twelve");
}

TEST_F(FieldChecks, TagButtonsWrapTheSelection) {
    struct Case {
        TTextField* field;
        const char* text;
        int start, length;
        TSpeedButton* button;
        const char* result;
        int caret;
    };
    const Case cases[] = {
        {&form.Edit3, "H2O", 1, 1, &form.SpeedButton2, "H<sub>2</sub>O", 13},
        {&form.Edit17, "x2", 1, 1, &form.SpeedButton1, "x<sup>2</sup>", 13},
        {&form.Edit3, "CH", 2, 0, &form.SpeedButton2, "CH<sub></sub>", 13},
        {&form.Memo2, "a\r\nb2", 4, 1, &form.SpeedButton2, "a\r\nb<sub>2</sub>", 16},
        {&form.Memo4, "1 2", 0, 1, &form.SpeedButton1, "1 2", -1},
    };
    for (const Case& c : cases) {
        if (auto* edit = dynamic_cast<TEdit*>(c.field)) edit->SetText(QString::fromUtf8(c.text));
        if (auto* memo = dynamic_cast<TMemo*>(c.field)) memo->SetText(QString::fromUtf8(c.text));
        form.UserFocus(c.field);
        c.field->UserSelect(c.start, c.length);
        Click(*c.button);
        const QString text = dynamic_cast<TEdit*>(c.field) ? static_cast<TEdit*>(c.field)->Text()
                                                            : static_cast<TMemo*>(c.field)->Text();
        EXPECT_EQ(text, QString::fromUtf8(c.result)) << c.text;
        if (c.caret >= 0) {
            EXPECT_EQ(c.field->SelStart(), c.caret) << c.text;
            EXPECT_EQ(c.field->SelLength(), 0) << c.text;
        }
    }
}
