#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>

class QPainter;

namespace brevix {

// The character cell and drawing size of one text size index of the panel.
struct PanelTextSize
{
    int points;     // size the text is drawn at (96 dots per inch)
    int cellHeight; // character height in pixels
    int halfWidth;  // width of a one-byte character; two-byte characters take twice as much
};

inline constexpr int kPanelTextSizeCount = 8;

// Metrics of size index s; an index outside 0..7 (only in a damaged record) takes size 0.
PanelTextSize panelTextSize(int s);
int clampedTextSizeIndex(int s);

// The Song face every element text is drawn with, at size index s.
QFont panelFont(int s, bool antialias);

// Width of a GBK text on the panel: bytes x half width of size s.
int panelTextWidth(const QByteArray &gbk, int s);

// Draws a GBK text cell by cell as the panel lays it out (one-byte characters half width,
// two-byte characters full width) with the top of the character cell at y. Undecodable bytes
// show as "?" in their own cell.
void drawPanelText(QPainter &painter, int x, int y, const QByteArray &gbk, int s,
                   const QColor &colour, bool antialias);

} // namespace brevix
