#include "Commands.h"
#include "DocumentFiles.h"

#include "records/Markup.h"

#include <algorithm>

namespace {

class BuildDbCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("build-db"); }
    QString Summary() const override { return QStringLiteral("Builds a database from species files."); }

protected:
    void Describe(QCommandLineParser& parser) override {
        parser.setApplicationDescription(QStringLiteral(
            "Builds a database from species files in the order given, as the editor's build\n"
            "from species files does: a species file without spectra gets one new spectrum.\n"
            "A file that is not a species document is reported and skipped (exit status 1);\n"
            "when any file cannot be read, nothing is written (exit status 2)."));
        parser.addOption(title_);
        parser.addOption(version_);
        parser.addOption(output_);
        parser.addOption(date_);
        parser.addPositionalArgument(QStringLiteral("SPECIES"), QStringLiteral("The species files."),
                                     QStringLiteral("SPECIES..."));
    }
    int MinimumArguments() const override { return 1; }
    int MaximumArguments() const override { return -1; }

    int Execute(const QCommandLineParser& parser, CommandOutput& output) override {
        for (const QCommandLineOption* required : {&title_, &version_, &output_}) {
            if (!parser.isSet(*required)) {
                return UsageError(QStringLiteral("--%1 is required").arg(required->names().constLast()), output);
            }
        }
        const QString date = parser.isSet(date_) ? parser.value(date_) : TodayText();
        if (!IsDateText(date)) return UsageError(QStringLiteral("'%1' is no date of the form yyyy-mm-dd").arg(date), output);

        std::vector<TSpeciesEntry> entries;
        int status = kSuccess;
        bool readable = true;
        // Every file is read, so that one run reports every problem.
        for (const QString& fileName : parser.positionalArguments()) {
            try {
                entries.push_back(LoadSpecies(fileName));
                if (entries.back().Spectra.empty()) entries.back().Spectra.push_back(NewSpectrum(date));
            } catch (const FileProblem& problem) {
                output.err << fileName << ": " << problem.message << (problem.wrongType ? " Skipped." : "") << "\n";
                status = std::max(status, problem.status);
                readable = readable && problem.wrongType;
            }
        }
        const QString out = parser.value(output_);
        if (!readable) {
            output.err << out << ": not written\n";
            return status;
        }
        if (entries.empty()) {
            output.err << out << ": not written, no species to hold\n";
            return kInvalidDocument;
        }
        try {
            WriteDatabaseFile(out, entries, parser.value(title_), parser.value(version_), date);
        } catch (const Failure& failure) {
            output.err << out << ": " << failure.Message() << "\n";
            return kUnreadable;
        }
        return status;
    }

private:
    // What the editor adds to a species that comes without spectra.
    static TSpectrum NewSpectrum(const QString& date) {
        TSpectrum spectrum;
        spectrum.Title = QStringLiteral("New spectrum");
        spectrum.CreatedDate = date;
        return spectrum;
    }

    QCommandLineOption title_{QStringLiteral("title"), QStringLiteral("The database's title."), QStringLiteral("T")};
    QCommandLineOption version_{QStringLiteral("version"), QStringLiteral("The database's version."), QStringLiteral("V")};
    QCommandLineOption output_{{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The database file to write."),
                               QStringLiteral("OUT")};
    QCommandLineOption date_{QStringLiteral("date"),
                             QStringLiteral("The date in the header and of new spectra (default: today)."),
                             QStringLiteral("yyyy-mm-dd")};
};

}  // namespace

std::unique_ptr<Command> MakeBuildDbCommand() { return std::make_unique<BuildDbCommand>(); }
