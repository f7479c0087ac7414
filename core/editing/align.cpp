#include "editing/align.h"

#include "model/pagerecord.h"

#include <algorithm>

namespace brevix {

bool alignElements(PageRecord &r, const std::vector<int> &members, int n)
{
    if (members.empty() || n < 1 || n > 9)
        return false;
    const int ref = *std::min_element(members.begin(), members.end());
    const int refLeft = r.Left[ref], refTop = r.Top[ref];
    const int refWidth = r.Width[ref], refHeight = r.Height[ref];
    auto u16 = [](int v) { return static_cast<std::uint16_t>(std::max(0, v)); };
    for (int s : members) {
        switch (n) {
        case 1:
            r.Left[s] = u16(refLeft);
            break;
        case 2:
            r.Left[s] = u16(refLeft + refWidth / 2 - r.Width[s] / 2);
            break;
        case 3:
            r.Left[s] = u16(refLeft + refWidth - r.Width[s]);
            break;
        case 4:
            r.Top[s] = u16(refTop);
            break;
        case 5:
            r.Top[s] = u16(refTop + refHeight / 2 - r.Height[s] / 2);
            break;
        case 6:
            r.Top[s] = u16(refTop + refHeight - r.Height[s]);
            break;
        case 7:
            r.Width[s] = u16(refWidth);
            break;
        case 8:
            r.Height[s] = u16(refHeight);
            break;
        case 9:
            r.Width[s] = u16(refWidth);
            r.Height[s] = u16(refHeight);
            break;
        }
    }
    return true;
}

} // namespace brevix
