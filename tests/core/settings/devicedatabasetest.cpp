#include "settings/devicedatabase.h"
#include "settings/settingsrules.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace brevix;

namespace {

QString shippedDatabase()
{
    return QStringLiteral(BREVIX_BINARY_DIR "/data/KXRes.Dat");
}

class ShippedDatabase : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(database.open().ok()); }
    DeviceDatabase database{shippedDatabase()};
};

TEST_F(ShippedDatabase, OffersAtLeastTwelveFamilies)
{
    const QStringList names = database.LoadDeviceSort();
    ASSERT_GE(names.size(), 12);
    EXPECT_EQ(names[4], QStringLiteral("Modbus RTU Master"));
    for (int i = 0; i < names.size(); ++i) {
        const DeviceList list = database.devicesOf(i);
        EXPECT_FALSE(list.words.empty()) << names[i].toStdString();
        EXPECT_GE(list.bits.size(), 2u) << names[i].toStdString(); // the alarm list needs two
        EXPECT_LE(list.words.size(), 8u);
        EXPECT_LE(list.bits.size(), 8u);
        for (const DeviceEntry &e : list.words)
            EXPECT_GT(e.maxNumber, 0) << names[i].toStdString() << " " << e.name.toStdString();
    }
}

TEST_F(ShippedDatabase, OctalFamiliesHaveXAndYFourthAndFifth)
{
    for (int family : {0, 1, 2, 11}) {
        const DeviceList list = database.devicesOf(family);
        ASSERT_GE(list.bits.size(), 5u);
        EXPECT_EQ(list.bits[3].name, QStringLiteral("X")) << family;
        EXPECT_EQ(list.bits[4].name, QStringLiteral("Y")) << family;
        for (QChar c : list.bits[3].maxText)
            EXPECT_LE(c.digitValue(), 7) << family; // written in octal digits
    }
}

TEST_F(ShippedDatabase, SpecialBitAddressingFitsSixteenBits)
{
    // Protocols 4 and 6 address word.bit devices as register * 16 + bit, 7 as byte * 8 + bit.
    struct Rule
    {
        int family;
        int factor;
    };
    for (Rule rule : {Rule{4, 16}, Rule{6, 16}, Rule{7, 8}}) {
        const DeviceList list = database.devicesOf(rule.family);
        for (size_t d = 1; d < list.bits.size(); ++d) {
            const bool special = rule.family != 6 || d == 1 || d == 2;
            if (special) {
                EXPECT_GT(list.bits[d].dataBit, 0) << rule.family << " " << d;
                EXPECT_LE(list.bits[d].maxNumber * rule.factor + rule.factor - 1, 65535)
                    << rule.family;
            }
        }
    }
}

TEST(DeviceDatabaseFile, MissingFileIsAClearFailureAndCreatesNothing)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("none.Dat"));
    DeviceDatabase database(path);
    const Result r = database.open();
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().en.contains(QStringLiteral("device database")));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(database.LoadDeviceSort().isEmpty());
}

TEST_F(ShippedDatabase, ProInitializeFillsListsAndStatusTexts)
{
    Project project;
    project.resetToNew();
    project.settings().Height[0] = 0;
    project.settings().LongA[12] = 1; // RS485 mode left from another port
    project.settings().LongA[13] = 5;
    project.settings().LongA[10] = 60000;
    const InitializedSettings s = ProInitialize(project.settings(), database);
    EXPECT_EQ(s.lists.link[0].firstWordName(), QStringLiteral("D"));
    EXPECT_EQ(project.settings().LongA[12], 0);
    EXPECT_EQ(project.settings().LongA[13], 0);
    EXPECT_EQ(project.settings().LongA[10], s.lists.firstWordMax());
    EXPECT_EQ(s.statusModel, QStringLiteral(" Miral(320*240)"));
    EXPECT_TRUE(s.statusLink1.startsWith(QStringLiteral(" Mitsubishi FX1S/FX1N/FX2N ( 57600 ")));
}

} // namespace
