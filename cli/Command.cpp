#include "Command.h"

int Command::UsageError(const QString& message, CommandOutput& output) const {
    output.err << "specdb " << Name() << ": " << message << "\n"
               << "Try 'specdb " << Name() << " --help'.\n";
    output.err.flush();
    return kUnreadable;
}

int Command::Run(const QStringList& arguments, CommandOutput& output) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    parser.addOption(help);
    Describe(parser);
    if (!parser.parse(QStringList{QStringLiteral("specdb")} + arguments)) return UsageError(parser.errorText(), output);
    if (parser.isSet(help)) {
        // The parser names the running program in its usage line; the command is what matters.
        QString text = parser.helpText();
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        text.replace(0, options, QStringLiteral("Usage: specdb ") + Name());
        output.out << text;
        output.out.flush();
        return kSuccess;
    }
    const qsizetype count = parser.positionalArguments().size();
    if (count < MinimumArguments()) return UsageError(QStringLiteral("missing arguments"), output);
    if (MaximumArguments() >= 0 && count > MaximumArguments()) {
        return UsageError(QStringLiteral("too many arguments"), output);
    }
    const int status = Execute(parser, output);
    output.out.flush();
    output.err.flush();
    return status;
}
