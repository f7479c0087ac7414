#pragma once

#include "elements/addressbits.h"
#include "elements/devicetable.h"

#include <QWidget>
#include <cstdint>

class QAbstractButton;
class QComboBox;
class QLabel;
class QSpinBox;

namespace brevix {

// Address of a word register: hidden link chooser, word device and register number. When the
// dialog's "设定许可" box is ticked the first word device is used, the one the panel can set.
class WordDeviceChooser : public QWidget
{
    Q_OBJECT

public:
    explicit WordDeviceChooser(QWidget *parent = nullptr);

    void setDevices(const AddressDevices &devices);
    void setInputAllowedBox(QAbstractButton *box) { m_inputAllowed = box; }
    // "Register " with a trailing blank in English (the register dialog) or "Register".
    void setEnglishRegisterPrefix(const QString &prefix) { m_englishPrefix = prefix; }

    void load(const WordDeviceField &field, std::uint16_t registerNumber);
    WordDeviceField field() const;
    std::uint16_t registerNumber() const;

    // The device/link change handler (ComboBox3Change).
    void deviceChanged();

    QComboBox *linkBox() const { return m_link; }
    QComboBox *deviceBox() const { return m_device; }
    QSpinBox *registerBox() const { return m_register; }
    QLabel *registerLabel() const { return m_registerLabel; }

private:
    int link() const;

    AddressDevices m_devices;
    QAbstractButton *m_inputAllowed = nullptr;
    QString m_englishPrefix = QStringLiteral("Register");
    QComboBox *m_link = nullptr;
    QComboBox *m_device = nullptr;
    QLabel *m_registerLabel = nullptr;
    QSpinBox *m_register = nullptr;
    bool m_filling = false;
};

} // namespace brevix
