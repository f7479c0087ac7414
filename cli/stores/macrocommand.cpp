#include "macrocommand.h"

#include "macros/macroencoder.h"
#include "macros/macrofile.h"
#include "macros/macrostore.h"
#include "storeargs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace brevix::cli {

namespace {

const char *kHelp =
    "usage:\n"
    "  builder-cli macro list FILE.KX3 [--json]      rows as the macro editor shows them\n"
    "  builder-cli macro import FILE.KX3 FILE.Mac    replace the stored macro (labels checked)\n"
    "  builder-cli macro export FILE.KX3 FILE[.Mac]  write the stored macro (labels checked)\n";

int list(const MacroStore &store, bool json, CliContext &context)
{
    MacroRows rows;
    if (Result read = store.readRows(rows); !read)
        return reportFailure(context, read.message());
    const MacroArea area = ChangeMacCmd(rows);
    const int last = lastNonEmptyRow(rows);
    if (json) {
        QJsonArray all;
        for (int i = 0; i <= last; ++i) {
            const MacroRow &r = rows[size_t(i)];
            all.append(QJsonObject{{QStringLiteral("row"), i + 1},
                                   {QStringLiteral("code"), r.Code},
                                   {QStringLiteral("text"), MacCodeToStr(r).text},
                                   {QStringLiteral("compiled"), isCompiledMacroCode(r.Code)}});
        }
        const QJsonObject o{{QStringLiteral("rows"), all},
                            {QStringLiteral("instructions"), area.instructionCount},
                            {QStringLiteral("fits"), !area.warning.has_value()}};
        context.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        context.out.flush();
        return ExitOk;
    }
    for (int i = 0; i <= last; ++i)
        context.out << QString::number(i + 1).rightJustified(4) << "  "
                    << MacCodeToStr(rows[size_t(i)]).text << "\n";
    const bool zh = context.language == Language::Chinese;
    context.out << (zh ? QStringLiteral("编译指令: %1 / 80")
                       : QStringLiteral("compiled instructions: %1 of 80"))
                       .arg(area.instructionCount)
                << "\n";
    if (area.warning)
        context.out
            << area.warning->text(context.language).replace(QLatin1Char('\r'), QLatin1Char('\n'))
            << "\n";
    context.out.flush();
    return ExitOk;
}

} // namespace

int MacroCommand::run(const QStringList &arguments, CliContext &context)
{
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("json"), QStringLiteral("print JSON")});
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show the actions")});
    if (!parser.parse(QStringList{name()} + arguments))
        return reportUsage(context, *this, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        context.out << kHelp;
        context.out.flush();
        return ExitOk;
    }
    int exitCode = ExitOk;
    const auto args = storeArguments(parser, context, *this, exitCode);
    if (!args)
        return exitCode;
    const MacroStore store(args->project);
    const bool zh = context.language == Language::Chinese;

    if (args->action == QLatin1String("list") && args->rest.isEmpty())
        return list(store, parser.isSet(QStringLiteral("json")), context);
    if (args->action == QLatin1String("import") && args->rest.size() == 1) {
        MacroRows rows;
        if (Result read = importMacroFile(args->rest[0], rows); !read)
            return reportFailure(context, read.message());
        if (Result saved = store.ADOSaveFile(rows); !saved)
            return reportFailure(context, saved.message());
        store.CompressRepairMDat(); // a failed compaction leaves a usable store
        context.out << (zh ? QStringLiteral("已导入 %1 行").arg(lastNonEmptyRow(rows) + 1)
                           : QStringLiteral("imported %1 rows").arg(lastNonEmptyRow(rows) + 1))
                    << Qt::endl;
        return ExitOk;
    }
    if (args->action == QLatin1String("export") && args->rest.size() == 1) {
        MacroRows rows;
        if (Result read = store.readRows(rows); !read)
            return reportFailure(context, read.message());
        QString written;
        if (Result saved = exportMacroFile(args->rest[0], rows, &written); !saved)
            return reportFailure(context, saved.message());
        context.out
            << (zh ? QStringLiteral("已导出到 %1") : QStringLiteral("exported to %1")).arg(written)
            << Qt::endl;
        return ExitOk;
    }
    return reportUsage(context, *this,
                       QStringLiteral("unknown action or wrong arguments (see macro --help)"));
}

} // namespace brevix::cli
