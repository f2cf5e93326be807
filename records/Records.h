#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Absent or unparsable number. A text that parses to exactly -1 counts as absent too.
inline constexpr double NO_VALUE = -1.0;

// Index of the one simulation kind among the spectrum kinds.
inline constexpr int SIMULATION_KIND = 4;

// The spectrum kinds, by the index stored in TSpectrum::SpectType.
inline const std::array<QString, 6> SpectrumKind = {
    QStringLiteral("ms-TPES"), QStringLiteral("ms-SPES"), QStringLiteral("TPES"),
    QStringLiteral("PES"),     QStringLiteral("FC simulation"), QStringLiteral("PIS")};

// One molecule. Multi-line texts use CR LF between lines.
struct TSpecies {
    QString Name;
    QString Aliases;
    double Mass = 0;            // amu; NO_VALUE when absent
    QString Formula;            // may hold <sub>/<sup> markup
    QString InChI;
    QString CAS;
    QString PubChem;
    QString StructuralFormula;  // Base64 PNG text, empty without a picture
    QString AIE;                // ionization energies are kept as typed
    QString VIE;
    QString AIE_Comment;
    QString VIE_Comment;

    bool operator==(const TSpecies&) const = default;
};

// One measured or simulated spectrum. XData and YData always have the same length.
struct TSpectrum {
    QString Title;
    QString Uploader;
    QString DOI;
    std::int32_t SpectType = 0;
    QString FurtherRefs;
    QString T;              // source or vibrational temperature
    QString Source;         // source, or level(s) of theory for a simulation
    QString Resolution;     // resolution, or convolution FWHM for a simulation
    QString Normalization;  // flux normalization, or 0-0 transition energy for a simulation
    QString FurtherComments;
    QString FacilityDate;
    QString CreatedDate;
    bool LineSpectrum = false;
    std::vector<double> XData;  // photon energies / eV
    std::vector<double> YData;  // intensities / arb. unit

    bool operator==(const TSpectrum&) const = default;
};

// A molecule with its spectra, in the order the user keeps them.
struct TSpeciesEntry {
    TSpecies Species;
    std::vector<TSpectrum> Spectra;

    bool operator==(const TSpeciesEntry&) const = default;
};
