#pragma once

#include "devicelink/registerimage.h"
#include "devicelink/serialdriver.h"
#include "text/message.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace brevix {

// The customer's window: choose the port, press Start, watch the project go into the panel.
class UpdateWindow : public QWidget
{
    Q_OBJECT

public:
    UpdateWindow(const QString &imagePath, Language language, QWidget *parent = nullptr);
    void setPort(const QString &port);

private:
    void start();

    QString m_imagePath;
    Language m_language;
    QorCommDriver m_driver;
    RegisterImage m_registers;
    bool m_running = false;
    QComboBox *m_ports;
    QPushButton *m_start;
    QLabel *m_status;
    QProgressBar *m_progress;
};

} // namespace brevix
