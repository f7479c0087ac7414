#pragma once

#include "simulator/elementpainter.h"
#include "simulator/pagetables.h"
#include "simulator/registermemory.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

class QPainter;

namespace brevix::sim {

// One element's on-screen control: where it is, how it looks, what it last showed.
struct Control
{
    bool exists = false;
    QRect rect;
    bool visible = true;
    bool enabled = true;
    bool pressed = false; // picture colour-inverted while pressed
    std::int64_t shownValue = 0;
    QString textCache; // bar graphs: the last drawn bar length
    QString shownText; // the text on show (for scripts and hover)
    QImage picture;
};

// What a press asks of the window.
enum class PressAction { None, OpenKeypad };

// The running page (the page form): its controls, the 100 ms refresh walk, pressing,
// releasing and the focus highlight. Draws onto QImage so the window and scripts share it.
class PageRuntime
{
public:
    PageRuntime(const DecodedPage &page, RegisterMemory &memory, int languageSelect);

    const DecodedPage &page() const { return m_page; }
    const Control &control(int slot) const { return m_controls[slot]; }
    int languageSelect() const { return m_language; }
    QColor backgroundColor() const;

    // One refresh tick: redraws every control whose value changed; true when one did.
    bool refresh();

    // The topmost visible control under a page point, or -1.
    int slotAt(const QPoint &point) const;
    bool hasHandCursor(int slot) const;
    QString toolTip(int slot) const;

    PressAction press(int slot);
    // Release of a pressed control; for a function key gives its target (LongB), else -1.
    int release(int slot);
    int lastHandledSlot() const { return m_lastSlot; }

    // Focus highlight of registers, dynamic texts and function keys (hover and the keypad).
    void setFocusFlag(int slot, bool on);
    bool focusFlag(int slot) const { return m_focus[slot]; }
    void hover(int slot);
    void endHighlight();
    int highlightedSlot() const { return m_highlighted; }

    void paint(QPainter &painter) const;
    QImage render(const QSize &size) const;

private:
    void establish(int slot);
    void redraw(int slot);
    void refreshSlot(int slot);
    bool refreshable(int kind) const;

    DecodedPage m_page;
    RegisterMemory &m_memory;
    int m_language = 0;
    std::array<Control, kSimSlotCount> m_controls;
    std::array<bool, kSimSlotCount> m_focus{};
    std::vector<int> m_lines;
    int m_highlighted = -1;
    int m_lastSlot = -1;
    bool m_redrawn = false;
};

} // namespace brevix::sim
