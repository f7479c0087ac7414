#include "editor/pagecanvas.h"

#include "editor/structurep.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace brevix {

PageCanvas::PageCanvas(StructureP &editor) : QWidget(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_editor.paintPage(painter, event->rect());
}

void PageCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    m_editor.canvasPress(event);
}

void PageCanvas::mouseMoveEvent(QMouseEvent *event)
{
    m_editor.canvasMove(event);
}

void PageCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    m_editor.canvasRelease(event);
}

void PageCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_editor.canvasDoubleClick(event);
}

void PageCanvas::keyPressEvent(QKeyEvent *event)
{
    if (!m_editor.PcKeyDown(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

void PageCanvas::contextMenuEvent(QContextMenuEvent *event)
{
    m_editor.canvasContextMenu(event->pos(), event->globalPos());
}

void PageCanvas::leaveEvent(QEvent *event)
{
    if (m_editor.m_preview) {
        m_editor.m_preview.reset();
        update();
    }
    QWidget::leaveEvent(event);
}

bool PageCanvas::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int slot = m_editor.slotAt(help->pos());
        if (m_editor.m_hintVisible && slot >= 0)
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("%1 %2").arg(slot).arg(m_editor.page()), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace brevix
