#include "Documents.h"

#include "DocumentParts.h"

#include <algorithm>

namespace {

// The members of a spectrum object without its braces, so that the spectrum document can
// append its "Type".
void SpectrumMembers(const TSpectrum& spectrum, JsonBuilder& b) {
    const bool simulation = spectrum.SpectType == SIMULATION_KIND;
    b.Name(u"Title").String(spectrum.Title);
    b.Name(u"Uploader").String(spectrum.Uploader);
    b.Name(u"DOI").String(spectrum.DOI);
    b.Name(u"SpectType").Integer(spectrum.SpectType);
    b.Name(u"FurtherRefs").String(spectrum.FurtherRefs);
    b.Name(u"T").String(spectrum.T);
    b.Name(u"FurtherComments").String(spectrum.FurtherComments);
    b.Name(u"FacilityDate").String(spectrum.FacilityDate);
    b.Name(u"CreatedDate").String(spectrum.CreatedDate);
    b.Name(u"LineSpectrum").Bool(spectrum.LineSpectrum);
    b.Name(simulation ? u"LevelOfTheory" : u"Source").String(spectrum.Source);
    b.Name(simulation ? u"ConvolutionFWHM" : u"Resolution").String(spectrum.Resolution);
    b.Name(simulation ? u"AIE" : u"Normalization").String(spectrum.Normalization);
    b.Name(u"Spectrum").BeginArray();
    const std::size_t points = std::min(spectrum.XData.size(), spectrum.YData.size());
    for (std::size_t i = 0; i < points; ++i) {
        b.BeginObject();
        b.Name(u"E").Number(spectrum.XData[i]);
        b.Name(u"I").Number(spectrum.YData[i]);
        b.EndObject();
    }
    b.EndArray();
}

void RequireType(const JsonValue& document, QStringView type, const char* message) {
    const JsonValue* value = document.Find(u"Type");
    if (!value || !value->IsString() || value->Text() != type) throw WrongDocumentType(QString::fromLatin1(message));
}

}  // namespace

void SpeciesToJSON(const TSpecies& species, JsonBuilder& b) {
    b.BeginObject();
    b.Name(u"Name").String(species.Name);
    b.Name(u"Aliases").String(species.Aliases);
    b.Name(u"Mass").Number(species.Mass);
    b.Name(u"Formula").String(species.Formula);
    b.Name(u"InChI").String(species.InChI);
    b.Name(u"CAS").String(species.CAS);
    b.Name(u"PubChem").String(species.PubChem);
    b.Name(u"StructuralFormula").String(species.StructuralFormula);
    b.Name(u"AIE").String(species.AIE);
    b.Name(u"VIE").String(species.VIE);
    b.Name(u"AIE_Comment").String(species.AIE_Comment);
    b.Name(u"VIE_Comment").String(species.VIE_Comment);
    b.EndObject();
}

void SpectrumToJSON(const TSpectrum& spectrum, JsonBuilder& b) {
    b.BeginObject();
    SpectrumMembers(spectrum, b);
    b.EndObject();
}

TSpecies SpeciesFromJSON(const JsonValue& object) {
    TSpecies species;
    species.Name = MemberText(object, u"Name");
    species.Aliases = MemberText(object, u"Aliases");
    species.Mass = MemberFloat(object, u"Mass");
    species.Formula = MemberText(object, u"Formula");
    species.InChI = MemberText(object, u"InChI");
    species.CAS = MemberText(object, u"CAS");
    species.PubChem = MemberText(object, u"PubChem");
    species.StructuralFormula = MemberText(object, u"StructuralFormula");
    species.AIE = MemberText(object, u"AIE");
    species.VIE = MemberText(object, u"VIE");
    species.AIE_Comment = MemberText(object, u"AIE_Comment");
    species.VIE_Comment = MemberText(object, u"VIE_Comment");
    return species;
}

TSpectrum SpectrumFromJSON(const JsonValue& object) {
    TSpectrum spectrum;
    spectrum.Title = MemberText(object, u"Title");
    spectrum.Uploader = MemberText(object, u"Uploader");
    spectrum.DOI = MemberText(object, u"DOI");
    spectrum.SpectType = IntegerText(MemberText(object, u"SpectType"));
    spectrum.FurtherRefs = MemberText(object, u"FurtherRefs");
    spectrum.T = MemberText(object, u"T");
    spectrum.FurtherComments = MemberText(object, u"FurtherComments");
    spectrum.CreatedDate = MemberText(object, u"CreatedDate");
    spectrum.FacilityDate = MemberText(object, u"FacilityDate");
    spectrum.LineSpectrum = MemberBool(object, u"LineSpectrum");
    const JsonValue& points = MemberArray(object, u"Spectrum");
    const bool simulation = spectrum.SpectType == SIMULATION_KIND;
    spectrum.Source = MemberText(object, simulation ? u"LevelOfTheory" : u"Source");
    spectrum.Resolution = MemberText(object, simulation ? u"ConvolutionFWHM" : u"Resolution");
    spectrum.Normalization = MemberText(object, simulation ? u"AIE" : u"Normalization");

    const auto elements = points.Elements();
    spectrum.XData.reserve(elements.size());
    spectrum.YData.reserve(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        double x, y;
        try {
            const JsonValue& point = AsObject(elements[i]);
            x = MemberFloat(point, u"E");
            y = MemberFloat(point, u"I");
        } catch (const MissingMember& missing) {
            throw missing.Within(QStringLiteral("point %1").arg(i + 1));
        }
        // A point that is absent in either coordinate is left out.
        if (x != NO_VALUE && y != NO_VALUE) {
            spectrum.XData.push_back(x);
            spectrum.YData.push_back(y);
        }
    }
    return spectrum;
}

void EntryMembers(const TSpeciesEntry& entry, JsonBuilder& b) {
    b.Name(u"Species");
    SpeciesToJSON(entry.Species, b);
    for (std::size_t k = 0; k < entry.Spectra.size(); ++k) {
        b.Name(NumberedName(u"Dataset", int(k + 1)));
        SpectrumToJSON(entry.Spectra[k], b);
    }
}

TSpeciesEntry EntryFromJSON(const JsonValue& object) {
    TSpeciesEntry entry;
    const JsonValue* species = MemberObject(object, u"Species");
    if (!species) throw MissingMember(QStringLiteral("Species"));
    entry.Species = ReadWithin(QStringLiteral("Species"), [&] { return SpeciesFromJSON(*species); });
    const auto datasets = NumberedMembers(object, u"Dataset");
    entry.Spectra.reserve(datasets.size());
    for (std::size_t k = 0; k < datasets.size(); ++k) {
        const QString name = NumberedName(u"Dataset", int(k + 1));
        entry.Spectra.push_back(ReadWithin(name, [&] { return SpectrumFromJSON(AsObject(*datasets[k])); }));
    }
    return entry;
}

JsonDocument SpeciesDocument(const TSpeciesEntry& entry) {
    JsonBuilder b;
    b.BeginObject();
    b.Name(u"Type").String(kSpeciesType);
    EntryMembers(entry, b);
    b.EndObject();
    return b.Finish();
}

JsonDocument SpectrumDocument(const TSpectrum& spectrum) {
    JsonBuilder b;
    b.BeginObject();
    SpectrumMembers(spectrum, b);
    b.Name(u"Type").String(kSpectrumType);
    b.EndObject();
    return b.Finish();
}

TSpeciesEntry SpeciesFromDocument(const JsonValue& root) {
    const JsonValue& document = AsObject(root);
    RequireType(document, kSpeciesType, "Species not found in JSON file. Load aborted.");
    return EntryFromJSON(document);
}

TSpectrum SpectrumFromDocument(const JsonValue& root) {
    const JsonValue& document = AsObject(root);
    RequireType(document, kSpectrumType, "Spectrum not found in JSON file. Load aborted.");
    return SpectrumFromJSON(document);
}

void RequireDatabaseType(const JsonValue& document) {
    RequireType(document, kDatabaseType, "Database not found in JSON file. Load aborted.");
}

TSpeciesEntry ReadSpeciesFile(const QString& fileName) {
    return SpeciesFromDocument(ReadJSONDocument(fileName, JsonEncodingRule::SpeciesFile).Root());
}

void WriteSpeciesFile(const QString& fileName, const TSpeciesEntry& entry) {
    WriteJSONDocument(fileName, SpeciesDocument(entry).Root());
}

TSpectrum ReadSpectrumFile(const QString& fileName) {
    return SpectrumFromDocument(ReadJSONDocument(fileName, JsonEncodingRule::SpeciesFile).Root());
}

void WriteSpectrumFile(const QString& fileName, const TSpectrum& spectrum) {
    WriteJSONDocument(fileName, SpectrumDocument(spectrum).Root());
}

QString SpectrumClipboardText(const TSpectrum& spectrum) {
    return FormatJSON(SpectrumDocument(spectrum).Root()) + QStringLiteral("\r\n");
}

std::optional<TSpectrum> SpectrumFromClipboardText(const QString& text) {
    const auto document = ParseJSON(text);
    if (!document) return std::nullopt;
    return SpectrumFromJSON(AsObject(document->Root()));
}
