#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

class QPainter;

namespace brevix::sim {

constexpr int kFaceKeyCount = 20;
constexpr int kFaceWidth = 755;
constexpr int kFaceHeight = 398;

// Key number carried by face button SKn (index n − 1).
constexpr std::array<int, kFaceKeyCount> kFaceKeyNumbers = {11, 12, 8,  7,  9,  10, 40, 41, 20, 21,
                                                            22, 17, 18, 19, 14, 15, 16, 13, 30, 6};
constexpr int kShiftKeyNumber = 40;

// Where everything lies on the panel front for one display size.
struct FaceLayout
{
    QSize size{kFaceWidth, kFaceHeight};
    QRect display; // the sunken display panel (page size + 8)
    QPoint pageOrigin;
    std::array<QRect, kFaceKeyCount> keys;
    QRect powerLamp;
    QRect runLamp;
    std::array<QRect, 5> shiftLamps;
    QRect f6Label;
    QRect notice;
};
FaceLayout faceLayout(const QSize &displaySize);

// The notice on the face, line breaks at \r.
inline const QString kFaceNotice =
    QStringLiteral("模拟器为测试版本\r仅供测试画面切换\r实际操作以文本为准");
constexpr int kFaceCornerDiameter = 28;

struct FaceState
{
    bool runLampRed = true;
    bool shiftLampsLit = false;
    bool displayShown = true;
};

// Paints the whole panel front; page (may be null) goes into the display area.
void paintFace(QPainter &painter, const FaceLayout &layout, const FaceState &state,
               const QImage *page);
QImage renderFace(const FaceLayout &layout, const FaceState &state, const QImage *page);

} // namespace brevix::sim
