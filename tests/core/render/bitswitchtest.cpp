#include "renderfixture.h"

namespace brevix::testing {
namespace {

using BitSwitchTest = RenderTest;

int count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += pixelAt(image, x, y) == colour;
    return n;
}

TEST_F(BitSwitchTest, OnLookUsesItsOwnColoursAndText)
{
    PageRecord &r = place(34, 80, 32);
    r.WordC[0] = 0x0100;
    const QImage off = render();
    EXPECT_EQ(pixelAt(off, 40, 1), 0xFFECE9D8u) << "BackColor 0xD8E9EC";
    RenderOptions on;
    on.lampsOn = true;
    const QImage lit = render(on);
    EXPECT_EQ(pixelAt(lit, 40, 1), 0xFF1EFF1Eu) << "LongA";
}

TEST_F(BitSwitchTest, InvisibleSwitchIsGreyAndDotted)
{
    PageRecord &r = place(34, 80, 32);
    r.WordC[0] = 0x0100;
    r.ByteC[0] = 1;
    r.ForeColor[0] = 0x0000FF;
    const QImage invisible = render();
    EXPECT_EQ(count(invisible, 0xFFFF0000), 0) << "text drawn grey";
    EXPECT_GT(count(invisible, 0xFFB9B9B9), 20);
    // The top edge is dotted: three on, three off.
    EXPECT_EQ(pixelAt(invisible, 0, 0), 0xFFB9B9B9u);
    EXPECT_EQ(pixelAt(invisible, 2, 0), 0xFFB9B9B9u);
    EXPECT_EQ(pixelAt(invisible, 3, 0), 0xFFECE9D8u);
    EXPECT_EQ(pixelAt(invisible, 6, 0), 0xFFB9B9B9u);
    EXPECT_EQ(pixelAt(invisible, 79, 31), 0xFFECE9D8u) << "bottom right edge lies outside";
}

TEST_F(BitSwitchTest, RaisedFrame)
{
    PageRecord &r = place(34, 40, 20);
    r.WordC[0] = 0x2000;
    r.TextA[0].clear();
    const QImage framed = render();
    EXPECT_EQ(pixelAt(framed, 0, 0), 0xFFC8C8C8u);
    EXPECT_EQ(pixelAt(framed, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(framed, 39, 19), 0xFF696969u);
    EXPECT_EQ(pixelAt(framed, 38, 18), 0xFFA0A0A0u);
}

TEST_F(BitSwitchTest, SecondLanguageUsesTheAuxiliaryTexts)
{
    PageRecord &r = place(34, 80, 32);
    r.TextA[0].setText(QStringLiteral("AAAA"));
    r.AuxTextA[0].setText(QStringLiteral("中文"));
    RenderOptions first, second;
    first.language = 0;
    second.language = 1;
    const QImage english = render(second);
    EXPECT_NE(render(first), english);
    r.TextA[0].setText(QStringLiteral("中文"));
    EXPECT_EQ(render(first), english);
}

// Horizontal placement by the alignment bits: left at 2, centred, right 3 pixels in.
TEST_F(BitSwitchTest, AlignmentMovesTheText)
{
    auto inkSpan = [this](int alignment) {
        PageRecord &r = place(34, 100, 20);
        r.ForeColor[0] = 0x0000FF;
        r.WordC[0] = std::uint16_t(alignment << 4);
        r.TextA[0].setText(QStringLiteral("国国")); // 32 pixels wide
        const QImage image = render();
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (pixelAt(image, x, y) == 0xFFFF0000u) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
        return std::pair(first, last);
    };
    const auto left = inkSpan(0), centre = inkSpan(1), right = inkSpan(2);
    EXPECT_EQ(centre.first - left.first, (100 - 32) / 2 - 2);
    EXPECT_EQ(right.first - left.first, 100 - 32 - 3 - 2);
}

} // namespace
} // namespace brevix::testing
