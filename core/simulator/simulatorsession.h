#pragma once

#include "simulator/downloadimage.h"
#include "simulator/pageruntime.h"
#include "simulator/registermemory.h"
#include "text/message.h"

#include <QDateTime>
#include <QSize>
#include <memory>

namespace brevix::sim {

// A message the window shows in a box (title "Pelvane").
struct Notice
{
    enum class Icon { Warning, Information };
    Message text;
    Icon icon = Icon::Warning;
    bool isEmpty() const { return text.isEmpty(); }
};

// Display size by panel model index.
QSize displaySizeOfModel(int modelIndex);

// The shell's rules without a window: the shown page and its changes by face keys, function
// keys and the controller register, the language, the shift state and the system registers.
class SimulatorSession
{
public:
    explicit SimulatorSession(RegisterMemory &memory) : m_memory(memory) {}

    void setImage(const DownloadImage &image);
    const DownloadImage &image() const { return m_image; }
    RegisterMemory &memory() { return m_memory; }
    const RegisterMemory &memory() const { return m_memory; }

    // Shows the start page; a notice when it is missing.
    Notice start();
    // PreviousPage := ShownPage, ShownPage := target, change page.
    Notice jumpTo(int target);
    // The face key with key number t.
    Notice faceKey(int keyNumber);
    // The function key of slot (FunKeyManage).
    Notice funKeyManage(int slot);

    // Timers: 100 ms (tick register and page switch by register), 500 ms, 1 s (clock).
    Notice tick100ms();
    void tick500ms();
    void tick1s(const QDateTime &now);

    int shownPage() const { return m_shownPage; }
    int previousPage() const { return m_previousPage; }
    int languageSelect() const { return m_language; }
    bool shift() const { return m_shift; }
    bool runLampRed() const { return m_runLampRed; }
    bool shiftLampsLit() const { return m_shiftLampsLit; }
    QSize displaySize() const { return displaySizeOfModel(m_image.panelModel()); }

    PageRuntime *page() { return m_page.get(); }
    const PageRuntime *page() const { return m_page.get(); }
    // Counts page changes that built a new page, so a window knows to rebuild its view.
    int pageGeneration() const { return m_generation; }

private:
    Notice changePage();

    RegisterMemory &m_memory;
    DownloadImage m_image;
    std::unique_ptr<PageRuntime> m_page;
    int m_shownPage = 0;
    int m_previousPage = 0;
    int m_language = 0;
    bool m_shift = false;
    bool m_runLampRed = true;
    bool m_shiftLampsLit = false;
    int m_generation = 0;
};

} // namespace brevix::sim
