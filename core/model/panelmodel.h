#pragma once

#include <QSize>

namespace brevix {

constexpr int kPanelModelCount = 9;

// Page size in pixels of panel model index (only the low 6 bits of the stored word count).
// An index outside the table gives the size of model 1.
QSize panelModelPageSize(int modelIndex);

} // namespace brevix
