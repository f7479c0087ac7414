#include "renderfixture.h"

namespace brevix::testing {
namespace {

using GraphTest = RenderTest;

constexpr QRgb kRed = 0xFFFF0000, kBarBack = 0xFF3A3A3A, kBlackPixel = 0xFF000000;

// Counts pixels of colour in the rows y1..y2-1 and columns x1..x2-1.
int countIn(const QImage &image, int x1, int y1, int x2, int y2, QRgb colour)
{
    int n = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            n += pixelAt(image, x, y) == colour;
    return n;
}

// Bar grows in direction (high byte of WordC): the half it grows into gets the fill.
struct BarCase
{
    int direction;
    QRect filledInside; // pixels inside the filled half's frame
    QRect emptyInside;  // pixels of the other half
};

class BarDirectionTest : public RenderTest, public ::testing::WithParamInterface<BarCase>
{
};

TEST_P(BarDirectionTest, SolidFillsTheHalfTheBarGrowsInto)
{
    const BarCase c = GetParam();
    PageRecord &r = place(5, 20, 20);
    r.ForeColor[0] = 0x0000FF;
    r.WordC[0] = std::uint16_t(c.direction << 8);
    const QImage bar = render();
    const QRect f = c.filledInside, e = c.emptyInside;
    EXPECT_EQ(countIn(bar, f.left(), f.top(), f.right() + 1, f.bottom() + 1, kRed),
              f.width() * f.height());
    EXPECT_EQ(countIn(bar, e.left(), e.top(), e.right() + 1, e.bottom() + 1, kBarBack),
              e.width() * e.height());
}

INSTANTIATE_TEST_SUITE_P(Directions, BarDirectionTest,
                         ::testing::Values(BarCase{0, QRect(1, 11, 18, 8), QRect(1, 1, 18, 9)},
                                           BarCase{1, QRect(1, 1, 18, 8), QRect(1, 11, 18, 8)},
                                           BarCase{2, QRect(1, 1, 8, 18), QRect(11, 1, 8, 18)},
                                           BarCase{3, QRect(11, 1, 8, 18), QRect(1, 1, 9, 18)}));

TEST_F(GraphTest, HatchedBarKeepsTheBackgroundBetweenItsLines)
{
    for (int pattern = 2; pattern <= 7; ++pattern) {
        PageRecord &r = place(5, 40, 40);
        r.ForeColor[0] = 0x0000FF;
        r.WordC[0] = std::uint16_t(pattern);
        const QImage bar = render();
        const int lines = countIn(bar, 1, 21, 39, 39, kRed);
        EXPECT_GT(lines, 20) << pattern;
        EXPECT_GT(countIn(bar, 1, 21, 39, 39, kBarBack), lines / 2) << pattern;
        EXPECT_EQ(countIn(bar, 1, 1, 39, 19, kRed), 0) << pattern;
    }
}

TEST_F(GraphTest, ClearPatternShowsOnlyTheFrames)
{
    PageRecord &r = place(5, 20, 20);
    r.ForeColor[0] = 0x0000FF;
    r.WordC[0] = 1;
    const QImage bar = render();
    EXPECT_EQ(countIn(bar, 0, 0, 20, 20, kRed), 0);
    EXPECT_EQ(pixelAt(bar, 5, 10), kBlackPixel) << "the half's frame";
}

TEST_F(GraphTest, TrendGridLinesInTheBackgroundComplement)
{
    PageRecord &r = place(4, 101, 61);
    r.BackColor[0] = 0;
    r.ForeColor[0] = 0x0000FF;
    r.WordB[0] = 0x0304; // 3 rows, 4 columns
    r.ByteB[0] = 0;      // no time labels: the plot is the whole picture
    r.ByteD[0] = 1;
    const QImage grid = render();
    // W = 100, H' = 60: columns at 25, 50, 75, rows at 20, 40 (the first of each is the rim).
    for (int x : {25, 50, 75})
        EXPECT_EQ(pixelAt(grid, x, 30), 0xFFFFFFFFu) << x;
    for (int y : {20, 40})
        EXPECT_EQ(pixelAt(grid, 60, y), 0xFFFFFFFFu) << y;
    EXPECT_EQ(pixelAt(grid, 0, 30), 0xFFFFFFFFu) << "the grid's first column lies on the rim";
    r.ByteD[0] = 0;
    const QImage plain = render();
    EXPECT_EQ(pixelAt(plain, 25, 30), kBlackPixel);
    EXPECT_EQ(pixelAt(plain, 0, 30), kRed) << "the rim in the foreground colour";
}

TEST_F(GraphTest, TrendSampleCurveStartsAtTheLowerLeft)
{
    PageRecord &r = place(4, 101, 61);
    r.BackColor[0] = 0;
    r.ForeColor[0] = 0x0000FF;
    r.ByteB[0] = 0;
    r.ByteD[0] = 0;
    const QImage curve = render();
    EXPECT_EQ(pixelAt(curve, 100 / 3, 5), kRed) << "first bend";
    EXPECT_EQ(pixelAt(curve, 50, 55), kRed) << "second bend";
    EXPECT_EQ(pixelAt(curve, 80, 30), kRed) << "the flat end";
}

TEST_F(GraphTest, TimeLabelsShrinkThePlot)
{
    PageRecord &r = place(4, 101, 61);
    r.BackColor[0] = 0;
    r.ForeColor[0] = 0x0000FF;
    r.WordB[0] = 0x0303;
    r.ByteB[0] = 1;
    r.WordE[0] = 0; // 16-pixel labels: label height 18, plot H' = 60 - 18 = 42
    const QImage labelled = render();
    EXPECT_EQ(pixelAt(labelled, 50, 41), kRed) << "bottom rim of the plot";
    EXPECT_GT(countIn(labelled, 0, 44, 101, 61, kRed), 20) << "label text";
    r.WordB[0] = 0x0301; // a single label must not divide by zero
    EXPECT_GT(countIn(render(), 0, 44, 101, 61, kRed), 5);
}

} // namespace
} // namespace brevix::testing
