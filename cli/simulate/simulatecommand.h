#pragma once

#include "clicommand.h"

namespace brevix::cli {

// simulate KX.bin ...: runs a compiled page without a screen and writes it as PNG or JSON.
class SimulateCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("simulate"); }
    QString usage() const override
    {
        return QStringLiteral(
            "simulate KX.bin [--page N] [--set AREA:ADDRESS=VALUE ...] "
            "[--set-bit AREA:INDEX=0|1 ...] [--press SLOT ...] [--ticks N] [--face] "
            "[--dump] [-o page.png]");
    }
    QString summary() const override
    {
        return QStringLiteral("run a page of a download image and save it");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
