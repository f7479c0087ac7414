#include "samplepage.h"

namespace brevix::testing {

void placeElement(Project &project, int page, int slot, int kind, int left, int top, int width,
                  int height)
{
    PageRecord &r = project.record(page);
    r.Kind[slot] = std::uint8_t(kind);
    r.Left[slot] = std::uint16_t(left);
    r.Top[slot] = std::uint16_t(top);
    r.MoveLock[slot] = 0;
    r.Width[slot] = std::uint16_t(width);
    r.Height[slot] = std::uint16_t(height);
    r.BackColor[slot] = project.pageBackColor(page);
    r.ForeColor[slot] = 0;
    r.WordA[slot] = 0;
    r.ByteA[slot] = r.ByteB[slot] = r.ByteC[slot] = r.ByteD[slot] = 0;
    r.LongA[slot] = 65535;
    r.LongB[slot] = 0;
    r.WordB[slot] = 1024;
    r.WordC[slot] = 0x2100;
    r.WordD[slot] = r.WordE[slot] = 0;
    r.ByteE[slot] = 0;
    switch (kind) {
    case 1:
        r.BackColor[slot] = 0xFFFFFF;
        r.WordC[slot] = 0x2000;
        r.TextA[slot].setText(QStringLiteral("文字串"));
        r.TextB[slot].setText(QStringLiteral("Text"));
        r.WordB[slot] = 1;
        break;
    case 2:
        r.TextA[slot].setText(QStringLiteral("1234"));
        r.AuxTextA[slot].setText(QStringLiteral("修改"));
        r.AuxTextB[slot].setText(QStringLiteral("Amend"));
        r.BackColor[slot] = 0xFFFFFF;
        break;
    case 3:
        r.TextA[slot].setText(QStringLiteral("OFF"));
        r.TextB[slot].setText(QStringLiteral("ON"));
        break;
    case 4:
        r.BackColor[slot] = 0;
        r.ForeColor[slot] = 0x6C6C6C;
        r.WordB[slot] = 0x0603;
        r.WordC[slot] = 0x0100;
        r.LongA[slot] = 1000;
        r.ByteE[slot] = 48;
        r.WordD[slot] = 0x0300;
        break;
    case 5:
        r.BackColor[slot] = 0x3A3A3A;
        r.ForeColor[slot] = 0xFF;
        r.WordC[slot] = 0;
        r.WordB[slot] = 0;
        break;
    case 6:
        r.BackColor[slot] = 0xFFFFFF;
        r.ByteA[slot] = 1;
        r.LongA[slot] = 0;
        r.WordB[slot] = 0;
        r.WordC[slot] = 0;
        break;
    case 7:
        r.WordC[slot] = 0x2100;
        r.ByteA[slot] = 1;
        r.TextA[slot].setText(QStringLiteral("动态文字串0000"));
        r.TextB[slot].setText(QStringLiteral("D.Text0000"));
        r.BackColor[slot] = 0xFFFFFF;
        break;
    case 8:
        r.TextA[slot].setText(QStringLiteral("功能键"));
        r.TextB[slot].setText(QStringLiteral("FunKey"));
        r.BackColor[slot] = 0x00FF00;
        r.WordD[slot] = 0x0224;
        r.LongA[slot] = 0;
        break;
    case 9:
        r.TextA[slot].setText(QStringLiteral("ASCII中文"));
        r.BackColor[slot] = 0xFFFFFF;
        r.ByteA[slot] = 10;
        break;
    case 10:
        r.TextA[slot].setText(QStringLiteral("YYYY年MM月DD日"));
        r.WordD[slot] = 1;
        r.WordC[slot] = 0x0100;
        r.BackColor[slot] = 0xFFFFFF;
        break;
    case 11:
        r.TextA[slot].setText(QStringLiteral("HH时MM分SS秒"));
        r.WordD[slot] = 1;
        r.WordC[slot] = 0x0100;
        r.BackColor[slot] = 0xFFFFFF;
        break;
    case 20:
    case 21:
    case 22:
        r.WordC[slot] = std::uint16_t(kind - 20);
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
        r.WordD[slot] = 1;
        r.BackColor[slot] = 0xFFFFFF;
        break;
    case 27:
        r.WordC[slot] = 1;
        break;
    case 34:
        r.BackColor[slot] = 0xD8E9EC;
        r.LongA[slot] = 0x1EFF1E;
        r.TextA[slot].setText(QStringLiteral("1 键"));
        r.TextB[slot].setText(QStringLiteral("1 键"));
        r.AuxTextA[slot].setText(QStringLiteral("1 Key"));
        r.AuxTextB[slot].setText(QStringLiteral("1 Key"));
        r.WordB[slot] = 13;
        break;
    default:
        break;
    }
}

int fillSamplePage(Project &project)
{
    project.resetToNew();
    PageRecord &page = project.record(1);
    page.PageStrings[CustomSizeMark].setBytes("Y");
    page.PageStrings[CustomWidthText].setBytes("480");
    page.PageStrings[CustomHeightText].setBytes("272");
    page.PageStrings[BackColorText].setBytes("15790320"); // light grey, so white elements show

    struct Placement
    {
        int kind, left, top, width, height;
    };
    const Placement placements[] = {
        {1, 10, 10, 76, 26},     {2, 100, 10, 60, 26},    {3, 180, 10, 20, 20},
        {4, 220, 10, 200, 100},  {5, 440, 10, 20, 60},    {6, 10, 50, 16, 16},
        {7, 10, 80, 132, 32},    {8, 150, 80, 80, 32},    {9, 10, 120, 132, 32},
        {10, 150, 120, 180, 28}, {11, 340, 120, 158, 28}, {20, 10, 160, 100, 50},
        {21, 120, 160, 100, 50}, {22, 230, 160, 100, 50}, {25, 340, 160, 30, 100},
        {26, 380, 160, 50, 50},  {27, 440, 160, 40, 50},  {34, 10, 220, 80, 32},
    };
    int slot = 0;
    for (const Placement &p : placements)
        placeElement(project, 1, slot++, p.kind, p.left, p.top, p.width, p.height);
    return slot;
}

} // namespace brevix::testing
