// Saves that the file system refuses and loads of files that are damaged or hostile: the old file
// stays as it was, the error box says what failed and where, and the window keeps what it had.

#include "support/FileSizeLimit.h"
#include "support/ScriptedPlatform.h"
#include "documents/Documents.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {

class FaultInjection : public EditorTest {
protected:
    FaultInjection() {
        // Enough points that every document passes the 4 KB of FileSizeLimit below.
        QStringList lines;
        for (int i = 0; i < 400; ++i) lines << QStringLiteral("%1 %2").arg(10 + i * 0.01).arg(i);
        Type(form.Edit1, QStringLiteral("Water"));
        Type(form.Memo4, lines.join(QStringLiteral("\r\n")));
    }

    void WriteBytes(const QString& name, const QByteArray& bytes) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // The message of the failed save of `path`, with the system's reason at its end.
    static void ExpectCreateFailure(const QString& message, const QString& path) {
        const QString prefix = QStringLiteral("Cannot create file \"%1\". ")
                                   .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
        EXPECT_TRUE(message.startsWith(prefix)) << message.toStdString();
        EXPECT_GT(message.size(), prefix.size() + 1) << "no reason given: " << message.toStdString();
        EXPECT_TRUE(message.endsWith(QLatin1Char('.')));
    }

    // The three saves of the window, each to the file chosen next.
    struct Save {
        const char* what;
        std::function<void(TFMain&)> run;
    };
    const std::vector<Save> saves = {
        {"species", [](TFMain& f) { f.Button7Click(&f.Button7); }},
        {"spectrum", [](TFMain& f) { f.Button5Click(&f.Button5); }},
        {"database", [](TFMain& f) { f.Button10Click(&f.Button10); }},
    };
};

TEST_F(FaultInjection, RefusedSavesKeepTheOldFileAndTheUnsavedChangesFlag) {
    WriteBytes(QStringLiteral("notes.txt"), "not a folder");
    const QByteArray old = "\xEF\xBB\xBF{\r\n    \"old\": true\r\n}\r\n";
    struct Case {
        const char* condition;
        QString file;
        bool existing;            // the file is there before the save
        rlim_t fileSizeLimit;     // 0: none
    };
    const Case cases[] = {
        {"folder is a regular file", Path(QStringLiteral("notes.txt/water.json")), false, 0},
        {"disk full, new file", Path(QStringLiteral("new.json")), false, 4096},
        {"disk full, over an existing file", Path(QStringLiteral("old.json")), true, 4096},
    };
    for (const Save& save : saves) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(save.what) + ", " + c.condition);
            if (c.existing) WriteBytes(QStringLiteral("old.json"), old);
            ASSERT_TRUE(form.FSpeciesChanged);
            platform.errors.clear();
            platform.Choose(c.file);
            {
                std::unique_ptr<FileSizeLimit> limit;
                if (c.fileSizeLimit) limit = std::make_unique<FileSizeLimit>(c.fileSizeLimit);
                User([&] { save.run(form); });
            }
            ASSERT_EQ(platform.errors.size(), 1);
            ExpectCreateFailure(platform.errors[0], c.file);
            EXPECT_TRUE(form.FSpeciesChanged);
            if (c.existing) {
                EXPECT_EQ(FileBytes(QStringLiteral("old.json")), old);
            } else {
                EXPECT_FALSE(QFileInfo::exists(c.file));
            }
            // No temporary file is left behind.
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                      c.existing ? QStringList({"notes.txt", "old.json"}) : QStringList{"notes.txt"});
            QFile::remove(Path(QStringLiteral("old.json")));
        }
    }
    // The same saves succeed once the file system lets them.
    platform.errors.clear();
    platform.Choose(Path(QStringLiteral("new.json")));
    User([&] { saves[0].run(form); });
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_FALSE(form.FSpeciesChanged);
    EXPECT_EQ(ReadSpeciesFile(Path(QStringLiteral("new.json"))).Species.Name, "Water");
}

TEST_F(FaultInjection, SaveIntoAFolderWithoutWritePermission) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root, which writes into folders without write permission anyway; "
                        "the refused saves are covered by the file-size limit and the non-folder cases";
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    WriteBytes(QStringLiteral("locked/water.json"), "old");
    const QString locked = Path(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    for (const Save& save : saves) {
        SCOPED_TRACE(save.what);
        platform.errors.clear();
        platform.Choose(Path(QStringLiteral("locked/water.json")));
        User([&] { save.run(form); });
        ASSERT_EQ(platform.errors.size(), 1);
        ExpectCreateFailure(platform.errors[0], Path(QStringLiteral("locked/water.json")));
        EXPECT_TRUE(form.FSpeciesChanged);
        EXPECT_EQ(FileBytes(QStringLiteral("locked/water.json")), "old");
        EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{"water.json"});
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Every load of a file that cannot be used shows one error and changes nothing in the window.
TEST_F(FaultInjection, DamagedAndHostileFilesChangeNothing) {
    TSpeciesEntry entry;
    entry.Species.Name = QStringLiteral("Benzene");
    entry.Species.Formula = QStringLiteral("C<sub>6</sub>H<sub>6</sub>");
    entry.Spectra.resize(2);
    entry.Spectra[0].XData = {9.24, 9.3};
    entry.Spectra[0].YData = {1, 0.5};
    WriteSpeciesFile(Path(QStringLiteral("benzene.json")), entry);
    const QByteArray whole = FileBytes(QStringLiteral("benzene.json"));
    ASSERT_TRUE(whole.endsWith("}\r\n"));

    std::vector<std::pair<std::string, QByteArray>> files;
    // Cut before the closing brace, as by a copy that stopped short; every third cut is enough
    // to stop inside each kind of token.
    for (qsizetype size = 0; size < whole.size() - 3; size += 3) {
        files.emplace_back("first " + std::to_string(size) + " bytes", whole.left(size));
    }
    files.emplace_back("100,000 nested arrays", QByteArray(100000, '[') + QByteArray(100000, ']'));
    files.emplace_back("100,000 nested objects", QByteArray("{\"a\":").repeated(100000) + "1" + QByteArray(100000, '}'));
    files.emplace_back("100,000 open arrays", QByteArray(100000, '['));
    files.emplace_back("malformed UTF-8", "\xEF\xBB\xBF{\"Type\": \"Species v1\xC0\"}");
    files.emplace_back("UTF-16 with an odd byte", QByteArray("\xFF\xFE{\0}\0 ", 7));

    Type(form.Edit17, QStringLiteral("kept"));
    form.CommitSpectrum();
    const auto data = form.Data;
    const std::function<void()> loads[] = {
        [&] { form.Button6Click(&form.Button6); },
        [&] { form.Button8Click(&form.Button8); },
        [&] { form.Button11Click(&form.Button11); },
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        WriteBytes(QStringLiteral("damaged.json"), bytes);
        for (const auto& load : loads) {
            platform.errors.clear();
            platform.Choose(Path(QStringLiteral("damaged.json")));
            User(load);
            ASSERT_EQ(platform.errors.size(), 1);
            EXPECT_EQ(form.Data, data);
            EXPECT_EQ(form.Edit17.Text(), "kept");
            EXPECT_EQ(form.Edit1.Text(), "Water");
            EXPECT_TRUE(form.FSpeciesChanged);
        }
    }
}

// Every picture of the PNG suite as the structure image of a species file: the corrupt ones
// (x*.png) are reported and the rest of the species is shown; none takes the editor down.
TEST_F(FaultInjection, EveryPngOfTheSuiteAsStructureImage) {
    QStringList pngs = QDir(TestData(QStringLiteral("pngsuite"))).entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_GT(pngs.size(), 150);
    int corrupt = 0;
    for (const QString& name : pngs) {
        SCOPED_TRACE(name.toStdString());
        QFile png(TestData(QStringLiteral("pngsuite/") + name));
        ASSERT_TRUE(png.open(QIODevice::ReadOnly));
        TSpeciesEntry entry;
        entry.Species.Name = name;
        entry.Species.StructuralFormula = EncodeImageText(png.readAll());
        entry.Spectra.resize(1);
        WriteSpeciesFile(Path(QStringLiteral("species.json")), entry);

        form.Image1.SetPicture(QImage(3, 3, QImage::Format_ARGB32));
        platform.errors.clear();
        platform.Choose(Path(QStringLiteral("species.json")));
        Click(form.Button6);
        EXPECT_EQ(form.Edit1.Text(), name);
        if (name.startsWith(QLatin1Char('x'))) {
            ++corrupt;
            EXPECT_EQ(platform.errors, QStringList{"Loading bitmap failed."});
            EXPECT_TRUE(IsEmptyPicture(form.Image1.Picture()));
            EXPECT_TRUE(form.FSpeciesChanged);
        } else {
            EXPECT_TRUE(platform.errors.isEmpty());
            EXPECT_EQ(form.Image1.Picture().size(), QImage(png.fileName()).size());
            EXPECT_FALSE(form.FSpeciesChanged);
        }
    }
    EXPECT_EQ(corrupt, 14);
}

}  // namespace
