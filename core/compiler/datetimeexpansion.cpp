#include "compiler/colour565.h"
#include "compiler/elementencoders.h"
#include "compiler/imagewriter.h"
#include "text/gbk.h"

#include <cmath>

namespace brevix {

namespace {

constexpr int kCellWidths[8] = {8, 12, 17, 24, 32, 40, 48, 56};

// Rounds to the nearest integer, halves to even, as the panel's geometry has always been.
int roundEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return int(floor) + 1;
    if (fraction < 0.5)
        return int(floor);
    return (std::fmod(floor, 2.0) == 0.0) ? int(floor) : int(floor) + 1;
}

struct Field
{
    int reg;
    int upper;
    int digits;
    int x;
    int width;
};

struct SubRecords
{
    const PageEncoding &out;
    const SlotValues &v;
    int y;
    int height;
    unsigned style;
    int numberBase; // 0x5C for dates, 0x55 for times

    void text(const QByteArray &bytes, int x, int width) const
    {
        out.count(1);
        out.recordHead(1, x, y, width, height);
        writeStyle();
        out.image.text(bytes);
        out.image.text(bytes);
    }

    void field(const Field &f) const
    {
        out.count(2);
        out.recordHead(2, f.x, y, f.width, height);
        writeStyle();
        out.image.u16(unsigned(f.reg));
        unsigned attribute = f.digits == 4 ? 0x8040u : 0x8020u;
        if (v.ByteB != 0)
            attribute += 2; // input allowed
        out.image.u32(attribute);
        out.image.u32(std::uint32_t(f.upper));
        out.image.u32(0);
        out.image.u8(unsigned(numberBase - (f.reg & 0xFF)) & 0xFF);
    }

    void writeStyle() const
    {
        out.image.u16(style);
        out.image.u16(windowsColorTo565(v.BackColor));
        out.image.u16(windowsColorTo565(v.ForeColor));
    }
};

void frame(const PageEncoding &out, const SlotValues &v, int slot, bool border3d)
{
    out.count(20);
    out.recordHead(20, v.Left - 5, v.Top - 5, v.Width, v.Height);
    out.image.u16(windowsColorTo565(v.BackColor));
    std::uint32_t attribute = 8 + (std::uint32_t(slot + 1) << 20) + (1u << 28);
    if (border3d)
        attribute += 1u << 29;
    out.image.u32(attribute);
    out.image.u16(0);
    out.image.u16(0);
}

void dateFields(const SubRecords &sub, int format, int L, int cw, int f)
{
    const int narrow = 3 * cw - 2 - 2 * f;
    const int wide = 5 * cw - 2 - 2 * f;
    if (format == 0 || format == 2) {
        sub.text(format == 0 ? QByteArrayLiteral("-  -") : QByteArrayLiteral("/  /"),
                 L + 4 * cw + 5, 4 * cw);
        sub.field({5016, 2099, 4, L, wide});
        sub.field({5015, 12, 2, L + 5 * cw + cw / 4, narrow});
        sub.field({5013, 31, 2, L + 8 * cw + (10 * cw) / 15, narrow});
    } else if (format == 1) {
        sub.text(QByteArrayLiteral("/  /"), L + 2 * cw + 5, 4 * cw);
        sub.field({5015, 12, 2, L, narrow});
        sub.field({5013, 31, 2, L + 3 * cw + cw / 4, narrow});
        sub.field({5016, 2099, 4, L + 6 * cw + (10 * cw) / 15, wide});
    }
}

void timeFields(const SubRecords &sub, int format, int L, int cw, int f, int J)
{
    const int width = roundEven(2.8 * cw - 2 - 2 * f);
    const Field all[3] = {
        {5012, 23, 2, 0, width}, {5011, 59, 2, 0, width}, {5010, 59, 2, 0, width}};
    int count = 0;
    double step = 0;
    if (format == 0) {
        const QByteArray text = toGbk(QStringLiteral("时  分"));
        sub.text(text, roundEven(L + 2.5 * cw + J), roundEven((text.size() + 0.5) * cw));
        count = 2;
        step = 4;
    } else if (format == 1 || format == 2) {
        const QByteArray text = format == 1 ? QByteArrayLiteral(":  :") : QByteArrayLiteral(":");
        sub.text(text, roundEven(L + 2.33 * cw + J), roundEven((text.size() + 0.5) * cw));
        count = format == 1 ? 3 : 2;
        step = 3;
    }
    for (int k = 0; k < count; ++k) {
        Field field = all[k];
        field.x = L + roundEven(step * k * cw * 1.037) + J;
        sub.field(field);
    }
}

} // namespace

void encodeDateTime(const PageEncoding &out, const SlotValues &v, int slot)
{
    const bool isDate = v.Kind == 10;
    const int border = v.WordC >> 12;
    const int f = (v.WordC >> 8) & 0x0F;
    const int cw = kCellWidths[f < 8 ? f : 7];
    const int J = border == 1 ? 2 : 0;
    const int L = v.Left - 5;
    frame(out, v, slot, border == 1);
    const int y = v.Top - 5 + J + (isDate ? 0 : 1);
    const int height = v.Height - 2 - J;
    const unsigned style = unsigned(f) * 256 + (isDate ? (v.WordC & 0xFF) : (v.WordC & 0x0F));
    const SubRecords sub{out, v, y, height, style, isDate ? 0x5C : 0x55};
    if (isDate)
        dateFields(sub, v.ByteA, L, cw, f);
    else
        timeFields(sub, v.ByteA, L, cw, f, J);
}

} // namespace brevix
