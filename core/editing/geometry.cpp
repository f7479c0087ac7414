#include "editing/geometry.h"

#include "model/project.h"
#include "text/numbertext.h"

#include <algorithm>

namespace brevix {

QSize editorPageSize(const Project &project, int page)
{
    const PageRecord &r = project.record(page);
    if (r.PageStrings[CustomSizeMark].equals("Y")) {
        const auto w = parseDecimal(r.PageStrings[CustomWidthText].bytes());
        const auto h = parseDecimal(r.PageStrings[CustomHeightText].bytes());
        // A page larger than any panel would only make the editor unusable.
        if (w && h && *w > 0 && *h > 0 && *w <= 4096 && *h <= 4096)
            return QSize(int(*w), int(*h));
        return QSize(200, 100);
    }
    return project.pageSize(page);
}

QRect slotRect(const PageRecord &record, int slot)
{
    return QRect(record.Left[slot], record.Top[slot], record.Width[slot], record.Height[slot]);
}

bool repairGeometry(PageRecord &r, int slot, QSize pageSize)
{
    bool changed = false;
    auto set = [&changed](std::uint16_t &field, int value) {
        if (field != value) {
            field = static_cast<std::uint16_t>(value);
            changed = true;
        }
    };
    if (r.Left[slot] > pageSize.width())
        set(r.Left[slot], 6);
    if (r.Top[slot] > pageSize.height())
        set(r.Top[slot], 6);
    set(r.Width[slot], std::min<int>(r.Width[slot], pageSize.width()));
    set(r.Height[slot], std::min<int>(r.Height[slot], pageSize.height()));
    if (r.Width[slot] == 0)
        set(r.Width[slot], 16);
    if (r.Height[slot] == 0)
        set(r.Height[slot], 16);
    return changed;
}

namespace {

int clampAxis(int pos, int size, int pageExtent)
{
    const int low = kCanvasMargin + 1;
    const int high = kCanvasMargin + pageExtent - 1;
    if (pos + size > high)
        pos = high - size;
    if (pos < low)
        pos = low;
    if (pos > high)
        pos = low;
    return pos;
}

} // namespace

QPoint clampMove(const QRect &rect, QSize pageSize)
{
    return {clampAxis(rect.left(), rect.width(), pageSize.width()),
            clampAxis(rect.top(), rect.height(), pageSize.height())};
}

QPoint arrowStep(const QRect &rect, ArrowKey key, QSize pageSize)
{
    int x = rect.left();
    int y = rect.top();
    for (int step = 0; step < 2; ++step) {
        switch (key) {
        case ArrowKey::Left:
            if (x >= kCanvasMargin + 1)
                --x;
            break;
        case ArrowKey::Up:
            if (y >= kCanvasMargin + 1)
                --y;
            break;
        case ArrowKey::Right:
            if (x + rect.width() < pageSize.width() + kCanvasMargin)
                ++x;
            break;
        case ArrowKey::Down:
            if (y + rect.height() < pageSize.height() + kCanvasMargin)
                ++y;
            break;
        }
    }
    return {x, y};
}

QPoint handlePosition(Handle h, const QRect &frame)
{
    const int l = frame.left(), t = frame.top(), w = frame.width(), hh = frame.height();
    const int xs[3] = {l - 2, l + w / 2 - 2, l + w - 3};
    const int ys[3] = {t - 2, t + hh / 2 - 2, t + hh - 3};
    switch (h) {
    case Handle::TopLeft:
        return {xs[0], ys[0]};
    case Handle::TopCentre:
        return {xs[1], ys[0]};
    case Handle::TopRight:
        return {xs[2], ys[0]};
    case Handle::CentreLeft:
        return {xs[0], ys[1]};
    case Handle::CentreRight:
        return {xs[2], ys[1]};
    case Handle::BottomLeft:
        return {xs[0], ys[2]};
    case Handle::BottomCentre:
        return {xs[1], ys[2]};
    case Handle::BottomRight:
        return {xs[2], ys[2]};
    }
    return {};
}

bool handleVisible(Handle h, int kind, int byteC)
{
    if (kind != int(ElementKind::Line))
        return true;
    if (byteC != 0)
        return h == Handle::TopRight || h == Handle::BottomLeft;
    return h == Handle::TopLeft || h == Handle::BottomRight;
}

bool isResizable(int kind)
{
    return kind != int(ElementKind::Picture);
}

ElementGeometry resizeByHandle(Handle h, QPoint handleTopLeft, const ElementGeometry &g, int kind)
{
    const int hx = handleTopLeft.x();
    const int hy = handleTopLeft.y();
    const int right = g.left + g.width;
    const int bottom = g.top + g.height;
    const bool isLine = kind == int(ElementKind::Line);
    auto evenDown = [](int v) { return v - (v & 1); };
    ElementGeometry n = g;
    switch (h) {
    case Handle::TopLeft:
        n.left = hx + 2;
        n.top = hy + 2;
        n.width = right - (hx + 2);
        n.height = bottom - (hy + 2);
        return (n.width > 8 && n.height > 8) ? n : g;
    case Handle::TopCentre:
        n.top = hy + 2;
        n.height = bottom - (hy + 2);
        return n.height > 8 ? n : g;
    case Handle::TopRight:
        if (isLine && hy + 2 > bottom) {
            // Dragged below the lower end: the line now falls from its fixed lower-left end.
            n.byteC = g.byteC != 0 ? 0 : 1;
            n.top = bottom;
            n.height = std::max(2, hy + 2 - bottom);
            n.width = std::max(2, hx - g.left + 2);
            return n;
        }
        n.top = hy + 2;
        n.height = std::max(2, bottom - (hy + 2));
        n.width = std::max(2, hx - g.left + 2);
        return (isLine || (n.width > 8 && n.height > 8)) ? n : g;
    case Handle::CentreLeft:
        n.left = hx + 2;
        n.width = right - (hx + 2);
        return n.width > 8 ? n : g;
    case Handle::CentreRight:
        n.width = evenDown(hx - g.left + 2);
        return n.width > 8 ? n : g;
    case Handle::BottomLeft:
        n.left = hx + 2;
        n.width = right - (hx + 2);
        n.height = hy - g.top + 2;
        return (n.width > 8 && n.height > 8) ? n : g;
    case Handle::BottomCentre:
        n.height = evenDown(hy - g.top + 2);
        return n.height > 8 ? n : g;
    case Handle::BottomRight:
        if (isLine && hy + 2 < g.top) {
            // Dragged above the upper end: the line now rises from its fixed upper-left end.
            n.byteC = g.byteC != 0 ? 0 : 1;
            n.top = hy + 2;
            n.height = std::max(2, g.top - (hy + 2));
            n.width = std::max(2, evenDown(hx - g.left + 2));
            return n;
        }
        n.width = std::max(2, evenDown(hx - g.left + 2));
        n.height = std::max(2, evenDown(hy - g.top + 2));
        return (isLine || (n.width > 8 && n.height > 8)) ? n : g;
    }
    return g;
}

} // namespace brevix
