#include "updatewindow.h"

#include "devicelink/downloadrun.h"
#include "devicelink/downloadtexts.h"
#include "devicelink/portchoice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

namespace brevix {

namespace {

const Message kTitle{QStringLiteral("更新面板程序"), QStringLiteral("Update the panel")};
const Message kPort{QStringLiteral("下载端口:"), QStringLiteral("Download port:")};
const Message kStart{QStringLiteral("开始下载"), QStringLiteral("Start")};
const Message kDone{QStringLiteral("下载完成！"), QStringLiteral("Download complete!")};
const Message kUnconfirmed{
    QStringLiteral("下载完成，但面板未确认部分数据块，请重新下载。"),
    QStringLiteral("Sent, but the panel did not confirm every block: please download again.")};

} // namespace

UpdateWindow::UpdateWindow(const QString &imagePath, Language language, QWidget *parent)
    : QWidget(parent), m_imagePath(imagePath), m_language(language), m_ports(new QComboBox(this)),
      m_start(new QPushButton(kStart.text(language), this)), m_status(new QLabel(this)),
      m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("VZUpdate"));
    setWindowTitle(kTitle.text(language));
    m_ports->setEditable(true);
    m_ports->setInsertPolicy(QComboBox::NoInsert);
    m_ports->setMinimumWidth(240);
    m_progress->setRange(0, 100);
    m_status->setText(downloadtext::kReady.text(language));
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(kPort.text(language), this), 0, 0);
    layout->addWidget(m_ports, 0, 1);
    layout->addWidget(m_start, 0, 2);
    layout->addWidget(m_status, 1, 0, 1, 3);
    layout->addWidget(m_progress, 2, 0, 1, 3);
    connect(m_start, &QPushButton::clicked, this, &UpdateWindow::start);
    setPort(defaultDownloadPort());
}

void UpdateWindow::setPort(const QString &port)
{
    m_ports->clear();
    m_ports->addItems(availableSerialPorts());
    if (!port.isEmpty() && m_ports->findText(port) < 0)
        m_ports->insertItem(0, port);
    if (!port.isEmpty())
        m_ports->setCurrentText(port);
}

void UpdateWindow::start()
{
    if (m_running)
        return;
    m_running = true;
    m_start->setEnabled(false);
    DownloadRun run(m_driver, m_registers);
    run.setLanguage(m_language);
    run.setPort(m_ports->currentText().trimmed());
    run.setImageFile(m_imagePath);
    connect(&run, &DownloadRun::statusChanged, m_status,
            [this](const Message &m) { m_status->setText(m.text(m_language)); });
    connect(&run, &DownloadRun::progressChanged, m_progress, &QProgressBar::setValue);
    const DownloadReport report = run.run();
    m_running = false;
    m_start->setEnabled(true);
    if (report.outcome == DownloadOutcome::PortFailed)
        QMessageBox::information(this, downloadtext::kPortBusyTitle,
                                 downloadtext::kPortBusyBox.text(m_language));
    else if (report.succeeded())
        m_status->setText((report.fullyConfirmed() ? kDone : kUnconfirmed).text(m_language));
}

} // namespace brevix
