#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace brevix {

class Project;
struct PageRecord;

// Stored Left/Top are page pixels plus this margin; the page area starts here in the editor.
constexpr int kCanvasMargin = 5;

// Page size as the editor window uses it: its own size when the page carries one (200 x 100 when
// that size does not parse), otherwise the panel model's.
QSize editorPageSize(const Project &project, int page);

// The stored rectangle of slot in editor coordinates.
QRect slotRect(const PageRecord &record, int slot);

// Geometry repair done whenever an element's visual is made: positions beyond the page go to 6,
// sizes are bound to the page and a zero size becomes 16. Returns true when something changed.
bool repairGeometry(PageRecord &record, int slot, QSize pageSize);

// Where a control of rect may stand after a move: right edge against the right limit when it
// passes it, left edge at the left limit when left of it or beyond the right limit; same for y.
// The usable area runs from 6 to 5 + page size - 1.
QPoint clampMove(const QRect &rect, QSize pageSize);

enum class ArrowKey { Left, Right, Up, Down };
// One arrow-key press: two 1-pixel steps, each only while the rectangle stays inside
// (left/up while Left/Top >= 6, right/down while right/bottom edge < page size + 5).
QPoint arrowStep(const QRect &rect, ArrowKey key, QSize pageSize);

// The eight resize handles, in the order of their shapes (Shape2..Shape9).
enum class Handle {
    TopLeft,
    TopCentre,
    TopRight,
    CentreLeft,
    CentreRight,
    BottomLeft,
    BottomCentre,
    BottomRight
};
constexpr int kHandleCount = 8;
constexpr int kHandleSize = 5;

// Top-left corner of handle h around frame.
QPoint handlePosition(Handle h, const QRect &frame);
// Whether handle h shows for an element of kind (a Line shows only the two at its ends; rising
// when its ByteC is not 0).
bool handleVisible(Handle h, int kind, int byteC);

// An element's geometry as the resize rules see it.
struct ElementGeometry
{
    int left = 0, top = 0, width = 0, height = 0;
    int byteC = 0; // line direction, 0 falling, otherwise rising
    bool operator==(const ElementGeometry &) const = default;
};

// Applies a handle drag: handleTopLeft is where the dragged handle now stands (already clamped).
// Returns the element's new geometry (unchanged when the rule's condition refuses it).
ElementGeometry resizeByHandle(Handle h, QPoint handleTopLeft, const ElementGeometry &g, int kind);

// Whether an element of kind can be resized with the handles.
bool isResizable(int kind);

} // namespace brevix
