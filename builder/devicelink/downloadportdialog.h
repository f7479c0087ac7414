#pragma once

#include "text/message.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace brevix {

// The download port dialog: chooses the serial device both device-link jobs start from. The
// list offers the ports the system has; any path can be typed (a pty, a by-id link).
class DownloadPortDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DownloadPortDialog(QWidget *parent = nullptr);

    void setLanguage(Language language);
    // Fills the list afresh and shows `port` in it.
    void setPort(const QString &port);
    QString port() const;

private:
    void showPortInformation();

    Language m_language = Language::Chinese;
    QLabel *m_label;
    QComboBox *m_ports;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
};

} // namespace brevix
