#include "devicelink/downloadportdialog.h"

#include "devicelink/portchoice.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSerialPortInfo>
#include <QVBoxLayout>

namespace brevix {

namespace {

const Message kCaption{QStringLiteral("下载端口设置"), QStringLiteral("Download port")};
const Message kPortLabel{QStringLiteral("下载端口:"), QStringLiteral("Download port:")};
const Message kOk{QStringLiteral("确认(&Y)"), QStringLiteral("OK (&Y)")};
const Message kCancel{QStringLiteral("取消(&N)"), QStringLiteral("Cancel (&N)")};
const Message kDeviceManager{QStringLiteral("设备管理器"), QStringLiteral("Device manager")};
const Message kNoPorts{
    QStringLiteral("系统中没有找到串口。可以直接输入设备路径。"),
    QStringLiteral("The system reports no serial ports. A device path can be typed in.")};

} // namespace

DownloadPortDialog::DownloadPortDialog(QWidget *parent)
    : QDialog(parent), m_label(new QLabel(this)), m_ports(new QComboBox(this)),
      m_ok(new QPushButton(this)), m_cancel(new QPushButton(this)),
      m_help(new QPushButton(QStringLiteral("?"), this))
{
    setObjectName(QStringLiteral("setCOMpro"));
    m_ports->setObjectName(QStringLiteral("compro"));
    m_ports->setEditable(true);
    m_ports->setMinimumWidth(260);
    m_ports->setInsertPolicy(QComboBox::NoInsert);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    m_help->setObjectName(QStringLiteral("SpeedButton1"));
    m_help->setFixedWidth(28);
    m_ok->setDefault(true);

    auto *row = new QHBoxLayout;
    row->addWidget(m_label);
    row->addWidget(m_ports, 1);
    row->addWidget(m_help);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &DownloadPortDialog::showPortInformation);
    setLanguage(m_language);

    // Centred across, 80 pixels from the top, as the editor has always placed it.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + 80);
    }
}

void DownloadPortDialog::setLanguage(Language language)
{
    m_language = language;
    setWindowTitle(kCaption.text(language));
    m_label->setText(kPortLabel.text(language));
    m_ok->setText(kOk.text(language));
    m_cancel->setText(kCancel.text(language));
    m_help->setToolTip(kDeviceManager.text(language));
}

void DownloadPortDialog::setPort(const QString &port)
{
    m_ports->clear();
    m_ports->addItems(availableSerialPorts());
    if (!port.isEmpty() && m_ports->findText(port) < 0)
        m_ports->insertItem(0, port);
    m_ports->setCurrentText(port.isEmpty() && m_ports->count() > 0 ? m_ports->itemText(0) : port);
}

QString DownloadPortDialog::port() const
{
    return m_ports->currentText().trimmed();
}

void DownloadPortDialog::showPortInformation()
{
    // The desktop's device manager differs per system; the port list with what the system
    // knows of each port answers the same question.
    QStringList lines;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QString line = info.systemLocation();
        const QString about =
            QStringList{info.description(), info.manufacturer(), info.serialNumber()}
                .filter(QRegularExpression(QStringLiteral("\\S")))
                .join(QStringLiteral(", "));
        if (!about.isEmpty())
            line += QStringLiteral("  (") + about + QLatin1Char(')');
        lines << line;
    }
    QMessageBox::information(this, kDeviceManager.text(m_language),
                             lines.isEmpty() ? kNoPorts.text(m_language)
                                             : lines.join(QLatin1Char('\n')));
}

} // namespace brevix
