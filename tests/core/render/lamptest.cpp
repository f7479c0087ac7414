#include "renderfixture.h"

namespace brevix::testing {
namespace {

using LampTest = RenderTest;

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

PageRecord &rectangleLamp(PageRecord &r)
{
    r.ByteE[0] = 1;
    r.ForeColor[0] = 0x0000FF; // red
    r.BackColor[0] = 0x00FF00; // green
    return r;
}

TEST_F(LampTest, OffShowsBackgroundInsideAndForegroundRim)
{
    rectangleLamp(place(3, 8, 6));
    const QImage off = render();
    EXPECT_EQ(pixelAt(off, 0, 0), kRed);
    EXPECT_EQ(pixelAt(off, 7, 5), kRed);
    EXPECT_EQ(pixelAt(off, 3, 3), kGreen);
}

TEST_F(LampTest, PreviewOnSwapsTheColours)
{
    rectangleLamp(place(3, 8, 6));
    RenderOptions on;
    on.lampsOn = true;
    const QImage lit = render(on);
    EXPECT_EQ(pixelAt(lit, 0, 0), kGreen);
    EXPECT_EQ(pixelAt(lit, 3, 3), kRed);
}

TEST_F(LampTest, StoredOnLampShowsOnWhilePreviewIsOffAndOffWhilePreviewIsOn)
{
    PageRecord &r = rectangleLamp(place(3, 8, 6));
    r.ByteC[0] = 1;
    EXPECT_EQ(pixelAt(render(), 3, 3), kRed);
    RenderOptions on;
    on.lampsOn = true;
    EXPECT_EQ(pixelAt(render(on), 3, 3), kGreen);
}

TEST_F(LampTest, EllipseCornersAreTransparent)
{
    PageRecord &r = place(3, 20, 20);
    r.ByteE[0] = 0;
    r.ForeColor[0] = 0x0000FF;
    r.BackColor[0] = 0x00FF00;
    const QImage lamp = render();
    EXPECT_EQ(pixelAt(lamp, 0, 0), 0u);
    EXPECT_EQ(pixelAt(lamp, 19, 19), 0u);
    EXPECT_EQ(pixelAt(lamp, 10, 10), kGreen);
    EXPECT_EQ(pixelAt(lamp, 10, 0), kRed);
}

// The transparent colour is chosen so the lamp's own colours stay visible.
struct TransparentCase
{
    int fore, back;
};

class LampTransparencyTest : public RenderTest,
                             public ::testing::WithParamInterface<TransparentCase>
{
};

TEST_P(LampTransparencyTest, OwnColoursNeverVanish)
{
    const TransparentCase c = GetParam();
    PageRecord &r = place(3, 10, 10);
    r.ByteE[0] = 1;
    r.ForeColor[0] = c.fore;
    r.BackColor[0] = c.back;
    const QImage lamp = render();
    EXPECT_NE(pixelAt(lamp, 0, 0), 0u) << "rim";
    EXPECT_NE(pixelAt(lamp, 5, 5), 0u) << "inside";
}

INSTANTIATE_TEST_SUITE_P(Colours, LampTransparencyTest,
                         ::testing::Values(TransparentCase{0, 0xFFFFFF},
                                           TransparentCase{2, 0xFFFFFF},
                                           TransparentCase{0, 0x123456},
                                           TransparentCase{0xFFFFFF, 0},
                                           TransparentCase{0x00FF00, 0x00FF00}));

int count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += pixelAt(image, x, y) == colour;
    return n;
}

TEST_F(LampTest, TextShapeWritesTheStateTextInThePenColour)
{
    PageRecord &r = place(3, 60, 20);
    r.ByteE[0] = 2;
    r.ForeColor[0] = 0x0000FF;
    r.BackColor[0] = 0xFFFFFF;
    r.TextA[0].setText(QStringLiteral("OFF"));
    r.TextB[0].setText(QStringLiteral("ON"));
    RenderOptions on;
    on.lampsOn = true;
    const int redOff = count(render(), kRed), whiteOn = count(render(on), 0xFFFFFFFF);
    r.TextA[0].clear();
    r.TextB[0].clear();
    EXPECT_GT(redOff, count(render(), kRed) + 10) << "OFF text in the foreground colour";
    EXPECT_GT(whiteOn, count(render(on), 0xFFFFFFFF) + 10) << "ON text in the background colour";
}

} // namespace
} // namespace brevix::testing
