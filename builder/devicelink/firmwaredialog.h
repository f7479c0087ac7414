#pragma once

#include "devicelink/firmwareupgrade.h"
#include "devicelink/serialdriver.h"
#include "text/message.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace brevix {

// The firmware dialog: rewrites the panel's firmware through its boot loader with one of the
// two images the program carries ("72M" or "112M").
class FirmwareDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FirmwareDialog(QWidget *parent = nullptr);

    void setLanguage(Language language);
    // Presets the port list (from the download port).
    void setPort(const QString &port);
    QString port() const;
    FirmwareUpgrade &upgrade() { return m_upgrade; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void start();
    void showStatus(const Message &status);
    void fillInstructions();

    Language m_language = Language::Chinese;
    QorCommDriver m_driver;
    FirmwareUpgrade m_upgrade{m_driver};
    Message m_status;
    QLabel *m_panel;
    QLabel *m_portLabel;
    QComboBox *m_ports;
    QComboBox *m_variants;
    QPlainTextEdit *m_memo;
    QPushButton *m_start;
    QProgressBar *m_progress;
};

} // namespace brevix
