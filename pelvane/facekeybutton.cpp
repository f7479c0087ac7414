#include "facekeybutton.h"

#include <QPainter>

namespace brevix::pelvane {

FaceKeyButton::FaceKeyButton(int keyNumber, QWidget *parent)
    : QAbstractButton(parent), m_keyNumber(keyNumber)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void FaceKeyButton::paintEvent(QPaintEvent *)
{
    if (!isDown())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

} // namespace brevix::pelvane
