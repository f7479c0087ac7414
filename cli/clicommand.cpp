#include "clicommand.h"

namespace brevix::cli {

int reportFailure(CliContext &context, const Message &message)
{
    context.err << "builder-cli: " << message.text(context.language) << Qt::endl;
    return ExitFailure;
}

int reportUsage(CliContext &context, const CliCommand &command, const QString &problem)
{
    context.err << "builder-cli " << command.name() << ": " << problem << Qt::endl
                << "usage: builder-cli " << command.usage() << Qt::endl;
    return ExitUsage;
}

} // namespace brevix::cli
