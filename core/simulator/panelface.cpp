#include "simulator/panelface.h"

#include "simulator/panelfont.h"

#include <QPainter>
#include <QPainterPath>

namespace brevix::sim {

namespace {
const QColor kFaceGrey(0xCA, 0xCA, 0xCA);
constexpr int kKeyLeft = 566;
constexpr int kKeyTop = 84;
constexpr int kKeyWidth = 38;
constexpr int kKeyHeight = 34;
constexpr int kKeyStepX = 45;
constexpr int kKeyStepY = 48;

QString keyCaption(int keyNumber)
{
    return keyNumber == kShiftKeyNumber ? QStringLiteral("SHIFT") : QString::number(keyNumber);
}
} // namespace

FaceLayout faceLayout(const QSize &displaySize)
{
    FaceLayout layout;
    const int w = displaySize.width() + 8;
    const int h = displaySize.height() + 8;
    int left = 194;
    int top = 44;
    if (w > 480)
        left = 68;
    if (h > 248)
        top = 316 - h;
    // A tall display would leave the face at the top: the face grows downwards instead.
    top = std::max(top, 8);
    layout.display = QRect(left, top, w, h);
    layout.pageOrigin = QPoint(left + 4, top + 4);
    layout.size = QSize(kFaceWidth, std::max(kFaceHeight, top + h + 70));
    for (int i = 0; i < kFaceKeyCount; ++i) {
        layout.keys[i] = QRect(kKeyLeft + (i % 4) * kKeyStepX, kKeyTop + (i / 4) * kKeyStepY,
                               kKeyWidth, kKeyHeight);
    }
    layout.powerLamp = QRect(576, 30, 14, 14);
    layout.runLamp = QRect(636, 30, 14, 14);
    // Shift lamps sit on the keys that act as panel keys 1..5 while shift is on (SK2..SK6).
    for (int i = 0; i < 5; ++i) {
        const QRect key = layout.keys[i + 1];
        layout.shiftLamps[i] = QRect(key.right() - 6, key.top() - 8, 7, 7);
    }
    layout.f6Label = QRect(694, 26, 40, 22);
    layout.notice = QRect(16, layout.size.height() - 66, 170, 58);
    return layout;
}

void paintFace(QPainter &p, const FaceLayout &layout, const FaceState &state, const QImage *page)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, layout.size.width(), layout.size.height()),
                           kFaceCornerDiameter / 2.0, kFaceCornerDiameter / 2.0);
    p.fillPath(outline, kFaceGrey);
    p.setPen(QPen(kDarkShadow, 2));
    p.drawPath(outline);

    // Maker's name and the display bezel.
    QFont brand = panelFont(0);
    brand.setBold(true);
    p.setFont(brand);
    p.setPen(kDarkShadow);
    p.drawText(QRect(kKeyLeft, 4, 176, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Brevix"));
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect d = layout.display;
    p.fillRect(d, state.displayShown ? kDarkShadow : kFaceGrey.darker(115));
    p.setPen(kButtonShadow);
    p.drawLine(d.topLeft(), d.topRight());
    p.drawLine(d.topLeft(), d.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(d.bottomLeft(), d.bottomRight());
    p.drawLine(d.topRight(), d.bottomRight());
    if (page && !page->isNull())
        p.drawImage(layout.pageOrigin, *page);

    // Keys.
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont keyFont = panelFont(0);
    keyFont.setPixelSize(13);
    keyFont.setStyleStrategy(QFont::PreferDefault);
    p.setFont(keyFont);
    for (int i = 0; i < kFaceKeyCount; ++i) {
        const QRectF key = layout.keys[i];
        p.setPen(QPen(kDarkShadow, 1));
        p.setBrush(QColor(0xE8, 0xE8, 0xE8));
        p.drawRoundedRect(key.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        p.setPen(Qt::black);
        p.drawText(key, Qt::AlignCenter, keyCaption(kFaceKeyNumbers[i]));
    }

    // Lamps and labels.
    auto lamp = [&p](const QRect &r, const QColor &colour) {
        p.setPen(QPen(kDarkShadow, 1));
        p.setBrush(colour);
        p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    };
    lamp(layout.powerLamp, Qt::red);
    lamp(layout.runLamp, state.runLampRed ? QColor(Qt::red) : QColor(Qt::white));
    p.setPen(Qt::black);
    p.drawText(layout.powerLamp.translated(18, 0).adjusted(0, -2, 40, 2),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("POWER"));
    p.drawText(layout.runLamp.translated(18, 0).adjusted(0, -2, 30, 2),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("RUN"));
    if (state.shiftLampsLit) {
        for (const QRect &r : layout.shiftLamps)
            lamp(r, Qt::yellow);
    }
    QFont f6 = keyFont;
    f6.setBold(true);
    f6.setPixelSize(16);
    p.setFont(f6);
    p.drawText(layout.f6Label, Qt::AlignCenter, QStringLiteral("F6"));

    QFont noticeFont = panelFont(0);
    noticeFont.setPixelSize(14);
    p.setFont(noticeFont);
    p.setPen(QColor(0x80, 0, 0));
    // One line at a time: the Song face's own line spacing lets the lines touch.
    const QStringList lines = kFaceNotice.split(QLatin1Char('\r'));
    for (int n = 0; n < lines.size(); ++n) {
        p.drawText(
            QRect(layout.notice.left(), layout.notice.top() + n * 19, layout.notice.width(), 18),
            Qt::AlignLeft | Qt::AlignVCenter, lines[n]);
    }
    p.restore();
}

QImage renderFace(const FaceLayout &layout, const FaceState &state, const QImage *page)
{
    QImage image(layout.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintFace(painter, layout, state, page);
    return image;
}

} // namespace brevix::sim
