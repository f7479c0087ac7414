#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

namespace brevix::sim {

// The panel's fonts: "宋体" at eight sizes, drawn without smoothing like the panel's dot matrix.
int fontCharWidth(int fontCode);
int fontCharHeight(int fontCode);
QFont panelFont(int fontCode);

// A Windows colour value (red in the low byte) as a QColor.
inline QColor windowsColor(std::uint32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// System colours of the rims (the classic desktop scheme the panel pictures were made with).
inline const QColor kButtonShadow{0xA0, 0xA0, 0xA0};
inline const QColor kDarkShadow{0x69, 0x69, 0x69};
inline const QColor kScrollBar{0xC8, 0xC8, 0xC8};

} // namespace brevix::sim
