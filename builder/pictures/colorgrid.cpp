#include "pictures/colorgrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevix {

namespace {
constexpr int kColumns = 8;
constexpr int kRows = 6;
constexpr int kCellWidth = 19;
constexpr int kCellHeight = 16;
} // namespace

ColorGrid::ColorGrid(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RzColorPicker1"));
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

const QList<QColor> &ColorGrid::standardColors()
{
    // The basic colours of the desktop colour dialogs the users know.
    static const QList<QColor> colors = [] {
        const char *names[kColumns * kRows] = {
            "#FF8080", "#FFFF80", "#80FF80", "#00FF80", "#80FFFF", "#0080FF", "#FF80C0", "#FF80FF",
            "#FF0000", "#FFFF00", "#80FF00", "#00FF40", "#00FFFF", "#0080C0", "#8080C0", "#FF00FF",
            "#804040", "#FF8040", "#00FF00", "#008080", "#004080", "#8080FF", "#800040", "#FF0080",
            "#800000", "#FF8000", "#008000", "#008040", "#0000FF", "#0000A0", "#800080", "#8000FF",
            "#400000", "#804000", "#004000", "#004040", "#000080", "#000040", "#400040", "#400080",
            "#000000", "#808000", "#808040", "#808080", "#408080", "#C0C0C0", "#400040", "#FFFFFF"};
        QList<QColor> list;
        for (const char *n : names)
            list.append(QColor(QLatin1String(n)));
        return list;
    }();
    return colors;
}

void ColorGrid::preselect(const QColor &color)
{
    m_selected = static_cast<int>(standardColors().indexOf(color.toRgb()));
    update();
}

QRect ColorGrid::cellRect(int index) const
{
    return QRect((index % kColumns) * kCellWidth, (index / kColumns) * kCellHeight, kCellWidth,
                 kCellHeight);
}

QSize ColorGrid::sizeHint() const
{
    return {kColumns * kCellWidth, kRows * kCellHeight + 2};
}

void ColorGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const auto &colors = standardColors();
    for (int i = 0; i < colors.size(); ++i) {
        const QRect r = cellRect(i).adjusted(2, 2, -2, -2);
        p.fillRect(r, colors.at(i));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        if (i == m_selected) {
            p.setPen(QPen(palette().color(QPalette::Text), 1));
            p.drawRect(cellRect(i).adjusted(0, 0, -1, -1));
        }
    }
}

void ColorGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const auto &colors = standardColors();
    for (int i = 0; i < colors.size(); ++i) {
        if (cellRect(i).contains(pos)) {
            m_selected = i;
            update();
            emit colorClicked(colors.at(i));
            return;
        }
    }
}

} // namespace brevix
