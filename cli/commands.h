#pragma once

#include "clicommand.h"

#include <memory>
#include <vector>

namespace brevix::cli {

std::vector<std::unique_ptr<CliCommand>> allCommands();

// Runs builder-cli with its arguments (without the program name); returns the exit code.
int runBuilderCli(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace brevix::cli
