#pragma once

#include <QRect>
#include <QString>
#include <vector>

namespace brevix {

struct PageRecord;

// An area selection: the frame (editor coordinates) and the selected members in slot order.
struct AreaSelection
{
    QRect frame;
    std::vector<int> members;

    bool isEmpty() const { return members.empty(); }
    // The reference element of align: the first (lowest) selected slot, -1 when none.
    int referenceSlot() const { return members.empty() ? -1 : members.front(); }
};

// The frame drawn from press to release, kept inside the page area (left and top at least 5).
QRect areaFrameFromDrag(QPoint press, QPoint release);

// Slots entirely inside frame: Left >= frame left, Left + Width < frame right (right edge equal
// to the frame's is outside), the same vertically; Kind 0 members are skipped.
std::vector<int> slotsInsideFrame(const PageRecord &record, const QRect &frame);

// Bounding box of members (empty rect when none).
QRect boundingBox(const PageRecord &record, const std::vector<int> &members);

// Release of an area drag: the members inside, and the frame shrunk to their bounding box (the
// frame stays as drawn when nothing was inside).
AreaSelection selectArea(const PageRecord &record, QRect dragged);

// The slot list as it travels in the frame's hint and the clipboard: two upper-case hex digits
// per slot.
QString slotListHex(const std::vector<int> &members);

// Top-left corners of the four 5 x 5 markers of an element in an area selection.
std::vector<QPoint> markerPositions(const QRect &elementRect);

// Adds slot to a Shift+click group, or removes it when it is there already; keeps slot order.
void toggleGroupSlot(std::vector<int> &members, int slot);

} // namespace brevix
