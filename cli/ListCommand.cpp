#include "Commands.h"
#include "DocumentFiles.h"

namespace {

class ListCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("list"); }
    QString Summary() const override { return QStringLiteral("Lists the species of a database."); }

protected:
    void Describe(QCommandLineParser& parser) override {
        parser.setApplicationDescription(QStringLiteral(
            "Prints one line per entry of a database: its label in the editor's species list,\n"
            "\"(\" formula \") \" name, and its number of spectra."));
        parser.addPositionalArgument(QStringLiteral("DATABASE"), QStringLiteral("The database file."));
    }
    int MinimumArguments() const override { return 1; }
    int MaximumArguments() const override { return 1; }

    int Execute(const QCommandLineParser& parser, CommandOutput& output) override {
        const QString fileName = parser.positionalArguments().constFirst();
        try {
            for (const TSpeciesEntry& entry : LoadDatabase(fileName)) {
                output.out << DatabaseLabel(entry.Species) << ": " << Count(entry.Spectra.size(), "spectrum", "spectra")
                           << "\n";
            }
        } catch (const FileProblem& problem) {
            output.err << fileName << ": " << problem.message << "\n";
            return problem.status;
        }
        return kSuccess;
    }
};

}  // namespace

std::unique_ptr<Command> MakeListCommand() { return std::make_unique<ListCommand>(); }
