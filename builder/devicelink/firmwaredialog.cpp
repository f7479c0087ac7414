#include "devicelink/firmwaredialog.h"

#include "devicelink/bootloaderrules.h"
#include "devicelink/firmwareimages.h"
#include "devicelink/portchoice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace brevix {

namespace {

const Message kPortLabel{QStringLiteral("通信端口"), QStringLiteral("Port")};
const Message kStart{QStringLiteral("开始更新"), QStringLiteral("Start update")};
const Message kInstructions{
    QStringLiteral(
        "更新注意事项\n1.打开产品外壳，短接PCB上面的JP排针\n2.选择对应的通信端口，点\"开始下载\"\n"
        "3.下载完毕,记得断开JP排针，否则使用\n   过程中可能会出现不必要的麻烦."),
    QStringLiteral(
        "Before updating\n1. Open the case and short the JP pins on the board\n2. Choose the "
        "port and click \"Start update\"\n3. When done, remove the JP short, or the panel\n"
        "   may misbehave in use.")};

} // namespace

FirmwareDialog::FirmwareDialog(QWidget *parent)
    : QDialog(parent), m_panel(new QLabel(this)), m_portLabel(new QLabel(this)),
      m_ports(new QComboBox(this)), m_variants(new QComboBox(this)),
      m_memo(new QPlainTextEdit(this)), m_start(new QPushButton(this)),
      m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("FirmwareFrm"));
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_ports->setObjectName(QStringLiteral("Serial_Port"));
    m_variants->setObjectName(QStringLiteral("ComboBox1"));
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_start->setObjectName(QStringLiteral("Button1"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Sunken);
    m_panel->setMinimumHeight(28);
    m_ports->setEditable(true);
    m_ports->setInsertPolicy(QComboBox::NoInsert);
    m_ports->setMinimumWidth(200);
    m_variants->addItems({QStringLiteral("72M"), QStringLiteral("112M")});
    m_memo->setReadOnly(true);
    m_memo->setFixedHeight(110);
    m_progress->setRange(0, 100);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_panel, 0, 0, 1, 3);
    layout->addWidget(m_portLabel, 1, 0);
    layout->addWidget(m_ports, 1, 1);
    layout->addWidget(m_variants, 1, 2);
    layout->addWidget(m_memo, 2, 0, 1, 3);
    layout->addWidget(m_progress, 3, 0, 1, 2);
    layout->addWidget(m_start, 3, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_start, &QPushButton::clicked, this, &FirmwareDialog::start);
    connect(&m_upgrade, &FirmwareUpgrade::statusChanged, this, &FirmwareDialog::showStatus);
    connect(&m_upgrade, &FirmwareUpgrade::progressChanged, m_progress, &QProgressBar::setValue);
    connect(&m_upgrade, &FirmwareUpgrade::versionHint, m_progress, &QWidget::setToolTip);
    connect(&m_upgrade, &FirmwareUpgrade::portFailed, this,
            [this](const Message &text, const Message &title) {
                QMessageBox::information(this, title.text(m_language), text.text(m_language));
            });
    connect(&m_upgrade, &FirmwareUpgrade::finished, this, [this] { m_start->setEnabled(true); });
    m_status = upgradetext::kReady;
    setLanguage(m_language);

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void FirmwareDialog::setLanguage(Language language)
{
    m_language = language;
    setWindowTitle(upgradetext::kCaption.text(language));
    m_portLabel->setText(kPortLabel.text(language));
    m_start->setText(kStart.text(language));
    m_memo->setPlainText(kInstructions.text(language));
    showStatus(m_status);
}

void FirmwareDialog::setPort(const QString &port)
{
    m_ports->clear();
    m_ports->addItems(availableSerialPorts());
    if (!port.isEmpty() && m_ports->findText(port) < 0)
        m_ports->insertItem(0, port);
    m_ports->setCurrentText(port);
}

QString FirmwareDialog::port() const
{
    return m_ports->currentText().trimmed();
}

void FirmwareDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_upgrade.isRunning())
        showStatus(upgradetext::kReady);
}

void FirmwareDialog::reject()
{
    // Leaving mid-upgrade stops talking to the loader; the panel stays in its boot loader and
    // can be updated again.
    m_upgrade.stop();
    QDialog::reject();
}

void FirmwareDialog::showStatus(const Message &status)
{
    m_status = status;
    m_panel->setText(status.text(m_language));
}

void FirmwareDialog::start()
{
    if (m_upgrade.isRunning())
        return;
    const FirmwareVariant variant =
        m_variants->currentIndex() == 1 ? FirmwareVariant::Clock112M : FirmwareVariant::Clock72M;
    m_upgrade.setPort(port());
    m_upgrade.setImageLoader([variant] { return loadFirmwareImage(variant); });
    m_start->setEnabled(false);
    m_upgrade.start();
}

} // namespace brevix
