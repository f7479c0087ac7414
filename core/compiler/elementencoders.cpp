#include "compiler/elementencoders.h"

#include "compiler/colour565.h"
#include "compiler/elementfields.h"
#include "compiler/imagewriter.h"
#include "text/gbk.h"

namespace brevix {

namespace {

QByteArray orDefault(const QByteArray &text, const QByteArray &fallback)
{
    return text.isEmpty() ? fallback : text;
}

const QByteArray &gbkZhong()
{
    static const QByteArray bytes = toGbk(QStringLiteral("中"));
    return bytes;
}

const QByteArray &gbkJian()
{
    static const QByteArray bytes = toGbk(QStringLiteral("键"));
    return bytes;
}

const QByteArray &gbkKong()
{
    static const QByteArray bytes = toGbk(QStringLiteral("空"));
    return bytes;
}

void styleAndColours(const PageEncoding &out, const SlotValues &v)
{
    out.image.u16(v.WordC);
    out.image.u16(windowsColorTo565(v.BackColor));
    out.image.u16(windowsColorTo565(v.ForeColor));
}

void head(const PageEncoding &out, int type, const SlotValues &v)
{
    out.count(type);
    out.recordHead(type, v.Left - 5, v.Top - 5, v.Width, v.Height);
}

void encodeText(const PageEncoding &out, const SlotValues &v)
{
    head(out, 1, v);
    styleAndColours(out, v);
    out.image.text(orDefault(v.TextA.bytes(), gbkZhong()));
    out.image.text(orDefault(v.TextB.bytes(), QByteArrayLiteral("EN")));
}

void encodeRegister(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 2, v);
    styleAndColours(out, v);
    out.image.u16(v.WordA);
    out.image.u32(registerAttributeWord(v));
    out.image.u32(std::uint32_t(v.LongA));
    out.image.u32(std::uint32_t(v.LongB));
    out.image.u8(unsigned(number));
}

void encodeLamp(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 3, v);
    out.image.u16(windowsColorTo565(v.BackColor));
    out.image.u16(windowsColorTo565(v.ForeColor));
    out.image.u32(lampAttributeWord(v, out.protocol));
    out.image.u8(unsigned(number));
    out.image.text(orDefault(v.TextA.bytes(), kLampDefaultOff));
    out.image.text(orDefault(v.TextB.bytes(), kLampDefaultOn));
}

void encodeTrend(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 4, v);
    out.image.u16(windowsColorTo565(v.BackColor));
    out.image.u16(windowsColorTo565(v.ForeColor));
    out.image.u16(v.WordA);
    out.image.u32(trendAttributeWord(v, number));
    out.image.u32(std::uint32_t(v.LongA));
    out.image.u32(std::uint32_t(v.LongB));
    out.image.u16(v.WordD);
}

void encodeBar(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 5, v);
    out.image.u16(windowsColorTo565(v.BackColor));
    out.image.u16(windowsColorTo565(v.ForeColor));
    out.image.u32(barAttributeWord(v, number));
    out.image.u32(std::uint32_t(v.LongA));
    out.image.u32(std::uint32_t(v.LongB));
    out.image.u16(v.WordB);
    out.image.u16(v.WordD);
}

void encodePicture(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 6, v);
    out.image.u8(v.WordE & 0xFF);
    out.image.u32(pictureAttributeWord(v, out.protocol, number));
}

void encodeDynamicText(const PageEncoding &out, const Project &project, int page, int slot,
                       const SlotValues &v, int number)
{
    head(out, 7, v);
    styleAndColours(out, v);
    out.image.u16(v.WordA);
    out.image.u8(dynamicTextFlags(v));
    out.image.u8(unsigned(number));
    const int states = v.ByteA;
    out.image.u8(unsigned(states));
    std::vector<StateEntry> first;
    std::vector<StateEntry> second;
    int longest = 0;
    for (int j = 1; j <= states; ++j) {
        QByteArray one = project.ListEntry(page, slot, 1, j).bytes();
        QByteArray two = project.ListEntry(page, slot, 2, j).bytes();
        if (one.isEmpty())
            one = gbkKong() + QByteArray::number(j - 1);
        if (two.isEmpty())
            two = QByteArrayLiteral("N") + QByteArray::number(j - 1);
        first.push_back(splitStateEntry(one, j - 1));
        second.push_back(splitStateEntry(two, j - 1));
        longest = std::max<int>(longest, int(first.back().content.size()));
    }
    out.image.u8(unsigned(longest));
    for (const StateEntry &e : first) {
        out.image.u8(unsigned(e.value) & 0xFF);
        out.image.text(e.content);
    }
    for (int j = 1; j <= states; ++j) {
        out.image.u8(unsigned(j - 1));
        out.image.text(second[size_t(j - 1)].content);
    }
}

void encodeFunctionKey(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 8, v);
    styleAndColours(out, v);
    out.image.u8(v.WordD & 0xFF);
    out.image.u8(unsigned(v.LongB) & 0xFF);
    out.image.u8(v.WordE & 0xFF);
    out.image.u8(unsigned(number));
    out.image.text(orDefault(v.TextA.bytes(), gbkJian()));
    out.image.text(orDefault(v.TextB.bytes(), QByteArrayLiteral("K")));
}

void encodeAsciiChinese(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 9, v);
    styleAndColours(out, v);
    out.image.u16(v.WordA);
    out.image.u8(v.ByteA);
    out.image.u8((v.WordD >> 8) & 0x0F);
    out.image.u8(unsigned(number));
}

void encodeShape(const PageEncoding &out, const SlotValues &v, int kind, int number)
{
    head(out, kind, v);
    out.image.u16(windowsColorTo565(v.ForeColor));
    out.image.u32(shapeAttributeWord(v, kind, number));
    out.image.u16(unsigned(v.LongB) & 0xFFFF);
    out.image.u16(v.WordA);
}

void encodeScale(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 25, v);
    out.image.u16(windowsColorTo565(v.ForeColor));
    out.image.u32(scaleAttributeWord(v, number));
}

void encodeLine(const PageEncoding &out, const SlotValues &v)
{
    out.count(27);
    out.image.u8(27);
    const int x0 = v.Left - 5, y0 = v.Top - 5, w = v.Width, h = v.Height;
    if (v.ByteC != 0) { // rising
        out.image.coordinate(x0 + 1);
        out.image.coordinate(y0 + h - 1);
        out.image.coordinate(x0 + w - 1);
        out.image.coordinate(y0 + 1);
    } else {
        out.image.coordinate(x0 + 1);
        out.image.coordinate(y0 + 2);
        out.image.coordinate(x0 + w - 1);
        out.image.coordinate(y0 + h - 1);
    }
    out.image.u8(v.WordC & 0xFF);
    out.image.u16(windowsColorTo565(v.ForeColor));
}

void encodeBitSwitch(const PageEncoding &out, const SlotValues &v, int number)
{
    head(out, 34, v);
    styleAndColours(out, v);
    out.image.text(orDefault(v.TextA.bytes(), QByteArrayLiteral("F")));
    out.image.text(orDefault(v.AuxTextA.bytes(), QByteArrayLiteral("K")));
    out.image.u32(bitSwitchAttributeWord(v, out.protocol));
    out.image.u8(unsigned(number));
}

} // namespace

void PageEncoding::count(int type) const
{
    const qsizetype at = countersAt + type - 1;
    image.setU8(at, image.at(at) + 1);
    if (records)
        ++*records;
}

void PageEncoding::recordHead(int type, int x, int y, int width, int height) const
{
    image.u8(unsigned(type));
    image.coordinate(x);
    image.coordinate(y);
    image.coordinate(width);
    image.coordinate(height);
}

void encodeElement(const PageEncoding &out, const Project &project, int page, int slot)
{
    const PageRecord &record = project.record(page);
    const int kind = record.Kind[slot];
    if (kind == 0)
        return;
    const SlotValues v = Project::readSlot(record, slot);
    const int number = slot + 1;
    switch (kind) {
    case 1:
        encodeText(out, v);
        break;
    case 2:
        encodeRegister(out, v, number);
        break;
    case 3:
        encodeLamp(out, v, number);
        break;
    case 4:
        encodeTrend(out, v, number);
        break;
    case 5:
        encodeBar(out, v, number);
        break;
    case 6:
        encodePicture(out, v, number);
        break;
    case 7:
        encodeDynamicText(out, project, page, slot, v, number);
        break;
    case 8:
        encodeFunctionKey(out, v, number);
        break;
    case 9:
        encodeAsciiChinese(out, v, number);
        break;
    case 10:
    case 11:
        encodeDateTime(out, v, slot);
        break;
    case 20:
    case 26:
        encodeShape(out, v, kind, number);
        break;
    case 25:
        encodeScale(out, v, number);
        break;
    case 27:
        encodeLine(out, v);
        break;
    case 34:
        encodeBitSwitch(out, v, number);
        break;
    default:
        break; // 21..24 and the reserved kinds have no record
    }
}

} // namespace brevix
