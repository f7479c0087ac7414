#include "elements/worddevicechooser.h"

#include "elements/devicerow.h"
#include "elements/devicesource.h"
#include "elements/registerentry.h"
#include "language/uilanguage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace brevix {

WordDeviceChooser::WordDeviceChooser(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WordDeviceChooser"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    const DeviceRow row = addDeviceRow(this, grid, QStringLiteral("ComboBox3"));
    m_link = row.link;
    m_device = row.device;
    QToolButton *help = row.help;
    m_registerLabel = new QLabel(QStringLiteral("寄存器号:"), this);
    m_registerLabel->setObjectName(QStringLiteral("Label32"));
    m_register = new QSpinBox(this);
    m_register->setObjectName(QStringLiteral("SpinEdit3"));
    m_register->setRange(0, 0);

    grid->addWidget(m_registerLabel, 1, 0);
    grid->addWidget(m_register, 1, 1);
    grid->setColumnStretch(1, 1);

    const auto changed = [this] {
        if (!m_filling)
            deviceChanged();
    };
    connect(m_device, &QComboBox::currentIndexChanged, this, changed);
    connect(m_link, &QComboBox::currentIndexChanged, this, changed);
    connect(help, &QToolButton::clicked, this, [this] { showDeviceHelp(link()); });
}

void WordDeviceChooser::setDevices(const AddressDevices &devices)
{
    m_devices = devices;
}

int WordDeviceChooser::link() const
{
    return m_link->currentIndex() == 1 ? 1 : 0;
}

void WordDeviceChooser::deviceChanged()
{
    const bool inputAllowed = m_inputAllowed && m_inputAllowed->isChecked();
    const int wanted = inputAllowed ? 0 : m_device->currentIndex();
    const DeviceTable &t = m_devices.words(link());
    m_filling = true;
    m_device->clear();
    m_device->addItems(t.names);
    const int index = deviceIndexAfterRefill(wanted, t.count());
    m_device->setCurrentIndex(index);
    m_filling = false;

    const QString name = index >= 0 ? t.names.at(index) : QString();
    m_registerLabel->setText(uiText(QStringLiteral("寄存器号") + name + QStringLiteral(":"),
                                    m_englishPrefix + name + QStringLiteral(":")));
    const int maximum = std::max(t.maximum(index), 0);
    m_register->setMaximum(maximum);
    m_register->setToolTip(registerHint(maximum, RegisterRadix::Decimal));
}

void WordDeviceChooser::load(const WordDeviceField &field, std::uint16_t registerNumber)
{
    m_filling = true;
    m_link->setCurrentIndex(field.link);
    m_filling = false;
    deviceChanged();
    m_filling = true;
    m_device->setCurrentIndex(field.device < m_device->count() ? field.device : -1);
    m_filling = false;
    deviceChanged();
    m_register->setValue(registerNumber);
}

WordDeviceField WordDeviceChooser::field() const
{
    return {std::max(m_device->currentIndex(), 0), link()};
}

std::uint16_t WordDeviceChooser::registerNumber() const
{
    return static_cast<std::uint16_t>(m_register->value());
}

} // namespace brevix
