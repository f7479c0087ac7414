#pragma once

#include <vector>

namespace brevix {

struct PageRecord;

// Align operation n (1 left, 2 horizontal centre, 3 right, 4 top, 5 vertical centre, 6 bottom,
// 7 same width, 8 same height, 9 same size) on members; the reference is the lowest slot of the
// selection, not the outermost element. Returns false for an unknown n or an empty selection.
bool alignElements(PageRecord &record, const std::vector<int> &members, int n);

} // namespace brevix
