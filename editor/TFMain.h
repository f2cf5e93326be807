#pragma once

#include "editor/FMainControls.h"
#include "records/Records.h"

#include <vector>

class Platform;
class TFCreate;

// The main window: its controls and the handlers their events run.
class TFMain : public TFMainControls {
public:
    // Attaches every handler, then raises OnCreate. The platform answers questions, runs the
    // file dialogs and reaches the clipboard and the network for the handlers.
    explicit TFMain(Platform& platform);

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

    // The editing state. The panels are the working copy of the current species and spectrum;
    // the records receive them only when a command commits them.
    std::vector<TSpeciesEntry> Data;
    int FISpecies = 0;   // -1 only while Data is rebuilt
    int FISpectrum = 0;
    bool FSimulation = false;
    bool UserChange = false;       // change notifications of the panels count as the user's edits
    bool FSpeciesChanged = false;  // unsaved changes
    QString BaseTitle;
    QString BaseVersion;

    int ISpecies() const { return FISpecies; }
    // Selects a species: shows it and its first spectrum.
    void SetISpecies(int v);
    int ISpectrum() const { return FISpectrum; }
    void SetISpectrum(int v) { FISpectrum = v; }
    bool Simulation() const { return FSimulation; }
    // Switches the spectrum panel between the experiment and the simulation labels.
    void SetSimulation(bool v);
    void SetDBChanged(bool v) { FSpeciesChanged = v; }

    // The exchange between records and panels.
    TSpecies ReadSpeciesFromForm();
    // Returns false when the picture could not be shown (the rest is shown all the same and
    // the failure is reported).
    bool ShowSpecies(const TSpecies& species);
    TSpectrum ReadSpectrumFromForm();
    void ShowSpectrum(const TSpectrum& spectrum);
    void CommitSpecies();
    void CommitSpectrum();
    void UpdateSpectrumButtons();
    void UpdateSpeciesButtons();

    // Documents.
    void LoadSpecies(const QString& fileName);
    void SaveSpecies(const QString& fileName);
    void LoadSpectrum(const QString& fileName);
    void LoadDatabase(const QString& fileName);
    void SaveDatabase(const QString& fileName);
    // Replaces all species by one per file, in the order given.
    void BuildDatabaseFromFiles(const QStringList& fileNames);

    // The assembly dialog that the create-from-species-files command shows.
    void AttachCreateForm(TFCreate& form) { createForm_ = &form; }

    // The address of the structure drawing for a CAS number: its digits, nothing else; empty
    // when it has none.
    static QString StructureRequest(const QString& cas);

    // The chart's rebuild from the data field; only the timer runs it.
    void PlotSpectrum();

    // The default title of a database header.
    static inline const QString DefaultBaseTitle =
        QStringLiteral("TPES compendium of the photoelectron spectroscopy community, 2020-2026");

private:
    TSpeciesEntry& CurrentEntry();
    // The add-species steps after the commits, shared with the database build.
    void AddSpecies();
    // Puts a species read from a file into the current entry and shows it.
    void ShowLoadedSpecies(TSpeciesEntry entry);
    // The colour cue of the nine descriptive spectrum fields.
    void SetCueColor(QRgb color);

    Platform* platform_;
    TFCreate* createForm_ = nullptr;

    void WireEvents();
    // The visual part of the first showing: the caption, then the species-input arrangement,
    // which hides the database panel and closes the gap it leaves.
    void ArrangeForSpeciesInput();
};
