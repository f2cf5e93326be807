#include "documents/Documents.h"
#include "records/NumberText.h"
#include "support/TempFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TSpectrum SampleSpectrum(int kind, const QString& title) {
    TSpectrum s;
    s.Title = title;
    s.Uploader = QStringLiteral("A. B.");
    s.DOI = QStringLiteral("10.1000/xyz");
    s.SpectType = kind;
    s.FurtherRefs = QStringLiteral("first\r\nsecond");
    s.T = QStringLiteral("300");
    s.Source = QStringLiteral("source or theory");
    s.Resolution = QStringLiteral("20");
    s.Normalization = QStringLiteral("9.24");
    s.FurtherComments = QStringLiteral("comment \u00E9");
    s.FacilityDate = QStringLiteral("BESSY II, 2019");
    s.CreatedDate = QStringLiteral("2024-01-15");
    s.LineSpectrum = kind == 4;
    s.XData = {9.5, 10, 2.0 / 3.0, 11};
    s.YData = {0, 1E-5, 0.25, 12.5};
    return s;
}

TSpeciesEntry SampleEntry() {
    TSpeciesEntry entry;
    entry.Species.Name = QStringLiteral("benzene");
    entry.Species.Aliases = QStringLiteral("benzol\r\ncyclohexatriene");
    entry.Species.Mass = 78.11;
    entry.Species.Formula = QStringLiteral("C<sub>6</sub>H<sub>6</sub>");
    entry.Species.InChI = QStringLiteral("InChI=1S/C6H6/c1-2-4-6-5-3-1/h1-6H");
    entry.Species.CAS = QStringLiteral("71-43-2");
    entry.Species.PubChem = QStringLiteral("241");
    entry.Species.StructuralFormula = QStringLiteral("iVBORw0KGgo=\r\n");
    entry.Species.AIE = QStringLiteral("9.24378");
    entry.Species.VIE = QStringLiteral("9.25 eV");
    entry.Species.AIE_Comment = QStringLiteral("\"quoted\" \\ \t tab");
    entry.Species.VIE_Comment = QStringLiteral("\U0001F600");
    entry.Spectra = {SampleSpectrum(3, QStringLiteral("PES")), SampleSpectrum(4, QStringLiteral("simulation")),
                     TSpectrum{}};
    return entry;
}

// What a record is expected to be after a trip through a document: numbers at 15 significant
// digits, points absent in either coordinate gone.
TSpectrum AfterTrip(TSpectrum s) {
    std::vector<double> x, y;
    for (std::size_t i = 0; i < s.XData.size(); ++i) {
        const double xi = TextToFloat(NumberText(s.XData[i], DecimalSeparator()));
        const double yi = TextToFloat(NumberText(s.YData[i], DecimalSeparator()));
        if (xi != NO_VALUE && yi != NO_VALUE) {
            x.push_back(xi);
            y.push_back(yi);
        }
    }
    s.XData = x;
    s.YData = y;
    return s;
}

using Documents = TempFilesTest;

TEST_F(Documents, SpeciesFileReadsBackAsWritten) {
    for (QChar separator : {QChar(u'.'), QChar(u',')}) {
        SetDecimalSeparator(separator);
        TSpeciesEntry entry = SampleEntry();
        entry.Spectra[0].XData.push_back(-1);  // absent energy
        entry.Spectra[0].YData.push_back(5);
        entry.Spectra[0].XData.push_back(12);
        entry.Spectra[0].YData.push_back(NO_VALUE);
        const QString path = Path(QStringLiteral("species.json"));
        WriteSpeciesFile(path, entry);
        const TSpeciesEntry back = ReadSpeciesFile(path);

        TSpeciesEntry expected = entry;
        for (TSpectrum& s : expected.Spectra) s = AfterTrip(s);
        EXPECT_EQ(back, expected);
        EXPECT_EQ(back.Spectra[0].XData.size(), 4u);
        EXPECT_NE(back.Spectra[0].XData[2], 2.0 / 3.0);  // passed through 15 digits
        // From here on the trip changes nothing: what was read is written and read the same.
        const QString again = Path(QStringLiteral("again.json"));
        WriteSpeciesFile(again, back);
        EXPECT_EQ(ReadSpeciesFile(again), back);
        const QString third = Path(QStringLiteral("third.json"));
        WriteSpeciesFile(third, ReadSpeciesFile(again));
        EXPECT_EQ(Read(third), Read(again));
    }
    SetDecimalSeparator(QLatin1Char('.'));
}

TEST_F(Documents, AbsentMassIsWrittenAsMinusOneAndReadAsAbsent) {
    TSpeciesEntry entry = SampleEntry();
    entry.Species.Mass = NO_VALUE;
    WriteSpeciesFile(Path(QStringLiteral("m.json")), entry);
    EXPECT_TRUE(Read(Path(QStringLiteral("m.json"))).contains("\"Mass\": -1,\r\n"));
    EXPECT_EQ(ReadSpeciesFile(Path(QStringLiteral("m.json"))).Species.Mass, NO_VALUE);
}

TEST_F(Documents, SimulationUsesItsOwnMemberNames) {
    JsonBuilder b;
    SpectrumToJSON(SampleSpectrum(4, QStringLiteral("sim")), b);
    const JsonDocument simulation = b.Finish();
    QStringList names;
    for (const JsonMember& member : simulation.Root().Members()) names << member.Name().toString();
    EXPECT_EQ(names, QStringList({"Title", "Uploader", "DOI", "SpectType", "FurtherRefs", "T", "FurtherComments",
                                  "FacilityDate", "CreatedDate", "LineSpectrum", "LevelOfTheory", "ConvolutionFWHM",
                                  "AIE", "Spectrum"}));
    EXPECT_EQ(MemberText(simulation.Root(), u"AIE"), QStringLiteral("9.24"));
    EXPECT_EQ(SpectrumFromJSON(simulation.Root()).Normalization, QStringLiteral("9.24"));
}

// Hand-written species documents and what reading them gives: the number of spectra, or the
// failure's message.
TEST_F(Documents, ReadingSpeciesDocuments) {
    const QString species = QStringLiteral(
        R"("Species": {"Name": "n", "Aliases": "", "Mass": 78.11, "Formula": "", "InChI": "", "CAS": 7143,
           "PubChem": "", "StructuralFormula": "", "AIE": "", "VIE": "", "AIE_Comment": "", "VIE_Comment": ""})");
    auto spectrum = [](const QString& changes) {
        QString s = QStringLiteral(
            R"({"Title": "t", "Uploader": "", "DOI": "", "SpectType": 0, "FurtherRefs": "", "T": "",
                "FurtherComments": "", "FacilityDate": "", "CreatedDate": "", "LineSpectrum": false,
                "Source": "", "Resolution": "", "Normalization": "",
                "Spectrum": [{"E": 1, "I": 2}, {"E": 3, "I": 0}]})");
        for (const QString& change : changes.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            const QStringList parts = change.split(QStringLiteral("=>"));
            s.replace(parts[0], parts[1]);
        }
        return s;
    };
    auto doc = [&](const QString& rest, const QString& type = QStringLiteral(R"("Type": "Species v1")")) {
        return QStringLiteral("{") + type + QStringLiteral(", ") + species + rest + QStringLiteral("}");
    };
    struct Case {
        const char* what;
        QString text;
        std::variant<int, QString> outcome;  // spectra read, or the failure message
    };
    const QString none;
    const Case cases[] = {
        {"two spectra", doc(", \"Dataset1\": " + spectrum(none) + ", \"Dataset2\": " + spectrum(none)), 2},
        {"no Dataset1", doc(none), 0},
        {"gap after Dataset1", doc(", \"Dataset1\": " + spectrum(none) + ", \"Dataset3\": " + spectrum(none)), 1},
        {"type in other case", doc(none, QStringLiteral(R"("Type": "species v1")")),
         QStringLiteral("Species not found in JSON file. Load aborted.")},
        {"type missing", doc(none, QStringLiteral(R"("Typ": "Species v1")")),
         QStringLiteral("Species not found in JSON file. Load aborted.")},
        {"type a number", doc(none, QStringLiteral(R"("Type": 1)")),
         QStringLiteral("Species not found in JSON file. Load aborted.")},
        {"spectrum document", spectrum(R"(}=>, "Type": "Spectrum v1"})"),
         QStringLiteral("Species not found in JSON file. Load aborted.")},
        {"top level array", QStringLiteral("[1]"), QStringLiteral("Invalid class typecast")},
        {"no species", QStringLiteral(R"({"Type": "Species v1"})"), QStringLiteral("Member \"Species\" not found")},
        {"species not an object", QStringLiteral(R"({"Type": "Species v1", "Species": []})"),
         QStringLiteral("Invalid class typecast")},
        {"mass missing", doc(none).replace(QStringLiteral("\"Mass\""), QStringLiteral("\"mass\"")),
         QStringLiteral("Member \"Mass\" not found in Species")},
        {"dataset not an object", doc(", \"Dataset1\": " + spectrum(none) + ", \"Dataset2\": 5"),
         QStringLiteral("Invalid class typecast")},
        {"point without intensity", doc(", \"Dataset1\": " + spectrum(R"("I": 0=>"i": 0)")),
         QStringLiteral("Member \"I\" not found in point 2 of Dataset1")},
        {"point not an object", doc(", \"Dataset1\": " + spectrum(R"({"E": 1, "I": 2}=>[1, 2])")),
         QStringLiteral("Invalid class typecast")},
        {"simulation with Source", doc(", \"Dataset1\": " + spectrum(R"("SpectType": 0=>"SpectType": 4)")),
         QStringLiteral("Member \"LevelOfTheory\" not found in Dataset1")},
        {"kind not whole", doc(", \"Dataset1\": " + spectrum(R"("SpectType": 0=>"SpectType": 4.5)")),
         QStringLiteral("'4.5' is not a valid integer value")},
        {"kind as hexadecimal text", doc(", \"Dataset1\": " + spectrum(R"("SpectType": 0=>"SpectType": "$3")")), 1},
        {"line spectrum as string", doc(", \"Dataset1\": " + spectrum(R"(false=>"false")")),
         QStringLiteral("Invalid class typecast")},
        {"mass beyond a double", doc(none).replace(QStringLiteral("78.11"), QStringLiteral("1E400")),
         QStringLiteral("'1E400' is not a valid floating point value")},
    };
    for (const Case& c : cases) {
        const QString path = Write(QStringLiteral("doc.json"), "\xEF\xBB\xBF" + c.text.toUtf8());
        try {
            const TSpeciesEntry entry = ReadSpeciesFile(path);
            ASSERT_TRUE(std::holds_alternative<int>(c.outcome)) << c.what << " read";
            EXPECT_EQ(int(entry.Spectra.size()), std::get<int>(c.outcome)) << c.what;
            EXPECT_EQ(entry.Species.CAS, QStringLiteral("7143")) << c.what;
        } catch (const Failure& failure) {
            ASSERT_TRUE(std::holds_alternative<QString>(c.outcome)) << c.what << ": " << failure.Message().toStdString();
            EXPECT_EQ(failure.Message(), std::get<QString>(c.outcome)) << c.what;
            const bool wrongType = dynamic_cast<const WrongDocumentType*>(&failure) != nullptr;
            EXPECT_EQ(wrongType, failure.Message().startsWith(QStringLiteral("Species not found"))) << c.what;
        }
    }
}

TEST_F(Documents, PointsAbsentInACoordinateAreLeftOut) {
    const auto pasted = SpectrumFromClipboardText(QStringLiteral(
        R"({"Title": "", "Uploader": "", "DOI": "", "SpectType": "0", "FurtherRefs": "", "T": "",
            "FurtherComments": "", "FacilityDate": "", "CreatedDate": "", "LineSpectrum": true,
            "Source": "", "Resolution": "", "Normalization": "",
            "Spectrum": [{"E": -1, "I": 2}, {"E": 2, "I": -1.0}, {"E": "abc", "I": 2}, {"E": "3", "I": 0},
                         {"I": 5, "E": 4}]})"));
    ASSERT_TRUE(pasted.has_value());
    EXPECT_EQ(pasted->XData, (std::vector<double>{3, 4}));
    EXPECT_EQ(pasted->YData, (std::vector<double>{0, 5}));
}

TEST_F(Documents, SpectrumFilesAndClipboardText) {
    const TSpectrum spectrum = SampleSpectrum(4, QStringLiteral("sim"));
    const QString path = Path(QStringLiteral("spectrum.json"));
    WriteSpectrumFile(path, spectrum);
    EXPECT_EQ(ReadSpectrumFile(path), AfterTrip(spectrum));

    const QString clip = SpectrumClipboardText(spectrum);
    EXPECT_EQ(QByteArray("\xEF\xBB\xBF") + clip.toUtf8(), Read(path));
    EXPECT_TRUE(clip.endsWith(QStringLiteral("}\r\n")));
    EXPECT_EQ(SpectrumFromClipboardText(clip), AfterTrip(spectrum));

    EXPECT_FALSE(SpectrumFromClipboardText(QStringLiteral("12.5\t3")).has_value());
    EXPECT_FALSE(SpectrumFromClipboardText(QString()).has_value());
    try {
        SpectrumFromClipboardText(QStringLiteral("[1, 2]"));
        ADD_FAILURE() << "an array was taken for a spectrum";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("Invalid class typecast"));
    }

    WriteSpeciesFile(Path(QStringLiteral("species.json")), SampleEntry());
    try {
        ReadSpectrumFile(Path(QStringLiteral("species.json")));
        ADD_FAILURE() << "a species file was read as a spectrum";
    } catch (const WrongDocumentType& failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("Spectrum not found in JSON file. Load aborted."));
    }
}

TEST_F(Documents, SpeciesFileWithoutMarkIsWindows1252) {
    TSpeciesEntry entry = SampleEntry();
    entry.Species.Name = QStringLiteral("\u00E9");
    const QByteArray text = FormatJSON(SpeciesDocument(entry).Root()).toUtf8();
    EXPECT_EQ(ReadSpeciesFile(Write(QStringLiteral("plain.json"), text)).Species.Name, QStringLiteral("\u00C3\u00A9"));
    const QString utf16 = FormatJSON(SpeciesDocument(entry).Root());
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);  // little-endian host
    EXPECT_EQ(ReadSpeciesFile(Write(QStringLiteral("utf16.json"), bytes)).Species.Name, QStringLiteral("\u00E9"));
}

TEST_F(Documents, DatabaseFileReadsBackAsWritten) {
    std::vector<TSpeciesEntry> entries = {SampleEntry(), SampleEntry(), SampleEntry()};
    entries[1].Species.Name = QStringLiteral("second");
    entries[2].Spectra.clear();  // kept without spectra, as stored
    const QString path = Path(QStringLiteral("db.json"));
    WriteDatabaseFile(path, entries, QStringLiteral("PES database"), QStringLiteral("2.1"), QStringLiteral("2025-03-04"));

    const std::vector<TSpeciesEntry> back = ReadDatabaseFile(path);
    ASSERT_EQ(back.size(), 3u);
    for (std::size_t i = 0; i < back.size(); ++i) {
        TSpeciesEntry expected = entries[i];
        for (TSpectrum& s : expected.Spectra) s = AfterTrip(s);
        EXPECT_EQ(back[i], expected) << i;
    }
    const QString again = Path(QStringLiteral("again.json"));
    WriteDatabaseFile(again, back, QStringLiteral("PES database"), QStringLiteral("2.1"), QStringLiteral("2025-03-04"));
    EXPECT_EQ(Read(again), Read(path));

    const QByteArray bytes = Read(path);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF{\r\n    \"Type\": \"Database v1\",\r\n    \"Header\": {\r\n"
                                 "        \"Version\": \"1.0\",\r\n        \"Database\": \"2.1\",\r\n"
                                 "        \"Title\": \"PES database\",\r\n        \"Date\": \"2025-03-04\"\r\n    },\r\n"
                                 "    \"Entry1\": {\r\n        \"Species\": {\r\n"));
    EXPECT_TRUE(bytes.contains("    \"Entry3\": {\r\n        \"Species\": {\r\n"));
    EXPECT_FALSE(bytes.contains("Entry1\": {\r\n        \"Type\""));

    const DatabaseHeader header = DatabaseHeaderFromDocument(ReadJSONDocument(path, JsonEncodingRule::DatabaseFile).Root());
    EXPECT_EQ(header.Title, QStringLiteral("PES database"));
    EXPECT_EQ(header.Version, QStringLiteral("2.1"));
}

TEST_F(Documents, ReadingDatabaseDocuments) {
    const QByteArray entry = FormatJSON(SpeciesDocument(SampleEntry()).Root()).toUtf8().replace(
        "\"Type\": \"Species v1\",", "");
    auto database = [&](const QByteArray& entries, const QByteArray& type = "\"Type\": \"Database v1\"") {
        return "{" + type + (entries.isEmpty() ? "" : ", " + entries) + "}";
    };
    struct Case {
        const char* what;
        QByteArray text;
        std::variant<int, QString> outcome;
    };
    const Case cases[] = {
        {"gap after Entry2", database("\"Entry1\": " + entry + ", \"Entry2\": " + entry + ", \"Entry4\": " + entry), 2},
        {"no Entry1", database("\"Entry2\": " + entry), QStringLiteral("Database contains no species. Load aborted.")},
        {"no entries", database(""), QStringLiteral("Database contains no species. Load aborted.")},
        {"species file", "{\"Type\": \"Species v1\", " + entry.mid(1),
         QStringLiteral("Database not found in JSON file. Load aborted.")},
        {"entry not an object", database("\"Entry1\": " + entry + ", \"Entry2\": []"), QStringLiteral("Invalid class typecast")},
        {"member missing in an entry",
         database("\"Entry1\": " + entry + ", \"Entry2\": " + QByteArray(entry).replace("\"FacilityDate\"", "\"Facility\"")),
         QStringLiteral("Member \"FacilityDate\" not found in Dataset1 of Entry2")},
        {"UTF-16 database", QByteArray(), QStringLiteral("No mapping for the Unicode character exists in the target "
                                                         "multi-byte code page")},
    };
    for (const Case& c : cases) {
        QByteArray bytes = c.text;
        if (bytes.isEmpty()) {
            const QString text = QString::fromUtf8(database("\"Entry1\": " + entry));
            bytes = QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        }
        const QString path = Write(QStringLiteral("db.json"), bytes);  // UTF-8 without a mark is fine
        try {
            const auto entries = ReadDatabaseFile(path);
            ASSERT_TRUE(std::holds_alternative<int>(c.outcome)) << c.what << " read";
            EXPECT_EQ(int(entries.size()), std::get<int>(c.outcome)) << c.what;
        } catch (const Failure& failure) {
            ASSERT_TRUE(std::holds_alternative<QString>(c.outcome)) << c.what << ": " << failure.Message().toStdString();
            EXPECT_EQ(failure.Message(), std::get<QString>(c.outcome)) << c.what;
        }
    }
}

TEST(DatabaseLabel, FormulaWithoutMarkupThenName) {
    TSpecies species;
    species.Formula = QStringLiteral("C<sub>6</sub>H<sub>6</sub>");
    species.Name = QStringLiteral("benzene");
    EXPECT_EQ(DatabaseLabel(species), QStringLiteral("(C6H6) benzene"));
    EXPECT_EQ(DatabaseLabel(TSpecies{}), QStringLiteral("() "));
}

}  // namespace
