// Shows the three device-link dialogs at work against emulated panels, for looking at them on
// a screen: the download runs paced at the real line rate, the firmware update starts at once.
#include "devicelink/downloaddialog.h"
#include "devicelink/downloadportdialog.h"
#include "devicelink/firmwaredialog.h"
#include "e2esupport.h"
#include "tempfolder.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace brevix;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const Language language =
        app.arguments().contains(QStringLiteral("--en")) ? Language::English : Language::Chinese;
    panelemu::EmulatorConfig panelConfig;
    panelConfig.own = {57600, 8, 'E', 1};
    panelConfig.pace = true;
    panelemu::PanelEmulator panel(panelConfig);
    panelemu::EmulatorConfig bootConfig;
    bootConfig.mode = panelemu::Mode::BootLoader;
    bootConfig.own = {115200, 8, 'E', 1};
    bootConfig.pace = true;
    panelemu::PanelEmulator boot(bootConfig);
    if (!panel.start() || !boot.start())
        return 2;
    TempFolder folder;
    writeBytes(folder.file(QStringLiteral("KX.bin")), patternBytes(150000, 1));
    writeBytes(folder.file(QStringLiteral("SPI.bin")), patternBytes(3000, 2));

    DownloadPortDialog portDialog;
    portDialog.setLanguage(language);
    portDialog.setPort(hostPort(panel));
    portDialog.move(20, 20);
    portDialog.show();

    DownloadDialog download;
    download.setLanguage(language);
    download.setPort(hostPort(panel));
    download.setFolder(folder.path());
    download.move(20, 160);
    download.show();

    FirmwareDialog firmware;
    firmware.setLanguage(language);
    firmware.setPort(hostPort(boot));
    firmware.move(520, 20);
    firmware.show();
    QTimer::singleShot(300, &firmware, [&firmware] {
        firmware.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    });
    return app.exec();
}
