#include "storeargs.h"

namespace brevix::cli {

std::optional<StoreArguments> storeArguments(const QCommandLineParser &parser, CliContext &context,
                                             const CliCommand &command, int &exitCode)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < 2) {
        exitCode =
            reportUsage(context, command, QStringLiteral("an action and a project file expected"));
        return std::nullopt;
    }
    StoreArguments args{positional[0], positional[1], positional.mid(2)};
    if (!QFileInfo(args.project).isFile()) {
        exitCode = reportFailure(
            context, {QStringLiteral("找不到工程文件 %1 ！").arg(args.project),
                      QStringLiteral("The project file %1 was not found!").arg(args.project)});
        return std::nullopt;
    }
    return args;
}

std::optional<int> numberArgument(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace brevix::cli
