// The pixel transforms through the C interface, on a bitmap that knows nothing of the library.
#include "memorybitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Rows = std::vector<std::vector<std::uint32_t>>; // 0x00RRGGBB, top row first

constexpr std::uint32_t windowsColor(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

const Rows kThreeByTwo = {{0x112233, 0x445566, 0x778899}, {0xAABBCC, 0xDDEEFF, 0x010203}};

struct TransformCase
{
    std::string name;
    std::function<int(const PicoraBitmap *)> apply;
    Rows input;
    Rows expected;
};

class Transform : public testing::TestWithParam<std::tuple<TransformCase, int>>
{
};

// Every transform gives the same result whatever depth the caller saves at, and always hands
// back a 24-bit BMP.
TEST_P(Transform, GivesTheExpectedPicture)
{
    const auto &[c, savedDepth] = GetParam();
    MemoryBitmap bitmap = MemoryBitmap::fromRows(c.input);
    bitmap.saveBitsPerPixel = savedDepth;
    const PicoraBitmap table = bitmap.bitmap();
    ASSERT_EQ(c.apply(&table), PICORA_OK);
    EXPECT_EQ(picoraLastError(), PICORA_OK);
    EXPECT_EQ(bitmap.rows(), c.expected);
    if (c.name.find("Rotate") == std::string::npos) { // the rotation writes rows, loads nothing
        EXPECT_EQ(bitmap.loadedBitsPerPixel, 24);
    }
}

const TransformCase kCases[] = {
    {"MirrorOnePixel", picoraHorizontalExchange, {{0x123456}}, {{0x123456}}},
    {"FlipOnePixel", picoraVerticalExchange, {{0x123456}}, {{0x123456}}},
    {"RotateOnePixel", picoraCircumgyrate90, {{0x123456}}, {{0x123456}}},
    {"Mirror",
     picoraHorizontalExchange,
     kThreeByTwo,
     {{0x778899, 0x445566, 0x112233}, {0x010203, 0xDDEEFF, 0xAABBCC}}},
    {"Flip",
     picoraVerticalExchange,
     kThreeByTwo,
     {{0xAABBCC, 0xDDEEFF, 0x010203}, {0x112233, 0x445566, 0x778899}}},
    // The old top-left pixel ends at the top right; the old bottom-left at the top left.
    {"Rotate",
     picoraCircumgyrate90,
     kThreeByTwo,
     {{0xAABBCC, 0x112233}, {0xDDEEFF, 0x445566}, {0x010203, 0x778899}}},
    {"Invert",
     picoraReverseColor,
     {{0x000000, 0xFFFFFF, 0x12F080}},
     {{0xFFFFFF, 0x000000, 0xED0F7F}}},
    // White background, black foreground: grey turns black, white stays, and (255, 128, 255)
    // only loses its green.
    {"ThinOnWhite",
     [](const PicoraBitmap *b) {
         return picoraThinColor(b, windowsColor(0, 0, 0), windowsColor(255, 255, 255));
     },
     {{0x808080, 0xFFFFFF, 0xFF80FF}},
     {{0x000000, 0xFFFFFF, 0xFF00FF}}},
    // Channels are compared in their own places: background (r=10, g=20, b=30).
    {"ThinKeepsChannelOrder",
     [](const PicoraBitmap *b) {
         return picoraThinColor(b, windowsColor(200, 100, 50), windowsColor(10, 20, 30));
     },
     {{0x0A141E, 0x0A1400, 0x00141E, 0x1E140A}},
     {{0x0A141E, 0x0A1432, 0xC8141E, 0xC81432}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Transform,
                         testing::Combine(testing::ValuesIn(kCases), testing::Values(8, 24, 32)),
                         [](const auto &info) {
                             return std::get<0>(info.param).name + "From" +
                                    std::to_string(std::get<1>(info.param)) + "Bits";
                         });

TEST(TransformTwice, InvertingTwiceRestoresThePicture)
{
    MemoryBitmap bitmap = MemoryBitmap::fromRows(kThreeByTwo);
    bitmap.saveBitsPerPixel = 8;
    const PicoraBitmap table = bitmap.bitmap();
    pReverseColor(&table);
    EXPECT_NE(bitmap.rows(), kThreeByTwo);
    pReverseColor(&table);
    EXPECT_EQ(bitmap.rows(), kThreeByTwo);
    EXPECT_EQ(bitmap.loadedBitsPerPixel, 24);
}

TEST(TransformTwice, FourQuarterTurnsRestoreThePicture)
{
    MemoryBitmap bitmap = MemoryBitmap::fromRows(kThreeByTwo);
    const PicoraBitmap table = bitmap.bitmap();
    for (int turn = 0; turn < 4; ++turn)
        pCircumgyrate90(&table);
    EXPECT_EQ(bitmap.rows(), kThreeByTwo);
}

TEST(TransformTwice, LargerPictureMirrorsBackExactly)
{
    MemoryBitmap bitmap(257, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 257; ++x)
            bitmap.set(x, y, std::uint32_t(x * 7919 + y * 104729) & 0xFFFFFF);
    const Rows original = bitmap.rows();
    const PicoraBitmap table = bitmap.bitmap();
    pHorizontalExchange(&table);
    EXPECT_EQ(bitmap.at(0, 3), original[3][256]);
    pHorizontalExchange(&table);
    pVerticalExchange(&table);
    pVerticalExchange(&table);
    EXPECT_EQ(bitmap.rows(), original);
}

// Refusals: the bitmap stays as it was, nothing crashes, and the caller can tell why.
struct RefusalCase
{
    std::string name;
    std::function<void(PicoraBitmap &, MemoryBitmap &)> spoil;
    std::function<void(const PicoraBitmap *)> apply;
    int status;
};

class Refusal : public testing::TestWithParam<RefusalCase>
{
};

TEST_P(Refusal, LeavesTheBitmapAlone)
{
    const RefusalCase &c = GetParam();
    MemoryBitmap bitmap = MemoryBitmap::fromRows(kThreeByTwo);
    PicoraBitmap table = bitmap.bitmap();
    c.spoil(table, bitmap);
    c.apply(&table);
    EXPECT_EQ(picoraLastError(), c.status);
    EXPECT_EQ(bitmap.rows(), kThreeByTwo);
}

void keep(PicoraBitmap &, MemoryBitmap &) {}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    testing::Values(
        RefusalCase{"NullSave", [](PicoraBitmap &t, MemoryBitmap &) { t.saveBmp = nullptr; },
                    pReverseColor, PICORA_ERROR_NULL_BITMAP},
        RefusalCase{"NullLoad", [](PicoraBitmap &t, MemoryBitmap &) { t.loadBmp = nullptr; },
                    pHorizontalExchange, PICORA_ERROR_NULL_BITMAP},
        RefusalCase{"NullRowRead", [](PicoraBitmap &t, MemoryBitmap &) { t.readRow32 = nullptr; },
                    pCircumgyrate90, PICORA_ERROR_NULL_BITMAP},
        RefusalCase{"NullScanLine", [](PicoraBitmap &t, MemoryBitmap &) { t.scanLine = nullptr; },
                    pCircumgyrate90, PICORA_ERROR_NULL_BITMAP},
        RefusalCase{"NullSetSize", [](PicoraBitmap &t, MemoryBitmap &) { t.setSize = nullptr; },
                    pCircumgyrate90, PICORA_ERROR_NULL_BITMAP},
        RefusalCase{"SaveFails", [](PicoraBitmap &, MemoryBitmap &m) { m.failSave = true; },
                    pVerticalExchange, PICORA_ERROR_SAVE_FAILED},
        RefusalCase{"LoadFails", [](PicoraBitmap &, MemoryBitmap &m) { m.failLoad = true; },
                    pReverseColor, PICORA_ERROR_LOAD_FAILED},
        RefusalCase{"SavesGarbage",
                    [](PicoraBitmap &t, MemoryBitmap &) {
                        t.saveBmp = [](void *, const PicoraByteSink *sink) {
                            return sink->write(sink->opaque, "BMnot a bitmap", 14);
                        };
                    },
                    [](const PicoraBitmap *b) { pThinColor(b, 0, 0xFFFFFF); },
                    PICORA_ERROR_BAD_BMP},
        RefusalCase{"RowReadFails",
                    [](PicoraBitmap &t, MemoryBitmap &) {
                        t.readRow32 = [](void *, std::int32_t, std::uint8_t *, std::int32_t) {
                            return 0;
                        };
                    },
                    pCircumgyrate90, PICORA_ERROR_ROW_ACCESS},
        RefusalCase{"ReportsEmptySize",
                    [](PicoraBitmap &t, MemoryBitmap &) {
                        t.width = [](void *) { return std::int32_t(0); };
                    },
                    pCircumgyrate90, PICORA_ERROR_BAD_ARGUMENT},
        RefusalCase{"ReportsHugeSize",
                    [](PicoraBitmap &t, MemoryBitmap &) {
                        t.height = [](void *) { return std::int32_t(PICORA_MAX_SIDE + 1); };
                    },
                    pCircumgyrate90, PICORA_ERROR_TOO_LARGE},
        RefusalCase{"AcceptedControl", keep,
                    [](const PicoraBitmap *b) {
                        pHorizontalExchange(b);
                        pHorizontalExchange(b);
                    },
                    PICORA_OK}),
    [](const testing::TestParamInfo<RefusalCase> &info) { return info.param.name; });

TEST(RefusalNull, NullBitmapIsRefusedByEveryExport)
{
    const std::vector<std::function<int()>> calls = {
        [] { return picoraHorizontalExchange(nullptr); },
        [] { return picoraVerticalExchange(nullptr); },
        [] { return picoraCircumgyrate90(nullptr); },
        [] { return picoraReverseColor(nullptr); },
        [] { return picoraThinColor(nullptr, 0, 0); },
        [] { return picoraGradientFill(nullptr, 1, 0, 0, 0, 0, 4, 4); },
        [] {
            pHorizontalExchange(nullptr);
            return picoraLastError();
        },
        [] {
            pVerticalExchange(nullptr);
            return picoraLastError();
        },
        [] {
            pCircumgyrate90(nullptr);
            return picoraLastError();
        },
        [] {
            pReverseColor(nullptr);
            return picoraLastError();
        },
        [] {
            pThinColor(nullptr, 0, 0);
            return picoraLastError();
        },
        [] {
            pGradientFill(nullptr, 1, 0, 0, 0, 0, 4, 4);
            return picoraLastError();
        },
    };
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i](), PICORA_ERROR_NULL_BITMAP) << "call " << i;
}

TEST(RefusalNull, SuccessClearsTheLastError)
{
    pReverseColor(nullptr);
    ASSERT_EQ(picoraLastError(), PICORA_ERROR_NULL_BITMAP);
    MemoryBitmap bitmap(1, 1);
    const PicoraBitmap table = bitmap.bitmap();
    pReverseColor(&table);
    EXPECT_EQ(picoraLastError(), PICORA_OK);
    EXPECT_EQ(bitmap.at(0, 0), 0xFFFFFFu);
}

} // namespace
