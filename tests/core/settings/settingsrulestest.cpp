#include "settings/settingsrules.h"
#include "settings/projectsettings.h"

#include <gtest/gtest.h>

using namespace brevix;

namespace {

TEST(ProjectSettingsCells, NamesMapOntoTheRecordCells)
{
    Project project;
    project.resetToNew();
    ProjectSettings s(project.settings());
    project.settings().WordA[0] = 0x41;
    EXPECT_EQ(s.PanelModel(), 1);
    s.setInitialPage(7);
    EXPECT_EQ(project.settings().LongA[3], 7);
    s.setAlarmTextLang2(80, "end");
    EXPECT_TRUE(project.settings().TextB[179].equals("end"));
    s.setAlarmTextLang1(81, "ignored");
    EXPECT_TRUE(s.AlarmTextLang1(81).isEmpty());
    s.setFastWriteLength(20);
    EXPECT_EQ(project.settings().WordA[17], 20);
    s.setRecipeEnable(true);
    EXPECT_EQ(project.settings().LongB[18], 1);
    s.setSuperPassword(QByteArray(60, '1'));
    EXPECT_EQ(s.SuperPassword().size(), 50);
}

TEST(PortRule, Rs232LinkHasOneController)
{
    Project project;
    project.resetToNew();
    ProjectSettings s(project.settings());
    s.setRs485IdMode(1);
    s.setRegistersPerId(9);
    s.setLink1Port(1);
    applyPortRule(project.settings());
    EXPECT_EQ(s.Rs485IdMode(), 1);
    s.setLink1Port(0);
    applyPortRule(project.settings());
    EXPECT_EQ(s.Rs485IdMode(), 0);
    EXPECT_EQ(s.RegistersPerId(), 0);
}

TEST(FirstWordDeviceBounds, FastAreasEndAtTheMaximum)
{
    Project project;
    project.resetToNew();
    ProjectSettings s(project.settings());
    s.setFastReadLength(100);
    s.setFastReadStart(4950);
    s.setFastWriteLength(60); // above 50
    s.setFastWriteStart(4990);
    s.setAdRegister(6000);
    s.setPageReportRegister(-3);
    clampToFirstWordDevice(project.settings(), 5000);
    EXPECT_EQ(s.FastReadStart(), 4900);
    EXPECT_EQ(s.FastWriteLength(), 50);
    EXPECT_EQ(s.FastWriteStart(), 4950);
    EXPECT_EQ(s.AdRegister(), 5000);
    EXPECT_EQ(s.PageReportRegister(), 0);
}

struct FieldCase
{
    QString typed;
    int value;
    bool message;
};

class StationId : public ::testing::TestWithParam<FieldCase>
{
};
TEST_P(StationId, Corrected)
{
    const CorrectedField f = correctStationId(GetParam().typed);
    EXPECT_EQ(f.value, GetParam().value);
    EXPECT_EQ(!f.message.isEmpty(), GetParam().message);
    if (GetParam().message) {
        EXPECT_EQ(f.message.en, QStringLiteral("Set Range: 0-255 ！"));
    }
}
INSTANTIATE_TEST_SUITE_P(Cases, StationId,
                         ::testing::Values(FieldCase{"", 0, false}, FieldCase{"17", 17, false},
                                           FieldCase{"255", 255, false},
                                           FieldCase{"300", 0, true}));

class Timeout : public ::testing::TestWithParam<FieldCase>
{
};
TEST_P(Timeout, Corrected)
{
    const CorrectedField f = correctTimeout(GetParam().typed);
    EXPECT_EQ(f.value, GetParam().value);
    EXPECT_EQ(!f.message.isEmpty(), GetParam().message);
}
INSTANTIATE_TEST_SUITE_P(Cases, Timeout,
                         ::testing::Values(FieldCase{"", 1, false}, FieldCase{"0", 255, true},
                                           FieldCase{"200", 200, false},
                                           FieldCase{"256", 255, true}));

TEST(LinkPorts, SamePortIsRefused)
{
    EXPECT_TRUE(checkLinkPorts(0, 1).ok());
    const Result r = checkLinkPorts(1, 1);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().zh.startsWith(QStringLiteral("不正确的通讯端口设定 ！")));
}

TEST(AlarmAddresses, PackedBitsOrWholeRegisters)
{
    EXPECT_EQ(alarmAddress(QStringLiteral("M"), 1, 100, 3), QStringLiteral("M102"));
    EXPECT_EQ(alarmAddress(QStringLiteral("D"), 0, 100, 18), QStringLiteral("D101.1"));
    EXPECT_EQ(alarmRecordsForIndex(99), 10000);
}

TEST(Captions, BothLanguages)
{
    EXPECT_EQ(keyLedCaption(Language::Chinese, false, QStringLiteral("D")),
              QStringLiteral("00-15 对应寄存器号D:"));
    EXPECT_EQ(keyLedCaption(Language::English, true, QStringLiteral("D")),
              QStringLiteral("16-31 Corres. Reg.D:"));
    EXPECT_EQ(
        registerCaptions(Language::English, QStringLiteral("R"), QStringLiteral("D")).fastRead,
        QStringLiteral("FastRead R:"));
    EXPECT_EQ(adRegisterHint(1, 10, QStringLiteral("D:")).last(),
              QStringLiteral("D:14=编码器位置"));
    EXPECT_EQ(daRegisterHint(5, QStringLiteral("D:")).size(), 2);
    EXPECT_EQ(registersPerIdNames().last(), QStringLiteral("2000"));
}

} // namespace
