#pragma once

#include "text/message.h"

#include <QStringList>
#include <QTextStream>

namespace brevix::cli {

// Exit codes shared by every command.
enum ExitCode : int {
    ExitOk = 0,
    ExitFindings = 1, // the job ran and found problems (check: errors in the project)
    ExitFailure = 2,  // the job could not be done (file missing, transfer failed, ...)
    ExitUsage = 64,   // the command line is wrong
};

struct CliContext
{
    QTextStream &out;
    QTextStream &err;
    Language language = Language::English;
};

// One subcommand of builder-cli.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    virtual QString usage() const = 0;   // "new FILE.KX3 [--model N]"
    virtual QString summary() const = 0; // one line for the help text
    // arguments exclude the program and the command name.
    virtual int run(const QStringList &arguments, CliContext &context) = 0;
};

// Prints a failure in the context's language and returns ExitFailure.
int reportFailure(CliContext &context, const Message &message);
int reportUsage(CliContext &context, const CliCommand &command, const QString &problem);

} // namespace brevix::cli
