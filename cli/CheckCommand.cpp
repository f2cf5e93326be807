#include "Commands.h"
#include "DocumentFiles.h"

#include <algorithm>

namespace {

class CheckCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("check"); }
    QString Summary() const override { return QStringLiteral("Checks species, spectrum and database files."); }

protected:
    void Describe(QCommandLineParser& parser) override {
        parser.setApplicationDescription(QStringLiteral(
            "Reads each file as the editor reads a file of its type and prints one line for it:\n"
            "its type and contents, or what is wrong with it (on standard error).\n"
            "Exit status: 0 when every file is valid, 1 when a file is JSON but not a valid\n"
            "document, 2 when a file cannot be read or holds no valid JSON (the highest wins)."));
        parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The files to check."),
                                     QStringLiteral("FILE..."));
    }
    int MinimumArguments() const override { return 1; }
    int MaximumArguments() const override { return -1; }

    int Execute(const QCommandLineParser& parser, CommandOutput& output) override {
        int status = kSuccess;
        for (const QString& fileName : parser.positionalArguments()) {
            try {
                const LoadedFile file = LoadFile(fileName);
                output.out << fileName << ": " << file.type << ", " << Contents(file) << "\n";
            } catch (const FileProblem& problem) {
                output.err << fileName << ": " << problem.message << "\n";
                status = std::max(status, problem.status);
            }
        }
        return status;
    }

private:
    static QString Contents(const LoadedFile& file) {
        if (file.type == kSpeciesType) return Count(file.species.Spectra.size(), "spectrum", "spectra");
        if (file.type == kSpectrumType) return Count(file.spectrum.XData.size(), "point", "points");
        std::size_t spectra = 0;
        for (const TSpeciesEntry& entry : file.entries) spectra += entry.Spectra.size();
        return Count(file.entries.size(), "species", "species") + QStringLiteral(", ") +
               Count(spectra, "spectrum", "spectra");
    }
};

}  // namespace

std::unique_ptr<Command> MakeCheckCommand() { return std::make_unique<CheckCommand>(); }
