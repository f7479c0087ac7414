#include "render/pagerenderer.h"

#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/pixelcanvas.h"

#include <QPainter>
#include <algorithm>

namespace brevix {

namespace {

constexpr int kCanvasMargin = 5;
constexpr int kRepairedPosition = 6;
constexpr int kSizeForZero = 16;

bool validAddress(const Project &project, int page, int slot)
{
    return page >= 0 && page < kRecordCount && slot >= 0 && slot < kSlotCount &&
           project.record(page).Kind[slot] != 0;
}

using Painter = void (*)(QImage &, const ElementContext &);

Painter painterFor(int kind)
{
    switch (kind) {
    case 1:
    case 2:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 16:
    case 19:
    case 33:
        return paintTextElement;
    case 3:
        return paintLamp;
    case 4:
    case 29:
        return paintTrendGraph;
    case 5:
        return paintBarGraph;
    case 6:
        return paintPicture;
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
        return paintRectangleFamily;
    case 25:
        return paintScale;
    case 26:
        return paintEllipse;
    case 27:
        return paintLine;
    case 34:
        return paintBitSwitch;
    default:
        return nullptr; // kinds without a look keep an empty picture, as in the editor
    }
}

bool secondLanguageChosen(const Project &project, const RenderOptions &options)
{
    const int language = options.language >= 0 ? options.language : project.settings().ByteA[0];
    return language == 1;
}

} // namespace

QRect elementGeometry(const Project &project, int page, int slot)
{
    const PageRecord &record = project.record(page);
    const QSize pageSize = project.pageSize(page);
    int left = record.Left[slot], top = record.Top[slot];
    int width = std::min<int>(record.Width[slot], pageSize.width());
    int height = std::min<int>(record.Height[slot], pageSize.height());
    if (left > pageSize.width())
        left = kRepairedPosition;
    if (top > pageSize.height())
        top = kRepairedPosition;
    if (width == 0)
        width = kSizeForZero;
    if (height == 0)
        height = kSizeForZero;
    return QRect(left, top, width, height);
}

void repairElementGeometry(Project &project, int page, int slot)
{
    if (!validAddress(project, page, slot))
        return;
    const QRect geometry = elementGeometry(project, page, slot);
    PageRecord &record = project.record(page);
    record.Left[slot] = std::uint16_t(geometry.left());
    record.Top[slot] = std::uint16_t(geometry.top());
    record.Width[slot] = std::uint16_t(geometry.width());
    record.Height[slot] = std::uint16_t(geometry.height());
}

QImage renderElement(Project &project, int page, int slot, const RenderOptions &options)
{
    if (!validAddress(project, page, slot))
        return {};
    const QRect geometry = elementGeometry(project, page, slot);
    QImage image = newElementImage(geometry.width(), geometry.height());
    if (image.isNull())
        return {};
    if (const Painter paint = painterFor(project.record(page).Kind[slot])) {
        const ElementContext element{project.record(page),
                                     slot,
                                     geometry.width(),
                                     geometry.height(),
                                     secondLanguageChosen(project, options),
                                     options};
        paint(image, element);
    }
    return image;
}

void drawElement(QPainter &painter, Project &project, int page, int slot,
                 const RenderOptions &options)
{
    const QImage image = renderElement(project, page, slot, options);
    if (image.isNull())
        return;
    const QRect geometry = elementGeometry(project, page, slot);
    painter.drawImage(geometry.topLeft(), image);
}

QImage renderPageBackground(const Project &project, int page, const RenderOptions &options)
{
    if (page < 0 || page >= kRecordCount)
        return {};
    const QSize size = project.pageSize(page);
    QImage image = newElementImage(size.width(), size.height());
    if (image.isNull())
        return {};
    PixelCanvas canvas(image);
    const QRgb gridColour = panelRgb(options.gridColour);
    canvas.fill(panelRgb(project.pageBackColor(page)));
    canvas.outline(0, 0, size.width(), size.height(), gridColour, Stroke::Dotted);
    if (options.showGrid && options.gridX > 0 && options.gridY > 0) {
        for (int x = options.gridY; x < size.width(); x += options.gridY)
            for (int y = options.gridX; y < size.height(); y += options.gridX)
                canvas.setPixel(x, y, gridColour);
    }
    return image;
}

QImage renderPage(Project &project, int page, const RenderOptions &options)
{
    QImage image = renderPageBackground(project, page, options);
    if (image.isNull())
        return {};
    QPainter painter(&image);
    painter.translate(-kCanvasMargin, -kCanvasMargin);
    for (int slot = 0; slot < kSlotCount; ++slot)
        drawElement(painter, project, page, slot, options);
    return image;
}

} // namespace brevix
