#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

namespace brevix::sim {

constexpr int kSimSlotCount = 201;     // slots 0..200
constexpr int kListStringCount = 5025; // entries 0..5024; entry 0 is never used
constexpr int kKeyJumpEntries = 22;
constexpr int kFirstDynamicSlot = 135;
constexpr int kSlotTextWidth = 50;
constexpr int kListTextWidth = 30;

// One table per element attribute, as the page display reads them. Colours are Windows
// colour values (red in the low byte); texts are the image's bytes (GBK), cut to 50 bytes.
struct SlotTables
{
    std::array<std::uint8_t, kSimSlotCount> Kind{};
    std::array<std::uint16_t, kSimSlotCount> Left{}, Top{}, Width{}, Height{};
    std::array<std::uint16_t, kSimSlotCount> WordA{}, WordB{}, WordC{}, WordD{}, WordE{};
    std::array<std::uint8_t, kSimSlotCount> ByteA{}, ByteB{}, ByteC{}, ByteD{}, ByteE{};
    std::array<std::int32_t, kSimSlotCount> LongA{}, LongB{};
    std::array<std::uint32_t, kSimSlotCount> BackColor{}, ForeColor{};
    std::array<QByteArray, kSimSlotCount> TextA, TextB;
};

// Everything one decoded page block gives the display.
struct DecodedPage
{
    int pageNumber = -1;
    SlotTables tables;
    std::array<QByteArray, kListStringCount> ListStrings;
    QByteArray BackColorText = "0";
    std::array<std::uint8_t, kKeyJumpEntries> KeyJump{};
    // Why decoding stopped before the record count was reached (empty when it did not).
    QByteArray stopReason;
};

// Where the state texts of a dynamic text in a slot live in ListStrings.
struct ListLayout
{
    int base = kFirstDynamicSlot;
    int offset = 0;
    int stride = 100;
};
ListLayout listLayoutOfSlot(int slot);
// Entry of first-language (secondLanguage false) or second-language state j (1-based);
// -1 when the slot owns no list or the entry would lie outside the pool.
int listEntryIndex(int slot, int state, bool secondLanguage);

} // namespace brevix::sim
