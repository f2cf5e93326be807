#include "editor/TFMain.h"

#include "documents/Documents.h"
#include "editor/Platform.h"

// Add spectrum: a new spectrum that takes over the shown one's descriptive values, marked grey
// until the user confirms them by editing.
void TFMain::Button1Click(TComponent*) {
    CommitSpectrum();
    TSpectrum spectrum = ReadSpectrumFromForm();
    auto& spectra = CurrentEntry().Spectra;
    spectra.push_back(std::move(spectrum));
    FISpectrum = int(spectra.size()) - 1;
    const QString today = platform_->Today();
    spectra.back().CreatedDate = today;
    Label23.SetText(today);
    ShowSpectrum(spectra.back());
    Memo4.ClearLines();
    SetCueColor(ColorGrey);
    SetDBChanged(true);
    UpdateSpeciesButtons();
}

// Delete spectrum; the panel's contents go with it, uncommitted.
void TFMain::Button2Click(TComponent*) {
    auto& spectra = CurrentEntry().Spectra;
    if (spectra.size() < 2) return;
    if (!platform_->Confirm(QStringLiteral("Delete spectrum?"))) return;
    spectra.erase(spectra.begin() + FISpectrum);
    if (FISpectrum > int(spectra.size()) - 1) FISpectrum = int(spectra.size()) - 1;
    ShowSpectrum(spectra[FISpectrum]);
    SetDBChanged(true);
    UpdateSpectrumButtons();
}

// Previous (Tag -1) or next (Tag 1) spectrum.
void TFMain::Button4Click(TComponent* sender) {
    const int target = FISpectrum + sender->Tag;
    if (target < 0 || target >= int(CurrentEntry().Spectra.size())) return;
    CommitSpectrum();
    FISpectrum = target;
    UserChange = false;
    ShowSpectrum(CurrentEntry().Spectra[FISpectrum]);
    UserChange = true;
    UpdateSpectrumButtons();
}

// Previous (Tag -1) or next (Tag 1) species.
void TFMain::Button9Click(TComponent* sender) {
    const int target = FISpecies + sender->Tag;
    if (target < 0 || target >= int(Data.size())) return;
    CommitSpecies();
    CommitSpectrum();
    FISpectrum = 0;
    SetISpecies(target);
}

void TFMain::Button13Click(TComponent*) {
    CommitSpectrum();
    CommitSpecies();
    AddSpecies();
}

void TFMain::AddSpecies() {
    TSpeciesEntry entry;
    entry.Species.Name = QStringLiteral("New species");
    entry.Spectra.resize(1);
    entry.Spectra[0].Title = QStringLiteral("New spectrum");
    const QString today = platform_->Today();
    entry.Spectra[0].CreatedDate = today;
    ListBox1.AddItem(DatabaseLabel(entry.Species));
    Data.push_back(std::move(entry));
    Label23.SetText(today);
    SetISpecies(int(Data.size()) - 1);
    SetDBChanged(true);
}

void TFMain::Button14Click(TComponent*) {
    if (Data.size() < 2) return;
    if (!platform_->Confirm(QStringLiteral("Delete species including all spectra?"))) return;
    UserChange = false;
    const int v = FISpecies;
    Data.erase(Data.begin() + v);
    ListBox1.DeleteItem(v);
    FISpecies = -1;  // so that the selection below always shows the species
    SetISpecies(v > int(Data.size()) - 1 ? int(Data.size()) - 1 : v);
    SetDBChanged(true);
    UserChange = true;
}

void TFMain::ListBox1Change(TComponent*) {
    if (!UserChange) return;
    const int selected = ListBox1.ItemIndex();
    if (selected < 0 || selected >= int(Data.size())) return;
    CommitSpecies();
    CommitSpectrum();
    SetISpecies(selected);
}

// Clear species: a fresh start with one empty spectrum and no unsaved changes.
void TFMain::Button19Click(TComponent*) {
    Edit1.SetText(QString());
    Memo1.SetText(QString());
    for (TEdit* edit : {&Edit3, &Edit2, &Edit4, &Edit5, &Edit8, &Edit6, &Edit7, &Edit9, &Edit10}) edit->SetText(QString());
    Image1.ClearPicture();
    Edit17.SetText(QString());
    Edit11.SetText(QString());

    Label23.SetText(platform_->Today());
    Edit12.SetText(QString());
    ComboBox1.SetItemIndex(0);
    Memo2.SetText(QString());
    for (TEdit* edit : {&Edit14, &Edit13, &Edit15, &Edit18}) edit->SetText(QString());
    Memo3.SetText(QString());
    Edit16.SetText(QString());
    CheckBox1.SetChecked(false);
    Memo4.ClearLines();

    CurrentEntry().Spectra.resize(1);
    FISpectrum = 0;
    Edit17ChangeTracking(&Edit17);
    CommitSpectrum();
    UpdateSpectrumButtons();
    FSpeciesChanged = false;
}
