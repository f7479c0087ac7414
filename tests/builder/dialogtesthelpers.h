#pragma once

#include "model/project.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstring>
#include <functional>

// Runs action on the next modal window that opens (a message box or a nested dialog), from
// inside its event loop.
inline void onNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget *w = QApplication::activeModalWidget(); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(w);
        }
    });
    timer->start();
}

// Closes the next message box and hands back its text.
inline void closeNextMessageBox(QString *text, QWidget *notThis)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, text, notThis] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box != notThis && box->isVisible()) {
            timer->stop();
            timer->deleteLater();
            *text = box->text();
            box->accept();
        }
    });
    timer->start();
}

inline bool sameRecord(const brevix::PageRecord &a, const brevix::PageRecord &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A project with page 1 and an element of kind in slot.
inline void placeElement(brevix::Project &project, int slot, int kind)
{
    project.resetToNew();
    brevix::PageRecord &r = project.record(1);
    r.Kind[slot] = static_cast<std::uint8_t>(kind);
    r.Left[slot] = 45;
    r.Top[slot] = 30;
    r.Width[slot] = 120;
    r.Height[slot] = 24;
    r.MoveLock[slot] = 1;
    r.BackColor[slot] = 0x00C0C0C0;
    r.ForeColor[slot] = 0x000000FF;
}
