#pragma once

#include <QString>
#include <QStringList>

// A file name for a species, safe on the common file systems: markup removed, characters that
// Windows, macOS or Linux refuse replaced by "_", no leading "." or "-", no trailing dot or
// space, no device name, at most 150 bytes of UTF-8, never empty; ".json" appended.
QString SpeciesFileName(const QString& speciesName);

// One file name per species name, made unique without regard to letter case (as case-insensitive
// file systems compare) by " (2)", " (3)", ... before the extension.
QStringList UniqueSpeciesFileNames(const QStringList& speciesNames);
