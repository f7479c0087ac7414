#pragma once

#include "clicommand.h"

namespace brevix::cli {

// check FILE.KX3 [--lang zh|en] [--json]: the compile check's rows; exit 0 clean, 1 errors found.
class CheckCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString usage() const override
    {
        return QStringLiteral("check FILE.KX3 [--lang zh|en] [--json]");
    }
    QString summary() const override
    {
        return QStringLiteral("run the compile check (errors and warnings)");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
