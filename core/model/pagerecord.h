#pragma once

#include "model/shortstring.h"

#include <bit>
#include <cstddef>
#include <cstdint>

namespace brevix {

static_assert(std::endian::native == std::endian::little,
              "records are copied to and from files as they lie in memory");

constexpr int kSlotCount = 201;   // slot indices 0..200
constexpr int kUsableSlots = 200; // slot 200 is never given out
constexpr int kListPoolSize = 5025;
constexpr int kRecordCount = 241; // record 0 = project settings, 1..240 = pages
constexpr int kMaxPage = 240;
constexpr int kFirstListSlot = 135; // slots 135..199 own state-text lists
constexpr std::size_t kPageRecordSize = 197188;

// One page (or, as record 0, the project settings): a structure of arrays, one entry per slot.
// The layout is the file format; every offset is asserted below.
#pragma pack(push, 1)
struct PageRecord
{
    ShortString<20> PageStrings[kSlotCount];
    ShortString<30> ListStrings[kListPoolSize];
    std::uint8_t Kind[kSlotCount];
    ShortString<50> TextA[kSlotCount];
    ShortString<50> TextB[kSlotCount];
    ShortString<20> AuxTextA[kSlotCount];
    ShortString<20> AuxTextB[kSlotCount];
    std::uint8_t alignment1;
    std::uint16_t Left[kSlotCount];
    std::uint16_t Top[kSlotCount];
    std::uint8_t MoveLock[kSlotCount];
    std::uint8_t alignment2;
    std::uint16_t Width[kSlotCount];
    std::uint16_t Height[kSlotCount];
    std::int32_t BackColor[kSlotCount];
    std::int32_t ForeColor[kSlotCount];
    std::uint16_t WordA[kSlotCount];
    std::uint8_t ByteA[kSlotCount];
    std::uint8_t ByteB[kSlotCount];
    std::uint8_t ByteC[kSlotCount];
    std::uint8_t ByteD[kSlotCount];
    std::uint8_t alignment3[2];
    std::int32_t LongA[kSlotCount];
    std::int32_t LongB[kSlotCount];
    std::uint16_t WordB[kSlotCount];
    std::uint16_t WordC[kSlotCount];
    std::uint16_t WordD[kSlotCount];
    std::uint16_t WordE[kSlotCount];
    std::uint8_t ByteE[kSlotCount];
    std::uint8_t alignment4[3];
};
#pragma pack(pop)

static_assert(offsetof(PageRecord, PageStrings) == 0);
static_assert(offsetof(PageRecord, ListStrings) == 4221);
static_assert(offsetof(PageRecord, Kind) == 159996);
static_assert(offsetof(PageRecord, TextA) == 160197);
static_assert(offsetof(PageRecord, TextB) == 170448);
static_assert(offsetof(PageRecord, AuxTextA) == 180699);
static_assert(offsetof(PageRecord, AuxTextB) == 184920);
static_assert(offsetof(PageRecord, alignment1) == 189141);
static_assert(offsetof(PageRecord, Left) == 189142);
static_assert(offsetof(PageRecord, Top) == 189544);
static_assert(offsetof(PageRecord, MoveLock) == 189946);
static_assert(offsetof(PageRecord, alignment2) == 190147);
static_assert(offsetof(PageRecord, Width) == 190148);
static_assert(offsetof(PageRecord, Height) == 190550);
static_assert(offsetof(PageRecord, BackColor) == 190952);
static_assert(offsetof(PageRecord, ForeColor) == 191756);
static_assert(offsetof(PageRecord, WordA) == 192560);
static_assert(offsetof(PageRecord, ByteA) == 192962);
static_assert(offsetof(PageRecord, ByteB) == 193163);
static_assert(offsetof(PageRecord, ByteC) == 193364);
static_assert(offsetof(PageRecord, ByteD) == 193565);
static_assert(offsetof(PageRecord, alignment3) == 193766);
static_assert(offsetof(PageRecord, LongA) == 193768);
static_assert(offsetof(PageRecord, LongB) == 194572);
static_assert(offsetof(PageRecord, WordB) == 195376);
static_assert(offsetof(PageRecord, WordC) == 195778);
static_assert(offsetof(PageRecord, WordD) == 196180);
static_assert(offsetof(PageRecord, WordE) == 196582);
static_assert(offsetof(PageRecord, ByteE) == 196984);
static_assert(offsetof(PageRecord, alignment4) == 197185);
static_assert(sizeof(PageRecord) == kPageRecordSize);

// Record 0 uses the same layout as a store of numbered settings cells.
using ProjectRecord = PageRecord;

// Entries of the page header string table.
enum PageStringEntry : int {
    PageName = 0,
    PageNumberText = 1,
    InUseMark = 2,
    BackColorText = 5,
    RegisterOffsetText = 6,
    KeyJumpTextFirst = 10, // 10..31, one per panel key 0..21
    CustomSizeMark = 100,
    CustomWidthText = 102,
    CustomHeightText = 103,
};
constexpr int kKeyJumpCount = 22;

// Element type codes kept in Kind.
enum class ElementKind : std::uint8_t {
    Empty = 0,
    Text = 1,
    Register = 2,
    Lamp = 3,
    TrendGraph = 4,
    BarGraph = 5,
    Picture = 6,
    DynamicText = 7,
    FunctionKey = 8,
    AsciiChinese = 9,
    Date = 10,
    Time = 11,
    Rectangle = 20, // 21..24 are drawing variants of the rectangle family
    Scale = 25,
    Ellipse = 26,
    Line = 27,
    BitSwitch = 34,
};

constexpr bool isRectangleFamily(int kind)
{
    return kind >= 20 && kind <= 24;
}

// Format markers written on save and checked on open.
constexpr std::uint8_t kFormatMarkerByte = 168;   // Kind[198]
constexpr std::uint16_t kFormatMarkerWord = 9595; // WordA[198]
constexpr int kFormatMarkerCell = 198;

} // namespace brevix
