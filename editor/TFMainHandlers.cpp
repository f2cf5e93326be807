#include "editor/TFMain.h"

void TFMain::FormCreate(TComponent*) {}

void TFMain::FormShow(TComponent*) { ArrangeForSpeciesInput(); }

bool TFMain::FormCloseQuery(TComponent*) { return true; }

void TFMain::Edit3Change(TComponent*) {}

void TFMain::Edit1ChangeTracking(TComponent*) {}

void TFMain::Edit17ChangeTracking(TComponent*) {}

void TFMain::Edit6Exit(TComponent*) {}

void TFMain::Memo4ChangeTracking(TComponent*) {}

void TFMain::CheckBox1Click(TComponent*) {}

void TFMain::ListBox1Change(TComponent*) {}

void TFMain::Button1Click(TComponent*) {}

void TFMain::Button2Click(TComponent*) {}

void TFMain::Button4Click(TComponent*) {}

void TFMain::Button5Click(TComponent*) {}

void TFMain::Button6Click(TComponent*) {}

void TFMain::Button7Click(TComponent*) {}

void TFMain::Button8Click(TComponent*) {}

void TFMain::Button9Click(TComponent*) {}

void TFMain::Button10Click(TComponent*) {}

void TFMain::Button11Click(TComponent*) {}

void TFMain::Button13Click(TComponent*) {}

void TFMain::Button14Click(TComponent*) {}

void TFMain::Button15Click(TComponent*) {}

void TFMain::Button16Click(TComponent*) {}

void TFMain::Button17Click(TComponent*) {}

void TFMain::Button18Click(TComponent*) {}

void TFMain::Button19Click(TComponent*) {}

void TFMain::Button20Click(TComponent*) {}

void TFMain::SpeedButton1Click(TComponent*) {}

void TFMain::MenuItem1Click(TComponent*) {}

void TFMain::Timer1Timer(TComponent*) {}
