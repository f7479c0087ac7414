#include "renderfixture.h"

#include <cstring>

namespace brevix::testing {
namespace {

// Damaged or extreme fields must give a picture of bounded size and never crash.
enum class Damage { ZeroSize, HugeSize, FontIndex15, DamagedTexts, AllOnes };

struct RobustCase
{
    int kind;
    Damage damage;
};

void PrintTo(const RobustCase &c, std::ostream *os)
{
    *os << "kind " << c.kind << " damage " << int(c.damage);
}

class RobustnessTest : public RenderTest, public ::testing::WithParamInterface<RobustCase>
{
};

void damage(PageRecord &r, int s, Damage d)
{
    switch (d) {
    case Damage::ZeroSize:
        r.Width[s] = 0;
        r.Height[s] = 0;
        break;
    case Damage::HugeSize:
        r.Width[s] = 65535;
        r.Height[s] = 65535;
        r.Left[s] = 65535;
        r.Top[s] = 65535;
        break;
    case Damage::FontIndex15:
        r.WordC[s] = 0xFFFF;
        r.WordE[s] = 0xFFFF;
        break;
    case Damage::DamagedTexts:
        // A length byte past the capacity, and a cut two-byte character at the end.
        r.TextA[s].length = 255;
        std::memset(r.TextA[s].chars, 0xD6, sizeof r.TextA[s].chars);
        r.TextB[s].length = 255;
        std::memset(r.TextB[s].chars, 0x81, sizeof r.TextB[s].chars);
        r.AuxTextA[s].length = 200;
        r.AuxTextB[s].length = 1;
        r.AuxTextB[s].chars[0] = char(0xFE);
        break;
    case Damage::AllOnes:
        r.Width[s] = 300;
        r.Height[s] = 200;
        r.WordA[s] = r.WordB[s] = r.WordC[s] = r.WordD[s] = r.WordE[s] = 0xFFFF;
        r.ByteA[s] = r.ByteB[s] = r.ByteC[s] = r.ByteD[s] = r.ByteE[s] = 0xFF;
        r.LongA[s] = r.LongB[s] = -1;
        r.BackColor[s] = r.ForeColor[s] = -1;
        break;
    }
}

TEST_P(RobustnessTest, DrawsWithinThePage)
{
    const RobustCase c = GetParam();
    PageRecord &r = place(c.kind, 60, 30);
    damage(r, 0, c.damage);
    const QImage picture = render();
    ASSERT_FALSE(picture.isNull());
    EXPECT_LE(picture.width(), 320);
    EXPECT_LE(picture.height(), 240);
    EXPECT_GT(picture.width(), 0);
    const QImage page = renderPage(project, 1, RenderOptions{});
    EXPECT_EQ(page.size(), QSize(320, 240));
}

std::vector<RobustCase> allCases()
{
    std::vector<RobustCase> cases;
    for (int kind : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 16, 19,
                     20, 21, 22, 23, 24, 25, 26, 27, 29, 33, 34, 12, 255})
        for (Damage d : {Damage::ZeroSize, Damage::HugeSize, Damage::FontIndex15,
                         Damage::DamagedTexts, Damage::AllOnes})
            cases.push_back({kind, d});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RobustnessTest, ::testing::ValuesIn(allCases()));

using RenderAddressTest = RenderTest;

TEST_F(RenderAddressTest, EmptySlotAndOutOfRangeGiveNothing)
{
    EXPECT_TRUE(renderElement(project, 1, 0, {}).isNull());
    place(1, 20, 20);
    EXPECT_FALSE(renderElement(project, 1, 0, {}).isNull());
    EXPECT_TRUE(renderElement(project, 1, 201, {}).isNull());
    EXPECT_TRUE(renderElement(project, 241, 0, {}).isNull());
    EXPECT_TRUE(renderElement(project, -1, 0, {}).isNull());
    EXPECT_TRUE(renderPage(project, 241, {}).isNull());
}

} // namespace
} // namespace brevix::testing
