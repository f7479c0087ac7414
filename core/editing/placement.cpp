#include "editing/placement.h"

#include "model/project.h"

#include <algorithm>

namespace brevix {

QSize placementSize(int kind, int textSize)
{
    static const QSize textSizes[] = {{52, 18},  {76, 26},  {98, 32},
                                      {148, 48}, {196, 64}, {288, 96}};
    switch (kind) {
    case 1:
        return textSizes[std::clamp(textSize, 0, 5)];
    case 2:
        return {60, 26};
    case 3:
        return {20, 20};
    case 4:
    case 29:
        return {200, 100};
    case 5:
        return {20, 60};
    case 6:
        return {16, 16};
    case 7:
    case 9:
        return {132, 32};
    case 8:
    case 34:
        return {80, 32};
    case 10:
        return {180, 28};
    case 11:
        return {158, 28};
    case 12:
    case 13:
    case 14:
    case 19:
        return {302, 180};
    case 15:
        return {467, 180};
    case 16:
        return {60, 22};
    case 17:
        return {28, 40};
    case 18:
        return {61, 16};
    case 20:
    case 21:
    case 22:
        return {100, 50};
    case 23:
        return {100, 30};
    case 24:
    case 25:
        return {30, 100};
    case 26:
    case 27:
    case 28:
        return {50, 50};
    case 32:
        return {228, 128};
    case 33:
    case 35:
        return {300, 25};
    default:
        return {0, 0};
    }
}

QByteArray registerSampleText(int digits, int decimals, bool isSigned)
{
    digits = std::clamp(digits, 1, 10);
    decimals = std::clamp(decimals, 0, digits);
    QByteArray text = QByteArray("1234567890").left(digits);
    if (decimals > 0) {
        text.insert(digits - decimals, '.');
        if (decimals == digits)
            text.prepend('0');
    }
    if (isSigned)
        text.prepend('-');
    return text;
}

namespace {

// 84 zeros, the upper range 1000 as eight hex digits, white as six, then the closing "0".
QByteArray trendGraphDefaultText()
{
    return QByteArray(84, '0') + QByteArray("000003E8") + QByteArray("FFFFFF") + QByteArray("0");
}

void writeKindDefaults(Project &project, int page, int slot, int kind)
{
    PageRecord &r = project.record(page);
    const ProjectRecord &settings = project.settings();
    switch (kind) {
    case 1:
        r.BackColor[slot] = settings.LongA[52];
        r.ForeColor[slot] = settings.LongA[53];
        r.WordC[slot] = static_cast<std::uint16_t>(settings.LongA[51] * 256 + 0x2000);
        r.TextA[slot].setText(QStringLiteral("文字串"));
        r.TextB[slot].setText(QStringLiteral("Text"));
        r.WordB[slot] = 1;
        break;
    case 2:
        r.TextA[slot].setBytes(registerSampleText(4, 0, false));
        r.AuxTextA[slot].setText(QStringLiteral("修改"));
        r.AuxTextB[slot].setText(QStringLiteral("Amend"));
        r.BackColor[slot] = 0xFFFFFF;
        break;
    case 3:
        r.ByteE[slot] = 0;
        r.TextA[slot].setText(QStringLiteral("OFF"));
        r.TextB[slot].setText(QStringLiteral("ON"));
        break;
    case 4: {
        r.BackColor[slot] = 0;
        r.ForeColor[slot] = 0x6C6C6C;
        r.WordB[slot] = 0x0603;
        r.ByteB[slot] = r.ByteC[slot] = r.ByteD[slot] = 0;
        r.WordC[slot] = 0x0100;
        r.LongA[slot] = 1000;
        r.ByteE[slot] = 48;
        r.LongB[slot] = 0;
        r.WordD[slot] = 0x0300;
        const QByteArray text = trendGraphDefaultText();
        r.TextA[slot].setBytes(text.left(50));
        r.TextB[slot].setBytes(text.mid(50, 49));
        break;
    }
    case 5:
        r.BackColor[slot] = 0x3A3A3A;
        r.ForeColor[slot] = 0xFF;
        r.WordC[slot] = 0;
        r.ByteB[slot] = 0;
        r.WordB[slot] = 0;
        break;
    case 6:
        r.TextA[slot].clear();
        r.TextB[slot].clear();
        r.BackColor[slot] = 0xFFFFFF;
        r.WordA[slot] = 0;
        r.ByteA[slot] = 1;
        r.ByteB[slot] = r.ByteC[slot] = 0;
        r.LongA[slot] = r.LongB[slot] = 0;
        r.WordB[slot] = r.WordC[slot] = 0;
        break;
    case 7: {
        r.WordC[slot] = 0x2100;
        r.ByteA[slot] = 1;
        r.TextA[slot].setText(QStringLiteral("动态文字串0000"));
        r.TextB[slot].setText(QStringLiteral("D.Text0000"));
        r.AuxTextA[slot].setText(QStringLiteral("修改"));
        r.AuxTextB[slot].setText(QStringLiteral("Amend"));
        r.BackColor[slot] = 0xFFFFFF;
        const int capacity = Project::listCapacity(slot);
        for (int j = 1; j <= capacity; ++j) {
            project.ListEntry(page, slot, 1, j).clear();
            project.ListEntry(page, slot, 2, j).clear();
        }
        if (capacity > 0) {
            project.ListEntry(page, slot, 1, 1).setBytes(r.TextA[slot].bytes());
            project.ListEntry(page, slot, 2, 1).setBytes(r.TextB[slot].bytes());
        }
        break;
    }
    case 8:
        r.TextA[slot].setText(QStringLiteral("功能键"));
        r.TextB[slot].setText(QStringLiteral("FunKey"));
        r.BackColor[slot] = 0x00FF00;
        r.WordC[slot] = 0x2100;
        r.WordD[slot] = 0x0224;
        r.LongA[slot] = r.LongB[slot] = 0;
        r.WordE[slot] = 0;
        break;
    case 9:
        r.TextA[slot].setText(QStringLiteral("ASCII中文"));
        r.BackColor[slot] = 0xFFFFFF;
        r.ByteA[slot] = 10;
        break;
    case 10:
    case 11:
        r.TextA[slot].setText(kind == 10 ? QStringLiteral("YYYY年MM月DD日")
                                         : QStringLiteral("HH时MM分SS秒"));
        r.ByteB[slot] = 0;
        r.WordD[slot] = 1;
        r.WordC[slot] = 0x0100;
        r.BackColor[slot] = 0xFFFFFF;
        break;
    case 20:
    case 21:
    case 22:
        r.ByteB[slot] = 0;
        r.WordC[slot] = static_cast<std::uint16_t>(kind - 20);
        r.BackColor[slot] = 0xD8E9EC;
        r.ForeColor[slot] = 0xFFFFFF;
        break;
    case 25:
        r.WordA[slot] = 5;
        r.ByteA[slot] = 2;
        r.WordB[slot] = 2;
        r.WordD[slot] = 1;
        break;
    case 26:
        r.ByteB[slot] = 0;
        r.WordD[slot] = 1;
        r.BackColor[slot] = 0xFFFFFF;
        r.ForeColor[slot] = 0;
        break;
    case 27:
        r.WordC[slot] = 1;
        break;
    case 34:
        r.BackColor[slot] = 0xD8E9EC;
        r.ForeColor[slot] = 0;
        r.LongA[slot] = 0x1EFF1E;
        r.LongB[slot] = 0;
        r.TextA[slot].setText(QStringLiteral("1 键"));
        r.TextB[slot].setText(QStringLiteral("1 键"));
        r.AuxTextA[slot].setText(QStringLiteral("1 Key"));
        r.AuxTextB[slot].setText(QStringLiteral("1 Key"));
        r.ByteB[slot] = 0;
        r.WordB[slot] = 13;
        r.WordE[slot] = 0;
        break;
    default:
        break;
    }
}

} // namespace

void writePlacementDefaults(Project &project, int page, int slot, int kind, int x, int y)
{
    PageRecord &r = project.record(page);
    const QSize size = placementSize(kind, project.settings().LongA[51]);
    r.Kind[slot] = static_cast<std::uint8_t>(kind);
    r.Left[slot] = static_cast<std::uint16_t>(x);
    r.Top[slot] = static_cast<std::uint16_t>(y);
    r.MoveLock[slot] = 0;
    r.Width[slot] = static_cast<std::uint16_t>(size.width());
    r.Height[slot] = static_cast<std::uint16_t>(size.height());
    r.BackColor[slot] = project.pageBackColor(page);
    r.ForeColor[slot] = 0;
    r.WordA[slot] = 0;
    r.ByteA[slot] = r.ByteB[slot] = r.ByteC[slot] = r.ByteD[slot] = 0;
    r.LongA[slot] = 65535;
    r.LongB[slot] = 0;
    r.WordB[slot] = 1024;
    r.WordC[slot] = 0x2100;
    r.WordD[slot] = 0;
    r.WordE[slot] = 0;
    r.ByteE[slot] = 0;
    writeKindDefaults(project, page, slot, kind);
}

} // namespace brevix
