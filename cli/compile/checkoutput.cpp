#include "checkoutput.h"

#include "model/projectfile.h"
#include "settings/settingsrules.h"

#include <QJsonArray>

namespace brevix::cli {

Result openAndCheck(const QString &path, Project &project, CheckResult &check)
{
    const Result opened = openProject(project, path, WorkFolder());
    if (!opened)
        return opened;
    DeviceDatabase database;
    const Result db = database.open();
    if (!db)
        return db;
    const DeviceLists lists = loadDeviceLists(database, project.settings());
    check = StartCheck(project, lists);
    return Result::success();
}

namespace {

QString severityName(CheckSeverity s)
{
    return s == CheckSeverity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

} // namespace

void printCheckRows(QTextStream &out, const CheckResult &check, Language language)
{
    if (check.keyCellsLowered > 0)
        out << keyLedCellsMessage().text(language) << "\n";
    for (const CheckRow &row : check.rows) {
        out << severityName(row.severity) << "\t" << row.pageCaption << "\t"
            << row.typeName.text(language) << "\t"
            << (row.slot >= 0 ? QString::number(row.slot) : QString()) << "\t"
            << row.message.text(language) << "\n";
    }
    const int errors = check.errorCount();
    if (errors > 0) {
        out << errorListLabel(errors).text(language) << "\n"
            << errorSummaryMessage(errors).text(language) << "\n";
    } else {
        out << (language == Language::Chinese ? QStringLiteral("检查通过, 没有错误")
                                              : QStringLiteral("Check passed: no errors"));
        if (check.warningCount() > 0)
            out << (language == Language::Chinese ? QStringLiteral(" (%1 条警告)")
                                                  : QStringLiteral(" (%1 warnings)"))
                       .arg(check.warningCount());
        out << "\n";
    }
    out.flush();
}

QJsonObject checkToJson(const CheckResult &check, Language language)
{
    QJsonArray rows;
    for (const CheckRow &row : check.rows) {
        rows.append(QJsonObject{{QStringLiteral("severity"), severityName(row.severity)},
                                {QStringLiteral("page"), row.page},
                                {QStringLiteral("caption"), row.pageCaption},
                                {QStringLiteral("kind"), row.kind},
                                {QStringLiteral("type"), row.typeName.text(language)},
                                {QStringLiteral("slot"), row.slot},
                                {QStringLiteral("message"), row.message.text(language)},
                                {QStringLiteral("messageZh"), row.message.zh},
                                {QStringLiteral("messageEn"), row.message.en}});
    }
    return QJsonObject{{QStringLiteral("errors"), check.errorCount()},
                       {QStringLiteral("warnings"), check.warningCount()},
                       {QStringLiteral("keyCellsLowered"), check.keyCellsLowered},
                       {QStringLiteral("rows"), rows}};
}

bool applyLanguageOption(const QString &value, CliContext &context)
{
    if (value == QLatin1String("zh"))
        context.language = Language::Chinese;
    else if (value == QLatin1String("en"))
        context.language = Language::English;
    else
        return false;
    return true;
}

} // namespace brevix::cli
