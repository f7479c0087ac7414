#pragma once

#include "simulator/pagetables.h"

#include <QImage>
#include <QString>
#include <cstdint>

class QPainter;

namespace brevix::sim {

// What a control looks like at one moment, as the refresh walk decided it.
struct ControlLook
{
    std::int64_t shownValue = 0;
    bool enabled = true;
    bool focused = false; // drawn in the focus colour
    int barLength = 0;    // bar graphs
    int languageSelect = 0;
    QString text; // the text it shows (registers, dynamic texts), filled by the caller
};

// The focus colour of entry elements (Windows colour 0x00FF00).
constexpr std::uint32_t kFocusColor = 0x00FF00;
// The largest control picture drawn, in either direction.
constexpr int kMaxControlSide = 512;

// Draws the picture of the control of slot (transparent where the element is). Lines have no
// control and give a null image.
QImage drawControl(const DecodedPage &page, int slot, const ControlLook &look);
// The same into an existing picture, reusing its memory when the size and format still fit.
void drawControl(const DecodedPage &page, int slot, const ControlLook &look, QImage &picture);

// A line element, drawn on the page itself.
void drawLine(QPainter &painter, const SlotTables &t, int slot);

} // namespace brevix::sim
