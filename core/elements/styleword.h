#pragma once

#include <QSize>
#include <cstdint>

namespace brevix {

// The style word kept in WordC: border (bits 12..15), font (8..11), alignment (4..7) and access
// level (0..3). Each part is a 4-bit index into the list of its combo box.
struct StyleWord
{
    int border = 0;
    int font = 0;
    int alignment = 0;
    int level = 0;
};

StyleWord unpackStyleWord(std::uint16_t word);
std::uint16_t packStyleWord(const StyleWord &style);
// The text dialog keeps only font and alignment; border and level are written as 0.
std::uint16_t packFontAndAlignment(int font, int alignment);

constexpr int kBorderCount = 3;
constexpr int kFontCount = 8;
constexpr int kAlignmentCount = 3;
constexpr int kLevelCount = 6;

// Character cell of font index 0..7 in pixels; an index outside the table gives the nearest end.
QSize fontCellSize(int font);

// A combo box index for a stored part: a value beyond the list selects nothing (-1), as an
// out-of-range item index does in a list box.
int comboIndexFor(int value, int count);

} // namespace brevix
