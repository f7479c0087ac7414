#include "commands.h"

#include "compile/checkcommand.h"
#include "compile/compilecommand.h"
#include "devicelink/downloadcommand.h"
#include "infocommand.h"
#include "newcommand.h"
#include "render/rendercommand.h"
#include "stores/macrocommand.h"
#include "stores/picturescommand.h"
#include "simulate/simulatecommand.h"

namespace brevix::cli {

std::vector<std::unique_ptr<CliCommand>> allCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<NewCommand>());
    commands.push_back(std::make_unique<InfoCommand>());
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<CompileCommand>());
    commands.push_back(std::make_unique<RenderCommand>());
    commands.push_back(std::make_unique<PicturesCommand>());
    commands.push_back(std::make_unique<MacroCommand>());
    commands.push_back(std::make_unique<DownloadCommand>());
    commands.push_back(std::make_unique<UpgradeCommand>());
    commands.push_back(std::make_unique<SimulateCommand>());
    return commands;
}

namespace {

void printHelp(QTextStream &out, const std::vector<std::unique_ptr<CliCommand>> &commands)
{
    out << "builder-cli: the Brevix tool chain without a screen\n\n"
        << "usage: builder-cli [--lang zh|en] COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto &command : commands)
        out << "  " << command->usage().leftJustified(52) << " " << command->summary() << "\n";
    out << "\nexit codes: 0 done, 1 the job found problems, 2 the job failed, 64 wrong usage\n";
    out.flush();
}

} // namespace

int runBuilderCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    CliContext context{out, err};
    QStringList args = arguments;
    // --lang before the command chooses the language of messages for every command.
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--lang"))) {
        QString value;
        if (args.first().contains(QLatin1Char('='))) {
            value = args.takeFirst().section(QLatin1Char('='), 1);
        } else {
            args.removeFirst();
            value = args.isEmpty() ? QString() : args.takeFirst();
        }
        context.language = value == QLatin1String("zh") ? Language::Chinese : Language::English;
    }
    const auto commands = allCommands();
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h") || args.first() == QLatin1String("help")) {
        printHelp(out, commands);
        return args.isEmpty() ? ExitUsage : ExitOk;
    }
    const QString name = args.takeFirst();
    for (const auto &command : commands) {
        if (command->name() == name)
            return command->run(args, context);
    }
    err << "builder-cli: unknown command \"" << name << "\" (see builder-cli --help)" << Qt::endl;
    return ExitUsage;
}

} // namespace brevix::cli
