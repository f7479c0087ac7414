#include "render/rendercommand.h"

#include "model/projectfile.h"
#include "render/pagerenderer.h"
#include "render/storepictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QSaveFile>

namespace brevix::cli {

namespace {

struct RenderRequest
{
    QString projectPath;
    QString outputPath;
    int page = 0; // 0: the page the editor shows first (the lowest page)
    RenderOptions options;
};

Message writeFailed(const QString &path)
{
    return {QStringLiteral("无法写入图片 ") + QDir::toNativeSeparators(path),
            QStringLiteral("Cannot write the picture ") + QDir::toNativeSeparators(path)};
}

Message pageMissing(int page)
{
    return {QStringLiteral("画面 %1 不存在 ！").arg(page),
            QStringLiteral("Page %1 does not exist!").arg(page)};
}

} // namespace

int RenderCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("page"), QStringLiteral("page number 1..240"), QStringLiteral("N")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("PNG file to write"),
                      QStringLiteral("PAGE.png")});
    parser.addOption({QStringLiteral("on"), QStringLiteral("show lamps and bit switches ON")});
    parser.addOption({QStringLiteral("font-optimisation"),
                      QStringLiteral("keep texts as the system draws them")});
    parser.addOption({QStringLiteral("grid"), QStringLiteral("draw the editor's grid")});
    parser.addOption({QStringLiteral("language"),
                      QStringLiteral("panel language of the texts (default: the start language)"),
                      QStringLiteral("1|2")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return reportUsage(context, *this, QStringLiteral("one project file expected"));
    if (!parser.isSet(QStringLiteral("o")))
        return reportUsage(context, *this, QStringLiteral("-o PAGE.png is required"));

    RenderRequest request;
    request.projectPath = parser.positionalArguments().first();
    request.outputPath = parser.value(QStringLiteral("o"));
    if (parser.isSet(QStringLiteral("page"))) {
        bool ok = false;
        request.page = parser.value(QStringLiteral("page")).toInt(&ok);
        if (!ok || request.page < 1 || request.page > kMaxPage)
            return reportUsage(context, *this, QStringLiteral("--page takes 1..%1").arg(kMaxPage));
    }
    if (parser.isSet(QStringLiteral("language"))) {
        const QString language = parser.value(QStringLiteral("language"));
        if (language != QLatin1String("1") && language != QLatin1String("2"))
            return reportUsage(context, *this, QStringLiteral("--language takes 1 or 2"));
        request.options.language = language.toInt() - 1;
    }
    request.options.lampsOn = parser.isSet(QStringLiteral("on"));
    request.options.fontOptimisation = parser.isSet(QStringLiteral("font-optimisation"));
    request.options.showGrid = parser.isSet(QStringLiteral("grid"));
    request.options.interfaceLanguage = context.language;

    Project project;
    const Result opened = openProject(project, request.projectPath, WorkFolder());
    if (!opened)
        return reportFailure(context, opened.message());
    const int page = request.page != 0 ? request.page : project.lowestPageInUse();
    if (page == 0 || !project.PageExists(page))
        return reportFailure(context, pageMissing(request.page));

    StorePictures pictures(request.projectPath);
    request.options.pictures = &pictures;
    installPanelFonts();
    const QImage image = renderPage(project, page, request.options);

    QSaveFile file(request.outputPath);
    if (image.isNull() || !file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") ||
        !file.commit())
        return reportFailure(context, writeFailed(request.outputPath));
    context.out << QDir::toNativeSeparators(request.outputPath) << " " << image.width() << "x"
                << image.height() << Qt::endl;
    return ExitOk;
}

} // namespace brevix::cli
