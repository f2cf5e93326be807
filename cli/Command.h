#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

// Exit statuses of specdb; a run ends with the highest that any file called for.
enum ExitStatus : int {
    kSuccess = 0,
    kInvalidDocument = 1,  // JSON, but not a valid document of its kind (or a file was skipped)
    kUnreadable = 2,       // cannot be read, holds no valid JSON, cannot be written; usage errors
};

// Where a command writes: results to `out`, errors (always with the file name) to `err`.
struct CommandOutput {
    QTextStream& out;
    QTextStream& err;
};

// One specdb command: its name, its options and what it does. Run parses the arguments with
// QCommandLineParser, answers --help and usage errors, and hands the rest to Execute.
class Command {
public:
    virtual ~Command() = default;

    virtual QString Name() const = 0;
    // One line for the tool's help.
    virtual QString Summary() const = 0;

    // `arguments` are those after the command name.
    int Run(const QStringList& arguments, CommandOutput& output);

    // Reports a usage error the way every command does.
    int UsageError(const QString& message, CommandOutput& output) const;

protected:
    // Adds the description, options and positional arguments.
    virtual void Describe(QCommandLineParser& parser) = 0;
    // The positional arguments allowed.
    virtual int MinimumArguments() const = 0;
    virtual int MaximumArguments() const = 0;  // -1: any number
    virtual int Execute(const QCommandLineParser& parser, CommandOutput& output) = 0;
};
