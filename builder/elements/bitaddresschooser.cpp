#include "elements/bitaddresschooser.h"

#include "elements/devicerow.h"
#include "elements/devicesource.h"
#include "elements/registeredit.h"
#include "elements/registerentry.h"
#include "language/uilanguage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace brevix {

BitAddressChooser::BitAddressChooser(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BitAddressChooser"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    const DeviceRow row = addDeviceRow(this, grid, QStringLiteral("ComboBox2"));
    m_link = row.link;
    m_device = row.device;
    QToolButton *help = row.help;

    m_registerLabel = new QLabel(QStringLiteral("寄存器号:"), this);
    m_registerLabel->setObjectName(QStringLiteral("Label32"));
    m_register = new RegisterEdit(this);
    m_dot = new QLabel(QStringLiteral("."), this);
    m_dot->setObjectName(QStringLiteral("Label33"));
    m_bit = new QSpinBox(this);
    m_bit->setObjectName(QStringLiteral("SpinEdit14"));
    m_bit->setRange(0, 15);

    grid->addWidget(m_registerLabel, 1, 0);
    auto *registerRow = new QHBoxLayout;
    registerRow->addWidget(m_register, 1);
    registerRow->addWidget(m_dot);
    registerRow->addWidget(m_bit);
    grid->addLayout(registerRow, 1, 1);
    grid->setColumnStretch(1, 1);

    connect(m_device, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            deviceChanged();
    });
    connect(m_link, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            deviceChanged();
    });
    connect(help, &QToolButton::clicked, this, [this] { showDeviceHelp(link()); });
}

void BitAddressChooser::setDevices(const AddressDevices &devices)
{
    m_devices = devices;
}

int BitAddressChooser::link() const
{
    return m_link->currentIndex() == 1 ? 1 : 0;
}

const DeviceTable &BitAddressChooser::table() const
{
    return m_devices.bits(link());
}

void BitAddressChooser::deviceChanged()
{
    const int remembered = m_device->currentIndex();
    const DeviceTable &t = table();
    m_filling = true;
    m_device->clear();
    m_device->addItems(t.names);
    const int index = deviceIndexAfterRefill(remembered, t.count());
    m_device->setCurrentIndex(index);
    m_filling = false;

    const QString name = index >= 0 ? t.names.at(index) : QString();
    m_registerLabel->setText(uiText(QStringLiteral("寄存器号") + name + QStringLiteral(":"),
                                    QStringLiteral("Register ") + name + QStringLiteral(":")));
    const int bitLimit = t.bitLimit(index);
    m_register->setLimit(t.maximum(index));
    m_register->setRadix(radixForBitLimit(bitLimit));

    const bool bitShown = bitEditVisible(bitLimit);
    m_bit->setVisible(bitShown);
    m_dot->setVisible(bitShown);
    if (bitShown) {
        m_bit->setMaximum(bitLimit);
        m_bit->setToolTip(bitHint(bitLimit));
    }
}

void BitAddressChooser::load(std::uint8_t byteA, std::uint16_t wordA)
{
    const BitAddressByte a = unpackBitAddress(byteA);
    m_filling = true;
    m_link->setCurrentIndex(a.link);
    m_filling = false;
    deviceChanged();
    m_filling = true;
    m_device->setCurrentIndex(a.device < m_device->count() ? a.device : -1);
    m_filling = false;
    deviceChanged();
    m_register->setValue(wordA);
    m_bit->setValue(a.bit);
}

std::uint8_t BitAddressChooser::addressByte() const
{
    const int device = std::max(m_device->currentIndex(), 0);
    return packBitAddress({link(), device, m_bit->value()});
}

std::uint16_t BitAddressChooser::registerNumber() const
{
    m_register->commitText();
    return static_cast<std::uint16_t>(std::clamp(m_register->value(), 0, 0xFFFF));
}

} // namespace brevix
