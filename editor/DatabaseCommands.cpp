#include "editor/TFMain.h"

#include "documents/Documents.h"
#include "editor/Platform.h"
#include "editor/TFCreate.h"
#include "records/Failure.h"

#include <optional>

// Open database: its species replace all others, or nothing changes.
void TFMain::Button11Click(TComponent*) {
    if (!platform_->RunOpenDialog(OpenDialog1)) return;
    LoadDatabase(OpenDialog1.FileName);
}

// Save all species into one database file.
void TFMain::Button10Click(TComponent*) {
    if (!platform_->RunSaveDialog(SaveDialog1)) return;
    CommitSpecies();
    CommitSpectrum();
    SaveDatabase(SaveDialog1.FileName);
}

// Create a database from species files chosen and ordered in the assembly dialog.
void TFMain::Button20Click(TComponent*) {
    if (!createForm_) return;
    if (platform_->ShowModal(*createForm_) != TFCreate::mrOk) return;
    BaseTitle = createForm_->Edit17.Text();
    BaseVersion = createForm_->Edit11.Text();
    BuildDatabaseFromFiles(createForm_->ListBox1.Items());
}

void TFMain::LoadDatabase(const QString& fileName) {
    std::vector<TSpeciesEntry> entries = ReadDatabaseFile(fileName);  // all or nothing
    Data = std::move(entries);
    UserChange = false;
    ListBox1.ClearItems();
    FISpecies = -1;
    FISpectrum = 0;
    for (const TSpeciesEntry& entry : Data) ListBox1.AddItem(DatabaseLabel(entry.Species));
    UserChange = true;
    SetISpecies(0);
    SetDBChanged(false);
}

void TFMain::SaveDatabase(const QString& fileName) {
    WriteDatabaseFile(fileName, Data, BaseTitle, BaseVersion, platform_->Today());
    SetDBChanged(false);
}

void TFMain::BuildDatabaseFromFiles(const QStringList& fileNames) {
    if (fileNames.isEmpty()) return;  // a database needs at least one species
    // Every file is read before anything changes, so a file that cannot be read leaves the
    // species being edited as they were. A file that is not a species document is reported
    // in its turn and stays a new species, as if it had been added by hand.
    std::vector<std::optional<TSpeciesEntry>> read;
    std::vector<QString> refusals;
    read.reserve(fileNames.size());
    for (const QString& fileName : fileNames) {
        try {
            read.emplace_back(ReadSpeciesFile(fileName));
            refusals.emplace_back();
        } catch (const WrongDocumentType& refusal) {
            read.emplace_back(std::nullopt);
            refusals.push_back(refusal.Message());
        }
    }

    ListBox1.ClearItems();
    FISpecies = -1;
    FISpectrum = 0;
    Data.clear();
    for (std::size_t i = 0; i < read.size(); ++i) {
        AddSpecies();
        if (read[i]) {
            ShowLoadedSpecies(std::move(*read[i]));
        } else {
            platform_->ShowError(refusals[i]);
        }
    }
}
