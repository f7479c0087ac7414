#pragma once

#include "model/project.h"

namespace brevix::testing {

// Writes an element of kind into slot with the fields the editor gives a newly placed element,
// at editor position (left, top) and the given size.
void placeElement(Project &project, int page, int slot, int kind, int left, int top, int width,
                  int height);

// A new project whose page 1 (480 x 272) holds one element of every kind with a look, laid
// out in a grid. Returns the number of elements placed.
int fillSamplePage(Project &project);

} // namespace brevix::testing
