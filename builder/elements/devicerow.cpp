#include "elements/devicerow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace brevix {

DeviceRow addDeviceRow(QWidget *owner, QGridLayout *grid, const QString &deviceName)
{
    DeviceRow row;
    auto *linkLabel = new QLabel(QStringLiteral("通道连接:"), owner);
    linkLabel->setObjectName(QStringLiteral("Label30"));
    row.link = new QComboBox(owner);
    row.link->setObjectName(QStringLiteral("ComboBox9"));
    row.link->addItems({QStringLiteral("Link 1"), QStringLiteral("Link 2")});
    linkLabel->hide();
    row.link->hide();

    auto *deviceLabel = new QLabel(QStringLiteral("元件种类:"), owner);
    deviceLabel->setObjectName(QStringLiteral("Label31"));
    row.device = new QComboBox(owner);
    row.device->setObjectName(deviceName);
    row.device->setMinimumContentsLength(8);
    row.help = new QToolButton(owner);
    row.help->setObjectName(QStringLiteral("BitBtn2"));
    row.help->setText(QStringLiteral("?"));
    row.help->setToolTip(QStringLiteral("PLC 元件说明"));

    grid->addWidget(deviceLabel, 0, 0);
    auto *deviceLine = new QHBoxLayout;
    deviceLine->addWidget(row.device, 1);
    deviceLine->addWidget(row.help);
    grid->addLayout(deviceLine, 0, 1);
    return row;
}

} // namespace brevix
