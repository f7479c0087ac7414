#pragma once

#include "elements/addressbits.h"
#include "elements/devicetable.h"

#include <QWidget>
#include <cstdint>

class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

namespace brevix {

class RegisterEdit;

// Address of one bit: hidden link chooser, bit device, register number (decimal or hexadecimal
// by device) and bit number. Used by the lamp, picture and bit switch dialogs.
class BitAddressChooser : public QWidget
{
    Q_OBJECT

public:
    explicit BitAddressChooser(QWidget *parent = nullptr);

    void setDevices(const AddressDevices &devices);
    // ByteA and WordA of the slot into the controls, in the order the dialogs load them.
    void load(std::uint8_t byteA, std::uint16_t wordA);
    std::uint8_t addressByte() const;
    std::uint16_t registerNumber() const;

    // The device/link change handler (ComboBox2Change).
    void deviceChanged();

    QComboBox *linkBox() const { return m_link; }
    QComboBox *deviceBox() const { return m_device; }
    RegisterEdit *registerEdit() const { return m_register; }
    QSpinBox *bitBox() const { return m_bit; }
    QLabel *registerLabel() const { return m_registerLabel; }

private:
    int link() const;
    const DeviceTable &table() const;

    AddressDevices m_devices;
    QComboBox *m_link = nullptr;
    QComboBox *m_device = nullptr;
    QLabel *m_registerLabel = nullptr;
    RegisterEdit *m_register = nullptr;
    QLabel *m_dot = nullptr;
    QSpinBox *m_bit = nullptr;
    bool m_filling = false;
};

} // namespace brevix
