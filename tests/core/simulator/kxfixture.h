#pragma once

// Writes small download images byte by byte as the panel defines them, independently of the
// compiler, so the simulator's reader is checked against the format itself.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace kxfixture {

inline std::uint16_t rgb565(std::uint32_t windowsColour)
{
    const std::uint32_t r = windowsColour & 0xFF, g = (windowsColour >> 8) & 0xFF,
                        b = (windowsColour >> 16) & 0xFF;
    return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

class Bytes
{
public:
    Bytes &u8(std::uint32_t v)
    {
        m_data.append(static_cast<char>(v & 0xFF));
        return *this;
    }
    Bytes &u16(std::uint32_t v) { return u8(v).u8(v >> 8); }
    Bytes &u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes &text(const QByteArray &t)
    {
        u8(static_cast<std::uint32_t>(t.size()));
        m_data.append(t);
        return *this;
    }
    Bytes &raw(const QByteArray &t)
    {
        m_data.append(t);
        return *this;
    }
    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

struct Geometry
{
    int x = 0, y = 0, w = 40, h = 20; // page coordinates (already minus the canvas margin)
};

// One element record with its type, as the builder writes it.
struct Record
{
    int type = 0;
    QByteArray bytes;
};

inline Bytes start(int type, const Geometry &g)
{
    Bytes b;
    b.u8(type).u16(g.x).u16(g.y).u16(g.w).u16(g.h);
    return b;
}

inline Record text(const Geometry &g, const QByteArray &a, const QByteArray &b = "EN",
                   std::uint16_t style = 0, std::uint32_t back = 0xFFFFFF, std::uint32_t fore = 0)
{
    return {1, start(1, g).u16(style).u16(rgb565(back)).u16(rgb565(fore)).text(a).text(b).data()};
}

struct RegisterFields
{
    int byteA = 0; // area << 4 | size (1 = 32-bit)
    bool entry = false;
    bool indirectHigh = false;
    bool isSigned = false;
    int digits = 5;
    int decimals = 0;
    int condition = 0;         // 1: when word WordE is 0, 2: when not 0
    int action = 0;            // 0 masked, 1 hidden
    int leadingZeros = 0;      // WordD
    int conditionRegister = 0; // WordE
    int address = 0;
    std::int32_t high = 65535;
    std::int32_t low = 0;
    std::uint16_t style = 0;
    std::uint32_t back = 0xFFFFFF, fore = 0;
};

inline Record registerRecord(const Geometry &g, const RegisterFields &f, int elementNumber = 1)
{
    const std::uint64_t attribute =
        std::uint64_t(f.byteA & 0x0F) + (f.entry ? 2 : 0) + (f.indirectHigh ? 4 : 0) +
        (f.isSigned ? 8 : 0) + std::uint64_t(f.digits) * 16 + std::uint64_t(f.decimals) * 256 +
        std::uint64_t(f.condition) * 4096 + std::uint64_t(f.action) * 16384 +
        std::uint64_t(f.leadingZeros & 1) * 32768 + std::uint64_t(f.conditionRegister) * 65536 +
        ((std::uint64_t(f.byteA) >> 4) << 30);
    return {2, start(2, g)
                   .u16(f.style)
                   .u16(rgb565(f.back))
                   .u16(rgb565(f.fore))
                   .u16(f.address)
                   .u32(static_cast<std::uint32_t>(attribute & 0xFFFFFFFF))
                   .u32(static_cast<std::uint32_t>(f.high))
                   .u32(static_cast<std::uint32_t>(f.low))
                   .u8(elementNumber)
                   .data()};
}

struct BitFields
{
    int address = 0; // compiled bit address
    int bit = 0;
    int link = 0;
    int device = 0;
};

inline Record lamp(const Geometry &g, const BitFields &f, bool negative, int shape,
                   std::uint32_t offColour, std::uint32_t onColour, const QByteArray &a = "0",
                   const QByteArray &b = "1")
{
    const std::uint32_t word = f.address + (std::uint32_t(f.bit) << 16) +
                               (std::uint32_t(f.link) << 20) + (std::uint32_t(f.device) << 21) +
                               (negative ? 1u << 23 : 0) + (std::uint32_t(shape) << 24);
    return {3, start(3, g)
                   .u16(rgb565(offColour))
                   .u16(rgb565(onColour))
                   .u32(word)
                   .u8(1)
                   .text(a)
                   .text(b)
                   .data()};
}

struct BarFields
{
    int address = 0;
    bool is32 = false;
    bool indirectHigh = false, indirectLow = false;
    int direction = 0;
    std::int32_t high = 100, low = 0;
    int highRegister = 0, lowRegister = 0;
};

inline Record bar(const Geometry &g, const BarFields &f, std::uint32_t back = 0xFFFFFF,
                  std::uint32_t fore = 0xFF)
{
    const std::uint32_t word = f.address + (f.is32 ? 1u << 16 : 0) +
                               (f.indirectHigh ? 1u << 17 : 0) + (f.indirectLow ? 1u << 18 : 0) +
                               (std::uint32_t(f.direction) << 19) + (1u << 24);
    return {5, start(5, g)
                   .u16(rgb565(back))
                   .u16(rgb565(fore))
                   .u32(word)
                   .u32(static_cast<std::uint32_t>(f.high))
                   .u32(static_cast<std::uint32_t>(f.low))
                   .u16(f.highRegister)
                   .u16(f.lowRegister)
                   .data()};
}

struct DynamicFields
{
    int address = 0;
    bool entry = false;
    bool zeroOnLeave = false;
    int device = 0; // device index (bits 4..6 of the option byte), link in bit 7
    std::vector<QByteArray> first, second;
};

inline Record dynamicText(const Geometry &g, const DynamicFields &f, std::uint16_t style = 0)
{
    const int option = (f.entry ? 1 : 0) + (f.zeroOnLeave ? 2 : 0) + ((f.device & 0x0F) << 4);
    Bytes b = start(7, g);
    b.u16(style)
        .u16(rgb565(0xFFFFFF))
        .u16(0)
        .u16(f.address)
        .u8(option)
        .u8(1)
        .u8(f.first.size())
        .u8(0);
    for (std::size_t i = 0; i < f.first.size(); ++i)
        b.u8(i).text(f.first[i]);
    for (std::size_t i = 0; i < f.second.size(); ++i)
        b.u8(i).text(f.second[i]);
    return {7, b.data()};
}

inline Record functionKey(const Geometry &g, int flags, int target, int special,
                          const QByteArray &a = "K1", const QByteArray &b = "K")
{
    return {8, start(8, g)
                   .u16(0x2000)
                   .u16(rgb565(0xC0C0C0))
                   .u16(0)
                   .u8(flags)
                   .u8(target)
                   .u8(special)
                   .u8(1)
                   .text(a)
                   .text(b)
                   .data()};
}

struct SwitchFields
{
    int address = 0; // word address, or compiled bit index in a bit area
    int bit = 0;
    int function = 0; // 0 set, 1 clear, 2 momentary, 3 toggle
    bool invisible = false;
    int device = 0; // area code within the link: kinds 0, 1 words; 2.. bit areas (bits 29..30)
};

inline Record bitSwitch(const Geometry &g, const SwitchFields &f, const QByteArray &a = "F",
                        const QByteArray &b = "K")
{
    const std::uint32_t word = f.address + (std::uint32_t(f.bit) << 16) +
                               (std::uint32_t(f.function) << 20) + (f.invisible ? 1u << 22 : 0) +
                               (std::uint32_t(f.device & 3) << 29);
    return {34, start(34, g)
                    .u16(0x1000)
                    .u16(rgb565(0xFFFFFF))
                    .u16(0)
                    .text(a)
                    .text(b)
                    .u32(word)
                    .u8(1)
                    .data()};
}

inline Record rectangle(const Geometry &g, std::uint32_t fore, std::uint32_t flags, int yRegister,
                        int visibilityRegister)
{
    return {
        20,
        start(20, g).u16(rgb565(fore)).u32(flags).u16(yRegister).u16(visibilityRegister).data()};
}

inline Record line(int x0, int y0, int x1, int y1, int width, std::uint32_t colour)
{
    Bytes b;
    b.u8(27).u16(x0).u16(y0).u16(x1).u16(y1).u8(width).u16(rgb565(colour));
    return {27, b.data()};
}

struct Page
{
    Page(int number_ = 1, std::uint32_t background_ = 0xFFFFFF,
         std::array<std::uint8_t, 22> keyJump_ = {}, std::vector<Record> records_ = {})
        : number(number_), background(background_), keyJump(keyJump_), records(std::move(records_))
    {
    }
    int number;
    std::uint32_t background;
    std::array<std::uint8_t, 22> keyJump;
    std::vector<Record> records;
};

struct Header
{
    Header(int model_ = 1, int language_ = 0, int startPage_ = 1, bool pageSwitch_ = false,
           int register_ = 0)
        : model(model_), language(language_), startPage(startPage_), pageSwitch(pageSwitch_),
          pageSwitchRegister(register_)
    {
    }
    int model;
    int language;
    int startPage;
    bool pageSwitch;
    int pageSwitchRegister;
};

inline QByteArray pageBlock(const Page &page)
{
    std::array<int, 50> counts{};
    for (const Record &r : page.records) {
        if (r.type >= 1 && r.type <= 50)
            ++counts[r.type - 1];
    }
    Bytes b;
    b.u8(0xEE).u8(0xEE).u8(0x11).u8(0x11).u8(0xEE).u8(0xEE).u8(page.number);
    for (int i = 0; i < 50; ++i)
        b.u8(counts[i]);
    b.u16(rgb565(page.background));
    for (std::uint8_t k : page.keyJump)
        b.u8(k);
    for (const Record &r : page.records)
        b.raw(r.bytes);
    return b.data();
}

inline QByteArray image(const Header &header, const std::vector<Page> &pages)
{
    QByteArray bytes(800, '\0');
    auto put = [&bytes](int at, int v) { bytes[at] = static_cast<char>(v & 0xFF); };
    put(4, header.model);
    put(6, header.language);
    put(22, header.startPage);
    put(32, header.pageSwitch ? 1 : 0);
    put(42, header.pageSwitchRegister & 0xFF);
    put(43, header.pageSwitchRegister >> 8);
    put(126, 0x16);
    put(127, 0xE9);
    bytes.append(static_cast<char>(pages.size()));
    for (const Page &page : pages)
        bytes.append(pageBlock(page));
    const int alarmOffset = static_cast<int>(bytes.size());
    bytes.append('\0'); // no pictures
    for (int i = 0; i < 4; ++i) {
        put(122 + i, alarmOffset >> (8 * i));
        put(i, alarmOffset >> (8 * i));
    }
    return bytes;
}

} // namespace kxfixture
