#pragma once

#include "model/project.h"
#include "render/pagerenderer.h"

#include <QImage>

namespace brevix {

// What a painter of one element kind needs: the slot's fields, the picture to draw into (already
// of the element's size), and the choices of the editor.
struct ElementContext
{
    PageRecord &record;
    int slot;
    int width;
    int height;
    bool secondLanguage;
    const RenderOptions &options;
};

// One painter per family of kinds. Each draws the whole picture, including the transparent
// parts (alpha 0) where the page shows through.
void paintTextElement(QImage &image, const ElementContext &element);
void paintLamp(QImage &image, const ElementContext &element);
void paintTrendGraph(QImage &image, const ElementContext &element);
void paintBarGraph(QImage &image, const ElementContext &element);
void paintPicture(QImage &image, const ElementContext &element);
void paintRectangleFamily(QImage &image, const ElementContext &element);
void paintScale(QImage &image, const ElementContext &element);
void paintEllipse(QImage &image, const ElementContext &element);
void paintLine(QImage &image, const ElementContext &element);
void paintBitSwitch(QImage &image, const ElementContext &element);

// The picture a missing picture-library entry shows: its message in a 165 x 23 frame.
QImage missingPicturePlaceholder(Language language);

// Reduces a drawn text picture to its two colours, as the panel shows text.
void thinToTwoColours(QImage &image, int foreColour, int backColour);

} // namespace brevix
