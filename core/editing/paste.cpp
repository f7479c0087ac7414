#include "editing/paste.h"

#include "model/project.h"

#include <algorithm>

namespace brevix {

std::optional<int> Paste1PcsOrgan(Project &project, int page, PageRecord &clip, int a,
                                  QSize pageSize)
{
    if (a < 0 || a >= kSlotCount || clip.Kind[a] == 0)
        return std::nullopt;
    const auto found = project.FindFreeSlot(page, clip.Kind[a]);
    if (!found)
        return std::nullopt;
    const int slot = *found;

    int left = clip.Left[a] + 10;
    int top = clip.Top[a] + 6;
    if (pageSize.width() - clip.Width[a] < left)
        left = pageSize.width() - clip.Width[a];
    if (pageSize.height() - clip.Height[a] < top)
        top = pageSize.height() - clip.Height[a];
    // An element wider than the page would get a negative position otherwise.
    clip.Left[a] = static_cast<std::uint16_t>(std::max(0, left));
    clip.Top[a] = static_cast<std::uint16_t>(std::max(0, top));

    project.currentSlot = slot;
    if (a >= kFirstListSlot && slot >= kFirstListSlot) {
        const int n = std::min(Project::listCapacity(a), Project::listCapacity(slot));
        for (int list = 1; list <= 2; ++list) {
            for (int j = 1; j <= n; ++j) {
                project.ListEntry(page, slot, list, j) =
                    clip.ListStrings[Project::listPoolIndex(a, list, j)];
            }
        }
    }
    Project::writeSlot(project.record(page), slot, Project::readSlot(clip, a));
    return slot;
}

Message pageExistsWarning(int n)
{
    return {QString::number(n) + QStringLiteral(" 号画面已存在 ！"),
            QStringLiteral("Window") + QString::number(n) + QStringLiteral(" already exists ！")};
}

Result pastePage(Project &project, const PageRecord &clip, int n, Language language)
{
    if (n < 1 || n > kMaxPage)
        return Result::failure(pageExistsWarning(n));
    if (project.PageExists(n))
        return Result::failure(pageExistsWarning(n));
    PageRecord &target = project.record(n);
    Project::CopyRecord(target, clip);
    const QByteArray prefix =
        language == Language::Chinese ? toGbk(QStringLiteral("新")) : QByteArray("New");
    target.PageStrings[PageName].setBytes(prefix + clip.PageStrings[PageName].bytes());
    target.PageStrings[PageNumberText].setBytes(QByteArray::number(n));
    // The copied page was in use; a page copied right after it was deleted would not be.
    target.PageStrings[InUseMark].setBytes("Use");
    project.currentPage = n;
    return Result::success();
}

} // namespace brevix
