#pragma once

#include "clicommand.h"

namespace brevix::cli {

// info FILE.KX3 [--json]: the settings that matter and every page with its element counts.
class InfoCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("info"); }
    QString usage() const override { return QStringLiteral("info FILE.KX3 [--json]"); }
    QString summary() const override
    {
        return QStringLiteral("show a project's settings and pages");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
