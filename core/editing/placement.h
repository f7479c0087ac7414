#pragma once

#include <QByteArray>
#include <QSize>

namespace brevix {

class Project;

// Size of the placement preview and of a newly placed element of kind. textSize is the
// project's default text size (ProjectRecord LongA[51]), used by text elements only.
QSize placementSize(int kind, int textSize);

// Sample text a register element shows for its digit count, decimals and sign
// (n = 3, d = 1: "12.3"; signed 3/3: "-0.123").
QByteArray registerSampleText(int digits, int decimals, bool isSigned);

// PlacedOrgan's record part: the common defaults of a new element, then those of its kind,
// written into slot of page with its top-left at (x, y) in editor coordinates.
void writePlacementDefaults(Project &project, int page, int slot, int kind, int x, int y);

} // namespace brevix
