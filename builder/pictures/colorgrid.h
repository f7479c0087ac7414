#pragma once

#include <QColor>
#include <QWidget>

namespace brevix {

// A grid of the 48 standard colours; a click chooses one.
class ColorGrid : public QWidget
{
    Q_OBJECT

public:
    explicit ColorGrid(QWidget *parent = nullptr);

    static const QList<QColor> &standardColors();
    // Marks the cell of color when it is one of the grid's, without emitting anything.
    void preselect(const QColor &color);
    int selectedIndex() const { return m_selected; }
    QRect cellRect(int index) const;
    QSize sizeHint() const override;

signals:
    void colorClicked(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_selected = -1;
};

} // namespace brevix
