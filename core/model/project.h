#pragma once

#include "model/pagerecord.h"
#include "text/message.h"

#include <QByteArray>
#include <QSize>
#include <memory>
#include <optional>

namespace brevix {

// The 24 per-slot entries of one element (its list texts are not part of it).
struct SlotValues
{
    std::uint8_t Kind = 0;
    ShortString<50> TextA{}, TextB{};
    ShortString<20> AuxTextA{}, AuxTextB{};
    std::uint16_t Left = 0, Top = 0;
    std::uint8_t MoveLock = 0;
    std::uint16_t Width = 0, Height = 0;
    std::int32_t BackColor = 0, ForeColor = 0;
    std::uint16_t WordA = 0;
    std::uint8_t ByteA = 0, ByteB = 0, ByteC = 0, ByteD = 0;
    std::int32_t LongA = 0, LongB = 0;
    std::uint16_t WordB = 0, WordC = 0, WordD = 0, WordE = 0;
    std::uint8_t ByteE = 0;
};

// The project held in memory: 241 page records (record 0 = project settings) and the editing
// state that goes with them. Several projects may live side by side (tests, tools).
class Project
{
public:
    Project();
    Project(const Project &other);
    Project &operator=(const Project &other);

    PageRecord &record(int n) { return m_records[static_cast<size_t>(n)]; }
    const PageRecord &record(int n) const { return m_records[static_cast<size_t>(n)]; }
    ProjectRecord &settings() { return m_records[0]; }
    const ProjectRecord &settings() const { return m_records[0]; }

    // InUseMark of record n equals "Use" exactly (length byte included).
    bool PageExists(int n) const;
    // Highest existing page 1..240, 0 when there is none.
    int HighestPageInUse() const;
    // Lowest existing page, 0 when there is none.
    int lowestPageInUse() const;
    // Number of existing pages.
    int pageCount() const;

    // First free slot for an element of kind on page, or nothing when the page is full for it.
    std::optional<int> FindFreeSlot(int page, int kind) const;
    static Message pageFullWarning();

    // The list entry j (1..listCapacity) of list 1 or 2 of the element in slot (135..199).
    ShortString<30> &ListEntry(int page, int slot, int list, int j);
    const ShortString<30> &ListEntry(int page, int slot, int list, int j) const;
    // Texts per list for an element in slot: 100 in 135..149, 20 in 150..199, 0 elsewhere.
    static int listCapacity(int slot);
    // Pool index k of list entry j of list 1 or 2 of slot, -1 when slot owns no list.
    static int listPoolIndex(int slot, int list, int j);

    // Empties the header strings and all Kind bytes of record n; other arrays stay as they are.
    void ClearPageStructure(int n);
    // Moves slot s (below 135) to slot 0, shifting slots 0..s-1 up by one.
    void SendSlotToBack(int page, int slot);
    static void CopyRecord(PageRecord &dst, const PageRecord &src);
    // Every per-slot entry (not the list texts) of one slot.
    static SlotValues readSlot(const PageRecord &record, int slot);
    static void writeSlot(PageRecord &record, int slot, const SlotValues &values);
    static void copySlot(PageRecord &record, int to, int from);

    // Writes the settings that a new project starts with into record 0.
    void writeNewValues();
    // New: New values, all pages cleared, page 1 "Window1" created and current.
    void resetToNew();
    // Creates page n with the given name, as the new-page command does.
    void createPage(int n, const QByteArray &name);
    // Deleting a page empties only its InUseMark; the rest of the record stays.
    void deletePage(int n);

    // Page size of page n: its own size when it carries one, otherwise the panel model's.
    QSize pageSize(int n) const;
    int panelModel() const;
    // Counted numbers of the page header, with their stated fallbacks.
    int pageBackColor(int n) const;
    int pageRegisterOffset(int n) const;
    int keyJumpTarget(int n, int key) const;

    // Editing state.
    int currentPage = 0;
    int currentSlot = 0;
    unsigned selectedTool = 0;

    // Kind[1] and TextA[1] of the settings record as found on open; written back on save.
    std::uint8_t keptKind1 = 0;
    ShortString<50> keptTextA1{};
    void keepCarriedCells();

private:
    std::unique_ptr<PageRecord[]> m_records;
};

} // namespace brevix
