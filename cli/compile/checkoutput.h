#pragma once

#include "clicommand.h"
#include "compiler/compilecheck.h"
#include "model/project.h"

#include <QJsonObject>

namespace brevix::cli {

// Opens the project and the device database and runs the compile check on it; a failure
// message when either cannot be read.
Result openAndCheck(const QString &path, Project &project, CheckResult &check);

void printCheckRows(QTextStream &out, const CheckResult &check, Language language);
QJsonObject checkToJson(const CheckResult &check, Language language);

// "--lang zh|en" given after the command overrides the one before it.
bool applyLanguageOption(const QString &value, CliContext &context);

} // namespace brevix::cli
