#include "checkcommand.h"

#include "checkoutput.h"

#include <QCommandLineParser>
#include <QJsonDocument>

namespace brevix::cli {

int CheckCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("json"), QStringLiteral("print JSON")});
    parser.addOption({QStringLiteral("lang"), QStringLiteral("zh or en"), QStringLiteral("LANG")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return reportUsage(context, *this, QStringLiteral("one project file expected"));
    if (parser.isSet(QStringLiteral("lang")) &&
        !applyLanguageOption(parser.value(QStringLiteral("lang")), context))
        return reportUsage(context, *this, QStringLiteral("--lang takes zh or en"));

    Project project;
    CheckResult check;
    const Result done = openAndCheck(parser.positionalArguments().first(), project, check);
    if (!done)
        return reportFailure(context, done.message());
    if (parser.isSet(QStringLiteral("json")))
        context.out
            << QJsonDocument(checkToJson(check, context.language)).toJson(QJsonDocument::Indented);
    else
        printCheckRows(context.out, check, context.language);
    context.out.flush();
    return check.hasErrors() ? ExitFindings : ExitOk;
}

} // namespace brevix::cli
