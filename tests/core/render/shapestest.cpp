#include "renderfixture.h"

namespace brevix::testing {
namespace {

using ShapeTest = RenderTest;

int opaqueCount(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += pixelAt(image, x, y) != 0;
    return n;
}

TEST_F(ShapeTest, LineWithForeColourZeroGetsOneWrittenBack)
{
    PageRecord &r = place(27, 10, 10);
    r.ForeColor[0] = 0;
    const QImage line = render();
    EXPECT_EQ(r.ForeColor[0], 1);
    EXPECT_EQ(pixelAt(line, 1, 1), 0xFF010000u) << "colour 1 is red 1";
    EXPECT_EQ(pixelAt(line, 0, 0), 0u) << "background transparent, not black";
}

TEST_F(ShapeTest, ScaleAndEllipseGetTheSameRepair)
{
    for (int kind : {25, 26}) {
        PageRecord &r = place(kind, 20, 20);
        r.ForeColor[0] = 0;
        render();
        EXPECT_EQ(r.ForeColor[0], 1) << kind;
    }
}

TEST_F(ShapeTest, OtherColoursAreLeftAlone)
{
    PageRecord &r = place(27, 10, 10);
    r.ForeColor[0] = 0x123456;
    render();
    EXPECT_EQ(r.ForeColor[0], 0x123456);
}

TEST_F(ShapeTest, FallingLineRunsFromOneOneAndLeavesOutItsEnd)
{
    PageRecord &r = place(27, 6, 5);
    r.ForeColor[0] = 0x0000FF;
    const QImage line = render();
    EXPECT_NE(pixelAt(line, 1, 1), 0u);
    EXPECT_EQ(pixelAt(line, 5, 4), 0u);
    for (int x = 1; x <= 4; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 5; ++y)
            inColumn += pixelAt(line, x, y) != 0;
        EXPECT_EQ(inColumn, 1) << x;
    }
    EXPECT_EQ(opaqueCount(line), 4);
}

TEST_F(ShapeTest, RisingLineRunsFromTheLowerLeft)
{
    PageRecord &r = place(27, 6, 5);
    r.ForeColor[0] = 0x0000FF;
    r.ByteC[0] = 1;
    const QImage line = render();
    EXPECT_NE(pixelAt(line, 1, 4), 0u);
    EXPECT_EQ(pixelAt(line, 1, 1), 0u);
    EXPECT_EQ(pixelAt(line, 5, 1), 0u);
}

TEST_F(ShapeTest, WideLineCoversMore)
{
    PageRecord &r = place(27, 30, 30);
    r.ForeColor[0] = 0x0000FF;
    r.WordC[0] = 1;
    const int thin = opaqueCount(render());
    r.WordC[0] = 5;
    EXPECT_GT(opaqueCount(render()), 3 * thin);
}

TEST_F(ShapeTest, ScaleWithFewerThanTwoMajorTicksDrawsNothing)
{
    for (int majors : {0, 1}) {
        PageRecord &r = place(25, 30, 100);
        r.ForeColor[0] = 0x0000FF;
        r.WordA[0] = std::uint16_t(majors);
        EXPECT_EQ(opaqueCount(render()), 0) << majors;
    }
}

TEST_F(ShapeTest, ScaleWithMoreTicksThanPixelsFillsItsTickBand)
{
    PageRecord &r = place(25, 20, 10);
    r.ForeColor[0] = 0x0000FF;
    r.WordA[0] = 65535;
    r.ByteA[0] = 255;
    r.WordB[0] = 0;
    const QImage scale = render();
    for (int x = 0; x <= 19; ++x)
        EXPECT_NE(pixelAt(scale, x, 0), 0u) << x;
}

TEST_F(ShapeTest, EllipseFilledOnlyWhenAsked)
{
    PageRecord &r = place(26, 21, 21);
    r.ForeColor[0] = 0x0000FF;
    r.WordD[0] = 1;
    EXPECT_EQ(pixelAt(render(), 10, 10), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(render(), 0, 0), 0u);
    r.WordD[0] = 0;
    EXPECT_EQ(pixelAt(render(), 10, 10), 0u);
    EXPECT_EQ(pixelAt(render(), 10, 0), 0xFFFF0000u);
}

TEST_F(ShapeTest, UnfilledRectangleWithoutBorderIsAFrameOfOnePixel)
{
    PageRecord &r = place(20, 10, 8);
    r.ForeColor[0] = 0x0000FF;
    r.WordD[0] = 0;
    r.WordE[0] = 0;
    const QImage rectangle = render();
    EXPECT_EQ(opaqueCount(rectangle), 2 * 10 + 2 * 6);
    EXPECT_EQ(pixelAt(rectangle, 9, 7), 0xFFFF0000u);
}

} // namespace
} // namespace brevix::testing
