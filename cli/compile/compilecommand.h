#pragma once

#include "clicommand.h"

namespace brevix::cli {

// compile FILE.KX3 [-o DIR] [--spi] [--no-check] [--report]: writes KX.bin (and SPI.bin).
class CompileCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("compile"); }
    QString usage() const override
    {
        return QStringLiteral("compile FILE.KX3 [-o DIR] [--spi] [--no-check] [--report]");
    }
    QString summary() const override
    {
        return QStringLiteral("build KX.bin (and SPI.bin) for the panel");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
