// Projects compiled by the builder and run by the simulator: the two ends of the image agree.
#include "compiler/kxbuilder.h"
#include "model/project.h"
#include "simulator/pagedecoder.h"
#include "simulator/simulatorsession.h"

#include <gtest/gtest.h>

using namespace brevix;

namespace {

SlotValues element(int kind, int left, int top, int width, int height)
{
    SlotValues v;
    v.Kind = std::uint8_t(kind);
    v.Left = std::uint16_t(left + 5); // the editor keeps a 5-pixel canvas margin
    v.Top = std::uint16_t(top + 5);
    v.Width = std::uint16_t(width);
    v.Height = std::uint16_t(height);
    v.BackColor = 0x00FFFFFF;
    return v;
}

class CompiledProject : public testing::Test
{
protected:
    void SetUp() override
    {
        project.resetToNew();
        for (int n = 1; n <= kMaxPage; ++n)
            project.deletePage(n);
        project.createPage(1, "One");
        project.createPage(2, "Two");
        project.settings().WordA[0] = 1; // 320 × 240
        project.settings().LongA[3] = 1; // start page
        PageRecord &page = project.record(1);
        page.PageStrings[KeyJumpTextFirst + 11].setBytes("2");

        SlotValues reg = element(2, 10, 10, 80, 24);
        reg.WordA = 100;
        reg.ByteB = 1; // entry
        reg.ByteC = 1; // signed
        reg.WordB = (4 << 8) | 1;
        reg.WordD = 1; // leading zeros
        reg.LongA = 1000;
        reg.LongB = -1000;
        Project::writeSlot(page, 0, reg);

        SlotValues lamp = element(3, 100, 10, 40, 24);
        lamp.WordA = 7;
        lamp.ByteA = 0x03; // word area 0, bit 3
        lamp.ByteC = 1;    // lit while the bit is 0
        lamp.ByteE = 2;
        lamp.TextA.setText(QStringLiteral("关"));
        lamp.TextB.setText(QStringLiteral("开"));
        Project::writeSlot(page, 1, lamp);

        SlotValues key = element(8, 10, 50, 60, 24);
        key.LongB = 2;
        key.TextA.setText(QStringLiteral("下页"));
        Project::writeSlot(page, 2, key);

        SlotValues date = element(10, 10, 90, 150, 24);
        Project::writeSlot(page, 3, date);

        SlotValues dynamic = element(7, 10, 130, 80, 24);
        dynamic.WordA = 200;
        dynamic.ByteA = 3;
        dynamic.ByteB = 1;
        Project::writeSlot(page, 135, dynamic);
        const char *states[3] = {"Stop", "Run", "Fault"};
        for (int j = 1; j <= 3; ++j)
            page.ListStrings[j].setBytes(states[j - 1]);

        const BuildResult built = BuildDownloadImage(project, BuildInputs{});
        ASSERT_TRUE(built.ok) << built.error.en.toStdString();
        ASSERT_TRUE(sim::DownloadImage::fromBytes(built.kx, image).ok());
        session.setImage(image);
    }

    const sim::Control &control(int slot) { return session.page()->control(slot); }

    Project project;
    sim::DownloadImage image;
    sim::RegisterMemory memory;
    sim::SimulatorSession session{memory};
};

TEST_F(CompiledProject, ElementsShowTheirRegisters)
{
    ASSERT_TRUE(session.start().isEmpty());
    memory.setWord(0, 100, static_cast<std::uint16_t>(-5));
    memory.setWord(0, 5016, 2026);
    memory.setWord(0, 5015, 3);
    memory.setWord(0, 5013, 7);
    memory.setWord(0, 200, 4);
    session.page()->refresh();
    const sim::SlotTables &t = session.page()->page().tables;
    EXPECT_EQ(t.Left[0], 10);
    EXPECT_EQ(t.Top[0], 10);
    EXPECT_EQ(control(0).shownText, QStringLiteral("-00.5"));
    EXPECT_EQ(session.page()->toolTip(0), QStringLiteral("设定范围: -100.0~100.0"));
    EXPECT_EQ(control(1).shownText, QStringLiteral("开"));
    EXPECT_EQ(control(2).shownText, QStringLiteral("下页"));
    // The date became a rectangle, a text and three registers.
    EXPECT_EQ(t.Kind[3], 20);
    EXPECT_EQ(t.Kind[4], 1);
    EXPECT_EQ(control(5).shownText, QStringLiteral("2026"));
    EXPECT_EQ(control(6).shownText, QStringLiteral("03"));
    EXPECT_EQ(control(7).shownText, QStringLiteral("07"));
    EXPECT_EQ(control(135).shownText, QStringLiteral("Run"));
    memory.setWord(0, 7, 1 << 3);
    session.page()->refresh();
    EXPECT_EQ(control(1).shownText, QStringLiteral("关"));
}

TEST_F(CompiledProject, KeysAndFunctionKeysChangePages)
{
    session.start();
    session.faceKey(12);
    EXPECT_EQ(session.shownPage(), 2);
    session.faceKey(11);
    EXPECT_EQ(session.shownPage(), 1);
    session.page()->press(2);
    EXPECT_EQ(session.page()->release(2), 2);
    EXPECT_TRUE(session.funKeyManage(2).isEmpty());
    EXPECT_EQ(session.shownPage(), 2);
}

} // namespace
