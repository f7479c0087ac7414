#include "renderfixture.h"

#include <map>

namespace brevix::testing {
namespace {

// Pictures held in memory by number.
class MapPictures : public PictureSource
{
public:
    QImage picture(int number) const override
    {
        const auto found = pictures.find(number);
        return found == pictures.end() ? QImage() : found->second;
    }
    std::map<int, QImage> pictures;
};

// 4 x 2: red with a white pixel at (1, 0).
QImage redWithWhiteDot()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(1, 0, qRgb(255, 255, 255));
    return image;
}

class PictureTest : public RenderTest
{
protected:
    PictureTest()
    {
        source.pictures[7] = redWithWhiteDot();
        options.pictures = &source;
    }
    PageRecord &placePicture(int width, int height, int flags)
    {
        PageRecord &r = place(6, width, height);
        r.WordE[0] = 7;
        r.WordD[0] = std::uint16_t(flags);
        return r;
    }
    MapPictures source;
    RenderOptions options;
};

TEST_F(PictureTest, DrawnAtTheTopLeftUnstretched)
{
    placePicture(8, 4, 0);
    const QImage picture = render(options);
    EXPECT_EQ(picture.size(), QSize(8, 4));
    EXPECT_EQ(pixelAt(picture, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(picture, 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(picture, 5, 0), 0u) << "beyond the picture the page shows";
    EXPECT_EQ(pixelAt(picture, 0, 3), 0u);
}

TEST_F(PictureTest, TransparentColourIsTheBackColour)
{
    PageRecord &r = placePicture(4, 2, 1);
    r.BackColor[0] = 0xFFFFFF;
    const QImage picture = render(options);
    EXPECT_EQ(pixelAt(picture, 1, 0), 0u);
    EXPECT_EQ(pixelAt(picture, 0, 0), 0xFFFF0000u);
}

TEST_F(PictureTest, StretchedToTheElement)
{
    placePicture(8, 4, 2);
    const QImage picture = render(options);
    EXPECT_EQ(pixelAt(picture, 2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(picture, 3, 1), 0xFFFFFFFFu);
    EXPECT_EQ(pixelAt(picture, 7, 3), 0xFFFF0000u);
}

TEST_F(PictureTest, MissingPictureShowsThePlaceholderInTheInterfaceLanguage)
{
    PageRecord &r = placePicture(165, 23, 0);
    r.WordE[0] = 8;
    const QImage chinese = render(options);
    EXPECT_EQ(pixelAt(chinese, 0, 0), 0xFF000000u) << "the placeholder's frame";
    EXPECT_EQ(pixelAt(chinese, 164, 22), 0xFF000000u);
    EXPECT_EQ(pixelAt(chinese, 1, 1), 0xFFFFFFFFu);
    options.interfaceLanguage = Language::English;
    EXPECT_NE(render(options), chinese);
    EXPECT_EQ(render(RenderOptions{}), chinese) << "no library at all: the same placeholder";
}

} // namespace
} // namespace brevix::testing
