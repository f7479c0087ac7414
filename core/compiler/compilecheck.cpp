#include "compiler/compilecheck.h"

#include "compiler/checkrules.h"
#include "compiler/fieldwarnings.h"

#include <algorithm>

namespace brevix {

int CheckResult::errorCount() const
{
    return int(std::count_if(rows.begin(), rows.end(),
                             [](const CheckRow &r) { return r.severity == CheckSeverity::Error; }));
}

int CheckResult::warningCount() const
{
    return int(rows.size()) - errorCount();
}

Message elementTypeName(int kind)
{
    switch (kind) {
    case 1:
        return {QStringLiteral("文本"), QStringLiteral("Text")};
    case 2:
        return {QStringLiteral("寄存器"), QStringLiteral("Register")};
    case 3:
        return {QStringLiteral("指示灯"), QStringLiteral("Lamp")};
    case 4:
        return {QStringLiteral("趋势图"), QStringLiteral("Tendency chart")};
    case 5:
        return {QStringLiteral("棒状图"), QStringLiteral("Bar graph")};
    case 6:
        return {QStringLiteral("图片"), QStringLiteral("BMP")};
    case 7:
        return {QStringLiteral("动态文本"), QStringLiteral("Dynamic text")};
    case 8:
        return {QStringLiteral("功能键"), QStringLiteral("Function key")};
    case 9:
        return {QStringLiteral("ASCII中文"), QStringLiteral("ASCII Chinese")};
    case 10:
        return {QStringLiteral("日期"), QStringLiteral("Date")};
    case 11:
        return {QStringLiteral("时间"), QStringLiteral("Time")};
    case 20:
        return {QStringLiteral("长方形"), QStringLiteral("Rectangle")};
    case 25:
        return {QStringLiteral("刻度"), QStringLiteral("Scale")};
    case 26:
        return {QStringLiteral("椭圆形"), QStringLiteral("Ellipse")};
    case 27:
        return {QStringLiteral("线"), QStringLiteral("Line")};
    case 34:
        return {QStringLiteral("位操作开关"), QStringLiteral("Bit Ope.Switch")};
    default:
        return {};
    }
}

Message keyLedCellsMessage()
{
    return {QStringLiteral("设定下键盘按键 & 指示灯 ID 错误 !"),
            QStringLiteral("Setting the keyboard keys & indicator ID error!")};
}

Message errorListLabel(int count)
{
    return {QStringLiteral("编译错误信息: %1 条").arg(count),
            QStringLiteral("The compiler error messages: %1 Item").arg(count)};
}

Message errorSummaryMessage(int count)
{
    return {QStringLiteral("总共找到 %1 错误; 请参考编译错误信息栏修正错误。").arg(count),
            QStringLiteral("Find a total of %1 Mistake; please refer to compile error information "
                           "column correction of errors.")
                .arg(count)};
}

namespace {

QString pageCaption(const PageRecord &page)
{
    return page.PageStrings[PageNumberText].text() + QStringLiteral(":") +
           page.PageStrings[PageName].text();
}

int lowerKeyCells(ProjectRecord &settings, int max)
{
    int lowered = 0;
    for (int cell = 10; cell <= 17; ++cell) {
        if (settings.WordA[cell] > max) {
            settings.WordA[cell] = std::uint16_t(std::max(0, std::min(max, 65535)));
            ++lowered;
        }
    }
    return lowered;
}

} // namespace

CheckResult StartCheck(Project &project, const DeviceLists &lists)
{
    CheckResult result;
    ProjectRecord &settings = project.settings();
    result.keyCellsLowered = lowerKeyCells(settings, lists.firstWordMax());
    const bool linkCheckActive = settings.ByteB[5] == 0;

    if (settings.WordA[102] > 80)
        result.rows.push_back({CheckSeverity::Warning,
                               0,
                               QString(),
                               0,
                               {},
                               -1,
                               alarmCountWarning(settings.WordA[102])});

    for (int page = 1; page <= kMaxPage; ++page) {
        if (!project.PageExists(page))
            continue;
        const PageRecord &record = project.record(page);
        const QString caption = pageCaption(record);
        int records = 0;
        std::vector<CheckRow> warnings;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int kind = record.Kind[slot];
            if (kind == 0)
                continue;
            records += compiledRecordCount(project, page, slot);
            const SlotValues v = Project::readSlot(record, slot);
            if (const auto error = checkElementAddress(v, lists, linkCheckActive))
                result.rows.push_back({CheckSeverity::Error, page, caption, kind,
                                       elementTypeName(kind), slot, checkMessageText(*error)});
            for (const Message &m : elementWarnings(project, page, slot))
                warnings.push_back(
                    {CheckSeverity::Warning, page, caption, kind, elementTypeName(kind), slot, m});
        }
        if (records > 255)
            warnings.push_back(
                {CheckSeverity::Warning, page, caption, 0, {}, -1, recordCountWarning(records)});
        result.rows.insert(result.rows.end(), warnings.begin(), warnings.end());
    }
    return result;
}

} // namespace brevix
