#include "Specdb.h"

#include "Commands.h"

#include "records/NumberText.h"

std::vector<std::unique_ptr<Command>> AllCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(MakeCheckCommand());
    commands.push_back(MakeFormatCommand());
    commands.push_back(MakeBuildDbCommand());
    commands.push_back(MakeSplitCommand());
    commands.push_back(MakeListCommand());
    return commands;
}

namespace {

void ToolHelp(QTextStream& out) {
    out << "Usage: specdb <command> [options] [arguments]\n"
           "Checks, formats, splits and assembles the species, spectrum and database files of\n"
           "the photoelectron spectra database, exactly as the editor reads and writes them.\n\n"
           "Commands:\n";
    for (const auto& command : AllCommands()) out << "  " << command->Name().leftJustified(10) << command->Summary() << "\n";
    out << "\nRun 'specdb <command> --help' for a command's options.\n";
}

}  // namespace

int RunSpecdb(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    // Documents use "." whatever the locale; so do the texts specdb reads from them.
    SetDecimalSeparator(QLatin1Char('.'));
    const QString first = arguments.value(0);
    if (first.isEmpty() || first == QLatin1String("--help") || first == QLatin1String("-h")) {
        ToolHelp(first.isEmpty() ? err : out);
        (first.isEmpty() ? err : out).flush();
        return first.isEmpty() ? kUnreadable : kSuccess;
    }
    for (const auto& command : AllCommands()) {
        if (command->Name() == first) {
            CommandOutput output{out, err};
            return command->Run(arguments.mid(1), output);
        }
    }
    err << "specdb: unknown command '" << first << "'\nRun 'specdb --help' for the commands.\n";
    err.flush();
    return kUnreadable;
}
