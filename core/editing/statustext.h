#pragma once

#include "text/message.h"

#include <QString>

namespace brevix {

struct PageRecord;

// Name of an element kind in the status bar ("文本" / "Text"); empty for codes without one.
Message elementKindTitle(int kind);
// " 文本 at[x,y] W:w  H:h" for slot: the position without the canvas margin.
QString selectionStatusText(const PageRecord &record, int slot, Language language);
// " X: x  Y: y".
QString pointerStatusText(int x, int y);

} // namespace brevix
