#pragma once

#include "clicommand.h"

namespace brevix::cli {

// builder-cli download: sends KX.bin (and SPI.bin) from a folder to the panel.
class DownloadCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("download"); }
    QString usage() const override
    {
        return QStringLiteral("download [--port DEV] [--time-sync] [DIR]");
    }
    QString summary() const override
    {
        return QStringLiteral(
            "send KX.bin (and SPI.bin) to the panel; exit 1 if blocks went unconfirmed");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

// builder-cli upgrade: rewrites the panel's firmware through its boot loader.
class UpgradeCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("upgrade"); }
    QString usage() const override
    {
        return QStringLiteral("upgrade [--port DEV] --variant 72M|112M");
    }
    QString summary() const override
    {
        return QStringLiteral("write the panel firmware through its boot loader");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
