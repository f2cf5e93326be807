#include "editor/TFMain.h"

#include "documents/Documents.h"
#include "editor/Platform.h"

// Load species: the file's species and spectra replace the current ones, or nothing changes.
void TFMain::Button6Click(TComponent*) {
    if (!platform_->RunOpenDialog(OpenDialog1)) return;
    SaveDialog1.FileName = OpenDialog1.FileName;
    LoadSpecies(OpenDialog1.FileName);
}

void TFMain::Button7Click(TComponent*) {
    if (!platform_->RunSaveDialog(SaveDialog1)) return;
    OpenDialog1.FileName = SaveDialog1.FileName;
    CommitSpecies();
    CommitSpectrum();
    SaveSpecies(SaveDialog1.FileName);
}

void TFMain::Button8Click(TComponent*) {
    if (!platform_->RunOpenDialog(OpenDialog1)) return;
    LoadSpectrum(OpenDialog1.FileName);
}

void TFMain::Button5Click(TComponent*) {
    if (!platform_->RunSaveDialog(SaveDialog1)) return;
    CommitSpectrum();
    WriteSpectrumFile(SaveDialog1.FileName, CurrentEntry().Spectra.at(FISpectrum));
}

// Paste spectrum: text that is no JSON is ignored without a word.
void TFMain::Button15Click(TComponent*) {
    if (!platform_->HasClipboard()) return;
    const ClipboardValue value = platform_->ReadClipboard();
    const QString* text = std::get_if<QString>(&value);
    if (!text) return;
    std::optional<TSpectrum> spectrum = SpectrumFromClipboardText(*text);
    if (!spectrum) return;
    TSpectrum& current = CurrentEntry().Spectra.at(FISpectrum);
    current = std::move(*spectrum);
    ShowSpectrum(current);
}

void TFMain::Button16Click(TComponent*) {
    if (!platform_->HasClipboard()) return;
    CommitSpectrum();
    platform_->WriteClipboardText(SpectrumClipboardText(CurrentEntry().Spectra.at(FISpectrum)));
}

bool TFMain::FormCloseQuery(TComponent*) {
    if (!FSpeciesChanged) return true;
    // Yes keeps the window open so that the user can save.
    return !platform_->Confirm(QStringLiteral("Do you want to save the species first?"));
}

void TFMain::LoadSpecies(const QString& fileName) { ShowLoadedSpecies(ReadSpeciesFile(fileName)); }

void TFMain::ShowLoadedSpecies(TSpeciesEntry entry) {
    TSpeciesEntry& current = CurrentEntry();
    FISpectrum = 0;
    current.Species = std::move(entry.Species);
    // A file without spectra leaves the entry's spectra as they were.
    if (!entry.Spectra.empty()) current.Spectra = std::move(entry.Spectra);
    ListBox1.SetItem(FISpecies, DatabaseLabel(current.Species));
    const bool pictureShown = ShowSpecies(current.Species);
    ShowSpectrum(current.Spectra[0]);
    UpdateSpectrumButtons();
    // A species whose picture could not be shown differs from its file: keep the flag set.
    if (pictureShown) SetDBChanged(false);
}

void TFMain::SaveSpecies(const QString& fileName) {
    TSpeciesEntry& current = CurrentEntry();
    current.Species = ReadSpeciesFromForm();
    current.Spectra.at(FISpectrum) = ReadSpectrumFromForm();
    WriteSpeciesFile(fileName, current);
    SetDBChanged(false);
}

void TFMain::LoadSpectrum(const QString& fileName) {
    TSpectrum spectrum = ReadSpectrumFile(fileName);
    TSpectrum& current = CurrentEntry().Spectra.at(FISpectrum);
    current = std::move(spectrum);
    ShowSpectrum(current);
}
