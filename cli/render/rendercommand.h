#pragma once

#include "clicommand.h"

namespace brevix::cli {

// render FILE.KX3 --page N -o PAGE.png: the page drawn exactly as the page editor shows it.
class RenderCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("render"); }
    QString usage() const override
    {
        return QStringLiteral("render FILE.KX3 [--page N] [--on] [--font-optimisation] [--grid] "
                              "[--language 1|2] -o PAGE.png");
    }
    QString summary() const override { return QStringLiteral("draw a page to a PNG picture"); }
    int run(const QStringList &arguments, CliContext &context) override;
};

} // namespace brevix::cli
