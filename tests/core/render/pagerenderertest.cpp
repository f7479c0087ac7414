#include "renderfixture.h"

#include <QPainter>

namespace brevix::testing {
namespace {

using PageRenderTest = RenderTest;

struct GeometryCase
{
    int left, top, width, height;
    QRect expected;
};

class GeometryRepairTest : public RenderTest, public ::testing::WithParamInterface<GeometryCase>
{
};

TEST_P(GeometryRepairTest, AsTheEditorShowsIt)
{
    const GeometryCase c = GetParam();
    place(20, 10, 10);
    PageRecord &r = page();
    r.Left[0] = std::uint16_t(c.left);
    r.Top[0] = std::uint16_t(c.top);
    r.Width[0] = std::uint16_t(c.width);
    r.Height[0] = std::uint16_t(c.height);
    EXPECT_EQ(elementGeometry(project, 1, 0), c.expected);
    EXPECT_EQ(r.Width[0], c.width) << "reading the geometry changes nothing";
    repairElementGeometry(project, 1, 0);
    EXPECT_EQ(QRect(r.Left[0], r.Top[0], r.Width[0], r.Height[0]), c.expected);
}

// Page 320 x 240.
INSTANTIATE_TEST_SUITE_P(Cases, GeometryRepairTest,
                         ::testing::Values(GeometryCase{20, 30, 40, 50, QRect(20, 30, 40, 50)},
                                           GeometryCase{321, 30, 40, 50, QRect(6, 30, 40, 50)},
                                           GeometryCase{320, 240, 40, 50, QRect(320, 240, 40, 50)},
                                           GeometryCase{20, 241, 40, 50, QRect(20, 6, 40, 50)},
                                           GeometryCase{20, 30, 0, 0, QRect(20, 30, 16, 16)},
                                           GeometryCase{20, 30, 400, 300,
                                                        QRect(20, 30, 320, 240)}));

TEST_F(PageRenderTest, PageHasItsSizeBackgroundAndDottedEdge)
{
    page().PageStrings[BackColorText].setBytes("255"); // red
    const QImage image = renderPage(project, 1, RenderOptions{});
    EXPECT_EQ(image.size(), QSize(320, 240));
    EXPECT_EQ(pixelAt(image, 100, 100), 0xFFFF0000u);
    // The edge is drawn with the grid colour, dotted.
    EXPECT_NE(pixelAt(image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(image, 3, 0), 0xFFFF0000u);
}

TEST_F(PageRenderTest, UnparsableBackgroundIsWhite)
{
    page().PageStrings[BackColorText].setBytes("abc");
    EXPECT_EQ(pixelAt(renderPage(project, 1, RenderOptions{}), 100, 100), 0xFFFFFFFFu);
}

TEST_F(PageRenderTest, ElementsSitFivePixelsInFromTheirStoredPosition)
{
    page().PageStrings[BackColorText].setBytes("16777215");
    PageRecord &r = place(20, 4, 4);
    r.Left[0] = 15;
    r.Top[0] = 25;
    r.ForeColor[0] = 0x0000FF;
    r.WordD[0] = 1;
    const QImage image = renderPage(project, 1, RenderOptions{});
    EXPECT_EQ(pixelAt(image, 10, 20), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(image, 13, 23), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(image, 9, 20), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(image, 14, 24), 0xFFFFFFFFu);
}

TEST_F(PageRenderTest, LaterSlotsDrawOverEarlierOnesAndTransparencyShowsThrough)
{
    page().PageStrings[BackColorText].setBytes("16777215");
    PageRecord &r = place(20, 20, 20, 0); // filled blue square
    r.ForeColor[0] = 0xFF0000;
    r.WordD[0] = 1;
    place(20, 20, 20, 1); // unfilled red frame on top
    r.ForeColor[1] = 0x0000FF;
    r.WordD[1] = 0;
    const QImage image = renderPage(project, 1, RenderOptions{});
    EXPECT_EQ(pixelAt(image, 15, 15), 0xFFFF0000u) << "the top frame";
    EXPECT_EQ(pixelAt(image, 25, 25), 0xFF0000FFu) << "the square through the frame";
}

TEST_F(PageRenderTest, GridDotsUseTheStepsCrosswise)
{
    page().PageStrings[BackColorText].setBytes("16777215");
    RenderOptions options;
    options.showGrid = true;
    options.gridX = 10; // vertical pitch
    options.gridY = 30; // horizontal pitch
    options.gridColour = 0x0000FF;
    const QImage image = renderPage(project, 1, options);
    EXPECT_EQ(pixelAt(image, 30, 10), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(image, 60, 20), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(image, 10, 30), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(image, 31, 10), 0xFFFFFFFFu);
}

TEST_F(PageRenderTest, DrawElementUsesEditorCoordinates)
{
    PageRecord &r = place(20, 4, 4);
    r.Left[0] = 15;
    r.Top[0] = 25;
    r.ForeColor[0] = 0x0000FF;
    r.WordD[0] = 1;
    QImage canvas(40, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    drawElement(painter, project, 1, 0, RenderOptions{});
    painter.end();
    EXPECT_EQ(pixelAt(canvas, 15, 25), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(canvas, 14, 25), 0xFFFFFFFFu);
}

TEST_F(PageRenderTest, SamplePageWithEveryKindDraws)
{
    Project &sample = project;
    const int placed = fillSamplePage(sample);
    const QImage image = renderPage(sample, 1, RenderOptions{});
    EXPECT_EQ(image.size(), QSize(480, 272));
    for (int slot = 0; slot < placed; ++slot)
        EXPECT_FALSE(renderElement(sample, 1, slot, RenderOptions{}).isNull()) << slot;
}

} // namespace
} // namespace brevix::testing
