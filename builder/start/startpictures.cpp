#include "start/startpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace brevix {

namespace {

void drawSheet(QPainter &p, const QRectF &r, const QColor &fill)
{
    // A page with a folded corner.
    const qreal fold = r.width() * 0.28;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 80, 110), 1.5));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
    p.setPen(QPen(QColor(150, 165, 190), 1.2));
    for (qreal y = r.top() + fold + 4; y < r.bottom() - 4; y += r.height() / 7)
        p.drawLine(QPointF(r.left() + 5, y), QPointF(r.right() - 5, y));
}

void drawFolder(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(150, 100, 20), 1.5));
    p.setBrush(QColor(250, 205, 90));
    QPainterPath back;
    back.moveTo(r.left(), r.top() + r.height() * 0.15);
    back.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.15);
    back.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.28);
    back.lineTo(r.right(), r.top() + r.height() * 0.28);
    back.lineTo(r.bottomRight());
    back.lineTo(r.bottomLeft());
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(255, 225, 130));
    QPainterPath front;
    front.moveTo(r.left() + r.width() * 0.1, r.top() + r.height() * 0.42);
    front.lineTo(r.right() + 2, r.top() + r.height() * 0.42);
    front.lineTo(r.right() - r.width() * 0.08, r.bottom());
    front.lineTo(r.left(), r.bottom());
    front.closeSubpath();
    p.drawPath(front);
}

} // namespace

QPixmap startPicture(StartPicture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    switch (picture) {
    case StartPicture::NewFile:
        drawSheet(p, QRectF(s * 0.2, s * 0.08, s * 0.56, s * 0.78), Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 160, 60));
        p.drawEllipse(QPointF(s * 0.72, s * 0.76), s * 0.17, s * 0.17);
        p.setPen(QPen(Qt::white, s * 0.06));
        p.drawLine(QPointF(s * 0.72, s * 0.66), QPointF(s * 0.72, s * 0.86));
        p.drawLine(QPointF(s * 0.62, s * 0.76), QPointF(s * 0.82, s * 0.76));
        break;
    case StartPicture::LastFile:
        drawSheet(p, QRectF(s * 0.14, s * 0.08, s * 0.56, s * 0.78), QColor(235, 242, 255));
        p.setPen(QPen(QColor(30, 70, 150), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(s * 0.7, s * 0.72), s * 0.2, s * 0.2);
        p.setPen(QPen(QColor(30, 70, 150), s * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.7, s * 0.72), QPointF(s * 0.7, s * 0.6));
        p.drawLine(QPointF(s * 0.7, s * 0.72), QPointF(s * 0.8, s * 0.76));
        break;
    case StartPicture::OpenFile:
        drawFolder(p, QRectF(s * 0.1, s * 0.2, s * 0.8, s * 0.62));
        break;
    case StartPicture::Examples:
        for (int i = 0; i < 3; ++i) {
            const QColor colors[] = {QColor(200, 60, 50), QColor(50, 110, 190),
                                     QColor(60, 150, 70)};
            p.setPen(QPen(colors[i].darker(150), 1.5));
            p.setBrush(colors[i]);
            p.drawRect(QRectF(s * (0.14 + i * 0.24), s * 0.16 + i * 2, s * 0.2, s * 0.68 - i * 2));
            p.setPen(QPen(Qt::white, 1.2));
            p.drawLine(QPointF(s * (0.17 + i * 0.24), s * 0.3),
                       QPointF(s * (0.31 + i * 0.24), s * 0.3));
        }
        break;
    }
    return pixmap;
}

} // namespace brevix
