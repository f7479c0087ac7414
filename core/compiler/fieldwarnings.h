#pragma once

#include "model/project.h"
#include "text/message.h"

#include <vector>

namespace brevix {

// Findings that do not stop a build but that users would otherwise only meet on the panel:
// values wider than the field of the compiled record (they are masked to the field, so the
// panel sees a different value), and texts wider than their element at the font's cell width.
std::vector<Message> elementWarnings(const Project &project, int page, int slot);

// Number of records the build writes for the element in slot (date and time expand).
int compiledRecordCount(const Project &project, int page, int slot);

// Width in pixels of a text of n GBK bytes at font index f (one cell per byte).
int textPixelWidth(int byteCount, int fontIndex);

Message recordCountWarning(int records);
Message alarmCountWarning(int count);

} // namespace brevix
