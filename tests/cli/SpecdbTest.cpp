#include "cli/Specdb.h"
#include "documents/Documents.h"
#include "records/Markup.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result {
    int status;
    QString out;
    QString err;
};

Result Specdb(const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = RunSpecdb(arguments, outStream, errStream);
    return {status, out, err};
}

TSpectrum Spectrum(const QString& title, int points) {
    TSpectrum s;
    s.Title = title;
    s.CreatedDate = QStringLiteral("2024-01-15");
    for (int i = 0; i < points; ++i) {
        s.XData.push_back(9 + i * 0.25);
        s.YData.push_back(i * 1.5);
    }
    return s;
}

TSpeciesEntry Entry(const QString& name, const QString& formula, int spectra) {
    TSpeciesEntry entry;
    entry.Species.Name = name;
    entry.Species.Formula = formula;
    entry.Species.Mass = 78.11;
    for (int k = 0; k < spectra; ++k) entry.Spectra.push_back(Spectrum(QStringLiteral("spectrum %1").arg(k + 1), 3));
    return entry;
}

class SpecdbFiles : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString WriteBytes(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }

    QString Species(const QString& name, const TSpeciesEntry& entry) const {
        WriteSpeciesFile(Path(name), entry);
        return Path(name);
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir dir_;
};

TEST_F(SpecdbFiles, CheckReportsEachFileAndTheHighestStatus) {
    const QString benzene = Species(QStringLiteral("benzene.json"), Entry(QStringLiteral("benzene"), QString(), 3));
    WriteSpectrumFile(Path(QStringLiteral("spectrum.json")), Spectrum(QStringLiteral("s"), 7));
    WriteDatabaseFile(Path(QStringLiteral("db.json")),
                      {Entry(QStringLiteral("a"), QString(), 1), Entry(QStringLiteral("b"), QString(), 2)},
                      QStringLiteral("t"), QStringLiteral("1"), QStringLiteral("2024-01-01"));
    const QString wrongType = WriteBytes(QStringLiteral("other.json"), R"({"Type": "Species V1"})");
    const QString incomplete = WriteBytes(QStringLiteral("incomplete.json"), R"({"Type": "Species v1"})");
    const QString notJson = WriteBytes(QStringLiteral("notjson.json"), "Species v1");
    const QString missing = Path(QStringLiteral("missing.json"));

    struct Case {
        QStringList files;
        int status;
        QString out;
        QString err;
    };
    const Case cases[] = {
        {{benzene, Path(QStringLiteral("spectrum.json")), Path(QStringLiteral("db.json"))},
         0,
         benzene + QStringLiteral(": Species v1, 3 spectra\n") + Path(QStringLiteral("spectrum.json")) +
             QStringLiteral(": Spectrum v1, 7 points\n") + Path(QStringLiteral("db.json")) +
             QStringLiteral(": Database v1, 2 species, 3 spectra\n"),
         QString()},
        {{wrongType, incomplete},
         1,
         QString(),
         wrongType + QStringLiteral(": \"Type\" is none of \"Species v1\", \"Spectrum v1\" and \"Database v1\"\n") +
             incomplete + QStringLiteral(": Member \"Species\" not found\n")},
        {{notJson, benzene},
         2,
         benzene + QStringLiteral(": Species v1, 3 spectra\n"),
         notJson + QStringLiteral(": The file \"%1\" does not hold valid JSON\n").arg(QDir::toNativeSeparators(notJson))},
        {{incomplete, missing}, 2, QString(), incomplete + QStringLiteral(": Member \"Species\" not found\n") + missing +
                                                  QStringLiteral(": The specified file was not found\n")},
    };
    for (const Case& c : cases) {
        const Result result = Specdb(QStringList{QStringLiteral("check")} + c.files);
        EXPECT_EQ(result.status, c.status) << c.files.join(u' ').toStdString();
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(SpecdbFiles, CheckReadsADatabaseAsUtf8) {
    // As a species file, these bytes would be Windows-1252; a database is UTF-8 or nothing.
    const QString text = FormatJSON(DatabaseDocument({Entry(QStringLiteral("\u00E9"), QString(), 1)}, QStringLiteral("t"),
                                                     QStringLiteral("1"), QStringLiteral("2024-01-01"))
                                        .Root());
    WriteBytes(QStringLiteral("utf8.json"), text.toUtf8());
    EXPECT_EQ(Specdb({QStringLiteral("check"), Path(QStringLiteral("utf8.json"))}).status, 0);
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const Result result = Specdb({QStringLiteral("check"), WriteBytes(QStringLiteral("utf16.json"), utf16)});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.endsWith(QStringLiteral("No mapping for the Unicode character exists in the target "
                                                   "multi-byte code page\n")));
}

TEST_F(SpecdbFiles, FormatWritesWhatTheEditorSaves) {
    // A hand-made species file: compact, members in another order, a bare number for CAS,
    // no byte-order mark, a point the editor drops.
    const QString messy = WriteBytes(QStringLiteral("messy.json"), R"({"Species": {"VIE_Comment": "", "AIE_Comment": "",
        "VIE": "", "AIE": "9.2", "StructuralFormula": "", "PubChem": "", "CAS": 7143, "InChI": "", "Formula": "C6H6",
        "Mass": 78.110, "Aliases": "", "Name": "benzene"}, "Type": "Species v1", "Dataset1": {"Title": "t",
        "Uploader": "", "DOI": "", "SpectType": "3", "FurtherRefs": "", "T": "", "FurtherComments": "",
        "FacilityDate": "", "CreatedDate": "", "LineSpectrum": false, "Source": "", "Resolution": "",
        "Normalization": "", "Spectrum": [{"E": 9.50, "I": 1}, {"E": -1, "I": 2}]}})");
    const QString out = Path(QStringLiteral("out.json"));
    const Result result = Specdb({QStringLiteral("format"), messy, out});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    WriteSpeciesFile(Path(QStringLiteral("expected.json")), ReadSpeciesFile(messy));
    EXPECT_EQ(Bytes(out), Bytes(Path(QStringLiteral("expected.json"))));
    EXPECT_TRUE(Bytes(out).contains("\"CAS\": \"7143\""));

    // In place.
    EXPECT_EQ(Specdb({QStringLiteral("format"), messy}).status, 0);
    EXPECT_EQ(Bytes(messy), Bytes(out));

    // A database keeps its header's title and version and takes the date given, or today.
    WriteDatabaseFile(Path(QStringLiteral("db.json")), {Entry(QStringLiteral("a"), QString(), 1)}, QStringLiteral("Title"),
                      QStringLiteral("3.0"), QStringLiteral("2001-02-03"));
    EXPECT_EQ(Specdb({QStringLiteral("format"), QStringLiteral("--date"), QStringLiteral("2025-01-31"),
                      Path(QStringLiteral("db.json")), out})
                  .status,
              0);
    EXPECT_EQ(DatabaseHeaderFromDocument(ReadJSONDocument(out, JsonEncodingRule::DatabaseFile).Root()).Version,
              QStringLiteral("3.0"));
    EXPECT_TRUE(Bytes(out).contains("\"Title\": \"Title\",\r\n        \"Date\": \"2025-01-31\""));
    EXPECT_EQ(Specdb({QStringLiteral("format"), Path(QStringLiteral("db.json"))}).status, 0);
    EXPECT_TRUE(Bytes(Path(QStringLiteral("db.json"))).contains(("\"Date\": \"" + TodayText() + "\"").toUtf8()));
}

TEST_F(SpecdbFiles, FormatLeavesEverythingAsItWasOnFailure) {
    const QByteArray incomplete = R"({"Type": "Species v1", "Species": {"Name": "x"}})";
    const QString in = WriteBytes(QStringLiteral("in.json"), incomplete);
    const Result result = Specdb({QStringLiteral("format"), in, Path(QStringLiteral("out.json"))});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, in + QStringLiteral(": Member \"Aliases\" not found in Species\n"));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("out.json"))));
    EXPECT_EQ(Specdb({QStringLiteral("format"), in}).status, 1);
    EXPECT_EQ(Bytes(in), incomplete);
    EXPECT_EQ(Specdb({QStringLiteral("format"), QStringLiteral("--date"), QStringLiteral("31.01.2025"), in}).status, 2);
}

TEST_F(SpecdbFiles, BuildDbAssemblesSpeciesFilesInOrder) {
    const QString c = Species(QStringLiteral("c.json"), Entry(QStringLiteral("c"), QString(), 2));
    const QString a = Species(QStringLiteral("a.json"), Entry(QStringLiteral("a"), QString(), 1));
    const QString bare = Species(QStringLiteral("bare.json"), Entry(QStringLiteral("bare"), QString(), 0));
    WriteSpectrumFile(Path(QStringLiteral("spectrum.json")), Spectrum(QStringLiteral("s"), 1));
    const QString out = Path(QStringLiteral("db.json"));
    const QStringList options = {QStringLiteral("build-db"), QStringLiteral("--title"), QStringLiteral("T"),
                                 QStringLiteral("--version"), QStringLiteral("V"), QStringLiteral("--date"),
                                 QStringLiteral("2025-05-05"), QStringLiteral("-o"), out};

    Result result = Specdb(options + QStringList{c, Path(QStringLiteral("spectrum.json")), a, bare});
    EXPECT_EQ(result.status, 1);  // written, with one file skipped
    EXPECT_EQ(result.err, Path(QStringLiteral("spectrum.json")) +
                              QStringLiteral(": Species not found in JSON file. Load aborted. Skipped.\n"));
    const auto entries = ReadDatabaseFile(out);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], ReadSpeciesFile(c));
    EXPECT_EQ(entries[1], ReadSpeciesFile(a));
    // A species without spectra gets the editor's new spectrum.
    ASSERT_EQ(entries[2].Spectra.size(), 1u);
    EXPECT_EQ(entries[2].Spectra[0].Title, QStringLiteral("New spectrum"));
    EXPECT_EQ(entries[2].Spectra[0].CreatedDate, QStringLiteral("2025-05-05"));
    WriteDatabaseFile(Path(QStringLiteral("expected.json")), entries, QStringLiteral("T"), QStringLiteral("V"),
                      QStringLiteral("2025-05-05"));
    EXPECT_EQ(Bytes(out), Bytes(Path(QStringLiteral("expected.json"))));

    // One file that cannot be read: every file is still reported, nothing is written.
    const QByteArray before = Bytes(out);
    const QString broken = WriteBytes(QStringLiteral("broken.json"), "{\"Type\": \"Species v1\",");
    result = Specdb(options + QStringList{broken, a, Path(QStringLiteral("spectrum.json")), Path(QStringLiteral("none.json"))});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.startsWith(broken + QStringLiteral(": The file")));
    EXPECT_TRUE(result.err.contains(QStringLiteral("none.json: The specified file was not found\n")));
    EXPECT_TRUE(result.err.endsWith(out + QStringLiteral(": not written\n")));
    EXPECT_EQ(Bytes(out), before);

    // Nothing but skipped files: no database without species.
    result = Specdb(options + QStringList{Path(QStringLiteral("spectrum.json"))});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(Bytes(out), before);

    for (const QString& missing : {QStringLiteral("--title"), QStringLiteral("-o")}) {
        QStringList incomplete = options;
        incomplete.remove(incomplete.indexOf(missing), 2);
        result = Specdb(incomplete + QStringList{a});
        EXPECT_EQ(result.status, 2) << missing.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("is required"))) << result.err.toStdString();
    }
}

TEST_F(SpecdbFiles, SplitAndBuildGiveTheDatabaseBack) {
    const std::vector<TSpeciesEntry> entries = {Entry(QStringLiteral("benzene"), QStringLiteral("C<sub>6</sub>H<sub>6</sub>"), 2),
                                                Entry(QStringLiteral("Benzene"), QStringLiteral("C6H6"), 1),
                                                Entry(QStringLiteral("a/b"), QString(), 1)};
    const QString database = Path(QStringLiteral("db.json"));
    WriteDatabaseFile(database, entries, QStringLiteral("T"), QStringLiteral("V"), QStringLiteral("2025-05-05"));
    const QString dir = Path(QStringLiteral("species"));

    Result result = Specdb({QStringLiteral("split"), database, dir});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QStringList files = {QDir(dir).filePath(QStringLiteral("benzene.json")),
                               QDir(dir).filePath(QStringLiteral("Benzene (2).json")),
                               QDir(dir).filePath(QStringLiteral("a_b.json"))};
    EXPECT_EQ(result.out, files.join(u'\n') + u'\n');
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(ReadSpeciesFile(files[qsizetype(i)]), entries[i]);

    result = Specdb(QStringList{QStringLiteral("build-db"), QStringLiteral("--title"), QStringLiteral("T"),
                                QStringLiteral("--version"), QStringLiteral("V"), QStringLiteral("--date"),
                                QStringLiteral("2025-05-05"), QStringLiteral("-o"), Path(QStringLiteral("again.json"))} +
                    files);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(Bytes(Path(QStringLiteral("again.json"))), Bytes(database));

    // Existing files are kept unless forced, and nothing at all is written then.
    WriteBytes(QStringLiteral("species/a_b.json"), "mine");
    QFile::remove(files[0]);
    result = Specdb({QStringLiteral("split"), database, dir});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, files[1] + QStringLiteral(": exists; nothing written (use --force to overwrite)\n") + files[2] +
                              QStringLiteral(": exists; nothing written (use --force to overwrite)\n"));
    EXPECT_FALSE(QFile::exists(files[0]));
    EXPECT_EQ(Bytes(files[2]), "mine");
    EXPECT_EQ(Specdb({QStringLiteral("split"), QStringLiteral("--force"), database, dir}).status, 0);
    EXPECT_EQ(ReadSpeciesFile(files[2]), entries[2]);
}

TEST_F(SpecdbFiles, ListShowsLabelsAndSpectra) {
    const QString database = Path(QStringLiteral("db.json"));
    WriteDatabaseFile(database,
                      {Entry(QStringLiteral("benzene"), QStringLiteral("C<sub>6</sub>H<sub>6</sub>"), 2),
                       Entry(QStringLiteral("water"), QStringLiteral("H<sub>2</sub>O"), 1)},
                      QStringLiteral("T"), QStringLiteral("V"), QStringLiteral("2025-05-05"));
    const Result result = Specdb({QStringLiteral("list"), database});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("(C6H6) benzene: 2 spectra\n(H2O) water: 1 spectrum\n"));
    const QString species = Species(QStringLiteral("species.json"), Entry(QStringLiteral("x"), QString(), 1));
    EXPECT_EQ(Specdb({QStringLiteral("list"), species}).err,
              species + QStringLiteral(": Database not found in JSON file. Load aborted.\n"));
}

TEST(Specdb, HelpAndUsageErrors) {
    const Result tool = Specdb({QStringLiteral("--help")});
    EXPECT_EQ(tool.status, 0);
    for (const char* command : {"check", "format", "build-db", "split", "list"}) {
        EXPECT_TRUE(tool.out.contains(QStringLiteral("  ") + QLatin1String(command))) << command;
        const Result help = Specdb({QLatin1String(command), QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: specdb %1 [options]").arg(QLatin1String(command))))
            << help.out.toStdString();
    }
    struct Case {
        QStringList arguments;
        const char* error;
    };
    const Case cases[] = {
        {{}, "Usage: specdb <command>"},
        {{QStringLiteral("unpack")}, "specdb: unknown command 'unpack'"},
        {{QStringLiteral("check")}, "specdb check: missing arguments"},
        {{QStringLiteral("list"), QStringLiteral("a"), QStringLiteral("b")}, "specdb list: too many arguments"},
        {{QStringLiteral("split"), QStringLiteral("--fast"), QStringLiteral("a"), QStringLiteral("b")},
         "specdb split: Unknown option 'fast'."},
    };
    for (const Case& c : cases) {
        const Result result = Specdb(c.arguments);
        EXPECT_EQ(result.status, 2) << c.error;
        EXPECT_TRUE(result.err.startsWith(QLatin1String(c.error))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST_F(SpecdbFiles, TheProgramRunsTheCommands) {
    const QString benzene = Species(QStringLiteral("benzene.json"), Entry(QStringLiteral("benzene"), QString(), 1));
    QProcess specdb;
    specdb.start(QStringLiteral(SPECDB_PROGRAM), {QStringLiteral("check"), benzene, Path(QStringLiteral("none.json"))});
    ASSERT_TRUE(specdb.waitForFinished(30000));
    EXPECT_EQ(specdb.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(specdb.readAllStandardOutput()), benzene + QStringLiteral(": Species v1, 1 spectrum\n"));
    EXPECT_EQ(QString::fromUtf8(specdb.readAllStandardError()),
              Path(QStringLiteral("none.json")) + QStringLiteral(": The specified file was not found\n"));
}

}  // namespace
