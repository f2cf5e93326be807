#pragma once

// Reading files for specdb as the editor reads them, with the exit status a failure calls for.

#include "Command.h"

#include "documents/Documents.h"

#include <optional>
#include <vector>

// A file that could not be used: its message and the exit status it calls for.
struct FileProblem {
    QString message;
    int status = kUnreadable;
    bool wrongType = false;  // a document, but not of the type that was needed
};

// Whatever one file holds, read by its type tag.
struct LoadedFile {
    QString type;  // kSpeciesType, kSpectrumType or kDatabaseType
    TSpeciesEntry species;
    TSpectrum spectrum;
    std::vector<TSpeciesEntry> entries;
    std::optional<DatabaseHeader> header;  // when asked for
};

// Reads a species, spectrum or database file as the editor reads a file of its type: species
// and spectrum files by the species-file encoding rule, databases as UTF-8. Throws FileProblem.
LoadedFile LoadFile(const QString& fileName, bool withDatabaseHeader = false);

// Reads a file that must be a species (or a database) document. Throws FileProblem.
TSpeciesEntry LoadSpecies(const QString& fileName);
std::vector<TSpeciesEntry> LoadDatabase(const QString& fileName);

// "1 spectrum", "3 spectra".
QString Count(std::size_t n, const char* one, const char* many);

// The date option's value when it is a date written yyyy-mm-dd.
bool IsDateText(const QString& text);
