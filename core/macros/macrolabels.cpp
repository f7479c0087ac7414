#include "macros/macrostore.h"

#include <map>
#include <optional>

namespace brevix {

namespace {

// The label a row jumps to, if it jumps.
std::optional<std::uint16_t> jumpTarget(const MacroRow &row)
{
    if (row.Code >= MacIfEq && row.Code <= MacIfAndNonZero)
        return row.A3v;
    if (row.Code == MacIfBitOn || row.Code == MacIfBitOff)
        return row.A2v;
    if (row.Code == MacGoto)
        return row.A1v;
    return std::nullopt;
}

} // namespace

Result checkMacroLabels(const MacroRows &rows)
{
    const int last = lastNonEmptyRow(rows);
    std::map<std::uint16_t, int> labels;
    for (int i = 0; i <= last; ++i) {
        if (rows[size_t(i)].Code == MacLabel)
            labels.emplace(rows[size_t(i)].A1v, i);
    }
    for (int i = 0; i <= last; ++i) {
        const auto target = jumpTarget(rows[size_t(i)]);
        if (target && !labels.count(*target)) {
            const QString where = QStringLiteral("L# %1, LABEL %2 ").arg(i + 1).arg(*target);
            return Result::failure(where.trimmed() + QStringLiteral(" 未定义！"),
                                   where + QStringLiteral("undefined!"));
        }
    }
    std::map<std::uint16_t, int> seen;
    for (int i = 0; i <= last; ++i) {
        const MacroRow &row = rows[size_t(i)];
        if (row.Code != MacLabel)
            continue;
        if (!seen.emplace(row.A1v, i).second) {
            const QString where = QStringLiteral("L# %1, LABEL %2 ").arg(i + 1).arg(row.A1v);
            return Result::failure(where.trimmed() + QStringLiteral(" 重复！"),
                                   where + QStringLiteral("repeated!"));
        }
    }
    return Result::success();
}

} // namespace brevix
