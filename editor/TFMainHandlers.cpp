#include "editor/TFMain.h"

#include "editor/Platform.h"

void TFMain::FormCreate(TComponent*) {
    Data.assign(1, TSpeciesEntry{});
    FISpecies = 0;
    FISpectrum = 0;
    BaseTitle = DefaultBaseTitle;
    BaseVersion = QStringLiteral("1.0");
}

// The first showing: one new species with one new spectrum dated today, then the window
// arranges itself for species input.
void TFMain::FormShow(TComponent*) {
    CommitSpecies();
    CurrentEntry().Spectra.resize(1);
    CommitSpectrum();
    FISpectrum = 0;
    UpdateSpectrumButtons();
    Label23.SetText(platform_->Today());
    ArrangeForSpeciesInput();
    // From here on every edit counts, so that closing asks before the first species is lost.
    UserChange = true;
}
