#pragma once

#include "clicommand.h"

namespace brevix::cli {

// pictures list|add|replace|delete|export|compact FILE.KX3 ...: the project's picture library.
class PicturesCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("pictures"); }
    QString usage() const override { return QStringLiteral("pictures ACTION FILE.KX3 ..."); }
    QString summary() const override
    {
        return QStringLiteral("picture library: list add replace delete export compact");
    }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
