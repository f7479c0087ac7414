#include "editing/statustext.h"

#include "compiler/compilecheck.h"
#include "editing/geometry.h"
#include "model/pagerecord.h"

namespace brevix {

Message elementKindTitle(int kind)
{
    // One table of kind names serves the status bar and the compile check's list.
    return elementTypeName(kind);
}

QString selectionStatusText(const PageRecord &r, int slot, Language language)
{
    return QLatin1Char(' ') + elementKindTitle(r.Kind[slot]).text(language) +
           QStringLiteral(" at[%1,%2]")
               .arg(r.Left[slot] - kCanvasMargin)
               .arg(r.Top[slot] - kCanvasMargin) +
           QStringLiteral(" W:%1  H:%2").arg(r.Width[slot]).arg(r.Height[slot]);
}

QString pointerStatusText(int x, int y)
{
    return QStringLiteral(" X: %1  Y: %2").arg(x).arg(y);
}

} // namespace brevix
