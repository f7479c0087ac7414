#pragma once

#include "clicommand.h"

namespace brevix::cli {

// macro list|import|export FILE.KX3 ...: the project's clock macro store.
class MacroCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("macro"); }
    QString usage() const override { return QStringLiteral("macro ACTION FILE.KX3 [FILE.Mac]"); }
    QString summary() const override
    {
        return QStringLiteral("clock macro: list, import, export (macro --help)");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
