#include "pageview.h"

#include "numerickeyfrm.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace brevix::pelvane {

PageView::PageView(sim::SimulatorSession &session, NumericKeyFrm *keypad, QWidget *parent)
    : QWidget(parent), m_session(session), m_keypad(keypad)
{
    setObjectName(QStringLiteral("VZDisplay"));
    setMouseTracking(true);
    setFixedSize(session.displaySize());
    // Takes the keyboard focus away from whatever had it when an element is pressed.
    m_organEnter = new QLineEdit(this);
    m_organEnter->setObjectName(QStringLiteral("OrganEnter"));
    m_organEnter->setGeometry(-100, -100, 10, 10);
    m_organEnter->setFocus();
    m_refreshTimer.setInterval(100);
    connect(&m_refreshTimer, &QTimer::timeout, this, &PageView::refreshTick);
    m_refreshTimer.start();
    m_focusTimer.setInterval(5000);
    connect(&m_focusTimer, &QTimer::timeout, this, &PageView::focusTimeout);
    if (m_session.page())
        m_session.page()->refresh();
}

QImage PageView::pageImage() const
{
    const sim::PageRuntime *page = m_session.page();
    if (!page)
        return {};
    return page->render(size());
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const sim::PageRuntime *page = m_session.page();
    if (!page)
        return;
    painter.fillRect(rect(), page->backgroundColor());
    page->paint(painter);
}

void PageView::refreshTick()
{
    sim::PageRuntime *page = m_session.page();
    if (page && page->refresh())
        update();
}

void PageView::pressSlot(int slot)
{
    sim::PageRuntime *page = m_session.page();
    if (!page || slot < 0)
        return;
    m_organEnter->setFocus();
    m_pressedSlot = slot;
    const sim::PressAction action = page->press(slot);
    page->refresh();
    update();
    if (action != sim::PressAction::OpenKeypad || !m_keypad)
        return;
    // The page keeps refreshing while the keypad is open; its highlight stays until it closes.
    m_keypadOpen = true;
    repaint();
    m_keypad->edit(sim::keypadTargetOf(page->page().tables, slot, m_session.memory()),
                   m_session.memory());
    m_keypadOpen = false;
    if (sim::PageRuntime *still = m_session.page()) {
        still->setFocusFlag(slot, false);
        still->refresh();
    }
    m_pressedSlot = -1;
    update();
}

void PageView::releaseSlot(int slot)
{
    sim::PageRuntime *page = m_session.page();
    if (!page || slot < 0)
        return;
    const int target = page->release(slot);
    page->refresh();
    update();
    if (target >= 0)
        emit functionKeyReleased();
}

void PageView::hoverSlot(int slot, const QPoint &globalPosition)
{
    sim::PageRuntime *page = m_session.page();
    if (!page)
        return;
    if (slot < 0 || !page->hasHandCursor(slot)) {
        unsetCursor();
        if (!m_keypadOpen)
            focusTimeout();
        return;
    }
    setCursor(Qt::PointingHandCursor);
    if (page->highlightedSlot() != slot && page->page().tables.Kind[slot] != 34) {
        page->hover(slot);
        m_focusTimer.start();
        update();
    }
    Q_UNUSED(globalPosition);
}

void PageView::focusTimeout()
{
    if (m_keypadOpen)
        return;
    m_focusTimer.stop();
    if (sim::PageRuntime *page = m_session.page()) {
        if (page->highlightedSlot() >= 0) {
            page->endHighlight();
            update();
        }
    }
}

void PageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier ||
        !m_session.page())
        return;
    pressSlot(m_session.page()->slotAt(event->position().toPoint()));
}

void PageView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int slot = m_pressedSlot;
    m_pressedSlot = -1;
    releaseSlot(slot);
}

void PageView::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click does nothing, as on the panel.
}

void PageView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_session.page())
        return;
    hoverSlot(m_session.page()->slotAt(event->position().toPoint()),
              event->globalPosition().toPoint());
}

bool PageView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && m_session.page()) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = m_session.page()->toolTip(m_session.page()->slotAt(help->pos()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(),
                               QString(tip).replace(QLatin1Char('\r'), QLatin1Char('\n')).trimmed(),
                               this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace brevix::pelvane
