#include "editor/TFCreate.h"

#include "editor/Platform.h"
#include "editor/TFMain.h"

TFCreate::TFCreate(Platform& platform) : TForm(QStringLiteral("FCreate")), platform_(&platform) {
    SetCaption(QStringLiteral("Create database from species files"));
    SetClientSize(507, 484);

    OpenDialog1.DefaultExt = QStringLiteral("json");
    OpenDialog1.Filter = QStringLiteral("JSON files (*.json)|*.json");
    OpenDialog1.AllowMultiSelect = true;
    OpenDialog1.FileMustExist = true;
    OpenDialog1.PathMustExist = true;
    OpenDialog1.HideReadOnly = true;
    OpenDialog1.EnableSizing = true;

    ListBox1.SetBounds(8, 64, 409, 414);
    ListBox1.TabOrder = 2;
    Label11.SetBounds(8, 35, 105, 17);
    Label11.SetText(QStringLiteral("Database version"));
    Edit11.SetBounds(112, 32, 393, 22);
    Edit11.SetText(QStringLiteral("1.0a"));
    Edit11.TabOrder = 1;
    Label22.SetBounds(8, 11, 76, 17);
    Label22.SetText(QStringLiteral("Title"));
    Edit17.SetBounds(112, 8, 393, 22);
    Edit17.SetText(TFMain::DefaultBaseTitle);
    Edit17.TabOrder = 0;
    Button1.SetBounds(424, 432, 80, 22);
    Button1.Text = QStringLiteral("&Ok");
    Button1.TabOrder = 3;
    Button2.SetBounds(424, 456, 80, 22);
    Button2.Text = QStringLiteral("Cancel");
    Button2.TabOrder = 4;

    OnShow = [this](TComponent* sender) { FormShow(sender); };
    Button1.OnClick = [this](TComponent* sender) { Button1Click(sender); };
    Button2.OnClick = [this](TComponent* sender) { Button2Click(sender); };
    EndBuilding();
}

void TFCreate::Show() {
    ModalResult = mrNone;
    UserShow();
}

void TFCreate::FormShow(TComponent*) {
    ListBox1.ClearItems();
    if (!platform_->RunOpenDialog(OpenDialog1)) {
        ModalResult = mrCancel;
        return;
    }
    for (const QString& file : OpenDialog1.Files) ListBox1.AddItem(file);
}

void TFCreate::ListBox1DragDrop(int from, int onto) {
    if (from < 0 || onto < 0 || from >= ListBox1.Count() || onto >= ListBox1.Count() || from == onto) return;
    ListBox1.ExchangeItems(from, onto);
}

void TFCreate::Button1Click(TComponent*) { ModalResult = mrOk; }

void TFCreate::Button2Click(TComponent*) { ModalResult = mrCancel; }
