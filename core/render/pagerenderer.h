#pragma once

#include "model/project.h"
#include "text/message.h"

#include <QImage>
#include <QRect>

class QPainter;

namespace brevix {

// Numbers of the project's picture store to pictures. A null image means the picture is
// missing; the element then shows the placeholder the editor uses for a missing picture.
class PictureSource
{
public:
    virtual ~PictureSource() = default;
    virtual QImage picture(int number) const = 0;
};

struct RenderOptions
{
    // The ON/OFF preview of lamps and bit switches.
    bool lampsOn = false;
    // "字体优化": when false, text-like elements are reduced to their two colours (thinColor).
    bool fontOptimisation = false;
    // 0 first language, 1 second language; -1 takes the project's start language.
    int language = -1;
    PictureSource *pictures = nullptr;
    // Language of the placeholder a missing picture shows.
    Language interfaceLanguage = Language::Chinese;
    // The page editor's grid of dots (Builder.ini "N2", "GriX", "GriY", "GriddingColor"); used
    // by renderPage only. The two steps are used crosswise: gridX is the vertical pitch.
    bool showGrid = false;
    int gridX = 32;
    int gridY = 16;
    int gridColour = int(0xFF00000Bu);
};

// Draws the element of slot on page at its editor coordinates (Left/Top include the 5-pixel
// canvas margin). May write back the documented fix-ups into the record (a line, ellipse or
// scale with ForeColor 0 gets ForeColor 1), which is why the project is not const.
void drawElement(QPainter &painter, Project &project, int page, int slot,
                 const RenderOptions &options);

// The element's own picture, Width x Height, with transparent pixels (alpha 0) where the
// element is transparent. A null image for an empty slot or a zero size.
QImage renderElement(Project &project, int page, int slot, const RenderOptions &options);

// Where the editor shows the element of slot, in editor coordinates: Left/Top/Width/Height with
// the repairs the editor makes when it shows an element (a position past the page goes to 6, a
// size is bounded by the page, a size of 0 becomes 16). Nothing is written to the record.
QRect elementGeometry(const Project &project, int page, int slot);
// Writes those repairs into the record, as the editor does when it makes an element's visual.
void repairElementGeometry(Project &project, int page, int slot);

// The page area without elements: the page background colour, the dotted page edge in the grid
// colour and, when chosen, the grid dots. Page size from Project::pageSize.
QImage renderPageBackground(const Project &project, int page, const RenderOptions &options);

// The page as the editor shows it: page background and every element in slot order. The image
// has the page size (Project::pageSize); element coordinates are shifted by the 5-pixel margin.
QImage renderPage(Project &project, int page, const RenderOptions &options);

// Makes "宋体"/"SimSun" resolve to the installed CJK stand-in font. Call once per process
// before drawing; calling it again does nothing.
void installPanelFonts();

} // namespace brevix
