#include "render/elementpainters.h"
#include "render/panelcolors.h"
#include "render/panelfont.h"
#include "render/pixelcanvas.h"

#include <QPainter>

namespace brevix {

QImage missingPicturePlaceholder(Language language)
{
    constexpr int kWidth = 165, kHeight = 23;
    QImage image = newElementImage(kWidth, kHeight);
    PixelCanvas canvas(image);
    canvas.rectangle(0, 0, kWidth, kHeight, kBlack, kWhite);
    const QString text = language == Language::Chinese
                             ? QStringLiteral("图形库中已经不存在该图片 ！")
                             : QStringLiteral("Not exist in the graphic library!");
    QPainter painter(&image);
    QFont font = panelFont(0, false);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(kBlack));
    painter.drawText(QRect(2, 0, kWidth - 4, kHeight), Qt::AlignCenter, text);
    return image;
}

void paintPicture(QImage &image, const ElementContext &element)
{
    const PageRecord &record = element.record;
    const int slot = element.slot;
    const int number = record.WordE[slot];
    QImage picture;
    if (element.options.pictures)
        picture = element.options.pictures->picture(number);
    if (picture.isNull())
        picture = missingPicturePlaceholder(element.options.interfaceLanguage);
    picture = picture.convertToFormat(QImage::Format_ARGB32);

    const int flags = record.WordD[slot];
    if (flags & 1) {
        PixelCanvas pictureCanvas(picture);
        pictureCanvas.makeTransparent(panelRgb(record.BackColor[slot]));
    }
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (flags & 2)
        painter.drawImage(QRect(0, 0, element.width, element.height), picture);
    else
        painter.drawImage(0, 0, picture);
}

} // namespace brevix
