#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Answers the next modal window the code under test opens: a message box with button, or a
// dialog handed to act (which accepts or rejects it). Records the message box text.
class ModalAnswer : public QObject
{
public:
    explicit ModalAnswer(QMessageBox::StandardButton button) : m_button(button) { arm(); }
    explicit ModalAnswer(std::function<void(QDialog *)> act) : m_act(std::move(act)) { arm(); }

    QString text;
    int answered = 0;

private:
    void arm()
    {
        auto *timer = new QTimer(this);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                text = box->text();
                ++answered;
                timer->stop();
                // Click the button itself: the static helpers report the clicked button.
                if (QAbstractButton *b = box->button(m_button))
                    b->click();
                else
                    box->reject();
                return;
            }
            if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && m_act) {
                ++answered;
                timer->stop();
                m_act(dialog);
            }
        });
        timer->start();
    }

    QMessageBox::StandardButton m_button = QMessageBox::NoButton;
    std::function<void(QDialog *)> m_act;
};
