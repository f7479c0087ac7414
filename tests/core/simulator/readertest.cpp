#include "kxfixture.h"
#include "simulator/pagedecoder.h"
#include "simulator/pageruntime.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace brevix::sim;
namespace kx = kxfixture;

namespace {

DownloadImage imageOf(const QByteArray &bytes)
{
    DownloadImage image;
    EXPECT_TRUE(DownloadImage::fromBytes(bytes, image).ok());
    return image;
}

DownloadImage imageOf(const std::vector<kx::Page> &pages, const kx::Header &header = {})
{
    return imageOf(kx::image(header, pages));
}

struct ColourCase
{
    std::uint16_t rgb565;
    std::uint32_t colour;
};

class Rgb565Test : public testing::TestWithParam<ColourCase>
{
};

TEST_P(Rgb565Test, ConvertsBackWithLowBitsZero)
{
    EXPECT_EQ(Rgb565ToColor(GetParam().rgb565), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(Colours, Rgb565Test,
                         testing::Values(ColourCase{0xFFFF, 0xF8FCF8}, ColourCase{0x0000, 0},
                                         ColourCase{0xF800, 0x0000F8}, ColourCase{0x07E0, 0x00FC00},
                                         ColourCase{0x001F, 0xF80000},
                                         ColourCase{0x8410, 0x808080}));

TEST(ImageReader, ReadsLittleEndianAndStopsAtTheEnd)
{
    const QByteArray bytes("\x01\x02\x03\x04\x05", 5);
    ImageReader reader(bytes, 0);
    EXPECT_EQ(reader.ReadLE(2), 0x0201u);
    EXPECT_EQ(reader.ReadLE(1), 0x03u);
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(reader.ReadLE(4), 0u);
    EXPECT_TRUE(reader.failed());
    EXPECT_EQ(reader.position(), 3);
}

TEST(DecodePage, AbsentPageLeavesTheTablesAlone)
{
    const DownloadImage image =
        imageOf({kx::Page{1, 0xFFFFFF, {}, {kx::text({1, 2, 30, 16}, "A")}}});
    DecodedPage page;
    ASSERT_TRUE(DecodePage(image, 1, page));
    EXPECT_FALSE(DecodePage(image, 2, page));
    EXPECT_EQ(page.pageNumber, 1);
    EXPECT_EQ(page.tables.Kind[0], 1);
}

TEST(DecodePage, ShortImageHasNoPages)
{
    const DownloadImage image = imageOf(QByteArray(133, '\xEE'));
    DecodedPage page;
    EXPECT_FALSE(DecodePage(image, 0xEE, page));
}

TEST(DecodePage, FirstOfTwoBlocksWins)
{
    const DownloadImage image =
        imageOf({kx::Page{4, 0xFFFFFF, {}, {kx::text({0, 0, 30, 16}, "first")}},
                 kx::Page{4, 0xFFFFFF, {}, {kx::text({0, 0, 30, 16}, "second")}}});
    DecodedPage page;
    ASSERT_TRUE(DecodePage(image, 4, page));
    EXPECT_EQ(page.tables.TextA[0], "first");
}

TEST(DecodePage, HeaderFieldsBackgroundAndKeyJumps)
{
    kx::Page p{7, 0x0000FF, {}, {}};
    p.keyJump[0] = 3;
    p.keyJump[21] = 9;
    const DownloadImage image = imageOf({p}, kx::Header{2, 1, 7, true, 0x1234});
    EXPECT_EQ(image.panelModel(), 2);
    EXPECT_EQ(image.startLanguage(), 1);
    EXPECT_EQ(image.startPage(), 7);
    EXPECT_TRUE(image.pageSwitchByRegister());
    EXPECT_EQ(image.pageSwitchRegister(), 0x1234);
    DecodedPage page;
    ASSERT_TRUE(DecodePage(image, 7, page));
    EXPECT_EQ(page.BackColorText, QByteArray::number(0xF8));
    EXPECT_EQ(page.KeyJump[0], 3);
    EXPECT_EQ(page.KeyJump[21], 9);
}

TEST(DecodePage, DynamicTextsTakeListSlotsOrdinaryRecordsTheLowOnes)
{
    kx::Page p;
    p.records.push_back(
        kx::dynamicText({0, 0, 40, 20}, {10, false, false, 0, {"a", "b"}, {"A", "B"}}));
    p.records.push_back(kx::dynamicText({0, 30, 40, 20}, {11, false, false, 0, {"c"}, {"C"}}));
    for (int i = 0; i < 10; ++i)
        p.records.push_back(kx::text({i, 0, 30, 16}, QByteArray::number(i)));
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    EXPECT_EQ(page.tables.Kind[135], 7);
    EXPECT_EQ(page.tables.Kind[136], 7);
    for (int s = 0; s < 10; ++s) {
        EXPECT_EQ(page.tables.Kind[s], 1);
        EXPECT_EQ(page.tables.TextA[s], QByteArray::number(s));
    }
    EXPECT_EQ(page.tables.Kind[10], 0);
    EXPECT_EQ(page.ListStrings[1], "a");
    EXPECT_EQ(page.ListStrings[2], "b");
    EXPECT_EQ(page.ListStrings[101], "A");
    EXPECT_EQ(page.ListStrings[201], "c");
    EXPECT_EQ(page.ListStrings[301], "C");
}

TEST(DecodePage, RectangleTakesThePageBackground)
{
    kx::Page p{1, 0x00FF00, {}, {kx::rectangle({5, 6, 50, 40}, 0xFF, 0, 0, 0)}};
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    EXPECT_EQ(page.tables.BackColor[0], Rgb565ToColor(kx::rgb565(0x00FF00)));
    EXPECT_EQ(page.tables.ForeColor[0], 0xF8u);
    EXPECT_EQ(page.tables.Left[0], 5);
    EXPECT_EQ(page.tables.Top[0], 6);
}

TEST(DecodePage, CutsLongTexts)
{
    const QByteArray sixty(60, 'x');
    const QByteArray forty(40, 'y');
    kx::Page p{1,
               0xFFFFFF,
               {},
               {kx::text({0, 0, 30, 16}, sixty, sixty),
                kx::dynamicText({0, 0, 30, 16}, {0, false, false, 0, {forty}, {forty}})}};
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    EXPECT_EQ(page.tables.TextA[0], QByteArray(50, 'x'));
    EXPECT_EQ(page.tables.TextB[0], QByteArray(50, 'x'));
    EXPECT_EQ(page.ListStrings[1], QByteArray(30, 'y'));
    EXPECT_TRUE(page.stopReason.isEmpty());
}

TEST(DecodePage, RegisterFlagsAreDistributed)
{
    kx::RegisterFields f;
    f.byteA = 0x11;
    f.entry = true;
    f.isSigned = true;
    f.indirectHigh = true;
    f.digits = 6;
    f.decimals = 2;
    f.condition = 2;
    f.action = 1;
    f.leadingZeros = 1;
    f.conditionRegister = 4095;
    f.address = 321;
    f.high = -5;
    f.low = -100;
    kx::Page p{1, 0xFFFFFF, {}, {kx::registerRecord({1, 2, 60, 20}, f)}};
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    const SlotTables &t = page.tables;
    EXPECT_EQ(t.Kind[0], 2);
    EXPECT_EQ(t.WordA[0], 321);
    EXPECT_EQ(t.ByteA[0], 0x11);
    EXPECT_EQ(t.ByteB[0], 1);
    EXPECT_EQ(t.ByteC[0], 1);
    EXPECT_EQ(t.ByteD[0], 1);
    EXPECT_EQ(t.WordB[0], 0x0602);
    EXPECT_EQ(t.ByteE[0], 0x21);
    EXPECT_EQ(t.WordD[0], 1);
    EXPECT_EQ(t.WordE[0], 4095);
    EXPECT_EQ(t.LongA[0], -5);
    EXPECT_EQ(t.LongB[0], -100);
}

TEST(DecodePage, LampAndSwitchFields)
{
    kx::Page p{1,
               0xFFFFFF,
               {},
               {kx::lamp({0, 0, 20, 20}, {1234, 5, 0, 3}, true, 2, 0xFF, 0xFF00, "off", "on"),
                kx::bitSwitch({0, 0, 40, 20}, {77, 3, 3, false, 2})}};
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    const SlotTables &t = page.tables;
    EXPECT_EQ(t.WordA[0], 1234);
    EXPECT_EQ(t.ByteA[0], 0x35);
    EXPECT_EQ(t.ByteC[0], 1);
    EXPECT_EQ(t.ByteE[0], 2);
    EXPECT_EQ(t.TextB[0], "on");
    EXPECT_EQ(t.Kind[1], 34);
    EXPECT_EQ(t.WordA[1], 77);
    EXPECT_EQ(t.ByteA[1], 0x23);
    EXPECT_EQ(t.ByteC[0], 1);
    EXPECT_EQ(t.WordE[1], 3);
    EXPECT_EQ(t.ByteC[1], 0);
}

TEST(DecodePage, LinkBitNamesTheSecondLinksAreas)
{
    kx::Page p{1, 0xFFFFFF, {}, {kx::lamp({0, 0, 20, 20}, {9, 1, 1, 2}, false, 0, 0xFF, 0xFF00)}};
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    EXPECT_EQ(page.tables.ByteA[0], 0xA1);
    EXPECT_EQ(page.tables.ByteC[0], 0);
}

TEST(DecodePage, RecordCutByTheImageEndKeepsEarlierRecords)
{
    kx::Page p{
        1, 0xFFFFFF, {}, {kx::text({0, 0, 30, 16}, "kept"), kx::text({0, 0, 30, 16}, "lost")}};
    QByteArray bytes = kx::pageBlock(p);
    bytes.chop(3);
    QByteArray whole(128, '\0');
    whole += bytes;
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf(whole), 1, page));
    EXPECT_EQ(page.tables.Kind[0], 1);
    EXPECT_EQ(page.tables.Kind[1], 0);
    EXPECT_FALSE(page.stopReason.isEmpty());
}

TEST(DecodePage, UnknownTypeStopsThePage)
{
    kx::Page p{1,
               0xFFFFFF,
               {},
               {kx::text({0, 0, 30, 16}, "kept"), kx::Record{12, QByteArray("\x0C", 1)},
                kx::text({0, 0, 30, 16}, "never")}};
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    EXPECT_EQ(page.tables.Kind[0], 1);
    EXPECT_EQ(page.tables.Kind[1], 0);
    EXPECT_EQ(page.stopReason, "unknown record type 12");
}

TEST(DecodePage, StateCountAboveTheStrideStops)
{
    kx::Page p;
    for (int i = 0; i < 15; ++i)
        p.records.push_back(kx::dynamicText({0, 0, 30, 16}, {0, false, false, 0, {"a"}, {"A"}}));
    // Slot 150 has a stride of 20 states.
    std::vector<QByteArray> many(21, "s");
    p.records.push_back(kx::dynamicText({0, 0, 30, 16}, {0, false, false, 0, many, many}));
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    EXPECT_EQ(page.tables.Kind[149], 7);
    EXPECT_EQ(page.tables.Kind[150], 0);
    EXPECT_EQ(page.stopReason, "state count above the slot's list stride");
}

TEST(DecodePage, ManyRecordsFillTheSlotsWithoutOverwritingDynamicTexts)
{
    kx::Page p;
    p.records.push_back(kx::dynamicText({0, 0, 30, 16}, {0, false, false, 0, {"first"}, {"F"}}));
    for (int i = 0; i < 200; ++i)
        p.records.push_back(kx::text({0, 0, 30, 16}, QByteArray::number(i)));
    for (int i = 0; i < 100; ++i)
        p.records.push_back(kx::bitSwitch({0, 0, 30, 16}, {}));
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    // The counters sum to 301: far above what one byte holds, and above the slots there are.
    EXPECT_EQ(page.tables.Kind[135], 7);
    EXPECT_EQ(page.ListStrings[1], "first");
    EXPECT_EQ(page.tables.TextA[134], "134");
    EXPECT_EQ(page.tables.TextA[136], "135");
    EXPECT_EQ(page.tables.TextA[200], "199");
    EXPECT_EQ(page.stopReason, "more records than slots");
}

TEST(DecodePage, OrdinaryAfterDynamicBeyondSlot135)
{
    kx::Page p;
    for (int i = 0; i < 136; ++i)
        p.records.push_back(kx::text({0, 0, 30, 16}, QByteArray::number(i)));
    p.records.push_back(kx::dynamicText({0, 0, 30, 16}, {0, false, false, 0, {"dyn"}, {"D"}}));
    DecodedPage page;
    ASSERT_TRUE(DecodePage(imageOf({p}), 1, page));
    EXPECT_EQ(page.tables.TextA[135], "135");
    EXPECT_EQ(page.tables.Kind[135], 1);
    EXPECT_EQ(page.tables.Kind[136], 7);
    EXPECT_EQ(page.ListStrings[listEntryIndex(136, 1, false)], "dyn");
}

TEST(DecodePage, SecondLanguageListOfSlot200IsDropped)
{
    EXPECT_EQ(listEntryIndex(200, 14, false), 5024);
    EXPECT_EQ(listEntryIndex(200, 1, true), -1);
    EXPECT_EQ(listEntryIndex(135, 1, false), 1);
    EXPECT_EQ(listEntryIndex(149, 100, true), 3000);
    EXPECT_EQ(listEntryIndex(150, 1, false), 3011);
    EXPECT_EQ(listEntryIndex(134, 1, false), -1);
}

TEST(DownloadImage, RefusesImagesAboveTheBuffer)
{
    DownloadImage image;
    EXPECT_TRUE(DownloadImage::fromBytes(QByteArray(kMaxImageSize, '\0'), image).ok());
    const brevix::Result refused =
        DownloadImage::fromBytes(QByteArray(kMaxImageSize + 1, '\0'), image);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().en.contains(QStringLiteral("1048581")));

    TempFolder folder;
    QFile file(folder.file(QStringLiteral("KX.bin")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(kMaxImageSize + 1, '\0'));
    file.close();
    EXPECT_FALSE(DownloadImage::load(file.fileName(), image).ok());
    EXPECT_FALSE(DownloadImage::load(folder.file(QStringLiteral("missing.bin")), image).ok());
}

} // namespace

namespace {

// Damaged images (seeded, so a failure repeats) decode and run without reading or writing out
// of bounds; the fuzz target explores further.
TEST(DecodePage, DamagedImagesStayInBounds)
{
    kx::Page p{1, 0xFFFFFF, {}, {}};
    kx::RegisterFields f;
    f.address = 3;
    p.records = {kx::text({0, 0, 30, 16}, "t"),
                 kx::registerRecord({0, 20, 60, 20}, f),
                 kx::dynamicText({0, 40, 60, 20}, {0, true, false, 0, {"a", "b"}, {"A", "B"}}),
                 kx::bar({70, 0, 20, 60}, {}),
                 kx::lamp({100, 0, 20, 20}, {2, 1, 0, 2}, false, 0, 0xFF, 0xFF00),
                 kx::bitSwitch({100, 30, 40, 20}, {}),
                 kx::functionKey({0, 70, 40, 20}, 0, 3, 0)};
    const QByteArray good = kx::image({}, {p});
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    RegisterMemory memory;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = good;
        const int flips = 1 + static_cast<int>(next() % 8);
        for (int i = 0; i < flips; ++i)
            bytes[801 + static_cast<qsizetype>(next() % (bytes.size() - 801))] =
                static_cast<char>(next());
        if (round % 3 == 0)
            bytes.truncate(801 + static_cast<qsizetype>(next() % (bytes.size() - 801)));
        DecodedPage page;
        if (!DecodePage(imageOf(bytes), 1, page))
            continue;
        PageRuntime runtime(page, memory, round % 2);
        for (int s = 0; s < kSimSlotCount; ++s) {
            runtime.press(s);
            runtime.release(s);
        }
        runtime.refresh();
        EXPECT_FALSE(runtime.render(QSize(32, 24)).isNull());
    }
}

} // namespace
