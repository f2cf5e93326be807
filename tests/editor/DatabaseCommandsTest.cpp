#include "support/ScriptedPlatform.h"
#include "documents/Documents.h"
#include "support/TestSupport.h"

using DatabaseCommands = EditorTest;

namespace {

TSpeciesEntry Entry(const QString& name, const QString& formula, std::initializer_list<const char*> titles) {
    TSpeciesEntry entry;
    entry.Species.Name = name;
    entry.Species.Formula = formula;
    entry.Species.Mass = 1;
    for (const char* title : titles) {
        TSpectrum spectrum;
        spectrum.Title = QString::fromUtf8(title);
        spectrum.XData = {1};
        spectrum.YData = {2};
        entry.Spectra.push_back(spectrum);
    }
    return entry;
}

}  // namespace

TEST_F(DatabaseCommands, SaveAllAndOpenAgainGivesTheSameSpeciesWithLabels) {
    form.Data = {Entry("Benzene", "C<sub>6</sub>H<sub>6</sub>", {"X", "A"}), Entry("Water", "H2O", {"W"})};
    form.ListBox1.ClearItems();
    form.ListBox1.AddItem(QString());
    form.ListBox1.AddItem(QString());
    form.FISpecies = -1;
    form.SetISpecies(0);
    form.BaseTitle = QStringLiteral("My title");
    form.BaseVersion = QStringLiteral("2.0");
    platform.Choose(Path("db.json"));
    form.Button10Click(&form.Button10);
    EXPECT_FALSE(form.FSpeciesChanged);
    const QByteArray bytes = FileBytes("db.json");
    EXPECT_TRUE(bytes.contains("\"Date\": \"2026-01-15\""));
    EXPECT_TRUE(bytes.contains("\"Title\": \"My title\""));
    const auto saved = form.Data;

    form.Data = {Entry("Other", "", {"O"})};
    form.ListBox1.ClearItems();
    form.ListBox1.AddItem(QString());
    form.FISpecies = -1;
    form.SetISpecies(0);
    form.BaseTitle = QStringLiteral("kept title");
    form.FSpeciesChanged = true;
    platform.Choose(Path("db.json"));
    User([&] { form.Button11Click(&form.Button11); });
    EXPECT_EQ(form.Data, saved);
    EXPECT_EQ(form.ListBox1.Items(), (QStringList{"(C6H6) Benzene", "(H2O) Water"}));
    EXPECT_EQ(form.ISpecies(), 0);
    EXPECT_EQ(form.Edit1.Text(), "Benzene");
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_EQ(form.BaseTitle, "kept title");  // the header is not read
}

// Opening a database that cannot be used changes nothing.
TEST_F(DatabaseCommands, FailedOpenChangesNothing) {
    Type(form.Edit1, QStringLiteral("Mine"));
    form.CommitSpecies();
    WriteSpeciesFile(Path("species.json"), Entry("S", "", {"x"}));
    WriteDatabaseFile(Path("empty.json"), {}, QStringLiteral("t"), QStringLiteral("v"), QStringLiteral("d"));
    const auto data = form.Data;
    for (const char* file : {"species.json", "empty.json", "missing.json"}) {
        platform.errors.clear();
        platform.Choose(Path(QString::fromLatin1(file)));
        User([&] { form.Button11Click(&form.Button11); });
        EXPECT_EQ(platform.errors.size(), 1) << file;
        EXPECT_EQ(form.Data, data) << file;
        EXPECT_EQ(form.ISpecies(), 0);
        EXPECT_EQ(form.Edit1.Text(), "Mine");
    }
    EXPECT_EQ(platform.errors[0], "The specified file was not found.");
}

TEST_F(DatabaseCommands, SpeciesWithoutSpectraGetsOneWhenShown) {
    TSpeciesEntry bare = Entry("Bare", "", {});
    WriteDatabaseFile(Path("db.json"), {Entry("First", "", {"a"}), bare}, QStringLiteral("t"), QStringLiteral("v"),
                      QStringLiteral("d"));
    platform.Choose(Path("db.json"));
    User([&] { form.Button11Click(&form.Button11); });
    EXPECT_TRUE(form.Data[1].Spectra.empty());  // kept as read until shown
    User([&] { form.ListBox1.UserChoose(1); });
    EXPECT_EQ(form.Edit1.Text(), "Bare");
    EXPECT_EQ(form.Data[1].Spectra.size(), 1u);
}

TEST_F(DatabaseCommands, BuildFromSpeciesFilesInTheDialogsOrder) {
    WriteSpeciesFile(Path("a.json"), Entry("A", "", {"a1", "a2"}));
    WriteSpeciesFile(Path("b.json"), Entry("B", "", {"b1"}));
    WriteSpectrumFile(Path("s.json"), TSpectrum{});
    WriteSpeciesFile(Path("c.json"), Entry("C", "C", {"c1"}));
    platform.fileChoices.emplace_back(
        QStringList{Path("a.json"), Path("b.json"), Path("s.json"), Path("c.json")});
    platform.modalScript = [&](TFCreate& dialog) {
        EXPECT_EQ(dialog.ListBox1.Count(), 4);
        dialog.ListBox1DragDrop(0, 1);  // B, A, s, C
        dialog.Edit17.SetText(QStringLiteral("Built"));
        dialog.Edit11.SetText(QStringLiteral("3.1"));
        dialog.Button1.UserClick();
    };
    User([&] { form.Button20Click(&form.Button20); });
    ASSERT_EQ(form.Data.size(), 4u);
    EXPECT_EQ(form.Data[0].Species.Name, "B");
    EXPECT_EQ(form.Data[1].Species.Name, "A");
    EXPECT_EQ(form.Data[1].Spectra.size(), 2u);
    EXPECT_EQ(form.Data[2].Species.Name, "New species");  // refused, stays as added
    EXPECT_EQ(form.Data[2].Spectra[0].Title, "New spectrum");
    EXPECT_EQ(form.Data[3].Species.Name, "C");
    EXPECT_EQ(platform.errors, QStringList{"Species not found in JSON file. Load aborted."});
    EXPECT_EQ(form.ISpecies(), 3);
    EXPECT_EQ(form.Edit1.Text(), "C");
    EXPECT_EQ(form.ListBox1.Items(), (QStringList{"() B", "() A", "() New species", "(C) C"}));
    EXPECT_EQ(form.BaseTitle, "Built");
    EXPECT_EQ(form.BaseVersion, "3.1");
    EXPECT_FALSE(form.FSpeciesChanged);
}

TEST_F(DatabaseCommands, BuildStopsBeforeChangingAnythingWhenAFileCannotBeRead) {
    WriteSpeciesFile(Path("a.json"), Entry("A", "", {"a1"}));
    Type(form.Edit1, QStringLiteral("Mine"));
    form.CommitSpecies();
    const auto data = form.Data;
    platform.fileChoices.emplace_back(QStringList{Path("a.json"), Path("gone.json")});
    platform.modalScript = [](TFCreate& dialog) { dialog.Button1.UserClick(); };
    User([&] { form.Button20Click(&form.Button20); });
    EXPECT_EQ(form.Data, data);
    EXPECT_EQ(platform.errors.size(), 1);
}

TEST_F(DatabaseCommands, AssemblyDialog) {
    // Cancelling the file choice cancels the dialog at once; the text fields keep their texts.
    create.Edit17.SetText(QStringLiteral("typed title"));
    platform.Cancel();
    EXPECT_EQ(platform.ShowModal(create), TFCreate::mrCancel);
    EXPECT_EQ(create.ListBox1.Count(), 0);
    EXPECT_EQ(create.Edit17.Text(), "typed title");
    EXPECT_EQ(create.Edit11.Text(), "1.0a");

    platform.fileChoices.emplace_back(QStringList{"P", "Q", "R", "S"});
    platform.modalScript = [](TFCreate& dialog) { dialog.Button2.UserClick(); };
    EXPECT_EQ(platform.ShowModal(create), TFCreate::mrCancel);

    struct Case {
        int from, onto;
        QStringList result;
    };
    const Case cases[] = {
        {0, 3, {"S", "Q", "R", "P"}},
        {1, 2, {"P", "R", "Q", "S"}},
        {1, 7, {"P", "Q", "R", "S"}},
        {-1, 0, {"P", "Q", "R", "S"}},
    };
    for (const Case& c : cases) {
        platform.fileChoices.emplace_back(QStringList{"P", "Q", "R", "S"});
        platform.modalScript = [&](TFCreate& dialog) {
            dialog.ListBox1DragDrop(c.from, c.onto);
            dialog.Button1.UserClick();
        };
        EXPECT_EQ(platform.ShowModal(create), TFCreate::mrOk);
        EXPECT_EQ(create.ListBox1.Items(), c.result) << c.from << " onto " << c.onto;
    }
    // Every showing starts with a fresh list.
    platform.fileChoices.emplace_back(QStringList{"only"});
    platform.modalScript = [](TFCreate& dialog) { dialog.Button1.UserClick(); };
    platform.ShowModal(create);
    EXPECT_EQ(create.ListBox1.Items(), QStringList{"only"});
}
