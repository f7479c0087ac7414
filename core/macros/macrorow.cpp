#include "macros/macrorow.h"

#include <algorithm>

namespace brevix {

void MacroRow::setComment(const QString &text)
{
    const QByteArray bytes = toGbk(text);
    Comment.setBytes(bytes.left(gbkCutLength(bytes.constData(), bytes.size(), kMacroCommentMax)));
}

int lastNonEmptyRow(const MacroRows &rows)
{
    const int shown = std::min<int>(int(rows.size()), kMacroRowsShown);
    for (int i = shown - 1; i >= 0; --i) {
        if (!rows[size_t(i)].isEmpty())
            return i;
    }
    return -1;
}

} // namespace brevix
