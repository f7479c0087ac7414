#pragma once

#include <QWidget>

namespace brevix {

class StructureP;

// The drawing area of a page editor (Image1): page background, elements, selection frame,
// handles, area frame and markers; hands the mouse and keyboard to its editor.
class PageCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit PageCanvas(StructureP &editor);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    StructureP &m_editor;
};

} // namespace brevix
