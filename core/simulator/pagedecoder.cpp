#include "simulator/pagedecoder.h"

#include <bitset>

namespace brevix::sim {

std::uint32_t ImageReader::ReadLE(int n)
{
    if (m_failed || m_position < 0 || m_position + n > m_bytes.size()) {
        m_failed = true;
        return 0;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < n; ++i)
        value |= std::uint32_t(static_cast<std::uint8_t>(m_bytes.at(m_position + i))) << (8 * i);
    m_position += n;
    return value;
}

QByteArray ImageReader::readCountedText(int width)
{
    const int length = static_cast<int>(ReadLE(1));
    if (m_failed || m_position + length > m_bytes.size()) {
        m_failed = true;
        return {};
    }
    QByteArray text = m_bytes.mid(m_position, length);
    m_position += length;
    return text.left(width);
}

std::uint32_t Rgb565ToColor(std::uint16_t value)
{
    const std::uint32_t red = (value >> 11) << 3;
    const std::uint32_t green = ((value >> 5) & 63) << 2;
    const std::uint32_t blue = (value & 31) << 3;
    return red + green * 256 + blue * 65536;
}

ListLayout listLayoutOfSlot(int slot)
{
    if (slot <= 149)
        return {135, 0, 100};
    return {150, 3010, 20};
}

int listEntryIndex(int slot, int state, bool secondLanguage)
{
    if (slot < kFirstDynamicSlot || slot >= kSimSlotCount || state < 1)
        return -1;
    const ListLayout l = listLayoutOfSlot(slot);
    if (state > l.stride)
        return -1;
    const int entry =
        (slot - l.base) * 2 * l.stride + l.offset + (secondLanguage ? l.stride : 0) + state;
    return entry < kListStringCount ? entry : -1;
}

namespace {

bool isListType(int type)
{
    return type == 7 || type == 12 || type == 13 || type == 14 || type == 15 || type == 19 ||
           type == 33;
}

bool hasBody(int type)
{
    return (type >= 1 && type <= 9) || type == 20 || type == 25 || type == 26 || type == 27 ||
           type == 34;
}

std::uint8_t bit(std::uint32_t f, int n)
{
    return (f >> n) & 1;
}

std::uint32_t bits(std::uint32_t f, int first, int last)
{
    return (f >> first) & ((1u << (last - first + 1)) - 1);
}

class BlockDecoder
{
public:
    BlockDecoder(ImageReader &reader, DecodedPage &page) : r(reader), p(page), t(page.tables) {}

    // Decodes one record of type into slot s; false stops the page (reason set).
    bool record(int type, int s);

private:
    std::uint32_t colour() { return Rgb565ToColor(static_cast<std::uint16_t>(r.ReadLE(2))); }
    bool dynamicText(int s);

    ImageReader &r;
    DecodedPage &p;
    SlotTables &t;
};

bool BlockDecoder::record(int type, int s)
{
    t.Left[s] = r.ReadLE(2);
    t.Top[s] = r.ReadLE(2);
    t.Width[s] = r.ReadLE(2);
    t.Height[s] = r.ReadLE(2);
    std::uint32_t f = 0;
    switch (type) {
    case 1:
        t.WordC[s] = r.ReadLE(2);
        t.BackColor[s] = colour();
        t.ForeColor[s] = colour();
        t.TextA[s] = r.readCountedText(kSlotTextWidth);
        t.TextB[s] = r.readCountedText(kSlotTextWidth);
        break;
    case 2:
        t.WordC[s] = r.ReadLE(2);
        t.BackColor[s] = colour();
        t.ForeColor[s] = colour();
        t.WordA[s] = r.ReadLE(2);
        f = r.ReadLE(4);
        t.LongA[s] = static_cast<std::int32_t>(r.ReadLE(4));
        t.LongB[s] = static_cast<std::int32_t>(r.ReadLE(4));
        r.skip(1);
        t.ByteA[s] = bit(f, 0);
        t.ByteB[s] = bit(f, 1);
        t.ByteD[s] = bit(f, 2);
        t.ByteC[s] = bit(f, 3);
        t.WordB[s] = (bits(f, 4, 7) << 8) | bits(f, 8, 11);
        t.ByteE[s] = (bits(f, 12, 13) << 4) | bit(f, 14);
        t.WordD[s] = bit(f, 15);
        t.WordE[s] = bits(f, 16, 28);
        // The float and device bits name the area; the size bit is kept so a 32-bit
        // register on the second device still reads both words.
        if (bit(f, 29))
            t.ByteA[s] = 0x80 | (t.ByteA[s] & 0x0F);
        if (bit(f, 30))
            t.ByteA[s] = 0x10 | (t.ByteA[s] & 0x0F);
        if (bit(f, 31))
            t.WordD[s] = 2;
        break;
    case 3:
    case 6:
        if (type == 3) {
            t.BackColor[s] = colour();
            t.ForeColor[s] = colour();
            f = r.ReadLE(4);
            r.skip(1);
            t.TextA[s] = r.readCountedText(kSlotTextWidth);
            t.TextB[s] = r.readCountedText(kSlotTextWidth);
        } else {
            t.WordE[s] = r.ReadLE(1);
            f = r.ReadLE(4);
        }
        // Bit 23 is the negative-logic (visibility) flag; read as part of the device index it
        // would move every such lamp into another area. The link bit names the second link's areas.
        t.WordA[s] = bits(f, 0, 15);
        t.ByteA[s] = bits(f, 16, 19) | (bits(f, 21, 22) << 4) | (bit(f, 20) << 7);
        t.ByteC[s] = bit(f, 23);
        t.ByteE[s] = bits(f, 24, 31);
        break;
    case 4:
        t.BackColor[s] = colour();
        t.ForeColor[s] = colour();
        t.WordA[s] = r.ReadLE(2);
        f = r.ReadLE(4);
        t.LongA[s] = static_cast<std::int32_t>(r.ReadLE(4));
        t.LongB[s] = static_cast<std::int32_t>(r.ReadLE(4));
        t.WordD[s] = r.ReadLE(2);
        t.ByteA[s] = bit(f, 0);
        t.WordB[s] = (bits(f, 1, 5) << 8) | bits(f, 6, 10);
        t.WordC[s] = bits(f, 11, 16);
        t.ByteD[s] = bit(f, 17);
        t.ByteB[s] = bit(f, 18);
        t.WordE[s] = bits(f, 19, 20);
        t.ByteE[s] = bits(f, 21, 23);
        break;
    case 5:
        t.BackColor[s] = colour();
        t.ForeColor[s] = colour();
        f = r.ReadLE(4);
        t.LongA[s] = static_cast<std::int32_t>(r.ReadLE(4));
        t.LongB[s] = static_cast<std::int32_t>(r.ReadLE(4));
        t.WordB[s] = r.ReadLE(2);
        t.WordD[s] = r.ReadLE(2);
        t.WordA[s] = bits(f, 0, 15);
        t.ByteA[s] = bit(f, 16);
        t.ByteB[s] = bit(f, 17);
        t.ByteD[s] = bit(f, 18);
        t.WordC[s] = bits(f, 19, 23) << 8;
        break;
    case 7:
        return dynamicText(s);
    case 8:
        t.WordC[s] = r.ReadLE(2);
        t.BackColor[s] = colour();
        t.ForeColor[s] = colour();
        t.WordD[s] = r.ReadLE(1);
        t.LongB[s] = static_cast<std::int32_t>(r.ReadLE(1));
        t.WordE[s] = r.ReadLE(1);
        r.skip(1);
        t.TextA[s] = r.readCountedText(kSlotTextWidth);
        t.TextB[s] = r.readCountedText(kSlotTextWidth);
        break;
    case 9:
        t.WordC[s] = r.ReadLE(2);
        t.BackColor[s] = colour();
        t.ForeColor[s] = colour();
        t.WordA[s] = r.ReadLE(2);
        t.ByteA[s] = r.ReadLE(1);
        t.WordD[s] = r.ReadLE(1);
        r.skip(1);
        break;
    case 20:
    case 26: {
        bool numberOk = false;
        t.BackColor[s] = p.BackColorText.toUInt(&numberOk);
        t.ForeColor[s] = colour();
        f = r.ReadLE(4);
        t.LongB[s] = static_cast<std::int32_t>(r.ReadLE(2));
        t.WordA[s] = r.ReadLE(2);
        t.ByteB[s] = bit(f, 0);
        t.ByteC[s] = bit(f, 1);
        t.ByteD[s] = bit(f, 2);
        t.WordD[s] = bit(f, 3);
        t.LongA[s] = static_cast<std::int32_t>(bits(f, 4, 19));
        t.WordE[s] = bits(f, 29, 31);
        break;
    }
    case 25: {
        const std::uint32_t c = colour();
        t.ForeColor[s] = c;
        t.BackColor[s] = ~c & 0xFFFFFF;
        f = r.ReadLE(4);
        t.WordB[s] = bits(f, 0, 3);
        t.WordA[s] = bits(f, 4, 11);
        t.ByteA[s] = bits(f, 12, 19);
        t.WordD[s] = bit(f, 20);
        break;
    }
    case 27:
        t.WordC[s] = r.ReadLE(1);
        t.ForeColor[s] = colour();
        break;
    case 34:
        t.WordC[s] = r.ReadLE(2);
        t.BackColor[s] = colour();
        t.ForeColor[s] = colour();
        t.TextA[s] = r.readCountedText(kSlotTextWidth);
        t.TextB[s] = r.readCountedText(kSlotTextWidth);
        f = r.ReadLE(4);
        r.skip(1);
        t.WordA[s] = bits(f, 0, 15);
        t.ByteA[s] = bits(f, 16, 19) | (bits(f, 29, 30) << 4) | (bit(f, 28) << 7);
        t.WordE[s] = bits(f, 20, 21);
        t.ByteC[s] = bit(f, 22);
        t.ByteB[s] = bit(f, 31);
        break;
    default:
        break;
    }
    if (r.failed()) {
        p.stopReason = "record cut short by the end of the image";
        return false;
    }
    return true;
}

bool BlockDecoder::dynamicText(int s)
{
    t.WordC[s] = r.ReadLE(2);
    t.BackColor[s] = colour();
    t.ForeColor[s] = colour();
    t.WordA[s] = r.ReadLE(2);
    const std::uint32_t g = r.ReadLE(1);
    r.skip(1);
    const int count = static_cast<int>(r.ReadLE(1));
    r.skip(1);
    t.ByteB[s] = g & 1;
    t.ByteC[s] = (g >> 1) & 1;
    t.WordD[s] = g >> 2;
    t.ByteA[s] = static_cast<std::uint8_t>(count);
    if (r.failed()) {
        p.stopReason = "record cut short by the end of the image";
        return false;
    }
    if (count > listLayoutOfSlot(s).stride) {
        p.stopReason = "state count above the slot's list stride";
        return false;
    }
    for (int language = 0; language < 2; ++language) {
        for (int k = 1; k <= count; ++k) {
            r.skip(1);
            const QByteArray text = r.readCountedText(kListTextWidth);
            if (r.failed()) {
                p.stopReason = "record cut short by the end of the image";
                return false;
            }
            // Slot 200's second-language list would run past the pool: those texts are dropped.
            const int entry = listEntryIndex(s, k, language == 1);
            if (entry > 0)
                p.ListStrings[entry] = text;
        }
    }
    return true;
}

} // namespace

bool DecodePage(const DownloadImage &image, int pageNumber, DecodedPage &page)
{
    const qsizetype start = image.findPageBlock(pageNumber);
    if (start < 0)
        return false;
    page.pageNumber = pageNumber;
    page.stopReason.clear();
    for (auto &text : page.ListStrings)
        text.clear();
    page.tables.Kind.fill(0);

    ImageReader reader(image.bytes(), start);
    // The writer keeps one counter per type; their true sum is the record count (a one-byte
    // sum would lose pages of 256 records and more).
    int count = 0;
    for (int i = 0; i < 50; ++i)
        count += static_cast<int>(reader.ReadLE(1));
    const std::uint16_t background = static_cast<std::uint16_t>(reader.ReadLE(2));
    std::array<std::uint8_t, kKeyJumpEntries> keyJump{};
    for (auto &target : keyJump)
        target = static_cast<std::uint8_t>(reader.ReadLE(1));
    if (reader.failed()) {
        page.stopReason = "page header cut short by the end of the image";
        return true;
    }
    page.BackColorText = QByteArray::number(Rgb565ToColor(background));
    page.KeyJump = keyJump;

    BlockDecoder decoder(reader, page);
    std::bitset<kSimSlotCount> taken;
    int nextSlot = 0;
    int nextListSlot = kFirstDynamicSlot;
    auto firstFreeFrom = [&taken](int from) {
        while (from < kSimSlotCount && taken[from])
            ++from;
        return from;
    };
    for (; count > 0; --count) {
        const int type = static_cast<int>(reader.ReadLE(1));
        if (reader.failed()) {
            page.stopReason = "record count runs past the end of the image";
            break;
        }
        if (!hasBody(type)) {
            // A type without a known body would desynchronise every record after it.
            page.stopReason = "unknown record type " + QByteArray::number(type);
            break;
        }
        // Dynamic texts own the list slots from 135 up; ordinary records fill 0..134 and then
        // take the free slots above the lists, never a slot a dynamic text already holds.
        int slot = 0;
        if (type == 7) {
            nextListSlot = firstFreeFrom(nextListSlot);
            slot = nextListSlot;
        } else {
            slot = nextSlot < kFirstDynamicSlot ? nextSlot
                                                : firstFreeFrom(std::max(nextSlot, nextListSlot));
        }
        if (slot >= kSimSlotCount) {
            page.stopReason = "more records than slots";
            break;
        }
        if (!decoder.record(type, slot))
            break;
        page.tables.Kind[slot] = static_cast<std::uint8_t>(type);
        taken.set(slot);
        if (isListType(type))
            nextListSlot = slot + 1;
        else
            nextSlot = slot + 1;
    }
    return true;
}

} // namespace brevix::sim
