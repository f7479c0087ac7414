#include "elements/colorswatch.h"

#include "elements/colorvalue.h"
#include "pictures/colordialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace brevix {

namespace {

// One colour dialog for the whole editor, created on first use under the main window.
MyColorDialog *sharedColorDialog(QWidget *from)
{
    static QPointer<MyColorDialog> dialog;
    if (!dialog)
        dialog = new MyColorDialog(from ? from->window() : nullptr);
    return dialog;
}

} // namespace

ColorSwatch::ColorSwatch(const QString &name, QWidget *parent) : QFrame(parent)
{
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumSize(48, 22);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::setColorValue(std::int32_t value)
{
    m_value = value;
    update();
}

QPoint ColorSwatch::pickerPosition() const
{
    return mapToGlobal(QPoint(2, height()));
}

void ColorSwatch::pickColor()
{
    MyColorDialog *dialog = sharedColorDialog(this);
    dialog->setColorValue(m_value);
    if (!dialog->pick(pickerPosition()))
        return;
    setColorValue(dialog->colorValue());
    emit colorChanged(m_value);
}

void ColorSwatch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pickColor();
}

void ColorSwatch::paintEvent(QPaintEvent *event)
{
    {
        QPainter p(this);
        p.fillRect(contentsRect(), colorFromValue(m_value));
    }
    QFrame::paintEvent(event);
}

} // namespace brevix
