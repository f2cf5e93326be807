#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(FMain, ShowArrangesTheWindowForSpeciesInput) {
    ScriptedPlatform platform;
    TFMain form{platform};
    EXPECT_EQ(form.Caption(), "");
    EXPECT_EQ(form.ClientWidth(), 943);

    form.UserShow();
    EXPECT_EQ(form.Caption(), "Spectral database v1.0 -- Species input");
    EXPECT_EQ(form.ClientWidth(), 720);
    EXPECT_EQ(form.ClientHeight(), 827);
    EXPECT_FALSE(form.Panel4.Visible());
    EXPECT_EQ(form.Panel1.X(), 8);
    EXPECT_EQ(form.Panel2.X(), 265);
    EXPECT_EQ(form.Panel3.Width(), 682);
    EXPECT_EQ(form.Chart1.Width(), 666) << "the chart keeps its margins";
    EXPECT_EQ(form.SpeedButton1.X(), 689);
    EXPECT_EQ(form.SpeedButton2.X(), 689);
    EXPECT_TRUE(form.Button19.Visible());
    for (const TButton* hidden : {&form.Button9, &form.Button13, &form.Button14, &form.Button12})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name().toStdString();
    EXPECT_FALSE(form.Button11.Enabled());
    EXPECT_FALSE(form.Button10.Enabled());
}

// The shift is cut toward zero and the outer width moves by it, whatever the frame.
TEST(FMain, ArrangementShiftIsWholePixels) {
    struct Case {
        double panel2X, frame;
        double panel2After, panel3Width, clientWidth, speedX;
    };
    const Case cases[] = {
        {488, 0, 265, 682, 720, 689},
        {488.9, 16, 265, 682, 720, 689},
        {500.5, 16, 265, 670, 708, 677},
    };
    for (const Case& c : cases) {
        ScriptedPlatform platform;
    TFMain form{platform};
        form.FrameWidth = c.frame;
        form.Panel2.SetX(c.panel2X);
        form.UserShow();
        EXPECT_EQ(form.Panel2.X(), c.panel2After) << c.panel2X;
        EXPECT_EQ(form.Panel3.Width(), c.panel3Width) << c.panel2X;
        EXPECT_EQ(form.ClientWidth(), c.clientWidth) << c.panel2X;
        EXPECT_EQ(form.Width(), c.clientWidth + c.frame) << c.panel2X;
        EXPECT_EQ(form.SpeedButton1.X(), c.speedX) << c.panel2X;
    }
}

TEST(FMain, TabOrderRunsThroughThePanelsAsDesigned) {
    ScriptedPlatform platform;
    TFMain form{platform};
    QStringList names;
    for (const TControl* control : TabChain(form)) names << control->Name();
    const QStringList species = {"Button9", "Button13", "Button19", "Button14", "Button12", "Edit1",
                                 "Memo1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit8", "Edit6", "Edit9",
                                 "Edit7", "Edit10", "Button18", "Button17", "Button6", "Button7"};
    const QStringList spectrum = {"Button4", "Button1", "Button2", "Button3", "Edit17", "Edit11", "Edit12",
                                  "ComboBox1", "Memo2", "Edit14", "Edit13", "Edit15", "Edit18", "Memo3",
                                  "Edit16", "CheckBox1", "Memo4", "Button8", "Button15", "Button16", "Button5"};
    const QStringList database = {"ListBox1", "Button11", "Button10", "Button20"};
    EXPECT_EQ(names, species + spectrum + database);
}
