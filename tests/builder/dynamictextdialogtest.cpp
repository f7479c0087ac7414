#include "elements/dynamictextdialog.h"
#include "elements/colorswatch.h"
#include "elements/devicesource.h"
#include "elements/stategrid.h"
#include "elements/stylecombos.h"
#include "elements/worddevicechooser.h"
#include "language/uilanguage.h"

#include "dialogtesthelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace brevix;

class DynamicTextDialogTest : public QObject
{
    Q_OBJECT

private:
    static void fillStates(Project &project, int slot, int count)
    {
        placeElement(project, slot, 7);
        PageRecord &r = project.record(1);
        r.WordA[slot] = 120;
        r.WordD[slot] = 0x0102; // password, device 1
        r.WordC[slot] = 0x1203;
        r.ByteA[slot] = static_cast<std::uint8_t>(count);
        r.ByteB[slot] = 0;
        r.ByteC[slot] = 0;
        const char *one[] = {"Stop0000", "Run0001", "Fault000A"};
        const char *two[] = {"停止0000", "运行0001", "故障000A"};
        for (int j = 1; j <= count && j <= 3; ++j) {
            project.ListEntry(1, slot, 1, j).setText(QString::fromUtf8(one[j - 1]));
            project.ListEntry(1, slot, 2, j).setText(QString::fromUtf8(two[j - 1]));
        }
        r.TextA[slot].setText(QStringLiteral("Stop"));
        r.TextB[slot].setText(QStringLiteral("停止"));
    }

private slots:
    void initTestCase()
    {
        setAddressDevicesSource([](const Project &) {
            AddressDevices d;
            d.word[0] = {{"D", "T", "C"}, {"9999", "255", "199"}, {}};
            d.word[1] = {{"W"}, {"500"}, {}};
            return d;
        });
    }
    void init() { setUiLanguage(Language::Chinese); }

    void loadThenStoreGivesTheSlotBack()
    {
        Project project;
        fillStates(project, 135, 3);
        const PageRecord before = project.record(1);
        DynamicTextDialog dialog;
        dialog.load(project, 1, 135);
        QCOMPARE(dialog.stateCountBox()->value(), 3);
        QCOMPARE(dialog.grid(1)->rowCount(), 3);
        QCOMPARE(dialog.grid(1)->cell(2).value, QStringLiteral("10"));
        QCOMPARE(dialog.grid(1)->cell(2).content, QStringLiteral("Fault"));
        QCOMPARE(dialog.grid(2)->cell(1).content, QStringLiteral("运行"));
        QCOMPARE(dialog.deviceChooser()->deviceBox()->currentIndex(), 1);
        QVERIFY(dialog.styleCombos()->levelBox()->isEnabled());
        QVERIFY(dialog.store());
        QVERIFY(sameRecord(project.record(1), before));
    }

    void headersFollowTheLanguage()
    {
        Project project;
        fillStates(project, 150, 1);
        DynamicTextDialog dialog;
        setUiLanguage(Language::English);
        dialog.load(project, 1, 150);
        QCOMPARE(dialog.grid(1)->horizontalHeaderItem(0)->text(), QStringLiteral("Value"));
        QCOMPARE(dialog.grid(2)->horizontalHeaderItem(1)->text(), QStringLiteral("Conten"));
        setUiLanguage(Language::Chinese);
        dialog.load(project, 1, 150);
        QCOMPARE(dialog.grid(1)->horizontalHeaderItem(1)->text(), QStringLiteral(" 内 容"));
    }

    void capacityDependsOnTheSlot()
    {
        Project project;
        fillStates(project, 150, 2);
        DynamicTextDialog dialog;
        dialog.load(project, 1, 150);
        QCOMPARE(dialog.stateCountBox()->maximum(), 20);
        fillStates(project, 149, 2);
        dialog.load(project, 1, 149);
        QCOMPARE(dialog.stateCountBox()->maximum(), 100);
    }

    void raisingTheCountNumbersNewZeroRows()
    {
        Project project;
        fillStates(project, 160, 3);
        DynamicTextDialog dialog;
        dialog.load(project, 1, 160);
        dialog.stateCountBox()->setValue(5);
        QCOMPARE(dialog.grid(1)->rowCount(), 5);
        QCOMPARE(dialog.grid(1)->values(), QStringList({"0", "1", "10", "3", "4"}));
        QCOMPARE(dialog.grid(2)->values().mid(3), QStringList({"3", "4"}));
        QCOMPARE(dialog.grid(1)->currentRow(), 4);
        QCOMPARE(dialog.grid(1)->verticalHeaderItem(4)->text(), QStringLiteral(" 4"));
    }

    void duplicateInLanguageTwoNamesTheRowsAndWritesNothing()
    {
        Project project;
        fillStates(project, 135, 3);
        const PageRecord before = project.record(1);
        DynamicTextDialog dialog;
        dialog.load(project, 1, 135);
        dialog.grid(2)->item(2, StateGrid::kValueColumn)->setText(QStringLiteral("1"));
        QString shown;
        closeNextMessageBox(&shown, nullptr);
        QVERIFY(!dialog.store());
        QCOMPARE(shown, QStringLiteral("语言二数值栏，有2个数值重复 ！\n看看ID:1  ID:2"));
        QVERIFY(sameRecord(project.record(1), before));

        setUiLanguage(Language::English);
        dialog.grid(1)->item(0, StateGrid::kValueColumn)->setText(QStringLiteral("10"));
        closeNextMessageBox(&shown, nullptr);
        QVERIFY(!dialog.store());
        QCOMPARE(shown,
                 QStringLiteral(
                     "Language 1 numeric Bar, there are 2 numerical repetition!\nLook ID:0  ID:2"));
    }

    void textualComparisonLetsSevenAndZeroSevenPass()
    {
        Project project;
        fillStates(project, 150, 2);
        DynamicTextDialog dialog;
        dialog.load(project, 1, 150);
        dialog.grid(1)->item(0, 0)->setText(QStringLiteral("07"));
        dialog.grid(1)->item(1, 0)->setText(QStringLiteral("7"));
        QVERIFY(dialog.store());
        QCOMPARE(project.ListEntry(1, 150, 1, 1).text(), QStringLiteral("Stop0007"));
        QCOMPARE(project.ListEntry(1, 150, 1, 2).text(), QStringLiteral("Run0007"));
    }

    void okWritesEntriesAndFields()
    {
        Project project;
        fillStates(project, 151, 1);
        project.ListEntry(1, 151, 1, 2).setText(QStringLiteral("Keep0002"));
        DynamicTextDialog dialog;
        dialog.load(project, 1, 151);
        dialog.grid(1)->item(0, 1)->setText(QStringLiteral("ABCD"));
        dialog.grid(1)->item(0, 0)->setText(QStringLiteral("0"));
        dialog.inputAllowedBox()->click();
        QVERIFY(dialog.zeroOnLeaveBox()->isVisibleTo(&dialog));
        dialog.zeroOnLeaveBox()->setChecked(true);
        dialog.passwordBox()->setChecked(false);
        QVERIFY(dialog.store());
        const PageRecord &r = project.record(1);
        QCOMPARE(project.ListEntry(1, 151, 1, 1).text(), QStringLiteral("ABCD0000"));
        QCOMPARE(project.ListEntry(1, 151, 1, 2).text(), QStringLiteral("Keep0002"));
        QCOMPARE(r.TextA[151].text(), QStringLiteral("ABCD"));
        QCOMPARE(r.TextB[151].text(), QStringLiteral("停止"));
        QCOMPARE(r.ByteB[151], std::uint8_t(1));
        QCOMPARE(r.ByteC[151], std::uint8_t(1));
        // Input allowed uses the first word device.
        QCOMPARE(r.WordD[151], std::uint16_t(0x0000));
        QCOMPARE(r.WordC[151], std::uint16_t(0x1203));

        dialog.load(project, 1, 151);
        QCOMPARE(dialog.grid(1)->cell(0).content, QStringLiteral("ABCD"));
        QCOMPARE(dialog.grid(1)->cell(0).value, QStringLiteral("0"));
    }

    void longCellIsCutAndMovesOn()
    {
        Project project;
        fillStates(project, 150, 3);
        DynamicTextDialog dialog;
        dialog.load(project, 1, 150);
        dialog.show();
        StateGrid *grid = dialog.grid(1);
        grid->setCurrentCell(0, StateGrid::kValueColumn);
        grid->editItem(grid->item(0, 0));
        QWidget *editor = grid->viewport()->focusWidget();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("123456"));
        QCOMPARE(grid->cell(0).value, QStringLiteral("12345"));
        QCOMPARE(grid->currentRow(), 1);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->currentRow(), 2);
    }

    void cancelAfterAColorLeavesTheRecord()
    {
        Project project;
        fillStates(project, 135, 3);
        const PageRecord before = project.record(1);
        DynamicTextDialog dialog;
        QTimer::singleShot(0, &dialog, [&] {
            dialog.backSwatch()->setColorValue(0x00FF00FF);
            dialog.stateCountBox()->setValue(6);
            dialog.cancelButton()->click();
        });
        QVERIFY(!dialog.edit(project, 1, 135));
        QVERIFY(sameRecord(project.record(1), before));
    }
};

QTEST_MAIN(DynamicTextDialogTest)
#include "dynamictextdialogtest.moc"
