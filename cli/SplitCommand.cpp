#include "Commands.h"
#include "DocumentFiles.h"
#include "SpeciesFileNames.h"

#include <QDir>
#include <QFileInfo>

namespace {

class SplitCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("split"); }
    QString Summary() const override { return QStringLiteral("Writes one species file per database entry."); }

protected:
    void Describe(QCommandLineParser& parser) override {
        parser.setApplicationDescription(QStringLiteral(
            "Writes each entry of a database as a species file into DIR (created when missing),\n"
            "named after the species, made safe for file systems and unique. Prints the files\n"
            "written. Refuses, before writing anything, when a file exists, unless --force."));
        parser.addOption(force_);
        parser.addPositionalArgument(QStringLiteral("DATABASE"), QStringLiteral("The database file."));
        parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder for the species files."));
    }
    int MinimumArguments() const override { return 2; }
    int MaximumArguments() const override { return 2; }

    int Execute(const QCommandLineParser& parser, CommandOutput& output) override {
        const QString databaseFile = parser.positionalArguments()[0];
        const QDir dir(parser.positionalArguments()[1]);
        std::vector<TSpeciesEntry> entries;
        try {
            entries = LoadDatabase(databaseFile);
        } catch (const FileProblem& problem) {
            output.err << databaseFile << ": " << problem.message << "\n";
            return problem.status;
        }
        QStringList speciesNames;
        for (const TSpeciesEntry& entry : entries) speciesNames << entry.Species.Name;
        QStringList files;
        for (const QString& name : UniqueSpeciesFileNames(speciesNames)) files << dir.filePath(name);

        if (!parser.isSet(force_)) {
            bool refused = false;
            for (const QString& file : files) {
                if (QFileInfo::exists(file)) {
                    output.err << file << ": exists; nothing written (use --force to overwrite)\n";
                    refused = true;
                }
            }
            if (refused) return kUnreadable;
        }
        if (!QDir().mkpath(dir.path())) {
            output.err << dir.path() << ": cannot create the folder\n";
            return kUnreadable;
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            try {
                WriteSpeciesFile(files[qsizetype(i)], entries[i]);
            } catch (const Failure& failure) {
                output.err << files[qsizetype(i)] << ": " << failure.Message() << "\n";
                return kUnreadable;
            }
            output.out << files[qsizetype(i)] << "\n";
        }
        return kSuccess;
    }

private:
    QCommandLineOption force_{{QStringLiteral("f"), QStringLiteral("force")}, QStringLiteral("Overwrites existing files.")};
};

}  // namespace

std::unique_ptr<Command> MakeSplitCommand() { return std::make_unique<SplitCommand>(); }
