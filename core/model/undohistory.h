#pragma once

#include "model/pagerecord.h"

#include <memory>

namespace brevix {

class Project;

// Undo and redo for the page being edited: six whole-record snapshots, S0 the newest.
// Position p is the snapshot shown, count c how many older snapshots exist (-1..5).
class UndoHistory
{
public:
    static constexpr int kSnapshots = 6;

    UndoHistory();

    // Takes a snapshot of the current page after a change (or as the baseline when the history
    // belonged to another page). The caller marks the project as changed.
    void EditFileBackup(const Project &project);
    // Steps back; false when there is nothing older (the page is left as it is).
    bool undo(Project &project);
    // Steps forward again; false when nothing was undone.
    bool redo(Project &project);

    bool canUndo() const { return m_position < m_count; }
    bool canRedo() const { return m_position > 0; }
    int page() const { return m_page; }
    int position() const { return m_position; }
    int count() const { return m_count; }
    // Forgets the history (a page was deleted or a project opened).
    void reset();

private:
    std::unique_ptr<PageRecord[]> m_snapshots;
    int m_page = -1;
    int m_position = 0;
    int m_count = -1;
    bool m_lastWasUndoRedo = false;
};

} // namespace brevix
