#pragma once

#include "simulator/simulatorsession.h"

#include <QTimer>
#include <QWidget>

class QLineEdit;

namespace brevix::pelvane {

class NumericKeyFrm;

// The page form (TVZDisplay): shows the running page, refreshes it every 100 ms, takes presses,
// releases and hovers, and ends a focus highlight after five seconds.
class PageView : public QWidget
{
    Q_OBJECT
public:
    PageView(sim::SimulatorSession &session, NumericKeyFrm *keypad, QWidget *parent);

    // The page's picture as on show (for export and tests).
    QImage pageImage() const;
    // Mouse actions on a slot, as the mouse handlers perform them.
    void pressSlot(int slot);
    void releaseSlot(int slot);
    void hoverSlot(int slot, const QPoint &globalPosition);

signals:
    // A function key was released: the shell performs its function (message 1029).
    void functionKeyReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void refreshTick();
    void focusTimeout();

    sim::SimulatorSession &m_session;
    NumericKeyFrm *m_keypad;
    QLineEdit *m_organEnter;
    QTimer m_refreshTimer;
    QTimer m_focusTimer;
    int m_pressedSlot = -1;
    bool m_keypadOpen = false;
};

} // namespace brevix::pelvane
