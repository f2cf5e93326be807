#include "Commands.h"
#include "DocumentFiles.h"

#include "records/Markup.h"

namespace {

class FormatCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("format"); }
    QString Summary() const override { return QStringLiteral("Rewrites a file as the editor saves it."); }

protected:
    void Describe(QCommandLineParser& parser) override {
        parser.setApplicationDescription(QStringLiteral(
            "Loads a species, spectrum or database file as the editor loads it and writes it as\n"
            "the editor saves it: to OUT, or in place when OUT is absent. A database keeps the\n"
            "title and version of its header and is dated today unless --date is given.\n"
            "The file is replaced only once the new one is complete."));
        parser.addOption(date_);
        parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The file to read."));
        parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The file to write (default: IN)."),
                                     QStringLiteral("[OUT]"));
    }
    int MinimumArguments() const override { return 1; }
    int MaximumArguments() const override { return 2; }

    int Execute(const QCommandLineParser& parser, CommandOutput& output) override {
        const QString date = parser.isSet(date_) ? parser.value(date_) : TodayText();
        if (!IsDateText(date)) return UsageError(QStringLiteral("'%1' is no date of the form yyyy-mm-dd").arg(date), output);
        const QStringList files = parser.positionalArguments();
        const QString& in = files[0];
        const QString out = files.value(1, in);
        LoadedFile file;
        try {
            file = LoadFile(in, true);
        } catch (const FileProblem& problem) {
            output.err << in << ": " << problem.message << "\n";
            return problem.status;
        }
        try {
            if (file.type == kSpeciesType) {
                WriteSpeciesFile(out, file.species);
            } else if (file.type == kSpectrumType) {
                WriteSpectrumFile(out, file.spectrum);
            } else {
                WriteDatabaseFile(out, file.entries, file.header->Title, file.header->Version, date);
            }
        } catch (const Failure& failure) {
            output.err << out << ": " << failure.Message() << "\n";
            return kUnreadable;
        }
        return kSuccess;
    }

private:
    QCommandLineOption date_{QStringLiteral("date"), QStringLiteral("The date in a database's header."),
                             QStringLiteral("yyyy-mm-dd")};
};

}  // namespace

std::unique_ptr<Command> MakeFormatCommand() { return std::make_unique<FormatCommand>(); }
