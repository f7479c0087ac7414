#include "devicelink/downloadrules.h"
#include "devicelink/linesettings.h"

#include <gtest/gtest.h>

using namespace brevix;

TEST(DataBlock, LittleEndianWordsAndOlderContentBeyondTheBytes)
{
    RegisterImage image;
    for (int k = 0; k < kDataRegisters; ++k)
        image.set(RegData + k, 0xBEEF);
    const char bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05};
    fillDataBlock(image, bytes, 5);
    EXPECT_EQ(image.at(3910), 0x0201);
    EXPECT_EQ(image.at(3911), 0x0403);
    EXPECT_EQ(image.at(3912), 0xBE05); // an odd last byte keeps the old high half
    EXPECT_EQ(image.at(3913), 0xBEEF);
    EXPECT_EQ(image.at(4933), 0xBEEF);
}

TEST(TimeStamp, RegistersForAKnownMoment)
{
    RegisterImage image;
    writeTimeStamp(image, QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    EXPECT_EQ(image.at(3975), 0x5566);
    EXPECT_EQ(image.at(3976), 0x1803);
    EXPECT_EQ(image.at(3977), 0x050E);
    EXPECT_EQ(image.at(3978), 0x0709);
}

struct LabelCase
{
    qint64 sent;
    qint64 size;
    const char *label;
    int percent;
};

class SentLabel : public testing::TestWithParam<LabelCase>
{
};

TEST_P(SentLabel, KilobytesAndHundreds)
{
    EXPECT_EQ(sentLabel(GetParam().sent, GetParam().size), QString::fromLatin1(GetParam().label));
    EXPECT_EQ(sentPercent(GetParam().sent, GetParam().size), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(Cases, SentLabel,
                         testing::Values(LabelCase{4096, 5000, "4.0KB / 4.9KB", 81},
                                         LabelCase{2048, 5000, "2.0KB / 4.9KB", 40},
                                         LabelCase{5000, 5000, "4.9KB / 4.9KB", 100},
                                         LabelCase{1023, 1023, "0.10KB / 0.10KB", 100},
                                         LabelCase{0, 100, "0.0KB / 0.1KB", 0}));

TEST(PictureLog, AddressInEightHexDigits)
{
    EXPECT_EQ(pictureLogLine(0x00200000, 2048),
              QStringLiteral("TxToFlash: 0x00200000 WriteSize: 2048"));
    EXPECT_EQ(pictureLogLine(0x00200800, 952),
              QStringLiteral("TxToFlash: 0x00200800 WriteSize: 952"));
    EXPECT_EQ(pictureLogLine(0x002FF800, 1), QStringLiteral("TxToFlash: 0x002FF800 WriteSize: 1"));
    EXPECT_EQ(flashAddressText(0x00abcdef), QStringLiteral("0x00ABCDEF"));
}

TEST(ControlMessage, BlockFieldsAndEndMark)
{
    RegisterImage image;
    image.set(RegReserved, 7);
    setBlockControl(image, 53, true, 100);
    EXPECT_EQ(image.at(3900), 0x5555);
    EXPECT_EQ(image.at(3901), 0x8765);
    EXPECT_EQ(image.at(3902), 0xAAAA);
    EXPECT_EQ(image.at(3903), 53);
    EXPECT_EQ(image.at(3904), 0);
    EXPECT_EQ(image.at(3905), 8888);
    EXPECT_EQ(image.at(3909), 100);
    setBlockControl(image, 52, false, 81);
    EXPECT_EQ(image.at(3905), 0);
    setPictureTarget(image, 0x00200800, 952);
    EXPECT_EQ(image.at(3906), 0x0800);
    EXPECT_EQ(image.at(3907), 0x0020);
    EXPECT_EQ(image.at(3908), 952);
}

TEST(ControlMessage, SynchroniseKeepsBlockFields)
{
    RegisterImage image;
    image.set(RegBlock, 77);
    image.set(RegPercent, 50);
    setSynchronise(image);
    EXPECT_EQ(image.at(3902), 0xE916);
    EXPECT_EQ(image.at(3903), 77);
    EXPECT_EQ(image.at(3909), 0);
}

TEST(ProbeSettings, RowsOfTheSearch)
{
    const auto &rows = ProbeSettings();
    EXPECT_EQ(rows[0], (LineSettings{57600, 8, Parity::Even, 1}));
    EXPECT_EQ(rows[1], transferSettings());
    EXPECT_EQ(rows[5], (LineSettings{115200, 7, Parity::Even, 1}));
    EXPECT_EQ(rows[12], (LineSettings{38400, 7, Parity::Even, 1}));
    EXPECT_EQ(rows[29], (LineSettings{9600, 8, Parity::Even, 1}));
    EXPECT_EQ(rows[31], (LineSettings{115200, 7, Parity::Even, 1}));
    EXPECT_EQ(rows[5].text(), QStringLiteral("115200 7E1"));
    EXPECT_EQ(PanelSignature(), QByteArray("\x79\x16\x55\x7A\x0E\x7E", 6));
    EXPECT_EQ(probeFrame(), QByteArray(15, '?'));
}
