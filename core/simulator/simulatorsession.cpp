#include "simulator/simulatorsession.h"

#include "simulator/pagedecoder.h"

namespace brevix::sim {

QSize displaySizeOfModel(int modelIndex)
{
    static const QSize sizes[8] = {{240, 320}, {320, 240}, {480, 320}, {480, 320},
                                   {320, 480}, {256, 64},  {64, 256},  {240, 320}};
    return modelIndex >= 0 && modelIndex < 8 ? sizes[modelIndex] : sizes[1];
}

void SimulatorSession::setImage(const DownloadImage &image)
{
    m_image = image;
    m_language = image.startLanguage() == 1 ? 1 : 0;
}

Notice SimulatorSession::start()
{
    m_previousPage = m_shownPage;
    m_shownPage = m_image.startPage();
    return changePage();
}

Notice SimulatorSession::jumpTo(int target)
{
    m_previousPage = m_shownPage;
    m_shownPage = target;
    return changePage();
}

Notice SimulatorSession::changePage()
{
    auto decoded = std::make_unique<DecodedPage>();
    if (DecodePage(m_image, m_shownPage, *decoded)) {
        m_page = std::make_unique<PageRuntime>(*decoded, m_memory, m_language);
        ++m_generation;
        return {};
    }
    const int wanted = m_shownPage;
    m_shownPage = m_previousPage;
    const QString number = QString::number(wanted);
    if (wanted > 240) {
        return {
            {QStringLiteral("画面:") + number + QStringLiteral("模拟器不用 ！"),
             QStringLiteral("Page ") + number + QStringLiteral(" is not used by the simulator!")}};
    }
    return {{QStringLiteral("画面:") + number + QStringLiteral("不存在 ！"),
             QStringLiteral("Page ") + number + QStringLiteral(" does not exist!")}};
}

Notice SimulatorSession::faceKey(int t)
{
    if (t == 40) {
        m_shift = !m_shift;
        m_shiftLampsLit = m_shift;
        return {};
    }
    int target = 0;
    const auto &keyJump =
        m_page ? m_page->page().KeyJump : std::array<std::uint8_t, kKeyJumpEntries>{};
    if (!m_shift) {
        if (t == 11)
            target = m_image.startPage();
        else if (t >= 1 && t <= 22)
            target = keyJump[t - 1];
    } else {
        static constexpr int shifted[5] = {12, 8, 7, 9, 10};
        for (int i = 0; i < 5; ++i) {
            if (t == shifted[i])
                target = keyJump[i];
        }
    }
    if (target == 0 || target == m_shownPage)
        return {};
    return jumpTo(target);
}

Notice SimulatorSession::funKeyManage(int slot)
{
    if (!m_page || slot < 0 || slot >= kSimSlotCount)
        return {};
    const SlotTables &t = m_page->page().tables;
    if (t.Kind[slot] != 8)
        return {};
    if (t.WordD[slot] & 8) {
        switch (t.WordE[slot]) {
        case 3:
            m_language = m_language == 0 ? 1 : 0;
            m_previousPage = m_shownPage;
            return changePage();
        case 6:
            return {{QStringLiteral("密码登录"), QStringLiteral("Password login")},
                    Notice::Icon::Information};
        default:
            // Recipes, brightness and display inversion have no effect in the simulator.
            return {};
        }
    }
    if (t.LongB[slot] >= 1)
        return jumpTo(t.LongB[slot]);
    return {};
}

Notice SimulatorSession::tick100ms()
{
    m_memory.setWord(0, kTick100ms, static_cast<std::uint16_t>(m_memory.word(0, kTick100ms) + 1));
    if (!m_image.pageSwitchByRegister())
        return {};
    const int address = m_image.pageSwitchRegister();
    const int target = m_memory.word(0, address) & 0xFF;
    if (target == 0 || target == m_shownPage)
        return {};
    const Notice notice = jumpTo(target);
    m_memory.setWord(0, address, 0);
    return notice;
}

void SimulatorSession::tick500ms()
{
    m_runLampRed = !m_runLampRed;
    m_memory.setWord(0, kTick500ms, static_cast<std::uint16_t>(m_memory.word(0, kTick500ms) + 1));
    m_shiftLampsLit = m_shift ? !m_shiftLampsLit : false;
}

void SimulatorSession::tick1s(const QDateTime &now)
{
    m_memory.setWord(0, kTick1s, static_cast<std::uint16_t>(m_memory.word(0, kTick1s) + 1));
    const QDate date = now.date();
    const QTime time = now.time();
    m_memory.setWord(0, kClockSecond, static_cast<std::uint16_t>(time.second()));
    m_memory.setWord(0, kClockMinute, static_cast<std::uint16_t>(time.minute()));
    m_memory.setWord(0, kClockHour, static_cast<std::uint16_t>(time.hour()));
    m_memory.setWord(0, kClockDay, static_cast<std::uint16_t>(date.day()));
    m_memory.setWord(0, kClockMonth, static_cast<std::uint16_t>(date.month()));
    m_memory.setWord(0, kClockYear, static_cast<std::uint16_t>(date.year()));
}

} // namespace brevix::sim
