#include "devicelink/downloaddialog.h"
#include "devicelink/downloadportdialog.h"
#include "devicelink/firmwaredialog.h"
#include "e2esupport.h"
#include "tempfolder.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace brevix;

class DevicelinkDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void portDialogAcceptsATypedPath()
    {
        DownloadPortDialog dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("setCOMpro"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("下载端口设置"));
        dialog.setPort(QStringLiteral("/dev/pts/77"));
        auto *list = dialog.findChild<QComboBox *>(QStringLiteral("compro"));
        QVERIFY(list);
        QCOMPARE(list->currentText(), QStringLiteral("/dev/pts/77"));
        list->setCurrentText(QStringLiteral("/dev/ttyUSB3"));
        QCOMPARE(dialog.port(), QStringLiteral("/dev/ttyUSB3"));
        auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"));
        QCOMPARE(ok->text(), QStringLiteral("确认(&Y)"));
        QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->toolTip(),
                 QStringLiteral("设备管理器"));
        dialog.setLanguage(Language::English);
        QCOMPARE(ok->text(), QStringLiteral("OK (&Y)"));
    }

    void downloadDialogSendsAndClosesItself()
    {
        panelemu::EmulatorConfig config;
        config.own = {57600, 8, 'E', 1};
        panelemu::PanelEmulator emulator(config);
        QVERIFY(emulator.start());
        TempFolder folder;
        const QByteArray image = patternBytes(5000, 31);
        QVERIFY(writeBytes(folder.file(QStringLiteral("KX.bin")), image));
        QVERIFY(writeBytes(folder.file(QStringLiteral("SPI.bin")), patternBytes(3000, 32)));

        DownloadDialog dialog;
        dialog.setPort(hostPort(emulator));
        dialog.setFolder(folder.path());
        dialog.setClosingPause(10);
        QCOMPARE(dialog.objectName(), QStringLiteral("DownloadForm"));
        auto *timeSync = dialog.findChild<QPushButton *>(QStringLiteral("Button2"));
        QCOMPARE(timeSync->text(), QStringLiteral("下载不同步PC机时间(&S)"));
        QTest::mouseClick(timeSync, Qt::LeftButton);
        QCOMPARE(timeSync->text(), QStringLiteral("下载加同步PC机时间(&S)"));
        QCOMPARE(timeSync->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        QSignalSpy finished(&dialog, &DownloadDialog::runFinished);
        dialog.show();
        QCOMPARE(dialog.height(), DownloadDialog::kCompactHeight);
        QVERIFY(finished.wait(20000));
        QCOMPARE(dialog.lastReport().outcome, DownloadOutcome::Done);
        QVERIFY(dialog.lastReport().fullyConfirmed());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("下载扩展图库数据"));
        QCOMPARE(dialog.height(), DownloadDialog::kLogHeight);
        const QString log =
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText();
        QVERIFY(log.contains(QStringLiteral("TxToFlash: 0x00200800 WriteSize: 952")));
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(emulator.panelResults().controls.front().stamp[0], 0x5566);
        QCOMPARE(toBytes(emulator.panelResults().image).mid(138, 5000 - 138), image.mid(138));
    }

    void downloadDialogStaysOpenOnFailure()
    {
        panelemu::EmulatorConfig config;
        config.fault = panelemu::Fault::Silent;
        panelemu::PanelEmulator emulator(config);
        QVERIFY(emulator.start());
        TempFolder folder;
        QVERIFY(writeBytes(folder.file(QStringLiteral("KX.bin")), patternBytes(100, 33)));
        DownloadDialog dialog;
        dialog.setPort(hostPort(emulator));
        dialog.setFolder(folder.path());
        QSignalSpy finished(&dialog, &DownloadDialog::runFinished);
        dialog.show();
        QVERIFY(finished.wait(20000));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("搜索失败！"));
        auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("Button1"));
        QCOMPARE(cancel->text(), QStringLiteral("取  消 (&N)"));
        QTest::mouseClick(cancel, Qt::LeftButton); // sets the cancel flag
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(cancel, Qt::LeftButton); // now closes
        QVERIFY(!dialog.isVisible());
    }

    void firmwareDialogUpdatesThePanel()
    {
        panelemu::EmulatorConfig config;
        config.mode = panelemu::Mode::BootLoader;
        config.own = {115200, 8, 'E', 1};
        panelemu::PanelEmulator emulator(config);
        QVERIFY(emulator.start());
        FirmwareDialog dialog;
        UpgradeTiming timing;
        timing.resetPulseMs = 10;
        dialog.upgrade().setTiming(timing);
        dialog.setPort(hostPort(emulator));
        QCOMPARE(dialog.objectName(), QStringLiteral("FirmwareFrm"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("固件更新 V5.15"));
        auto *variants = dialog.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(variants->count(), 2);
        QCOMPARE(variants->itemText(1), QStringLiteral("112M"));
        QVERIFY(dialog.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))
                    ->toPlainText()
                    .contains(QStringLiteral("2.选择对应的通信端口，点\"开始下载\"")));
        dialog.show();
        auto *panel = dialog.findChild<QLabel *>(QStringLiteral("Panel1"));
        QCOMPARE(panel->text(), QStringLiteral("就绪..."));
        QSignalSpy finished(&dialog.upgrade(), &FirmwareUpgrade::finished);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button1")),
                          Qt::LeftButton);
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(panel->text(), QStringLiteral("上载完成！"));
        QCOMPARE(dialog.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->toolTip(),
                 QStringLiteral("Boot:2.2"));
        QCOMPARE(emulator.bootResults().writeAddresses.size(), size_t(390));
    }
};

QTEST_MAIN(DevicelinkDialogsTest)
#include "dialogstest.moc"
