#include "compilecommand.h"

#include "checkoutput.h"
#include "compiler/kxbuilder.h"
#include "model/projectfile.h"
#include "sizereport.h"

#include <QCommandLineParser>
#include <QDir>

namespace brevix::cli {

namespace {

Message initialPageMissingMessage(int n)
{
    return {QStringLiteral("您设置的初始(主控)画面号: [%1] 不存在！\n请检查或重新设置...").arg(n),
            QStringLiteral("Your initial settings ( Master ) screen number: [%1] Does not "
                           "exist！\nPlease check or to Set up...")
                .arg(n)};
}

Message noSpiPicturesMessage()
{
    return {
        QStringLiteral("图库中没有 50 号以上的图片, 不生成 SPI.bin"),
        QStringLiteral("The picture library has no pictures numbered 50 and above; no SPI.bin")};
}

Message spiSkippedMessage(const QStringList &candidates)
{
    return {QStringLiteral("工程存在 SPI 图库: %1 (用 --spi 生成 SPI.bin)")
                .arg(candidates.join(QLatin1Char(' '))),
            QStringLiteral("The project has SPI pictures: %1 (use --spi to build SPI.bin)")
                .arg(candidates.join(QLatin1Char(' ')))};
}

} // namespace

int CompileCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("output folder"),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("spi"), QStringLiteral("also build SPI.bin")});
    parser.addOption({QStringLiteral("no-check"), QStringLiteral("skip the compile check")});
    parser.addOption({QStringLiteral("report"), QStringLiteral("print the size budget")});
    parser.addOption({QStringLiteral("lang"), QStringLiteral("zh or en"), QStringLiteral("LANG")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return reportUsage(context, *this, QStringLiteral("one project file expected"));
    if (parser.isSet(QStringLiteral("lang")) &&
        !applyLanguageOption(parser.value(QStringLiteral("lang")), context))
        return reportUsage(context, *this, QStringLiteral("--lang takes zh or en"));
    const Language language = context.language;
    const QString path = parser.positionalArguments().first();

    Project project;
    if (parser.isSet(QStringLiteral("no-check"))) {
        const Result opened = openProject(project, path, WorkFolder());
        if (!opened)
            return reportFailure(context, opened.message());
    } else {
        CheckResult check;
        const Result done = openAndCheck(path, project, check);
        if (!done)
            return reportFailure(context, done.message());
        if (check.hasErrors() || check.keyCellsLowered > 0 || check.warningCount() > 0)
            printCheckRows(context.err, check, language);
        if (check.hasErrors())
            return ExitFindings;
        if (!project.PageExists(project.settings().LongA[3])) {
            context.err << initialPageMissingMessage(project.settings().LongA[3]).text(language)
                        << Qt::endl;
            return ExitFindings;
        }
    }

    BuildInputs inputs;
    const Result loaded = loadBuildInputs(path, inputs);
    if (!loaded)
        return reportFailure(context, loaded.message());
    BuildOptions options;
    options.spi = parser.isSet(QStringLiteral("spi"));
    const BuildResult result = BuildDownloadImage(project, inputs, options);
    for (const Message &note : result.notes)
        context.err << note.text(language) << Qt::endl;
    if (!result.spiCandidates.isEmpty() && !options.spi)
        context.err << spiSkippedMessage(result.spiCandidates).text(language) << Qt::endl;
    if (options.spi && result.spiCandidates.isEmpty())
        context.err << noSpiPicturesMessage().text(language) << Qt::endl;
    if (parser.isSet(QStringLiteral("report")))
        printSizeReport(context.out, project, result, language);
    if (!result.ok) {
        context.err << result.error.text(language) << Qt::endl
                    << compileFailedMessage().text(language) << Qt::endl;
        return ExitFindings;
    }
    const QString folder =
        parser.isSet(QStringLiteral("o")) ? parser.value(QStringLiteral("o")) : WorkFolder().path();
    const Result written = writeBuildOutput(result, folder);
    if (!written)
        return reportFailure(context, written.message());
    context.out << result.sizeText << Qt::endl;
    return ExitOk;
}

} // namespace brevix::cli
