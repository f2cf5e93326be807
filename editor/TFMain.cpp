#include "editor/TFMain.h"

#include <cmath>

TFMain::TFMain(Platform& platform) : platform_(&platform) {
    WireEvents();
    DoCreate();
}

void TFMain::WireEvents() {
    auto handler = [this](void (TFMain::*member)(TComponent*)) {
        return [this, member](TComponent* sender) { (this->*member)(sender); };
    };

    OnCreate = handler(&TFMain::FormCreate);
    OnShow = handler(&TFMain::FormShow);
    OnCloseQuery = [this](TComponent* sender) { return FormCloseQuery(sender); };

    // Species panel.
    Edit1.OnChangeTracking = handler(&TFMain::Edit1ChangeTracking);
    Edit3.OnChangeTracking = handler(&TFMain::Edit1ChangeTracking);
    for (TTextField* field : {static_cast<TTextField*>(&Memo1), static_cast<TTextField*>(&Edit2),
                              static_cast<TTextField*>(&Edit3), static_cast<TTextField*>(&Edit4),
                              static_cast<TTextField*>(&Edit5), static_cast<TTextField*>(&Edit8),
                              static_cast<TTextField*>(&Edit6), static_cast<TTextField*>(&Edit9),
                              static_cast<TTextField*>(&Edit7), static_cast<TTextField*>(&Edit10)})
        field->OnChange = handler(&TFMain::Edit3Change);

    // Spectrum panel: the descriptive fields refresh the header and the colour cue.
    for (TTextField* field : {static_cast<TTextField*>(&Edit17), static_cast<TTextField*>(&Edit11),
                              static_cast<TTextField*>(&Edit12), static_cast<TTextField*>(&Memo2),
                              static_cast<TTextField*>(&Edit14), static_cast<TTextField*>(&Edit13),
                              static_cast<TTextField*>(&Edit15), static_cast<TTextField*>(&Edit18),
                              static_cast<TTextField*>(&Memo3), static_cast<TTextField*>(&Edit16)}) {
        field->OnChange = handler(&TFMain::Edit3Change);
        field->OnChangeTracking = handler(&TFMain::Edit17ChangeTracking);
    }
    ComboBox1.OnChange = handler(&TFMain::Edit17ChangeTracking);
    CheckBox1.OnClick = handler(&TFMain::CheckBox1Click);
    CheckBox1.OnChange = handler(&TFMain::Memo4ChangeTracking);
    Memo4.OnChange = handler(&TFMain::Edit3Change);
    Memo4.OnChangeTracking = handler(&TFMain::Memo4ChangeTracking);

    // Numeric fields are checked when left.
    for (TEdit* field : {&Edit2, &Edit6, &Edit7, &Edit13, &Edit15, &Edit18})
        field->OnExit = handler(&TFMain::Edit6Exit);

    ListBox1.OnChange = handler(&TFMain::ListBox1Change);

    Button1.OnClick = handler(&TFMain::Button1Click);
    Button2.OnClick = handler(&TFMain::Button2Click);
    Button3.OnClick = handler(&TFMain::Button4Click);
    Button4.OnClick = handler(&TFMain::Button4Click);
    Button5.OnClick = handler(&TFMain::Button5Click);
    Button6.OnClick = handler(&TFMain::Button6Click);
    Button7.OnClick = handler(&TFMain::Button7Click);
    Button8.OnClick = handler(&TFMain::Button8Click);
    Button9.OnClick = handler(&TFMain::Button9Click);
    Button10.OnClick = handler(&TFMain::Button10Click);
    Button11.OnClick = handler(&TFMain::Button11Click);
    Button12.OnClick = handler(&TFMain::Button9Click);
    Button13.OnClick = handler(&TFMain::Button13Click);
    Button14.OnClick = handler(&TFMain::Button14Click);
    Button15.OnClick = handler(&TFMain::Button15Click);
    Button16.OnClick = handler(&TFMain::Button16Click);
    Button17.OnClick = handler(&TFMain::Button17Click);
    Button18.OnClick = handler(&TFMain::Button18Click);
    Button19.OnClick = handler(&TFMain::Button19Click);
    Button20.OnClick = handler(&TFMain::Button20Click);
    SpeedButton1.OnClick = handler(&TFMain::SpeedButton1Click);
    SpeedButton2.OnClick = handler(&TFMain::SpeedButton1Click);

    MenuItem1.OnClick = handler(&TFMain::MenuItem1Click);
    Timer1.OnTimer = handler(&TFMain::Timer1Timer);
}

void TFMain::ArrangeForSpeciesInput() {
    SetCaption(Caption() + QStringLiteral("Spectral database v") + ProgramVersion);
    SetCaption(Caption() + QStringLiteral(" -- Species input"));

    Panel4.SetVisible(false);
    Panel1.SetX(8);
    // Positions may be fractional; the shift is whole pixels, cut toward zero.
    const double shift = std::trunc(Panel2.X() - (Panel1.X() + Panel1.Width()) - 8);
    Panel2.SetX(Panel1.X() + Panel1.Width() + 8);
    Panel3.SetWidth(Panel3.Width() - shift);
    SetWidth(Width() - shift);

    Button11.SetEnabled(false);
    Button10.SetEnabled(false);
    Button9.SetVisible(false);
    Button13.SetVisible(false);
    Button14.SetVisible(false);
    Button12.SetVisible(false);
    Button19.SetVisible(true);

    SpeedButton1.SetX(SpeedButton1.X() - shift);
    SpeedButton2.SetX(SpeedButton2.X() - shift);
}
