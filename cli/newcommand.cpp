#include "newcommand.h"

#include "model/panelmodel.h"
#include "model/projectfile.h"

#include <QCommandLineParser>
#include <QDir>

namespace brevix::cli {

int NewCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("model"), QStringLiteral("panel model index"),
                      QStringLiteral("N"), QStringLiteral("1")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return reportUsage(context, *this, QStringLiteral("one project file expected"));
    bool ok = false;
    const int model = parser.value(QStringLiteral("model")).toInt(&ok);
    if (!ok || model < 0 || model >= kPanelModelCount)
        return reportUsage(context, *this,
                           QStringLiteral("--model takes 0..%1").arg(kPanelModelCount - 1));

    Project project;
    project.resetToNew();
    project.settings().WordA[0] = std::uint16_t(model);
    const QString path = savePathForChosen(parser.positionalArguments().first());
    if (!createProjectFolder(path))
        return reportFailure(context, {QStringLiteral("无法创建文件夹 ") + path,
                                       QStringLiteral("Cannot create the folder for ") + path});
    WorkFolder work;
    const Result saved = saveProject(project, path, work);
    if (!saved)
        return reportFailure(context, saved.message());
    context.out << QDir::toNativeSeparators(path) << Qt::endl;
    return ExitOk;
}

} // namespace brevix::cli
