#include "render/panelfont.h"
#include "renderfixture.h"

namespace brevix::testing {
namespace {

using TextElementTest = RenderTest;

// True when every pixel of the picture's outer edge has colour.
bool edgeIs(const QImage &image, QRgb colour)
{
    for (int x = 0; x < image.width(); ++x)
        if (pixelAt(image, x, 0) != colour || pixelAt(image, x, image.height() - 1) != colour)
            return false;
    for (int y = 0; y < image.height(); ++y)
        if (pixelAt(image, 0, y) != colour || pixelAt(image, image.width() - 1, y) != colour)
            return false;
    return true;
}

int countPixels(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += pixelAt(image, x, y) == colour;
    return n;
}

TEST_F(TextElementTest, PlainBorderIsBlackOtherwiseTheBackground)
{
    PageRecord &r = place(1, 76, 26);
    r.BackColor[0] = 0x00FFFF; // yellow
    r.ForeColor[0] = 0xFF0000; // blue
    r.WordC[0] = 0x1100;
    EXPECT_TRUE(edgeIs(render(), 0xFF000000));
    r.WordC[0] = 0x0100;
    EXPECT_TRUE(edgeIs(render(), 0xFFFFFF00));
}

TEST_F(TextElementTest, TextIsDrawnInTheForegroundColour)
{
    PageRecord &r = place(1, 76, 26);
    r.BackColor[0] = 0xFFFFFF;
    r.ForeColor[0] = 0x0000FF;
    r.WordC[0] = 0x0100;
    EXPECT_GT(countPixels(render(), 0xFFFF0000), 20);
    r.TextA[0].clear();
    EXPECT_EQ(countPixels(render(), 0xFFFF0000), 0);
}

TEST_F(TextElementTest, WithoutFontOptimisationOnlyTheTwoColoursRemain)
{
    PageRecord &r = place(1, 200, 60);
    r.BackColor[0] = 0xFFFFFF;
    r.ForeColor[0] = 0x000000;
    r.WordC[0] = 0x0300; // 48 pixels: drawn smoothed first
    r.TextA[0].setText(QStringLiteral("字体"));
    RenderOptions options;
    options.fontOptimisation = false;
    const QImage thin = render(options);
    EXPECT_EQ(countPixels(thin, 0xFF000000) + countPixels(thin, 0xFFFFFFFF), 200 * 60);
    options.fontOptimisation = true;
    const QImage smooth = render(options);
    EXPECT_LT(countPixels(smooth, 0xFF000000) + countPixels(smooth, 0xFFFFFFFF), 200 * 60)
        << "kept as drawn, the smoothed edges have other greys";
}

// Which text the editor shows for each kind when the second language is chosen.
struct LanguageCase
{
    int kind;
    bool followsLanguage;
};

class TextLanguageTest : public RenderTest, public ::testing::WithParamInterface<LanguageCase>
{
};

TEST_P(TextLanguageTest, SecondLanguageSwitchesOnlyTextDynamicTextAndFunctionKey)
{
    const LanguageCase c = GetParam();
    PageRecord &r = place(c.kind, 100, 30);
    r.WordC[0] = 0x0000;
    r.TextA[0].setText(QStringLiteral("AAAA"));
    r.TextB[0].setText(QStringLiteral("中文"));
    RenderOptions first;
    first.language = 0;
    const QImage firstPicture = render(first);
    RenderOptions second;
    second.language = 1;
    const QImage secondPicture = render(second);
    EXPECT_EQ(firstPicture != secondPicture, c.followsLanguage);

    // The project's start language is the default choice.
    project.settings().ByteA[0] = 1;
    EXPECT_EQ(render(), secondPicture);
    project.settings().ByteA[0] = 0;
    EXPECT_EQ(render(), firstPicture);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TextLanguageTest,
                         ::testing::Values(LanguageCase{1, true}, LanguageCase{7, true},
                                           LanguageCase{8, true}, LanguageCase{2, false},
                                           LanguageCase{9, false}, LanguageCase{10, false},
                                           LanguageCase{11, false}));

TEST_F(TextElementTest, DateAndTimeGetTheSunkenFrameFromAnyBorderValue)
{
    for (int kind : {10, 11}) {
        PageRecord &r = place(kind, 40, 20);
        r.TextA[0].clear();
        r.WordC[0] = 0x1000;
        const QImage framed = render();
        EXPECT_EQ(pixelAt(framed, 0, 0), 0xFFA0A0A0u) << kind;
        EXPECT_EQ(pixelAt(framed, 1, 1), 0xFF696969u) << kind;
        EXPECT_EQ(pixelAt(framed, 39, 19), 0xFFFFFFFFu) << kind;
        r.WordC[0] = 0x0100;
        EXPECT_EQ(pixelAt(render(), 0, 0), 0xFFFFFFFFu) << kind << ": no frame below 4096";
    }
}

TEST_F(TextElementTest, TextStartsOneOrThreePixelsInByBorder)
{
    // A one-byte "|" glyph leaves its cell's left pixels free, so compare where ink begins.
    auto firstInkColumn = [this](int style) {
        PageRecord &r = place(1, 60, 20);
        r.BackColor[0] = 0xFFFFFF;
        r.ForeColor[0] = 0x0000FF;
        r.WordC[0] = std::uint16_t(style);
        r.TextA[0].setText(QStringLiteral("国"));
        const QImage image = render();
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (pixelAt(image, x, y) == 0xFFFF0000u)
                    return x;
        return -1;
    };
    const int plain = firstInkColumn(0x0000);
    ASSERT_GE(plain, 1);
    EXPECT_EQ(firstInkColumn(0x1000), plain + 2);
}

TEST(PanelTextSizeTest, CellsByIndexAndDamagedIndexFallsBackToSmallest)
{
    const int heights[] = {16, 24, 32, 48, 64, 80, 96, 112};
    const int widths[] = {8, 12, 17, 24, 32, 40, 48, 56};
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(panelTextSize(s).cellHeight, heights[s]);
        EXPECT_EQ(panelTextSize(s).halfWidth, widths[s]);
    }
    EXPECT_EQ(panelTextSize(15).cellHeight, 16);
    EXPECT_EQ(panelTextSize(-1).halfWidth, 8);
    EXPECT_EQ(panelTextWidth(QByteArray("\xD6\xD0"
                                        "ab"),
                             1),
              48)
        << "two-byte characters count twice";
}

} // namespace
} // namespace brevix::testing
