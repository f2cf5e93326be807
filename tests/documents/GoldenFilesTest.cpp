// The files in golden/ were typed by hand from the document layout; the program must write
// them byte for byte and read them back to the records they were typed from.

#include "documents/Documents.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString Golden(const char* name) { return QStringLiteral(DOCUMENTS_GOLDEN "/") + QLatin1String(name); }

TSpeciesEntry GoldenSpecies() {
    TSpeciesEntry entry;
    TSpecies& s = entry.Species;
    s.Name = QStringLiteral("Benzene");
    s.Aliases = QStringLiteral("Cyclohexatriene\r\nBenzol");
    s.Mass = 78.11;
    s.Formula = QStringLiteral("C<sub>6</sub>H<sub>6</sub>");
    s.InChI = QStringLiteral("InChI=1S/C6H6/c1-2-4-6-5-3-1/h1-6H");
    s.CAS = QStringLiteral("71-43-2");
    s.PubChem = QStringLiteral("241");
    s.AIE = QStringLiteral("9.24378");
    s.VIE = QStringLiteral("9.25 - 9.3");
    s.AIE_Comment = QStringLiteral("say \"hi\" \\ / \b\t\n\f\r");
    s.VIE_Comment = QStringLiteral("\u00E9 \U0001F600 ") + QChar(0x01) + QLatin1Char(' ') + QChar(0x0B) +
                    QLatin1Char(' ') + QChar(0x7F);

    TSpectrum pes;
    pes.Title = QStringLiteral("He I PES");
    pes.Uploader = QStringLiteral("A. B.");
    pes.DOI = QStringLiteral("10.1000/xyz");
    pes.SpectType = 3;
    pes.FurtherRefs = QStringLiteral("Line one\r\nLine two");
    pes.T = QStringLiteral("298");
    pes.FacilityDate = QStringLiteral("2019, BESSY II");
    pes.CreatedDate = QStringLiteral("2024-01-15");
    pes.Source = QStringLiteral("He I lamp");
    pes.Resolution = QStringLiteral("20");
    pes.Normalization = QStringLiteral("none");
    pes.XData = {9.24378, 10, 12.5};
    pes.YData = {0.000123, 1E-5, 2.0 / 3.0};

    TSpectrum empty;
    empty.Title = QStringLiteral("Empty");
    empty.LineSpectrum = true;
    entry.Spectra = {pes, empty};
    return entry;
}

TSpectrum GoldenSimulation() {
    TSpectrum s;
    s.Title = QStringLiteral("FC simulation");
    s.Uploader = QStringLiteral("X. Y.");
    s.SpectType = 4;
    s.FurtherRefs = QStringLiteral("Gaussian 16");
    s.T = QStringLiteral("300");
    s.FurtherComments = QStringLiteral("Duschinsky rotation included");
    s.CreatedDate = QStringLiteral("2024-02-29");
    s.LineSpectrum = true;
    s.Source = QStringLiteral("B3LYP/6-311++G(d,p)");
    s.Resolution = QStringLiteral("10");
    s.Normalization = QStringLiteral("9.244");
    s.XData = {9.244, 9.35, 1E15};
    s.YData = {1, -2.5E20, 1.5E-7};
    return s;
}

class GoldenFiles : public ::testing::Test {
protected:
    QString Out() const { return dir_.filePath(QStringLiteral("out.json")); }
    QTemporaryDir dir_;
};

TEST_F(GoldenFiles, SpeciesDocument) {
    WriteSpeciesFile(Out(), GoldenSpecies());
    EXPECT_EQ(Bytes(Out()), Bytes(Golden("species.json")));
    TSpeciesEntry expected = GoldenSpecies();
    expected.Spectra[0].YData[2] = 0.666666666666667;
    EXPECT_EQ(ReadSpeciesFile(Golden("species.json")), expected);
}

TEST_F(GoldenFiles, SimulationSpectrumDocument) {
    WriteSpectrumFile(Out(), GoldenSimulation());
    EXPECT_EQ(Bytes(Out()), Bytes(Golden("spectrum-kind4.json")));
    EXPECT_EQ(ReadSpectrumFile(Golden("spectrum-kind4.json")), GoldenSimulation());
    // The clipboard carries the same text without the byte-order mark.
    EXPECT_EQ(SpectrumClipboardText(GoldenSimulation()).toUtf8(), Bytes(Golden("spectrum-kind4.json")).sliced(3));
}

TEST_F(GoldenFiles, EmptyObject) {
    const JsonDocument empty = JsonBuilder().BeginObject().EndObject().Finish();
    WriteJSONFile(Out(), FormatJSON(empty.Root()));
    EXPECT_EQ(Bytes(Out()), Bytes(Golden("empty-object.json")));
    WriteJSONDocument(Out(), empty.Root());
    EXPECT_EQ(Bytes(Out()), Bytes(Golden("empty-object.json")));
}

TEST_F(GoldenFiles, CutDownSpectrum) {
    JsonBuilder b;
    b.BeginObject();
    b.Name(u"Title").String(u"New spectrum");
    b.Name(u"SpectType").Integer(4);
    b.Name(u"LineSpectrum").Bool(false);
    b.Name(u"Spectrum").BeginArray();
    b.BeginObject().Name(u"E").Number(9.5).Name(u"I").Number(1E-5).EndObject();
    b.BeginObject().Name(u"E").Number(10).Name(u"I").Number(0.25).EndObject();
    b.EndArray();
    b.Name(u"Type").String(u"Spectrum v1");
    b.EndObject();
    const JsonDocument document = b.Finish();
    WriteJSONFile(Out(), FormatJSON(document.Root()));
    EXPECT_EQ(Bytes(Out()), Bytes(Golden("worked-example.json")));
    WriteJSONDocument(Out(), document.Root());
    EXPECT_EQ(Bytes(Out()), Bytes(Golden("worked-example.json")));
}

}  // namespace
