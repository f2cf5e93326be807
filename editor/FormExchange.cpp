#include "editor/TFMain.h"

#include "documents/Documents.h"
#include "editor/Platform.h"
#include "records/Failure.h"
#include "records/Markup.h"
#include "records/NumberText.h"
#include "records/SpectrumText.h"
#include "records/StructureImage.h"

TSpecies TFMain::ReadSpeciesFromForm() {
    TSpecies species;
    species.Name = Edit1.Text();
    Memo1.RemoveBlankLines();
    species.Aliases = Memo1.Text();
    species.Mass = TextToFloat(Edit2.Text());
    species.Formula = Edit3.Text();
    species.InChI = Edit4.Text();
    species.CAS = Edit5.Text();
    species.PubChem = Edit8.Text();
    species.StructuralFormula = ImageToText(Image1.Picture());
    species.AIE = Edit6.Text();
    species.VIE = Edit7.Text();
    species.AIE_Comment = Edit9.Text();
    species.VIE_Comment = Edit10.Text();
    return species;
}

bool TFMain::ShowSpecies(const TSpecies& species) {
    Edit1.SetText(species.Name);
    Memo1.SetText(species.Aliases);
    Edit2.SetText(FloatToText(species.Mass));
    Edit3.SetText(species.Formula);
    Edit4.SetText(species.InChI);
    Edit5.SetText(species.CAS);
    Edit8.SetText(species.PubChem);
    // A picture that does not decode must not cost the user the rest of the species: the
    // field shows no picture, every other field is shown, and the problem is reported.
    std::optional<QString> imageFailure;
    QImage picture = Image1.Picture();
    try {
        ShowImageText(species.StructuralFormula, picture);
    } catch (const Failure& failure) {
        picture = QImage();
        imageFailure = failure.Message();
    }
    Image1.SetPicture(picture);
    Edit6.SetText(species.AIE);
    Edit7.SetText(species.VIE);
    Edit9.SetText(species.AIE_Comment);
    Edit10.SetText(species.VIE_Comment);
    Edit1ChangeTracking(&Edit1);
    if (imageFailure) {
        // The panel no longer matches the record, so closing must ask.
        SetDBChanged(true);
        platform_->ShowError(*imageFailure);
    }
    return !imageFailure;
}

TSpectrum TFMain::ReadSpectrumFromForm() {
    TSpectrum spectrum;
    spectrum.LineSpectrum = CheckBox1.Checked();
    spectrum.Title = Edit17.Text();
    spectrum.Uploader = Edit11.Text();
    spectrum.DOI = Edit12.Text();
    spectrum.SpectType = ComboBox1.ItemIndex();
    Memo2.RemoveBlankLines();
    spectrum.FurtherRefs = Memo2.Text();
    spectrum.T = Edit13.Text();
    spectrum.Source = Edit14.Text();
    spectrum.Resolution = Edit15.Text();
    spectrum.Normalization = Edit18.Text();
    Memo3.RemoveBlankLines();
    spectrum.FurtherComments = Memo3.Text();
    spectrum.FacilityDate = Edit16.Text();
    spectrum.CreatedDate = Label23.Text();
    Memo4.RemoveBlankLines();
    ReadPoints(Memo4.Lines(), spectrum.LineSpectrum, spectrum.XData, spectrum.YData);
    return spectrum;
}

void TFMain::ShowSpectrum(const TSpectrum& spectrum) {
    SetCueColor(ColorBlack);
    CheckBox1.SetChecked(spectrum.LineSpectrum);
    Edit17.SetText(spectrum.Title);
    Edit17ChangeTracking(&Edit17);
    Edit11.SetText(spectrum.Uploader);
    Edit12.SetText(spectrum.DOI);
    ComboBox1.SetItemIndex(spectrum.SpectType);
    Memo2.SetText(spectrum.FurtherRefs);
    Edit13.SetText(spectrum.T);
    Edit14.SetText(spectrum.Source);
    Edit15.SetText(spectrum.Resolution);
    Edit18.SetText(spectrum.Normalization);
    Memo3.SetText(spectrum.FurtherComments);
    Edit16.SetText(spectrum.FacilityDate);
    Label23.SetText(spectrum.CreatedDate);
    Memo4.ClearLines();
    Edit17ChangeTracking(&Edit17);
    Memo4.BeginUpdate();
    const QStringList lines = WritePoints(spectrum.XData, spectrum.YData);
    if (!lines.isEmpty()) Memo4.AddLines(lines);
    Memo4.EndUpdate();
}

void TFMain::CommitSpecies() {
    TSpecies& species = CurrentEntry().Species;
    species = ReadSpeciesFromForm();
    // The species list names every species by formula and name, also between saves.
    if (FISpecies < ListBox1.Count()) ListBox1.SetItem(FISpecies, DatabaseLabel(species));
}

void TFMain::CommitSpectrum() { CurrentEntry().Spectra.at(FISpectrum) = ReadSpectrumFromForm(); }

TSpeciesEntry& TFMain::CurrentEntry() { return Data.at(FISpecies); }

void TFMain::UpdateSpectrumButtons() {
    const int m = int(CurrentEntry().Spectra.size());
    Button2.SetEnabled(m > 1);
    Button4.SetEnabled(FISpectrum > 0);
    Button3.SetEnabled(FISpectrum < m - 1);
}

void TFMain::UpdateSpeciesButtons() {
    const int n = int(Data.size());
    Button14.SetEnabled(n > 1);
    Button9.SetEnabled(FISpecies > 0);
    Button12.SetEnabled(FISpecies < n - 1);
    UpdateSpectrumButtons();
}

void TFMain::SetISpecies(int v) {
    if (v == FISpecies) return;
    FISpecies = v;
    UserChange = false;
    ListBox1.SetItemIndex(v);
    FISpectrum = 0;
    TSpeciesEntry& entry = Data.at(v);
    // A species read without spectra gets one when it must be shown.
    if (entry.Spectra.empty()) entry.Spectra.emplace_back();
    ShowSpecies(entry.Species);
    ShowSpectrum(entry.Spectra[0]);
    UserChange = true;
    UpdateSpeciesButtons();
}

void TFMain::SetSimulation(bool v) {
    if (v == FSimulation) return;
    FSimulation = v;
    if (v) {
        Label15.SetText(QStringLiteral("Vib. T / K"));
        Label17.SetText(QStringLiteral("Level(s) of theory"));
        Label18.SetText(QStringLiteral("Conv. FWHM / meV"));
        Label19.SetText(QStringLiteral("0-0 transition / eV"));
        Text1.SetText(QStringLiteral("Comments: programs used, approximations, convergence, simulation issues etc."));
        Label14.SetText(QStringLiteral("Further citations (program(s), theory etc.)"));
    } else {
        Label15.SetText(QStringLiteral("Source T / K"));
        Label17.SetText(QStringLiteral("Source"));
        Label18.SetText(QStringLiteral("Resolution / meV"));
        Label19.SetText(QStringLiteral("Flux normalization"));
        Text1.SetText(QStringLiteral(
            "Comments: mass resolution, extraction field, details of spectral treatment, sample / isomeric purity etc."));
        Label14.SetText(QStringLiteral("Further citations (expt., source, light source etc.)"));
    }
}

void TFMain::SetCueColor(QRgb color) {
    for (TControl* field : std::initializer_list<TControl*>{&Edit17, &Edit11, &Edit12, &Edit13, &Edit14, &Edit15,
                                                            &Edit16, &Memo2, &Memo3}) {
        field->SetFontColor(color);
    }
}
