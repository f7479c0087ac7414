#include "compiler/fieldwarnings.h"

#include "compiler/elementfields.h"

#include <algorithm>

namespace brevix {

namespace {

constexpr int kCellWidths[8] = {8, 12, 17, 24, 32, 40, 48, 56};

Message tooWide(const char *fieldZh, const char *fieldEn, long long value, long long max)
{
    return {QStringLiteral("%1 = %2 超出编译记录的范围 (最大 %3) ！")
                .arg(QString::fromUtf8(fieldZh))
                .arg(value)
                .arg(max),
            QStringLiteral("%1 = %2 does not fit the compiled record (at most %3)!")
                .arg(QString::fromUtf8(fieldEn))
                .arg(value)
                .arg(max)};
}

struct FieldCheck
{
    std::vector<Message> &out;
    void check(long long value, int width, const char *zh, const char *en) const
    {
        const long long max = (1LL << width) - 1;
        if (value < 0 || value > max)
            out.push_back(tooWide(zh, en, value, max));
    }
};

void textWidthWarning(std::vector<Message> &out, const QByteArray &text, int fontIndex, int width)
{
    const int needed = textPixelWidth(int(text.size()), fontIndex);
    if (needed > width)
        out.push_back({QStringLiteral("文本宽 %1 像素, 超出元件宽度 %2 ！").arg(needed).arg(width),
                       QStringLiteral("The text is %1 pixels wide, wider than the element (%2)!")
                           .arg(needed)
                           .arg(width)});
}

} // namespace

int textPixelWidth(int byteCount, int fontIndex)
{
    return byteCount * kCellWidths[std::clamp(fontIndex, 0, 7)];
}

Message recordCountWarning(int records)
{
    return {QStringLiteral("画面有 %1 条编译记录, 面板只能计数到 255 ！").arg(records),
            QStringLiteral("The page compiles to %1 records; the panel counts at most 255!")
                .arg(records)};
}

Message alarmCountWarning(int count)
{
    return {QStringLiteral("报警数目 %1 超过 80 ！").arg(count),
            QStringLiteral("The alarm count %1 is above 80!").arg(count)};
}

int compiledRecordCount(const Project &project, int page, int slot)
{
    const PageRecord &r = project.record(page);
    const int kind = r.Kind[slot];
    const int format = r.ByteA[slot];
    switch (kind) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 20:
    case 25:
    case 26:
    case 27:
    case 34:
        return 1;
    case 10:
        return format <= 2 ? 5 : 1;
    case 11:
        return format == 1 ? 5 : (format == 0 || format == 2) ? 4 : 1;
    default:
        return 0;
    }
}

std::vector<Message> elementWarnings(const Project &project, int page, int slot)
{
    std::vector<Message> out;
    const FieldCheck f{out};
    const SlotValues v = Project::readSlot(project.record(page), slot);
    const int font = (v.WordC >> 8) & 0x0F;
    const int device = (v.ByteA >> 4) & 7;
    switch (v.Kind) {
    case 1:
        textWidthWarning(
            out,
            std::max(v.TextA.bytes(), v.TextB.bytes(),
                     [](const QByteArray &a, const QByteArray &b) { return a.size() < b.size(); }),
            font, v.Width);
        break;
    case 2:
        f.check(device, 1, "设备序号", "Device index");
        f.check(v.WordE, 13, "关键寄存器", "Key register");
        f.check(v.WordB >> 8, 4, "位数", "Digits");
        f.check(v.WordB & 0xFF, 4, "小数位", "Decimals");
        break;
    case 3:
    case 6:
        f.check(device, 2, "设备序号", "Device index");
        f.check(compiledBitAddress(project.settings().Height[0], v.ByteA, v.WordA), 16, "位地址",
                "Bit address");
        break;
    case 34:
        f.check(compiledBitAddress(project.settings().Height[0], v.ByteA, v.WordA), 16, "位地址",
                "Bit address");
        f.check(v.WordB, 5, "面板按键", "Panel key");
        f.check(v.WordE, 2, "功能", "Function");
        if (device >= 4 && v.ByteB != 0)
            f.check(device, 2, "设备序号 (与口令位重叠)", "Device index (shares the password bit)");
        textWidthWarning(out, v.TextA.bytes(), font, v.Width);
        break;
    case 4:
        f.check(v.WordC, 6, "采集点数", "Acquisition count");
        f.check(v.WordB >> 8, 5, "水平格线", "Horizontal grid lines");
        f.check(v.WordE, 2, "标签字体", "Label font");
        f.check(v.ByteE, 3, "标签格式", "Label format");
        f.check(v.ByteA >> 4, 0, "设备/通道", "Device or link");
        break;
    case 5:
        f.check(v.ByteA >> 4, 0, "设备/通道", "Device or link");
        f.check(v.WordC >> 8, 5, "方向", "Direction");
        break;
    case 8:
        textWidthWarning(
            out,
            std::max(v.TextA.bytes(), v.TextB.bytes(),
                     [](const QByteArray &a, const QByteArray &b) { return a.size() < b.size(); }),
            font, v.Width);
        break;
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 26:
        f.check(v.WordD >> 8, 0, "设备/通道", "Device or link");
        f.check(v.LongA, 16, "水平移动寄存器", "Horizontal move register");
        f.check(v.WordE, 3, "形状", "Shape");
        break;
    case 25:
        f.check(v.WordA, 8, "主刻度", "Major divisions");
        f.check(v.WordB, 4, "方向", "Direction");
        break;
    default:
        break;
    }
    return out;
}

} // namespace brevix
