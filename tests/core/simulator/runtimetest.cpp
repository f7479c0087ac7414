#include "kxfixture.h"
#include "simulator/elementvalues.h"
#include "simulator/pagedecoder.h"
#include "simulator/pageruntime.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace brevix::sim;
namespace kx = kxfixture;

namespace {

// One page of the given records, decoded and running against a memory.
class RunningPage
{
public:
    explicit RunningPage(std::vector<kx::Record> records)
    {
        kx::Page p;
        p.records = std::move(records);
        DownloadImage image;
        EXPECT_TRUE(DownloadImage::fromBytes(kx::image({}, {p}), image).ok());
        DecodedPage decoded;
        EXPECT_TRUE(DecodePage(image, 1, decoded));
        runtime = std::make_unique<PageRuntime>(decoded, memory, 0);
    }
    const Control &control(int slot) const { return runtime->control(slot); }
    QString text(int slot)
    {
        runtime->refresh();
        return runtime->control(slot).shownText;
    }

    RegisterMemory memory;
    std::unique_ptr<PageRuntime> runtime;
};

kx::RegisterFields reg(int digits, bool isSigned, int leadingZeros = 0)
{
    kx::RegisterFields f;
    f.address = 20;
    f.digits = digits;
    f.isSigned = isSigned;
    f.leadingZeros = leadingZeros;
    return f;
}

struct RegisterCase
{
    kx::RegisterFields fields;
    std::uint32_t value;
    const char *shown;
};

class RegisterTextTest : public testing::TestWithParam<RegisterCase>
{
};

TEST_P(RegisterTextTest, ShowsTheValueAsThePanelDoes)
{
    const RegisterCase c = GetParam();
    RunningPage page({kx::registerRecord({0, 0, 80, 20}, c.fields)});
    page.memory.setWord32(c.fields.byteA >> 4, c.fields.address, c.value);
    EXPECT_EQ(page.text(0), QString::fromLatin1(c.shown));
}

kx::RegisterFields withDecimals(kx::RegisterFields f, int d)
{
    f.decimals = d;
    return f;
}

kx::RegisterFields as32(kx::RegisterFields f)
{
    f.byteA = 1;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegisterTextTest,
    testing::Values(
        RegisterCase{reg(5, true), 65535, "-1"}, RegisterCase{reg(4, true, 1), 65535, "-0001"},
        RegisterCase{reg(3, false), 12345, "345"}, RegisterCase{reg(5, false), 65535, "65535"},
        RegisterCase{reg(9, false), 12345, "12345"}, RegisterCase{reg(6, false, 1), 42, "000042"},
        RegisterCase{withDecimals(reg(5, false), 2), 12345, "123.45"},
        RegisterCase{withDecimals(reg(5, true), 1), 65531, "-0.5"},
        RegisterCase{withDecimals(reg(6, false, 1), 1), 5, "0000.5"},
        RegisterCase{as32(reg(9, false)), 100000, "100000"},
        RegisterCase{as32(reg(10, false)), 0xFFFFFFFF, "-1"}));

TEST(RegisterElement, MaskedShowsAsterisksHiddenDisappears)
{
    kx::RegisterFields masked = reg(4, false);
    masked.condition = 1; // holds while word 30 is 0
    masked.action = 0;
    masked.conditionRegister = 30;
    kx::RegisterFields hidden = masked;
    hidden.action = 1;
    RunningPage page(
        {kx::registerRecord({0, 0, 80, 20}, masked), kx::registerRecord({0, 30, 80, 20}, hidden)});
    page.memory.setWord(0, 20, 1234);
    page.runtime->refresh();
    EXPECT_EQ(page.control(0).shownText, QStringLiteral("****"));
    EXPECT_FALSE(page.control(0).enabled);
    EXPECT_EQ(page.control(0).shownValue, kMaskedValue);
    EXPECT_FALSE(page.control(1).visible);
    page.memory.setWord(0, 30, 1);
    page.runtime->refresh();
    EXPECT_EQ(page.control(0).shownText, QStringLiteral("1234"));
    EXPECT_TRUE(page.control(0).enabled);
    EXPECT_TRUE(page.control(1).visible);
    EXPECT_EQ(page.control(1).shownText, QStringLiteral("1234"));
}

TEST(LampElement, NegativeLogicLightsWhileTheBitIsZero)
{
    RunningPage page(
        {kx::lamp({0, 0, 20, 20}, {5, 2, 0, 0}, true, 2, 0x0000FF, 0x00FF00, "off", "on"),
         kx::lamp({0, 30, 20, 20}, {5, 2, 0, 0}, false, 2, 0x0000FF, 0x00FF00, "off", "on")});
    page.runtime->refresh();
    EXPECT_EQ(page.control(0).shownText, QStringLiteral("on"));
    EXPECT_EQ(page.control(1).shownText, QStringLiteral("off"));
    page.memory.setWord(0, 5, 1 << 2);
    page.runtime->refresh();
    EXPECT_EQ(page.control(0).shownText, QStringLiteral("off"));
    EXPECT_EQ(page.control(1).shownText, QStringLiteral("on"));
    // The lit lamp is filled with its ON colour (0x00FF00 as RGB565 back: green 0xFC).
    EXPECT_EQ(page.control(1).picture.pixelColor(18, 2), QColor(0, 0xFC, 0));
}

TEST(LampElement, BitAreaTakesTheAddressAsTheBitIndex)
{
    RunningPage page({kx::lamp({0, 0, 20, 20}, {1234, 5, 0, 2}, false, 1, 0xFF, 0xFF00)});
    page.memory.setBit(0, 1234, true);
    page.runtime->refresh();
    EXPECT_EQ(page.control(0).shownValue, 1);
}

TEST(DynamicText, StateIsTheValueModuloTheCountAndPressWraps)
{
    kx::DynamicFields f{40, true, false, 0, {"zero", "one", "two"}, {"Z", "O", "T"}};
    RunningPage page({kx::dynamicText({0, 0, 60, 20}, f)});
    page.memory.setWord(0, 40, 7);
    EXPECT_EQ(page.text(135), QStringLiteral("one"));
    page.runtime->press(135);
    EXPECT_EQ(page.memory.word(0, 40), 0);
    EXPECT_TRUE(page.runtime->focusFlag(135));
    page.runtime->release(135);
    EXPECT_FALSE(page.runtime->focusFlag(135));
    EXPECT_EQ(page.text(135), QStringLiteral("zero"));
    page.runtime->press(135);
    page.runtime->press(135);
    EXPECT_EQ(page.memory.word(0, 40), 2);
    EXPECT_EQ(page.runtime->toolTip(135), QStringLiteral(" 0.zero\r 1.one\r 2.two\r"));
}

TEST(DynamicText, MomentarySelectorReturnsToZero)
{
    kx::DynamicFields f{41, true, true, 0, {"a", "b"}, {"A", "B"}};
    RunningPage page({kx::dynamicText({0, 0, 60, 20}, f)});
    page.runtime->press(135);
    EXPECT_EQ(page.memory.word(0, 41), 1);
    page.runtime->release(135);
    EXPECT_EQ(page.memory.word(0, 41), 0);
}

struct BarCase
{
    kx::BarFields fields;
    std::int32_t value;
    int length;
};

class BarGraphTest : public testing::TestWithParam<BarCase>
{
};

TEST_P(BarGraphTest, BarLength)
{
    const BarCase c = GetParam();
    RunningPage page({kx::bar({0, 0, 20, 100}, c.fields)});
    page.memory.setWord32(0, c.fields.address, static_cast<std::uint32_t>(c.value));
    page.memory.setWord(0, 60, 100);
    page.runtime->refresh();
    EXPECT_EQ(page.control(0).textCache, QString::number(c.length));
}

kx::BarFields barOf(std::int32_t low, std::int32_t high, int direction = 0, bool is32 = false)
{
    kx::BarFields f;
    f.address = 50;
    f.low = low;
    f.high = high;
    f.direction = direction;
    f.is32 = is32;
    return f;
}

kx::BarFields indirect()
{
    kx::BarFields f = barOf(0, 0);
    f.indirectHigh = true;
    f.highRegister = 60;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BarGraphTest,
    testing::Values(BarCase{barOf(0, 100), 50, 50}, BarCase{barOf(0, 100), 150, 100},
                    BarCase{barOf(100, 100), 100, 0}, BarCase{barOf(100, 100), 101, 100},
                    BarCase{barOf(0, 100, 4), 50, 0}, BarCase{barOf(-100, 100, 0, true), 150, 100},
                    BarCase{barOf(-100, 100, 0, true), -100, 0},
                    BarCase{barOf(-100, 100, 0, true), 0, 50}, BarCase{barOf(0, 200), 1, 0},
                    BarCase{barOf(0, 200), 3, 2}, BarCase{barOf(0, 200), 5, 2},
                    BarCase{barOf(0, 100, 2), 25, 5}, BarCase{indirect(), 25, 25}));

TEST(BarGraph, DirectionFourDrawsOnlyBackgroundAndOutline)
{
    RunningPage page({kx::bar({0, 0, 20, 40}, barOf(0, 100, 4), 0xFFFFFF, 0x0000FF)});
    page.memory.setWord(0, 50, 100);
    page.runtime->refresh();
    const QImage &picture = page.control(0).picture;
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(10, 20), QColor(0xF8, 0xFC, 0xF8));
}

TEST(BitSwitch, TwoSwitchesOnOneWordChangeTheirOwnBits)
{
    RunningPage page({kx::bitSwitch({0, 0, 40, 20}, {70, 3, 3, false, 0}),
                      kx::bitSwitch({50, 0, 40, 20}, {70, 5, 3, false, 0})});
    page.runtime->press(0);
    page.runtime->release(0);
    EXPECT_EQ(page.memory.word(0, 70), 1 << 3);
    page.runtime->press(1);
    page.runtime->release(1);
    EXPECT_EQ(page.memory.word(0, 70), (1 << 3) | (1 << 5));
    page.runtime->press(0);
    page.runtime->release(0);
    EXPECT_EQ(page.memory.word(0, 70), 1 << 5);
}

TEST(BitSwitch, FunctionsSetClearMomentaryToggle)
{
    RunningPage page({kx::bitSwitch({0, 0, 40, 20}, {3, 0, 0, false, 2}),
                      kx::bitSwitch({0, 30, 40, 20}, {3, 0, 1, false, 2}),
                      kx::bitSwitch({0, 60, 40, 20}, {4, 0, 2, false, 2})});
    page.runtime->press(0);
    EXPECT_TRUE(page.memory.bit(0, 3));
    page.runtime->press(1);
    EXPECT_FALSE(page.memory.bit(0, 3));
    page.runtime->press(2);
    EXPECT_TRUE(page.memory.bit(0, 4));
    EXPECT_TRUE(page.control(2).pressed);
    page.runtime->release(2);
    EXPECT_FALSE(page.memory.bit(0, 4));
}

TEST(FunctionKey, PressInvertsReleaseGivesTheTarget)
{
    RunningPage page({kx::functionKey({0, 0, 40, 20}, 0, 250, 0)});
    const QColor normal = page.control(0).picture.pixelColor(20, 3);
    page.runtime->press(0);
    EXPECT_TRUE(page.control(0).pressed);
    const QColor inverted = page.control(0).picture.pixelColor(20, 3);
    EXPECT_EQ(inverted.red(), 255 - normal.red());
    EXPECT_EQ(page.runtime->release(0), 250);
    EXPECT_FALSE(page.control(0).pressed);
    EXPECT_EQ(page.runtime->lastHandledSlot(), 0);
}

TEST(RegisterElement, EntryRegisterGetsHandCursorAndRangeTip)
{
    kx::RegisterFields f = reg(5, true);
    f.entry = true;
    f.decimals = 1;
    f.low = -100;
    f.high = 250;
    RunningPage page({kx::registerRecord({0, 0, 80, 20}, f),
                      kx::registerRecord({0, 30, 80, 20}, reg(5, false))});
    EXPECT_TRUE(page.runtime->hasHandCursor(0));
    EXPECT_FALSE(page.runtime->hasHandCursor(1));
    EXPECT_EQ(page.runtime->toolTip(0), QStringLiteral("设定范围: -10.0~25.0"));
    EXPECT_EQ(page.runtime->press(0), PressAction::OpenKeypad);
    EXPECT_EQ(page.runtime->press(1), PressAction::None);
}

TEST(ShapeElements, MoveAndHideByRegisters)
{
    const std::uint32_t flags = 1 | 2 | 4 | (10u << 4) | (1u << 28);
    RunningPage page({kx::rectangle({5, 6, 30, 20}, 0xFF, flags, 11, 12)});
    page.runtime->refresh();
    EXPECT_FALSE(page.control(0).visible);
    page.memory.setWord(0, 10, 3);
    page.memory.setWord(0, 11, 4);
    page.memory.setWord(0, 12, 1);
    page.runtime->refresh();
    EXPECT_TRUE(page.control(0).visible);
    EXPECT_EQ(page.control(0).rect.topLeft(), QPoint(8, 10));
    // Moving right by one and up by one keeps the sum but still moves the shape.
    page.memory.setWord(0, 10, 4);
    page.memory.setWord(0, 11, 3);
    page.runtime->refresh();
    EXPECT_EQ(page.control(0).rect.topLeft(), QPoint(9, 9));
}

TEST(PageRuntime, OnlyChangedControlsAreRedrawn)
{
    RunningPage page({kx::registerRecord({0, 0, 80, 20}, reg(5, false))});
    EXPECT_FALSE(page.runtime->refresh());
    page.memory.setWord(0, 20, 3);
    EXPECT_TRUE(page.runtime->refresh());
    EXPECT_FALSE(page.runtime->refresh());
}

TEST(PageRuntime, LinesAreDrawnOnThePageAndHitTestsFindTheTopControl)
{
    RunningPage page({kx::line(0, 10, 99, 10, 1, 0x0000FF),
                      kx::text({10, 20, 50, 20}, "A", "B", 0, 0x00FF00),
                      kx::text({30, 20, 50, 20}, "C", "D", 0, 0xFF0000)});
    const QImage image = page.runtime->render(QSize(120, 60));
    EXPECT_EQ(image.pixelColor(50, 10), QColor(0xF8, 0, 0));
    EXPECT_EQ(page.runtime->slotAt(QPoint(35, 25)), 2);
    EXPECT_EQ(page.runtime->slotAt(QPoint(15, 25)), 1);
    EXPECT_EQ(page.runtime->slotAt(QPoint(5, 50)), -1);
}

} // namespace
