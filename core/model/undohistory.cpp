#include "model/undohistory.h"

#include "model/project.h"

#include <algorithm>
#include <cstring>

namespace brevix {

UndoHistory::UndoHistory() : m_snapshots(new PageRecord[kSnapshots])
{
    std::memset(static_cast<void *>(m_snapshots.get()), 0, sizeof(PageRecord) * kSnapshots);
}

void UndoHistory::reset()
{
    m_page = -1;
    m_position = 0;
    m_count = -1;
    m_lastWasUndoRedo = false;
}

void UndoHistory::EditFileBackup(const Project &project)
{
    const int page = project.currentPage;
    if (page < 1 || page > kMaxPage)
        return;
    if (m_page != page) {
        m_page = page;
        m_lastWasUndoRedo = false;
        Project::CopyRecord(m_snapshots[0], project.record(page));
        m_position = 0;
        m_count = -1;
    }
    if (m_lastWasUndoRedo) {
        // A change after undo drops the redo branch: the shown state becomes the newest.
        m_lastWasUndoRedo = false;
        if (m_position != 0)
            Project::CopyRecord(m_snapshots[0], m_snapshots[m_position]);
        m_position = 0;
        m_count = 0;
    }
    for (int i = kSnapshots - 1; i > 0; --i)
        Project::CopyRecord(m_snapshots[i], m_snapshots[i - 1]);
    Project::CopyRecord(m_snapshots[0], project.record(page));
    m_count = std::min(m_count + 1, kSnapshots - 1);
}

bool UndoHistory::undo(Project &project)
{
    if (m_page < 1 || m_page != project.currentPage || m_position >= m_count)
        return false;
    ++m_position;
    Project::CopyRecord(project.record(m_page), m_snapshots[m_position]);
    m_lastWasUndoRedo = true;
    return true;
}

bool UndoHistory::redo(Project &project)
{
    if (m_page < 1 || m_page != project.currentPage || m_position <= 0)
        return false;
    --m_position;
    Project::CopyRecord(project.record(m_page), m_snapshots[m_position]);
    m_lastWasUndoRedo = true;
    return true;
}

} // namespace brevix
