#pragma once

// The species, spectrum and database documents: records to JSON trees and file bytes, and back.
//
// Reading is all or nothing: a document is read into fresh records, which are handed back only
// when the whole document was read. A failed read throws and leaves nothing half changed.

#include "documents/Json.h"
#include "records/Failure.h"
#include "records/Records.h"

#include <QString>

#include <optional>
#include <vector>

// A document without the expected "Type". The editor shows it in an error box; building a
// database from species files skips such a file and goes on, so it has a type of its own.
class WrongDocumentType : public Failure {
public:
    using Failure::Failure;
};

inline const QString kSpeciesType = QStringLiteral("Species v1");
inline const QString kSpectrumType = QStringLiteral("Spectrum v1");
inline const QString kDatabaseType = QStringLiteral("Database v1");

// ---- Objects ----

// Adds the species object (twelve members) as the builder's next value.
void SpeciesToJSON(const TSpecies& species, JsonBuilder& builder);
// Adds the spectrum object (fourteen members; a simulation stores Source, Resolution and
// Normalization as "LevelOfTheory", "ConvolutionFWHM" and "AIE") as the builder's next value.
void SpectrumToJSON(const TSpectrum& spectrum, JsonBuilder& builder);

// Members are looked up by name. Throws Failure (MissingMember for a missing member).
TSpecies SpeciesFromJSON(const JsonValue& object);
// Points whose energy or intensity is -1 or does not read are left out.
TSpectrum SpectrumFromJSON(const JsonValue& object);

// ---- Documents as trees ----

JsonDocument SpeciesDocument(const TSpeciesEntry& entry);
JsonDocument SpectrumDocument(const TSpectrum& spectrum);
JsonDocument DatabaseDocument(const std::vector<TSpeciesEntry>& entries, const QString& title,
                              const QString& version, const QString& date);

// The species and its spectra; no spectra when the document has no Dataset1.
// Throws WrongDocumentType for a missing or other "Type", Failure otherwise.
TSpeciesEntry SpeciesFromDocument(const JsonValue& root);
TSpectrum SpectrumFromDocument(const JsonValue& root);
// Throws Failure("Database contains no species. Load aborted.") without Entry1.
std::vector<TSpeciesEntry> DatabaseFromDocument(const JsonValue& root);

// The title and version in a database's header (the editor itself does not read them).
struct DatabaseHeader {
    QString Title;
    QString Version;
};
DatabaseHeader DatabaseHeaderFromDocument(const JsonValue& root);

// ---- Files ----

// An empty Spectra list when the file has no Dataset1; the editor then keeps its current spectra.
TSpeciesEntry ReadSpeciesFile(const QString& fileName);
void WriteSpeciesFile(const QString& fileName, const TSpeciesEntry& entry);

TSpectrum ReadSpectrumFile(const QString& fileName);
void WriteSpectrumFile(const QString& fileName, const TSpectrum& spectrum);

// Entries without Dataset1 come back without spectra.
std::vector<TSpeciesEntry> ReadDatabaseFile(const QString& fileName);
void WriteDatabaseFile(const QString& fileName, const std::vector<TSpeciesEntry>& entries, const QString& title,
                       const QString& version, const QString& date);

// ---- Clipboard ----

// The spectrum document's text and CR LF, without a byte-order mark.
QString SpectrumClipboardText(const TSpectrum& spectrum);
// Nothing when the text is not JSON; throws Failure("Invalid class typecast") when it is not an
// object. Any spectrum object is taken, with or without "Type".
std::optional<TSpectrum> SpectrumFromClipboardText(const QString& text);

// The species list label: "(" formula without markup ") " name.
QString DatabaseLabel(const TSpecies& species);
