#include "editing/areaselection.h"

#include "editing/geometry.h"
#include "model/pagerecord.h"

#include <algorithm>

namespace brevix {

QRect areaFrameFromDrag(QPoint press, QPoint release)
{
    int left = std::min(press.x(), release.x());
    int top = std::min(press.y(), release.y());
    const int right = std::max(press.x(), release.x());
    const int bottom = std::max(press.y(), release.y());
    left = std::max(left, kCanvasMargin);
    top = std::max(top, kCanvasMargin);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

std::vector<int> slotsInsideFrame(const PageRecord &r, const QRect &frame)
{
    std::vector<int> members;
    const int frameRight = frame.left() + frame.width();
    const int frameBottom = frame.top() + frame.height();
    for (int s = 0; s < kSlotCount; ++s) {
        if (r.Kind[s] == 0)
            continue;
        if (r.Left[s] >= frame.left() && r.Left[s] + r.Width[s] < frameRight &&
            r.Top[s] >= frame.top() && r.Top[s] + r.Height[s] < frameBottom)
            members.push_back(s);
    }
    return members;
}

QRect boundingBox(const PageRecord &r, const std::vector<int> &members)
{
    if (members.empty())
        return {};
    // Minimum trackers start at the largest page the editor knows.
    int left = 1280, top = 1024, right = 0, bottom = 0;
    for (int s : members) {
        left = std::min<int>(left, r.Left[s]);
        top = std::min<int>(top, r.Top[s]);
        right = std::max<int>(right, r.Left[s] + r.Width[s]);
        bottom = std::max<int>(bottom, r.Top[s] + r.Height[s]);
    }
    return QRect(left, top, right - left, bottom - top);
}

AreaSelection selectArea(const PageRecord &record, QRect dragged)
{
    AreaSelection selection;
    selection.members = slotsInsideFrame(record, dragged);
    selection.frame = selection.members.empty() ? dragged : boundingBox(record, selection.members);
    return selection;
}

QString slotListHex(const std::vector<int> &members)
{
    QString text;
    for (int s : members)
        text += QStringLiteral("%1").arg(s & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

std::vector<QPoint> markerPositions(const QRect &e)
{
    const int l = e.left(), t = e.top(), w = e.width(), h = e.height();
    return {{l, t}, {l + w - 5, t}, {l, t + h - 5}, {l + w - 5, t + h - 5}};
}

void toggleGroupSlot(std::vector<int> &members, int slot)
{
    const auto it = std::find(members.begin(), members.end(), slot);
    if (it != members.end()) {
        members.erase(it);
        return;
    }
    members.insert(std::upper_bound(members.begin(), members.end(), slot), slot);
}

} // namespace brevix
