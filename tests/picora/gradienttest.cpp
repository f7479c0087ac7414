#include "gradient.h"
#include "memorybitmap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using brevix::picora::gradientStep;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// Grey level n as a Windows colour and as a pixel value (they agree for greys).
constexpr std::uint32_t grey(std::uint32_t n)
{
    return n * 0x010101;
}

struct StepCase
{
    std::uint32_t a;
    std::uint32_t b;
    int i;
    int divisor;
    std::uint32_t expected;
};

class GradientStep : public testing::TestWithParam<StepCase>
{
};

TEST_P(GradientStep, RoundsEachChannelToTheNearest)
{
    const StepCase &c = GetParam();
    EXPECT_EQ(gradientStep(c.a, c.b, c.i, c.divisor), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GradientStep,
    testing::Values(
        StepCase{kBlack, kWhite, 0, 255, kBlack}, StepCase{kBlack, kWhite, 128, 255, grey(128)},
        StepCase{kBlack, kWhite, 255, 255, kWhite}, StepCase{kWhite, kBlack, 1, 255, grey(254)},
        // Half a step rounds away from zero, upwards and downwards.
        StepCase{0x000000, 0x000001, 1, 2, 0x000001}, StepCase{0x000001, 0x000000, 1, 2, 0x000000},
        StepCase{0x000000, 0x000003, 1, 2, 0x000002},
        // Channels move independently: red up, green down, blue still.
        StepCase{0x40FF00, 0x004000FF, 1, 3, 0x40AA55},
        // Styles 5 and 6 on a one-pixel side divide by zero: the step is colour A.
        StepCase{0x123456, 0xABCDEF, 0, 0, 0x123456},
        // Bits above the colour are ignored.
        StepCase{0xFF000000, 0x00000000, 7, 255, 0x000000}));

// Paints style over the whole of a width x height black canvas from black to white.
MemoryBitmap painted(int style, int width, int height, std::uint32_t a = kBlack,
                     std::uint32_t b = kWhite)
{
    MemoryBitmap canvas(width, height, 0x0000FF);
    const PicoraBitmap table = canvas.bitmap();
    EXPECT_EQ(
        picoraGradientFill(&table, style, std::int32_t(a), std::int32_t(b), 0, 0, width, height),
        PICORA_OK);
    return canvas;
}

TEST(GradientBands, Style1GivesOneBandPerStepLeftToRight)
{
    const MemoryBitmap wide = painted(1, 512, 2);
    for (int x = 0; x < 512; ++x) {
        ASSERT_EQ(wide.at(x, 0), grey(std::uint32_t(x / 2))) << "x " << x;
        ASSERT_EQ(wide.at(x, 1), grey(std::uint32_t(x / 2))) << "x " << x;
    }
    const MemoryBitmap exact = painted(1, 256, 1);
    for (int x = 0; x < 256; ++x)
        ASSERT_EQ(exact.at(x, 0), grey(std::uint32_t(x))) << "x " << x;
}

TEST(GradientBands, Style2GivesOneBandPerStepTopToBottom)
{
    const MemoryBitmap tall = painted(2, 3, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(tall.at(x, y), grey(std::uint32_t(y))) << "y " << y;
}

TEST(GradientBands, Style5RunsFromTheEdgesToTheMiddle)
{
    // Red 0 to 0xFF over H/2 = 3 steps: rows 0 and 6 at A, 1 and 5 one third, middle row at B.
    const MemoryBitmap rows = painted(5, 4, 7, 0x000000, 0x0000FF);
    const std::uint32_t expected[7] = {0x000000, 0x550000, 0xAA0000, 0xFF0000,
                                       0xAA0000, 0x550000, 0x000000};
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(rows.at(x, y), expected[y]) << "y " << y;
}

TEST(GradientBands, Style6RunsFromTheSidesToTheMiddle)
{
    const MemoryBitmap columns = painted(6, 9, 2, 0x00FF00, 0x000000);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(columns.at(0, y), 0x00FF00u);
        EXPECT_EQ(columns.at(8, y), 0x00FF00u);
        EXPECT_EQ(columns.at(4, y), 0x000000u);
    }
}

struct CornerCase
{
    int style;
    int size;
    int x;
    int y;
    std::uint32_t expected;
};

class GradientCorners : public testing::TestWithParam<CornerCase>
{
};

// Style 12 folds away from the bottom-left pixel, which keeps A; the innermost rectangle of
// style 4 is B.
TEST_P(GradientCorners, HoldTheEndColours)
{
    const CornerCase &c = GetParam();
    EXPECT_EQ(painted(c.style, c.size, c.size).at(c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, GradientCorners,
                         testing::Values(CornerCase{12, 255, 0, 254, kBlack},
                                         CornerCase{4, 64, 32, 32, kWhite}));

struct DiagonalCase
{
    int style;
    int stepX; // direction in which the colour never falls
    int stepY;
};

class GradientDiagonal : public testing::TestWithParam<DiagonalCase>
{
};

// The diagonal styles grow from their own corner (A) to the opposite one (next to B) without
// ever turning back along a row or a column.
TEST_P(GradientDiagonal, GrowsAwayFromItsCorner)
{
    const DiagonalCase &c = GetParam();
    const int w = 40, h = 25;
    const MemoryBitmap canvas = painted(c.style, w, h);
    auto level = [&](int x, int y) { return canvas.at(x, y) & 0xFF; };
    const int startX = c.stepX > 0 ? 0 : w - 1, startY = c.stepY > 0 ? 0 : h - 1;
    // A corner pixel's centre lies one pixel diagonal (two band advances) inside the picture.
    const unsigned slack = 2 * 255 / (w + h) + 1;
    EXPECT_LE(level(startX, startY), slack);
    EXPECT_GE(level(w - 1 - startX, h - 1 - startY), 254 - slack);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(canvas.at(x, y), grey(level(x, y)));
            if (x + c.stepX >= 0 && x + c.stepX < w) {
                ASSERT_LE(level(x, y), level(x + c.stepX, y)) << x << "," << y;
            }
            if (y + c.stepY >= 0 && y + c.stepY < h) {
                ASSERT_LE(level(x, y), level(x, y + c.stepY)) << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Corners, GradientDiagonal,
                         testing::Values(DiagonalCase{7, 1, 1}, DiagonalCase{8, -1, 1},
                                         DiagonalCase{9, -1, -1}, DiagonalCase{10, 1, -1}));

class GradientAnyStyle : public testing::TestWithParam<std::tuple<int, std::pair<int, int>>>
{
};

// Every style paints every pixel of odd-sized rectangles with colours between A and B.
TEST_P(GradientAnyStyle, PaintsEveryPixelWithinTheColourRange)
{
    const auto [style, size] = GetParam();
    const auto [width, height] = size;
    const MemoryBitmap canvas = painted(style, width, height, 0x604020, 0x20A0E0);
    // Pixel values are 0xRRGGBB: A is (r 0x20, g 0x40, b 0x60), B is (r 0xE0, g 0xA0, b 0x20).
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = canvas.at(x, y);
            const std::uint32_t r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
            ASSERT_TRUE(r >= 0x20 && r <= 0xE0 && g >= 0x40 && g <= 0xA0 && b >= 0x20 && b <= 0x60)
                << std::hex << p << " at " << std::dec << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GradientAnyStyle,
                         testing::Combine(testing::Range(1, 14),
                                          testing::Values(std::pair{1, 1}, std::pair{3, 2},
                                                          std::pair{257, 3}, std::pair{2, 257})));

TEST(GradientPlacement, PaintsOnlyTheRectangleClippedToTheTarget)
{
    MemoryBitmap canvas(6, 4, 0x0000FF);
    const PicoraBitmap table = canvas.bitmap();
    // (4, 2)-(9, 7) hangs over the right and bottom edges; style 5 paints A on its first row.
    ASSERT_EQ(picoraGradientFill(&table, 5, 0x00FF00, 0x00FF00, 4, 2, 9, 7), PICORA_OK);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.at(x, y), x >= 4 && y >= 2 ? 0x00FF00u : 0x0000FFu) << x << "," << y;
}

TEST(GradientPlacement, NegativeOriginShowsTheGradientsLowerRightPart)
{
    MemoryBitmap canvas(2, 1, 0x0000FF);
    const PicoraBitmap table = canvas.bitmap();
    // A 256-wide style 1 gradient starting 254 pixels left of the target: its last two bands.
    ASSERT_EQ(picoraGradientFill(&table, 1, 0, 0xFFFFFF, -254, 0, 2, 1), PICORA_OK);
    EXPECT_EQ(canvas.at(0, 0), grey(254));
    EXPECT_EQ(canvas.at(1, 0), grey(255));
}

struct RefusedFill
{
    std::string name;
    int style;
    int x1, y1, x2, y2;
    int status;
};

class GradientRefused : public testing::TestWithParam<RefusedFill>
{
};

TEST_P(GradientRefused, PaintsNothing)
{
    const RefusedFill &c = GetParam();
    MemoryBitmap canvas(4, 4, 0x123456);
    const PicoraBitmap table = canvas.bitmap();
    pGradientFill(&table, c.style, 0, 0xFFFFFF, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(picoraLastError(), c.status);
    EXPECT_EQ(canvas.rows(), MemoryBitmap(4, 4, 0x123456).rows());
    EXPECT_EQ(canvas.loadCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GradientRefused,
    testing::Values(RefusedFill{"StyleZero", 0, 0, 0, 4, 4, PICORA_ERROR_BAD_ARGUMENT},
                    RefusedFill{"StyleFourteen", 14, 0, 0, 4, 4, PICORA_ERROR_BAD_ARGUMENT},
                    RefusedFill{"NegativeStyle", -1, 0, 0, 4, 4, PICORA_ERROR_BAD_ARGUMENT},
                    RefusedFill{"EmptyWidth", 1, 2, 0, 2, 4, PICORA_ERROR_BAD_ARGUMENT},
                    RefusedFill{"ReversedHeight", 1, 0, 4, 4, 0, PICORA_ERROR_BAD_ARGUMENT},
                    RefusedFill{"WidthOverflowsInt", 1, INT32_MIN, 0, INT32_MAX, 4,
                                PICORA_ERROR_TOO_LARGE},
                    RefusedFill{"TooManyPixels", 2, 0, 0, 30000, 30000, PICORA_ERROR_TOO_LARGE}),
    [](const testing::TestParamInfo<RefusedFill> &info) { return info.param.name; });

} // namespace
