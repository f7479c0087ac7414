#pragma once

#include "model/project.h"

#include <QByteArray>

namespace brevix::testing {

// Small helpers that put elements on pages the way the editor stores them.
inline SlotValues element(int kind, int left = 15, int top = 25, int width = 60, int height = 20)
{
    SlotValues v;
    v.Kind = std::uint8_t(kind);
    v.Left = std::uint16_t(left);
    v.Top = std::uint16_t(top);
    v.Width = std::uint16_t(width);
    v.Height = std::uint16_t(height);
    v.BackColor = 0x00FFFFFF;
    v.ForeColor = 0;
    return v;
}

inline void place(Project &project, int page, int slot, const SlotValues &v)
{
    Project::writeSlot(project.record(page), slot, v);
}

// A new project (page 1 "Window1") with no pages but the ones asked for.
inline void keepOnlyPages(Project &project, std::initializer_list<int> pages)
{
    for (int n = 1; n <= kMaxPage; ++n)
        project.deletePage(n);
    for (int n : pages)
        project.createPage(n, QByteArray("Window") + QByteArray::number(n));
}

inline unsigned u8(const QByteArray &b, qsizetype at)
{
    return static_cast<unsigned char>(b.at(at));
}
inline unsigned u16(const QByteArray &b, qsizetype at)
{
    return u8(b, at) | (u8(b, at + 1) << 8);
}
inline std::uint32_t u32(const QByteArray &b, qsizetype at)
{
    return u16(b, at) | (std::uint32_t(u16(b, at + 2)) << 16);
}

constexpr qsizetype kFirstRecord =
    801 + 6 + 1 + 50 + 2 + 22; // first element record of the first page
constexpr qsizetype kCounters = 801 + 6 + 1;

} // namespace brevix::testing
