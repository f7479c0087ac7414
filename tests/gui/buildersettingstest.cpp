#include "editor/builderini.h"
#include "tempfolder.h"

#include <QSettings>
#include <QTest>

using namespace brevix;

class BuilderSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void missingFileGivesTheDefaults()
    {
        TempFolder temp;
        const BuilderSettings s = BuilderSettings::read(temp.file(QStringLiteral("Builder.ini")));
        QCOMPARE(unsigned(s.griddingColor), 0xFF00000Bu);
        QCOMPARE(s.gridX, 32);
        QCOMPARE(s.gridY, 16);
        QCOMPARE(s.comPort, 0);
        QCOMPARE(s.downMode, 0);
        QVERIFY(s.chinese);
        QVERIFY(!s.fontOptimisation);
        QVERIFY(s.showGrid);
        QVERIFY(s.saveBackup.autoSave);
        QCOMPARE(s.saveBackup.intervalMinutes, 5);
        QVERIFY(!s.saveBackup.backupOnSave);
        QCOMPARE(s.lastFileOpenItem, QStringLiteral("最近文件"));
    }

    void fileWithoutKeysKeepsKeyDefaults()
    {
        TempFolder temp;
        const QString path = temp.file(QStringLiteral("Builder.ini"));
        {
            QSettings ini(path, QSettings::IniFormat);
            ini.setValue(QStringLiteral("configure/GriX"), 8);
            ini.setValue(QStringLiteral("other/x"), 1);
        }
        const BuilderSettings s = BuilderSettings::read(path);
        QCOMPARE(s.gridX, 8);
        QCOMPARE(s.gridY, 16);
        QVERIFY(s.chinese);
        QVERIFY(s.showGrid);
        QVERIFY(s.saveBackup.autoSave);
        // With the file present the recent item is the (empty) current project path.
        QCOMPARE(s.lastFileOpenItem, QString());
    }

    void writtenValuesAreReadBack()
    {
        TempFolder temp;
        const QString path = temp.file(QStringLiteral("sub folder/Builder.ini"));
        BuilderSettings s;
        s.griddingColor = 0x123456;
        s.gridX = 72;
        s.gridY = 2;
        s.comPort = 3;
        s.downMode = 1;
        s.chinese = false;
        s.fontOptimisation = true;
        s.showGrid = false;
        s.saveBackup.autoSave = false;
        s.saveBackup.intervalMinutes = 12;
        s.saveBackup.backupOnSave = true;
        s.lastFileOpenItem = recentItemCaption(QStringLiteral("/p/泵站.KX3"));
        QVERIFY(s.write(path));
        const BuilderSettings r = BuilderSettings::read(path);
        QCOMPARE(r.griddingColor, 0x123456);
        QCOMPARE(r.gridX, 72);
        QCOMPARE(r.gridY, 2);
        QCOMPARE(r.comPort, 3);
        QCOMPARE(r.downMode, 1);
        QVERIFY(!r.chinese);
        QVERIFY(r.fontOptimisation);
        QVERIFY(!r.showGrid);
        QVERIFY(!r.saveBackup.autoSave);
        QCOMPARE(r.saveBackup.intervalMinutes, 12);
        QVERIFY(r.saveBackup.backupOnSave);
        QCOMPARE(pathFromRecentItem(r.lastFileOpenItem), QStringLiteral("/p/泵站.KX3"));
    }

    void gridStepsOutsideTheRangeAreBounded()
    {
        TempFolder temp;
        const QString path = temp.file(QStringLiteral("Builder.ini"));
        {
            QSettings ini(path, QSettings::IniFormat);
            ini.setValue(QStringLiteral("configure/GriX"), 0);
            ini.setValue(QStringLiteral("configure/GriY"), 500);
        }
        const BuilderSettings s = BuilderSettings::read(path);
        QCOMPARE(s.gridX, 2);
        QCOMPARE(s.gridY, 72);
    }
};

QTEST_MAIN(BuilderSettingsTest)
#include "buildersettingstest.moc"
