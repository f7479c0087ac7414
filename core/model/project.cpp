#include "model/project.h"

#include "model/panelmodel.h"
#include "text/numbertext.h"

#include <cstring>

namespace brevix {

namespace {

bool isListKind(int kind)
{
    return kind == 7 || (kind >= 12 && kind <= 15) || kind == 19 || kind == 33;
}

bool isReservedListKind(int kind)
{
    return kind >= 12 && kind <= 15;
}

} // namespace

Project::Project() : m_records(new PageRecord[kRecordCount])
{
    std::memset(static_cast<void *>(m_records.get()), 0, sizeof(PageRecord) * kRecordCount);
}

Project::Project(const Project &other) : Project()
{
    *this = other;
}

Project &Project::operator=(const Project &other)
{
    if (this == &other)
        return *this;
    std::memcpy(static_cast<void *>(m_records.get()), other.m_records.get(),
                sizeof(PageRecord) * kRecordCount);
    currentPage = other.currentPage;
    currentSlot = other.currentSlot;
    selectedTool = other.selectedTool;
    keptKind1 = other.keptKind1;
    keptTextA1 = other.keptTextA1;
    return *this;
}

bool Project::PageExists(int n) const
{
    if (n < 1 || n > kMaxPage)
        return false;
    return record(n).PageStrings[InUseMark].equals("Use");
}

int Project::HighestPageInUse() const
{
    for (int n = kMaxPage; n >= 1; --n) {
        if (PageExists(n))
            return n;
    }
    return 0;
}

int Project::lowestPageInUse() const
{
    for (int n = 1; n <= kMaxPage; ++n) {
        if (PageExists(n))
            return n;
    }
    return 0;
}

int Project::pageCount() const
{
    int count = 0;
    for (int n = 1; n <= kMaxPage; ++n)
        count += PageExists(n) ? 1 : 0;
    return count;
}

std::optional<int> Project::FindFreeSlot(int page, int kind) const
{
    const PageRecord &r = record(page);
    const int start = isListKind(kind) ? kFirstListSlot : 0;
    for (int s = start; s < kUsableSlots; ++s) {
        if (r.Kind[s] != 0)
            continue;
        if (isReservedListKind(kind) && s > 149)
            return std::nullopt;
        return s;
    }
    return std::nullopt;
}

Message Project::pageFullWarning()
{
    return {QStringLiteral("不再有这种类型的部件 ！"),
            QStringLiteral("There is no longer such types of components!")};
}

int Project::listCapacity(int slot)
{
    if (slot >= 135 && slot <= 149)
        return 100;
    if (slot >= 150 && slot <= 199)
        return 20;
    return 0;
}

int Project::listPoolIndex(int slot, int list, int j)
{
    const int n = listCapacity(slot);
    if (n == 0 || (list != 1 && list != 2) || j < 1 || j > n)
        return -1;
    const int offset = (list == 1) ? j : n + j;
    if (slot <= 149)
        return 200 * (slot - 135) + offset;
    return 3010 + 40 * (slot - 150) + offset;
}

ShortString<30> &Project::ListEntry(int page, int slot, int list, int j)
{
    const int k = listPoolIndex(slot, list, j);
    // Entry 0 of the pool is never used by any list, so it absorbs a call outside the mapping.
    return record(page).ListStrings[k < 0 ? 0 : k];
}

const ShortString<30> &Project::ListEntry(int page, int slot, int list, int j) const
{
    const int k = listPoolIndex(slot, list, j);
    return record(page).ListStrings[k < 0 ? 0 : k];
}

void Project::ClearPageStructure(int n)
{
    PageRecord &r = record(n);
    for (auto &entry : r.PageStrings)
        entry.length = 0;
    std::memset(r.Kind, 0, sizeof r.Kind);
}

SlotValues Project::readSlot(const PageRecord &r, int slot)
{
    SlotValues v;
    v.Kind = r.Kind[slot];
    v.TextA = r.TextA[slot];
    v.TextB = r.TextB[slot];
    v.AuxTextA = r.AuxTextA[slot];
    v.AuxTextB = r.AuxTextB[slot];
    v.Left = r.Left[slot];
    v.Top = r.Top[slot];
    v.MoveLock = r.MoveLock[slot];
    v.Width = r.Width[slot];
    v.Height = r.Height[slot];
    v.BackColor = r.BackColor[slot];
    v.ForeColor = r.ForeColor[slot];
    v.WordA = r.WordA[slot];
    v.ByteA = r.ByteA[slot];
    v.ByteB = r.ByteB[slot];
    v.ByteC = r.ByteC[slot];
    v.ByteD = r.ByteD[slot];
    v.LongA = r.LongA[slot];
    v.LongB = r.LongB[slot];
    v.WordB = r.WordB[slot];
    v.WordC = r.WordC[slot];
    v.WordD = r.WordD[slot];
    v.WordE = r.WordE[slot];
    v.ByteE = r.ByteE[slot];
    return v;
}

void Project::writeSlot(PageRecord &r, int slot, const SlotValues &v)
{
    r.Kind[slot] = v.Kind;
    r.TextA[slot] = v.TextA;
    r.TextB[slot] = v.TextB;
    r.AuxTextA[slot] = v.AuxTextA;
    r.AuxTextB[slot] = v.AuxTextB;
    r.Left[slot] = v.Left;
    r.Top[slot] = v.Top;
    r.MoveLock[slot] = v.MoveLock;
    r.Width[slot] = v.Width;
    r.Height[slot] = v.Height;
    r.BackColor[slot] = v.BackColor;
    r.ForeColor[slot] = v.ForeColor;
    r.WordA[slot] = v.WordA;
    r.ByteA[slot] = v.ByteA;
    r.ByteB[slot] = v.ByteB;
    r.ByteC[slot] = v.ByteC;
    r.ByteD[slot] = v.ByteD;
    r.LongA[slot] = v.LongA;
    r.LongB[slot] = v.LongB;
    r.WordB[slot] = v.WordB;
    r.WordC[slot] = v.WordC;
    r.WordD[slot] = v.WordD;
    r.WordE[slot] = v.WordE;
    r.ByteE[slot] = v.ByteE;
}

void Project::copySlot(PageRecord &r, int to, int from)
{
    writeSlot(r, to, readSlot(r, from));
}

void Project::SendSlotToBack(int page, int slot)
{
    if (slot <= 0 || slot >= kFirstListSlot)
        return;
    PageRecord &r = record(page);
    const SlotValues kept = readSlot(r, slot);
    for (int k = slot; k >= 1; --k)
        copySlot(r, k, k - 1);
    writeSlot(r, 0, kept);
}

void Project::CopyRecord(PageRecord &dst, const PageRecord &src)
{
    std::memcpy(static_cast<void *>(&dst), &src, sizeof(PageRecord));
}

void Project::writeNewValues()
{
    ProjectRecord &p = settings();
    p.WordA[0] = 1;
    p.Left[0] = 2, p.Top[0] = 2, p.Width[0] = 0, p.Height[0] = 0;
    p.Left[1] = 0, p.Top[1] = 2, p.Width[1] = 0, p.Height[1] = 1;
    p.TextA[0].setBytes("5807");
    p.ByteA[0] = 0;
    p.ByteB[0] = 0, p.ByteB[1] = 0, p.ByteB[2] = 1, p.ByteB[5] = 0;
    const std::int32_t longA0[] = {1, 3, 200, 1, 6, 1, 255, 0};
    for (int i = 0; i < 8; ++i)
        p.LongA[i] = longA0[i];
    const std::int32_t longA10[] = {2180, 1180, 0, 0, 0};
    for (int i = 0; i < 5; ++i)
        p.LongA[10 + i] = longA10[i];
    p.LongA[20] = 2, p.LongA[21] = 3, p.LongA[22] = 100;
    p.LongA[30] = 0, p.LongA[31] = 1;
    p.LongA[50] = 16776960;
    p.LongA[51] = 1;
    p.LongA[52] = 16776960, p.LongA[53] = 0;
    const std::int32_t longA60[] = {8, 0, 0, 8, 0, 0, 0, 0, 0};
    for (int i = 0; i < 9; ++i)
        p.LongA[60 + i] = longA60[i];
    const std::int32_t longB0[] = {0, 3, 0, 0, 1, 0, 100, 100, 101, 102, 103, 201, 200};
    for (int i = 0; i < 13; ++i)
        p.LongB[i] = longB0[i];
    p.WordA[10] = 0, p.WordA[12] = 2100;
    p.WordA[17] = 0;
    p.WordA[100] = 1, p.WordA[101] = 100, p.WordA[102] = 0, p.WordA[103] = 0;
}

void Project::resetToNew()
{
    writeNewValues();
    for (int n = 1; n <= kMaxPage; ++n)
        ClearPageStructure(n);
    PageRecord &page = record(1);
    page.PageStrings[PageName].setBytes("Window1");
    page.PageStrings[PageNumberText].setBytes("1");
    page.PageStrings[InUseMark].setBytes("Use");
    page.PageStrings[BackColorText].setBytes(QByteArray::number(settings().LongA[50]));
    currentPage = 1;
    currentSlot = 0;
}

void Project::createPage(int n, const QByteArray &name)
{
    PageRecord &page = record(n);
    page.PageStrings[PageName].setBytes(name);
    page.PageStrings[PageNumberText].setBytes(QByteArray::number(n));
    page.PageStrings[InUseMark].setBytes("Use");
    page.PageStrings[BackColorText].setBytes(QByteArray::number(settings().LongA[50]));
    page.PageStrings[RegisterOffsetText].setBytes("0");
    std::memset(page.Kind, 0, sizeof page.Kind);
}

void Project::deletePage(int n)
{
    record(n).PageStrings[InUseMark].length = 0;
}

int Project::panelModel() const
{
    return settings().WordA[0] & 63;
}

QSize Project::pageSize(int n) const
{
    const PageRecord &page = record(n);
    if (page.PageStrings[CustomSizeMark].equals("Y")) {
        const auto w = parseDecimal(page.PageStrings[CustomWidthText].bytes());
        const auto h = parseDecimal(page.PageStrings[CustomHeightText].bytes());
        if (w && h && *w > 0 && *h > 0 && *w <= 4096 && *h <= 4096)
            return QSize(int(*w), int(*h));
    }
    return panelModelPageSize(panelModel());
}

int Project::pageBackColor(int n) const
{
    return int(decimalOr(record(n).PageStrings[BackColorText].bytes(), 16777215));
}

int Project::pageRegisterOffset(int n) const
{
    return int(decimalOr(record(n).PageStrings[RegisterOffsetText].bytes(), 0));
}

int Project::keyJumpTarget(int n, int key) const
{
    if (key < 0 || key >= kKeyJumpCount)
        return 0;
    return int(decimalOr(record(n).PageStrings[KeyJumpTextFirst + key].bytes(), 0));
}

void Project::keepCarriedCells()
{
    keptKind1 = settings().Kind[1];
    keptTextA1 = settings().TextA[1];
}

} // namespace brevix
