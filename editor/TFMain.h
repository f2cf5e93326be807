#pragma once

#include "editor/FMainControls.h"

// The main window: its controls and the handlers their events run.
class TFMain : public TFMainControls {
public:
    // Attaches every handler, then raises OnCreate.
    TFMain();

    // Window events.
    void FormCreate(TComponent* sender);
    void FormShow(TComponent* sender);
    bool FormCloseQuery(TComponent* sender);

    // Field events.
    void Edit3Change(TComponent* sender);
    void Edit1ChangeTracking(TComponent* sender);
    void Edit17ChangeTracking(TComponent* sender);
    void Edit6Exit(TComponent* sender);
    void Memo4ChangeTracking(TComponent* sender);
    void CheckBox1Click(TComponent* sender);
    void ListBox1Change(TComponent* sender);

    // Buttons; Button4Click serves Button3 too, Button9Click serves Button12, and
    // SpeedButton1Click both speed buttons, told apart by their Tag.
    void Button1Click(TComponent* sender);
    void Button2Click(TComponent* sender);
    void Button4Click(TComponent* sender);
    void Button5Click(TComponent* sender);
    void Button6Click(TComponent* sender);
    void Button7Click(TComponent* sender);
    void Button8Click(TComponent* sender);
    void Button9Click(TComponent* sender);
    void Button10Click(TComponent* sender);
    void Button11Click(TComponent* sender);
    void Button13Click(TComponent* sender);
    void Button14Click(TComponent* sender);
    void Button15Click(TComponent* sender);
    void Button16Click(TComponent* sender);
    void Button17Click(TComponent* sender);
    void Button18Click(TComponent* sender);
    void Button19Click(TComponent* sender);
    void Button20Click(TComponent* sender);
    void SpeedButton1Click(TComponent* sender);
    void MenuItem1Click(TComponent* sender);
    void Timer1Timer(TComponent* sender);

    // The version shown in the caption.
    static inline const QString ProgramVersion = QStringLiteral("1.0");

private:
    void WireEvents();
    // The visual part of the first showing: the caption, then the species-input arrangement,
    // which hides the database panel and closes the gap it leaves.
    void ArrangeForSpeciesInput();
};
