#include "renderfixture.h"

#include <functional>

namespace brevix::testing {
namespace {

// Element pictures whose every pixel follows from a look rule; the expected pictures are drawn
// from those rules by tests/data/render/make_expected.py.
struct GoldenCase
{
    const char *picture;
    int kind;
    int width;
    int height;
    std::function<void(PageRecord &, int slot)> adjust;
};

void PrintTo(const GoldenCase &c, std::ostream *os)
{
    *os << c.picture;
}

class GoldenPictureTest : public RenderTest, public ::testing::WithParamInterface<GoldenCase>
{
};

TEST_P(GoldenPictureTest, MatchesTheRule)
{
    const GoldenCase &c = GetParam();
    PageRecord &r = place(c.kind, c.width, c.height);
    c.adjust(r, 0);
    EXPECT_TRUE(samePixels(render(), expectedPicture(QString::fromLatin1(c.picture))));
}

const GoldenCase kGoldenCases[] = {
    {"register_sunken_12x8.png", 2, 12, 8,
     [](PageRecord &r, int s) {
         r.WordC[s] = 0x2000;
         r.TextA[s].clear();
     }},
    {"functionkey_raised_12x8.png", 8, 12, 8,
     [](PageRecord &r, int s) {
         r.WordC[s] = 0x2000;
         r.TextA[s].clear();
     }},
    {"text_plainborder_10x6.png", 1, 10, 6,
     [](PageRecord &r, int s) {
         r.WordC[s] = 0x1000;
         r.TextA[s].clear();
     }},
    {"rectangle_sunken_unfilled_12x8.png", 20, 12, 8,
     [](PageRecord &r, int s) {
         r.ForeColor[s] = 0x0000FF;
         r.WordD[s] = 0;
         r.WordE[s] = 1;
     }},
    {"rectangle_raised_filled_12x8.png", 22, 12, 8,
     [](PageRecord &r, int s) {
         r.ForeColor[s] = 0x0000FF;
         r.WordD[s] = 1;
         r.WordE[s] = 2;
     }},
    {"scale_top_11x9.png", 25, 11, 9,
     [](PageRecord &r, int s) {
         r.ForeColor[s] = 0x0000FF;
         r.WordA[s] = 3;
         r.ByteA[s] = 1;
         r.WordB[s] = 0;
         r.WordD[s] = 1;
     }},
    {"scale_right_9x11.png", 25, 9, 11,
     [](PageRecord &r, int s) {
         r.ForeColor[s] = 0x0000FF;
         r.WordA[s] = 3;
         r.ByteA[s] = 1;
         r.WordB[s] = 3;
         r.WordD[s] = 1;
     }},
    {"bargraph_solid_up_6x8.png", 5, 6, 8,
     [](PageRecord &r, int s) {
         r.ForeColor[s] = 0x0000FF;
         r.WordC[s] = 0x0000;
     }},
};

INSTANTIATE_TEST_SUITE_P(Looks, GoldenPictureTest, ::testing::ValuesIn(kGoldenCases));

} // namespace
} // namespace brevix::testing
