#pragma once

#include "clicommand.h"

namespace brevix::cli {

// new FILE.KX3 [--model N]: a new project with page 1 "Window1", saved as the editor saves.
class NewCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("new"); }
    QString usage() const override { return QStringLiteral("new FILE.KX3 [--model N]"); }
    QString summary() const override { return QStringLiteral("create a new project file"); }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
