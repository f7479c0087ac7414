#include "kxfixture.h"
#include "simulator/panelface.h"
#include "simulator/simulatorsession.h"
#include "text/gbk.h"

#include <gtest/gtest.h>

using namespace brevix::sim;
namespace kx = kxfixture;

namespace {

kx::Page pageWith(int number, std::vector<kx::Record> records = {})
{
    kx::Page p;
    p.number = number;
    p.records = std::move(records);
    return p;
}

class Session : public testing::Test
{
protected:
    void load(const kx::Header &header, const std::vector<kx::Page> &pages)
    {
        DownloadImage image;
        ASSERT_TRUE(DownloadImage::fromBytes(kx::image(header, pages), image).ok());
        session.setImage(image);
    }

    RegisterMemory memory;
    SimulatorSession session{memory};
};

TEST_F(Session, StartsOnTheStartPage)
{
    load({1, 0, 2}, {pageWith(1), pageWith(2)});
    EXPECT_TRUE(session.start().isEmpty());
    EXPECT_EQ(session.shownPage(), 2);
    ASSERT_NE(session.page(), nullptr);
    EXPECT_EQ(session.page()->page().pageNumber, 2);
}

TEST_F(Session, MissingStartPageGivesTheMessageAndNoPage)
{
    load({1, 0, 5}, {pageWith(1)});
    const Notice notice = session.start();
    EXPECT_EQ(notice.text.zh, QStringLiteral("画面:5不存在 ！"));
    EXPECT_EQ(notice.text.en, QStringLiteral("Page 5 does not exist!"));
    EXPECT_EQ(session.page(), nullptr);
    EXPECT_EQ(session.shownPage(), 0);
}

TEST_F(Session, FaceKeysJumpByTheKeyTableAndShift)
{
    kx::Page p1 = pageWith(1);
    p1.keyJump[0] = 3;  // panel key 1
    p1.keyJump[11] = 2; // key 12
    kx::Page p2 = pageWith(2);
    p2.keyJump[0] = 3;
    load({1, 0, 1}, {p1, p2, pageWith(3)});
    session.start();
    session.faceKey(12);
    EXPECT_EQ(session.shownPage(), 2);
    session.faceKey(11);
    EXPECT_EQ(session.shownPage(), 1);
    session.faceKey(30);
    EXPECT_EQ(session.shownPage(), 1);
    session.faceKey(kShiftKeyNumber);
    EXPECT_TRUE(session.shift());
    session.faceKey(12);
    EXPECT_EQ(session.shownPage(), 3);
    EXPECT_EQ(session.previousPage(), 1);
    session.faceKey(11); // not one of the shifted keys
    EXPECT_EQ(session.shownPage(), 3);
}

TEST_F(Session, FunctionKeyToPage250IsRefusedAndThePageStays)
{
    load({1, 0, 1}, {pageWith(1, {kx::functionKey({0, 0, 40, 20}, 0, 250, 0),
                                  kx::functionKey({0, 30, 40, 20}, 0, 0, 0),
                                  kx::functionKey({0, 60, 40, 20}, 0, 7, 0)})});
    session.start();
    const int generation = session.pageGeneration();
    Notice notice = session.funKeyManage(0);
    EXPECT_EQ(notice.text.zh, QStringLiteral("画面:250模拟器不用 ！"));
    EXPECT_EQ(session.shownPage(), 1);
    EXPECT_EQ(session.pageGeneration(), generation);
    EXPECT_TRUE(session.funKeyManage(1).isEmpty());
    EXPECT_EQ(session.pageGeneration(), generation);
    notice = session.funKeyManage(2);
    EXPECT_EQ(notice.text.zh, QStringLiteral("画面:7不存在 ！"));
    EXPECT_EQ(session.shownPage(), 1);
}

TEST_F(Session, BuiltInFunctionsLanguageAndPassword)
{
    load({1, 0, 1}, {pageWith(1, {kx::functionKey({0, 0, 40, 20}, 8, 0, 3,
                                                  brevix::toGbk(QStringLiteral("中文")), "English"),
                                  kx::functionKey({0, 30, 40, 20}, 8, 0, 6)})});
    session.start();
    EXPECT_EQ(session.page()->control(0).shownText, QStringLiteral("中文"));
    EXPECT_TRUE(session.funKeyManage(0).isEmpty());
    EXPECT_EQ(session.languageSelect(), 1);
    EXPECT_EQ(session.page()->control(0).shownText, QStringLiteral("English"));
    const Notice login = session.funKeyManage(1);
    EXPECT_EQ(login.text.zh, QStringLiteral("密码登录"));
    EXPECT_EQ(login.icon, Notice::Icon::Information);
}

TEST_F(Session, PageSwitchRegisterChangesPageAndClearsIt)
{
    load({1, 0, 1, true, 300}, {pageWith(1), pageWith(7)});
    session.start();
    memory.setWord(0, 300, 0x0107); // only the low byte names the page
    session.tick100ms();
    EXPECT_EQ(session.shownPage(), 7);
    EXPECT_EQ(memory.word(0, 300), 0);
    memory.setWord(0, 300, 7);
    session.tick100ms();
    EXPECT_EQ(session.shownPage(), 7);
    EXPECT_EQ(memory.word(0, 300), 7);
    memory.setWord(0, 300, 9);
    EXPECT_FALSE(session.tick100ms().isEmpty());
    EXPECT_EQ(session.shownPage(), 7);
    EXPECT_EQ(memory.word(0, 300), 0);
}

TEST_F(Session, PageSwitchIsOffWithoutTheHeaderByte)
{
    load({1, 0, 1, false, 300}, {pageWith(1), pageWith(7)});
    session.start();
    memory.setWord(0, 300, 7);
    session.tick100ms();
    EXPECT_EQ(session.shownPage(), 1);
}

TEST_F(Session, SystemRegistersTickAndFollowTheClock)
{
    load({}, {pageWith(1)});
    memory.setWord(0, kTick100ms, 65535);
    session.tick100ms();
    EXPECT_EQ(memory.word(0, kTick100ms), 0);
    session.tick500ms();
    session.tick500ms();
    EXPECT_EQ(memory.word(0, kTick500ms), 2);
    session.tick1s(QDateTime(QDate(2026, 12, 11), QTime(13, 52, 15)));
    EXPECT_EQ(memory.word(0, kTick1s), 1);
    EXPECT_EQ(memory.word(0, kClockSecond), 15);
    EXPECT_EQ(memory.word(0, kClockMinute), 52);
    EXPECT_EQ(memory.word(0, kClockHour), 13);
    EXPECT_EQ(memory.word(0, kClockDay), 11);
    EXPECT_EQ(memory.word(0, kClockMonth), 12);
    EXPECT_EQ(memory.word(0, kClockYear), 2026);
    EXPECT_EQ(memory.word(0, 5014), 0);
}

TEST_F(Session, ShiftLampsBlinkOnlyWhileShiftIsOn)
{
    load({}, {pageWith(1)});
    session.tick500ms();
    EXPECT_FALSE(session.shiftLampsLit());
    const bool run = session.runLampRed();
    session.tick500ms();
    EXPECT_NE(session.runLampRed(), run);
    session.faceKey(kShiftKeyNumber);
    const bool lit = session.shiftLampsLit();
    session.tick500ms();
    EXPECT_NE(session.shiftLampsLit(), lit);
}

TEST(DisplaySize, ByModel)
{
    EXPECT_EQ(displaySizeOfModel(0), QSize(240, 320));
    EXPECT_EQ(displaySizeOfModel(1), QSize(320, 240));
    EXPECT_EQ(displaySizeOfModel(5), QSize(256, 64));
    EXPECT_EQ(displaySizeOfModel(6), QSize(64, 256));
    EXPECT_EQ(displaySizeOfModel(40), QSize(320, 240));
}

} // namespace
