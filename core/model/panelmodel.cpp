#include "model/panelmodel.h"

namespace brevix {

QSize panelModelPageSize(int modelIndex)
{
    static constexpr int sizes[kPanelModelCount][2] = {
        {240, 320}, {320, 240}, {480, 320}, {480, 320}, {320, 480},
        {256, 64},  {64, 256},  {480, 272}, {800, 480},
    };
    const int index = modelIndex & 63;
    if (index >= kPanelModelCount)
        return {sizes[1][0], sizes[1][1]};
    return {sizes[index][0], sizes[index][1]};
}

} // namespace brevix
