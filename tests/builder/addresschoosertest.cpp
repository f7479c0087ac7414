#include "elements/bitaddresschooser.h"
#include "elements/registeredit.h"
#include "elements/worddevicechooser.h"
#include "language/uilanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

using namespace brevix;

namespace {

AddressDevices sampleDevices()
{
    AddressDevices d;
    d.bit[0] = {{"X", "M", "H"}, {"100", "8191", "4095"}, {"15", "0", "-1"}};
    d.bit[1] = {{"I"}, {"50"}, {"7"}};
    d.word[0] = {{"D", "T", "C"}, {"9999", "255", "x"}, {}};
    d.word[1] = {{"W"}, {"500"}, {}};
    return d;
}

} // namespace

class AddressChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { setUiLanguage(Language::Chinese); }

    void bitAddressLoadThenStoreGivesItBack_data()
    {
        QTest::addColumn<int>("byteA");
        QTest::addColumn<int>("wordA");
        QTest::newRow("X5.3") << 0x03 << 5;
        QTest::newRow("M8191 no bit") << 0x10 << 8191;
        QTest::newRow("hex H") << 0x20 << 2047;
        QTest::newRow("link 2") << 0x86 << 50;
    }
    void bitAddressLoadThenStoreGivesItBack()
    {
        QFETCH(int, byteA);
        QFETCH(int, wordA);
        BitAddressChooser chooser;
        chooser.setDevices(sampleDevices());
        chooser.load(static_cast<std::uint8_t>(byteA), static_cast<std::uint16_t>(wordA));
        QCOMPARE(int(chooser.addressByte()), byteA);
        QCOMPARE(int(chooser.registerNumber()), wordA);
    }

    void hexadecimalDeviceReadsAndStepsInHex()
    {
        BitAddressChooser chooser;
        chooser.setDevices(sampleDevices());
        chooser.load(0x20, 0);
        RegisterEdit *edit = chooser.registerEdit();
        QCOMPARE(edit->radix(), RegisterRadix::Hexadecimal);
        QCOMPARE(edit->lineEdit()->toolTip(), QStringLiteral("0 ~ FFF"));
        QVERIFY(!chooser.bitBox()->isVisibleTo(&chooser));
        edit->lineEdit()->clear();
        QTest::keyClicks(edit->lineEdit(), QStringLiteral("7FF"));
        QCOMPARE(edit->commitText(), 2047);
        edit->setValue(9);
        edit->stepUp();
        QCOMPARE(edit->lineEdit()->text(), QStringLiteral("00A"));
        QCOMPARE(edit->value(), 10);
    }

    void decimalDeviceDropsLetters()
    {
        BitAddressChooser chooser;
        chooser.setDevices(sampleDevices());
        chooser.load(0x00, 0);
        QLineEdit *line = chooser.registerEdit()->lineEdit();
        line->clear();
        QTest::keyClicks(line, QStringLiteral("1A2"));
        QCOMPARE(line->text(), QStringLiteral("12"));
        QTest::keyClicks(line, QStringLiteral("3456"));
        QCOMPARE(line->text().size(), 5);
        QVERIFY(chooser.bitBox()->isVisibleTo(&chooser));
        QCOMPARE(chooser.bitBox()->toolTip(), QStringLiteral("0 ~ 15"));
        QCOMPARE(chooser.registerLabel()->text(), QStringLiteral("寄存器号X:"));
    }

    void registerIsClampedOnLeavingAndOnDeviceChange()
    {
        BitAddressChooser chooser;
        chooser.setDevices(sampleDevices());
        chooser.load(0x10, 0); // M, limit 8191
        QLineEdit *line = chooser.registerEdit()->lineEdit();
        line->setText(QStringLiteral("9000"));
        QTest::keyClick(line, Qt::Key_Return); // leaving the edit
        QCOMPARE(chooser.registerEdit()->value(), 8191);
        QCOMPARE(line->text(), QStringLiteral("8191"));
        chooser.deviceBox()->setCurrentIndex(0); // X, limit 100
        QCOMPARE(chooser.registerEdit()->value(), 100);
        QCOMPARE(int(chooser.registerNumber()), 100);
    }

    void emptyTextBecomesZero()
    {
        BitAddressChooser chooser;
        chooser.setDevices(sampleDevices());
        chooser.load(0x10, 77);
        chooser.registerEdit()->lineEdit()->clear();
        QCOMPARE(chooser.registerEdit()->commitText(), 0);
        QCOMPARE(chooser.registerEdit()->lineEdit()->text(), QStringLiteral("0"));
    }

    void shorterListSelectsItsLastDevice()
    {
        BitAddressChooser chooser;
        chooser.setDevices(sampleDevices());
        chooser.load(0x20, 10); // H on link 1
        chooser.linkBox()->setCurrentIndex(1);
        QCOMPARE(chooser.deviceBox()->currentIndex(), 0);
        QCOMPARE(chooser.deviceBox()->currentText(), QStringLiteral("I"));
        QCOMPARE(chooser.bitBox()->maximum(), 7);
        QCOMPARE(chooser.addressByte() & 0x80, 0x80);
    }

    void englishRegisterLabel()
    {
        setUiLanguage(Language::English);
        BitAddressChooser bits;
        bits.setDevices(sampleDevices());
        bits.load(0x10, 0);
        QCOMPARE(bits.registerLabel()->text(), QStringLiteral("Register M:"));
        WordDeviceChooser words;
        words.setDevices(sampleDevices());
        words.load({1, 0}, 0);
        QCOMPARE(words.registerLabel()->text(), QStringLiteral("RegisterT:"));
    }

    void wordDeviceLimitsAndInputAllowed()
    {
        WordDeviceChooser chooser;
        QCheckBox inputAllowed;
        chooser.setInputAllowedBox(&inputAllowed);
        chooser.setDevices(sampleDevices());
        chooser.load({1, 0}, 300); // T has 255
        QCOMPARE(chooser.registerBox()->maximum(), 255);
        QCOMPARE(int(chooser.registerNumber()), 255);
        QCOMPARE(chooser.registerBox()->toolTip(), QStringLiteral("0 ~ 255"));
        chooser.deviceBox()->setCurrentIndex(2); // maximum not a number
        QCOMPARE(chooser.registerBox()->maximum(), 0);
        inputAllowed.setChecked(true);
        chooser.deviceChanged();
        QCOMPARE(chooser.field().device, 0);
        chooser.load({2, 0}, 5);
        QCOMPARE(chooser.field().device, 0);
    }

    void wordDeviceShorterLinkList()
    {
        WordDeviceChooser chooser;
        chooser.setDevices(sampleDevices());
        chooser.load({2, 0}, 1);
        chooser.linkBox()->setCurrentIndex(1);
        QCOMPARE(chooser.field().device, 0);
        QCOMPARE(chooser.field().link, 1);
        QCOMPARE(chooser.registerBox()->maximum(), 500);
    }
};

QTEST_MAIN(AddressChooserTest)
#include "addresschoosertest.moc"
