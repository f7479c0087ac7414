#pragma once

#include "clicommand.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <optional>

namespace brevix::cli {

// Shared argument handling of the store commands: "ACTION FILE.KX3 [more]".
struct StoreArguments
{
    QString action;
    QString project;
    QStringList rest; // positional arguments after the project
};

// Parses the positional arguments. Gives nothing when they are too few (usage reported) or the
// project file does not exist (failure reported); exitCode then holds the exit code.
std::optional<StoreArguments> storeArguments(const QCommandLineParser &parser, CliContext &context,
                                             const CliCommand &command, int &exitCode);

// A number argument, or nothing.
std::optional<int> numberArgument(const QString &text);

} // namespace brevix::cli
