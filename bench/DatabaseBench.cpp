// Loads and saves a generated database of about 100 MB and compares with RapidJSON parsing the
// same bytes into its DOM and pretty-writing that DOM.
//
//   database_bench [--megabytes N] [--runs N] [--keep FILE]
//
// Load is read, decode, parse and records (ReadDatabaseFile); save is records, tree, layout and
// write (WriteDatabaseFile). Times are the best of the runs. The peak memory of a load is measured
// in a fresh process of this program, as the growth of its resident set during the load.

#include "documents/Documents.h"
#include "records/Markup.h"
#include "records/NumberText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace {

// ---- A database that looks like the real thing ----

class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    std::vector<TSpeciesEntry> Database(double megabytes) {
        std::vector<TSpeciesEntry> entries;
        double bytes = 0;
        while (bytes < megabytes * 1e6) {
            entries.push_back(Entry(int(entries.size())));
            for (const TSpectrum& s : entries.back().Spectra) bytes += 112.0 * double(s.XData.size()) + 900;
            bytes += double(entries.back().Species.StructuralFormula.size()) + 1200;
        }
        return entries;
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

    // What a spectrometer or a spreadsheet gives: a decimal text of a few significant digits.
    static double Decimal(double value, int digits) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        return std::strtod(text, nullptr);
    }

    QString Words(int count) {
        static const char* const words[] = {"photoelectron", "threshold", "coincidence", "spectrum", "ionization",
                                            "vibrational", "progression", "cation", "ground", "state", "band",
                                            "resolution", "synchrotron", "beamline", "molecular", "beam", "jet",
                                            "Franck-Condon", "\xC3\x85ngstr\xC3\xB6m", "temperature", "\xC2\xB0" "C",
                                            "calibrated"};
        QStringList list;
        for (int i = 0; i < count; ++i) list << QString::fromUtf8(words[Between(0, std::size(words) - 1)]);
        return list.join(QLatin1Char(' '));
    }

    QString Base64(int bytes) {
        static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        QString text;
        const int characters = (bytes + 2) / 3 * 4;
        text.reserve(characters + characters / 76 * 2);
        for (int i = 0; i < characters; ++i) {
            text += QLatin1Char(alphabet[Between(0, 63)]);
            if (i % 76 == 75) text += QStringLiteral("\r\n");
        }
        return text;
    }

    TSpeciesEntry Entry(int index) {
        TSpeciesEntry entry;
        TSpecies& s = entry.Species;
        const int carbons = Between(1, 12), hydrogens = Between(0, 26);
        s.Name = QStringLiteral("compound %1 ").arg(index) + Words(2);
        s.Aliases = Words(2) + QStringLiteral("\r\n") + Words(3);
        s.Mass = Decimal(12.011 * carbons + 1.008 * hydrogens, 6);
        s.Formula = QStringLiteral("C<sub>%1</sub>H<sub>%2</sub>O").arg(carbons).arg(hydrogens);
        s.InChI = QStringLiteral("InChI=1S/C%1H%2O/c1-2-3-4-5/h2-5H,1H3").arg(carbons).arg(hydrogens);
        s.CAS = QStringLiteral("%1-%2-%3").arg(Between(50, 99999)).arg(Between(10, 99)).arg(Between(0, 9));
        s.PubChem = QString::number(Between(100, 9999999));
        s.StructuralFormula = Base64(Between(4000, 30000));
        s.AIE = QString::number(Decimal(Uniform(7, 12), 5));
        s.VIE = QString::number(Decimal(Uniform(7, 12), 4));
        s.AIE_Comment = QStringLiteral("10.1063/1.%1").arg(Between(1000000, 9999999));
        s.VIE_Comment = Words(4);

        const int spectra = Between(2, 6);
        for (int k = 0; k < spectra; ++k) entry.Spectra.push_back(Spectrum(k));
        return entry;
    }

    TSpectrum Spectrum(int k) {
        TSpectrum s;
        s.Title = QStringLiteral("Spectrum %1: ").arg(k + 1) + Words(3);
        s.Uploader = QStringLiteral("J. Doe <j.doe@example.org>");
        s.DOI = QStringLiteral("10.1039/c%1").arg(Between(100000, 999999));
        s.SpectType = Between(0, 5);
        s.FurtherRefs = Words(6) + QStringLiteral("\r\n") + Words(5);
        s.T = QString::number(Between(10, 500));
        s.Source = Words(2);
        s.Resolution = QString::number(Between(1, 50));
        s.Normalization = Words(1);
        s.FurtherComments = Words(12) + QStringLiteral("\r\n") + Words(8);
        s.FacilityDate = QStringLiteral("SLS, VUV beamline, 2021");
        s.CreatedDate = QStringLiteral("2024-05-17");
        s.LineSpectrum = s.SpectType == SIMULATION_KIND;

        const int points = Between(2000, 8000);
        const double start = Uniform(7, 10), step = Uniform(0.001, 0.005), peak = start + Uniform(0.5, 2);
        const bool simulated = s.SpectType == SIMULATION_KIND;
        for (int i = 0; i < points; ++i) {
            const double energy = start + i * step;
            const double signal = std::exp(-std::pow((energy - peak) / 0.3, 2)) + 0.02 * Uniform(0, 1);
            // Measured data carry a few digits; simulated ones come out of a program at full length.
            s.XData.push_back(simulated ? energy : Decimal(energy, 6));
            s.YData.push_back(simulated ? signal : Decimal(signal * 1000, Between(3, 5)));
        }
        return s;
    }

    std::mt19937_64 random_;
};

// ---- Measuring ----

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) best = std::min(best, Seconds(work));
    return best;
}

// Resident set now and its peak, in bytes, from /proc/self/status.
std::pair<double, double> ResidentMemory() {
    std::ifstream status("/proc/self/status");
    std::string line;
    double now = 0, peak = 0;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) now = std::stod(line.substr(6)) * 1024;
        if (line.rfind("VmHWM:", 0) == 0) peak = std::stod(line.substr(6)) * 1024;
    }
    return {now, peak};
}

QByteArray FileBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + fileName.toStdString());
    return file.readAll();
}

using RapidDocument = rapidjson::Document;

void RapidParse(const QByteArray& bytes, RapidDocument& document) {
    // RapidJSON reads from the bytes after the byte-order mark.
    document.Parse(bytes.constData() + 3, std::size_t(bytes.size() - 3));
    if (document.HasParseError()) throw std::runtime_error("RapidJSON cannot parse the database");
}

std::size_t RapidWrite(const RapidDocument& document) {
    rapidjson::StringBuffer buffer;
    rapidjson::PrettyWriter<rapidjson::StringBuffer> writer(buffer);
    writer.SetIndent(' ', 4);
    document.Accept(writer);
    return buffer.GetSize();
}

// Child process: one load, then "growth peak" of the resident set in bytes.
int MeasureLoad(const QString& what, const QString& fileName) {
    const double before = ResidentMemory().first;
    std::size_t count = 0;
    if (what == QLatin1String("specedit")) {
        count = ReadDatabaseFile(fileName).size();
    } else {
        const QByteArray bytes = FileBytes(fileName);
        RapidDocument document;
        RapidParse(bytes, document);
        count = document.MemberCount();
    }
    const auto [now, peak] = ResidentMemory();
    std::printf("%.0f %.0f %zu\n", peak - before, peak, count);
    return 0;
}

double PeakOfLoadInChild(const QString& what, const QString& fileName) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure-load"), what, fileName});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) throw std::runtime_error("measuring process failed");
    return child.readAllStandardOutput().split(' ').value(0).toDouble();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SetDecimalSeparator(QLatin1Char('.'));
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--measure-load")) return MeasureLoad(args[2], args[3]);

    double megabytes = 100;
    int runs = 3;
    QString keep;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--megabytes")) megabytes = args[i + 1].toDouble();
        else if (args[i] == QLatin1String("--runs")) runs = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--keep")) keep = args[i + 1];
    }

    QTemporaryDir dir;
    const QString fileName = keep.isEmpty() ? dir.filePath(QStringLiteral("database.json")) : keep;
    double saveTime = 0;
    std::size_t points = 0, spectra = 0, species = 0;
    {
        const std::vector<TSpeciesEntry> entries = Generator(20240517).Database(megabytes);
        species = entries.size();
        for (const auto& e : entries) {
            spectra += e.Spectra.size();
            for (const auto& s : e.Spectra) points += s.XData.size();
        }
        saveTime = Best(runs, [&] {
            WriteDatabaseFile(fileName, entries, QStringLiteral("Benchmark"), QStringLiteral("1.0"), TodayText());
        });
    }
    const double size = double(QFileInfo(fileName).size());
    const double mb = size / 1e6;
    std::printf("database: %.1f MB, %zu species, %zu spectra, %zu points\n", mb, species, spectra, points);

    std::size_t loaded = 0;
    const double loadTime = Best(runs, [&] { loaded = ReadDatabaseFile(fileName).size(); });
    if (loaded != species) throw std::runtime_error("the database did not load back");

    const QByteArray bytes = FileBytes(fileName);
    RapidDocument rapid;
    const double rapidParseTime = Best(runs, [&] {
        RapidDocument document;
        RapidParse(bytes, document);
        rapid.Swap(document);
    });
    std::size_t rapidSize = 0;
    const double rapidWriteTime = Best(runs, [&] { rapidSize = RapidWrite(rapid); });

    // Where the time goes, phase by phase.
    std::optional<JsonDocument> tree;
    const double readParseTime = Best(runs, [&] { tree = ReadJSONDocument(fileName, JsonEncodingRule::DatabaseFile); });
    const double parseTime = Best(runs, [&] { tree = ParseJSONUtf8(bytes); });
    std::vector<TSpeciesEntry> entries;
    const double recordsTime = Best(runs, [&] { entries = DatabaseFromDocument(tree->Root()); });
    tree.reset();
    const double treeTime = Best(runs, [&] {
        tree = DatabaseDocument(entries, QStringLiteral("Benchmark"), QStringLiteral("1.0"), TodayText());
    });
    const double writeTime = Best(runs, [&] { WriteJSONDocument(fileName, tree->Root()); });
    const double formatTime = Best(runs, [&] { FormatJSONUtf8(tree->Root()); });
    tree.reset();
    entries.clear();

    const double loadPeak = PeakOfLoadInChild(QStringLiteral("specedit"), fileName);
    const double rapidPeak = PeakOfLoadInChild(QStringLiteral("rapidjson"), fileName);

    std::printf("\n%-44s %8s %9s\n", "", "seconds", "MB/s");
    std::printf("%-44s %8.3f %9.1f\n", "load (read, decode, parse, records)", loadTime, mb / loadTime);
    std::printf("%-44s %8.3f %9.1f\n", "RapidJSON parse into DOM (bytes in memory)", rapidParseTime, mb / rapidParseTime);
    std::printf("%-44s %8.3f %9.1f\n", "save (records, tree, format, write)", saveTime, mb / saveTime);
    std::printf("%-44s %8.3f %9.1f\n", "RapidJSON pretty-write DOM (to memory)", rapidWriteTime, mb / rapidWriteTime);
    std::printf("\n%-44s %8.3f\n", "  read file and parse", readParseTime);
    std::printf("%-44s %8.3f\n", "    parse (bytes in memory)", parseTime);
    std::printf("%-44s %8.3f\n", "  tree to records", recordsTime);
    std::printf("%-44s %8.3f\n", "  records to tree", treeTime);
    std::printf("%-44s %8.3f\n", "  format and write the file (streamed)", writeTime);
    std::printf("%-44s %8.3f\n", "    format only (into memory)", formatTime);
    std::printf("\nload / RapidJSON parse: %.2fx (goal 1.5x)\n", loadTime / rapidParseTime);
    std::printf("save / RapidJSON write: %.2fx (goal 1.5x)\n", saveTime / rapidWriteTime);
    std::printf("peak memory of a load: %.0f MB = %.2fx the file (goal 4x); RapidJSON: %.0f MB = %.2fx\n",
                loadPeak / 1e6, loadPeak / size, rapidPeak / 1e6, rapidPeak / size);
    std::printf("(RapidJSON wrote %.1f MB: LF line breaks where the file has CR LF)\n", double(rapidSize) / 1e6);
    return 0;
}
