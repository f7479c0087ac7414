#include "simulator/pageruntime.h"

#include "simulator/elementvalues.h"
#include "simulator/panelfont.h"
#include "simulator/pressedlook.h"
#include "text/gbk.h"

#include <QPainter>

namespace brevix::sim {

PageRuntime::PageRuntime(const DecodedPage &page, RegisterMemory &memory, int languageSelect)
    : m_page(page), m_memory(memory), m_language(languageSelect)
{
    for (int s = 0; s < kSimSlotCount; ++s) {
        const int kind = m_page.tables.Kind[s];
        if (kind != 0 && kind != 17 && kind != 18)
            establish(s);
    }
}

QColor PageRuntime::backgroundColor() const
{
    bool ok = false;
    const std::uint32_t value = m_page.BackColorText.toUInt(&ok);
    return windowsColor(ok ? value : 0xFFFFFF);
}

void PageRuntime::establish(int s)
{
    const SlotTables &t = m_page.tables;
    if (t.Kind[s] == 27) {
        m_lines.push_back(s);
        return;
    }
    Control &c = m_controls[s];
    c.exists = true;
    c.rect = QRect(t.Left[s], t.Top[s], t.Width[s], t.Height[s]);
    if (t.Kind[s] == 34 && t.ByteC[s])
        c.visible = false; // an invisible switch is worked by a panel key, never on screen
    // Shapes take their place and visibility on the first tick even when every word is 0.
    if (t.Kind[s] == 20 || t.Kind[s] == 26)
        c.shownValue = -1;
    if (t.Kind[s] == 2)
        c.shownText = registerText(t, s, 0, true);
    if (t.Kind[s] == 7)
        c.shownText = fromGbk(dynamicTextStateText(m_page, s, 0, m_language));
    redraw(s);
}

void PageRuntime::redraw(int s)
{
    const SlotTables &t = m_page.tables;
    Control &c = m_controls[s];
    ControlLook look;
    look.shownValue = c.shownValue;
    look.enabled = c.enabled;
    look.focused = m_focus[s];
    look.languageSelect = m_language;
    switch (t.Kind[s]) {
    case 1:
    case 8:
    case 34:
        c.shownText = fromGbk(slotText(t, s, m_language));
        break;
    case 2:
        c.shownText = registerText(t, s, c.shownValue, c.enabled);
        break;
    case 3:
        if (t.ByteE[s] == 2)
            c.shownText = fromGbk(lampIsOn(t, s, c.shownValue) ? t.TextB[s] : t.TextA[s]);
        break;
    case 5:
        look.barLength = c.textCache.toInt();
        c.shownText = c.textCache;
        break;
    case 7: {
        const int state = dynamicTextState(t, s, c.shownValue);
        c.shownText =
            state < 0 ? QString() : fromGbk(dynamicTextStateText(m_page, s, state, m_language));
        break;
    }
    case 9:
        c.shownText = QStringLiteral("ASCII中文");
        break;
    default:
        break;
    }
    look.text = c.shownText;
    drawControl(m_page, s, look, c.picture);
    c.pressed = false;
    m_redrawn = true;
}

bool PageRuntime::refreshable(int kind) const
{
    switch (kind) {
    case 2:
    case 3:
    case 5:
    case 7:
    case 20:
    case 26:
    case 34:
        return true;
    default:
        return false;
    }
}

void PageRuntime::refreshSlot(int s)
{
    const SlotTables &t = m_page.tables;
    Control &c = m_controls[s];
    switch (t.Kind[s]) {
    case 2: {
        switch (registerShowState(t, s, m_memory)) {
        case RegisterShow::Masked:
            if (c.enabled || c.shownValue != kMaskedValue || !c.visible) {
                c.enabled = false;
                c.visible = true;
                c.shownValue = kMaskedValue;
                redraw(s);
            }
            return;
        case RegisterShow::Hidden:
            c.visible = false;
            return;
        case RegisterShow::Frozen:
            return;
        case RegisterShow::Normal:
            break;
        }
        const bool wasOff = !c.enabled || !c.visible;
        c.visible = true;
        c.enabled = true;
        const std::int64_t value = registerValue(t, s, m_memory);
        if (value != c.shownValue || wasOff) {
            c.shownValue = value;
            redraw(s);
        }
        return;
    }
    case 3:
    case 34: {
        const std::int64_t value = slotBitValue(t, s, m_memory) ? 1 : 0;
        if (value != c.shownValue) {
            c.shownValue = value;
            if (c.visible || t.Kind[s] == 3)
                redraw(s);
        }
        return;
    }
    case 5: {
        const std::int64_t value = barValue(t, s, m_memory);
        c.shownValue = value;
        const QString length = QString::number(barLength(t, s, value, barLimits(t, s, m_memory)));
        if (length != c.textCache) {
            c.textCache = length;
            redraw(s);
        }
        return;
    }
    case 7: {
        const std::int64_t value = dynamicTextValue(t, s, m_memory);
        if (value != c.shownValue) {
            c.shownValue = value;
            redraw(s);
        }
        return;
    }
    case 20:
    case 26: {
        const std::int64_t key = shapeKey(t, s, m_memory);
        if (key != c.shownValue) {
            c.shownValue = key;
            const ShapePlacement placement = shapePlacement(t, s, m_memory);
            c.rect.moveTo(t.Left[s] + placement.dx, t.Top[s] + placement.dy);
            c.visible = placement.visible;
            m_redrawn = true;
        }
        return;
    }
    default:
        return;
    }
}

bool PageRuntime::refresh()
{
    m_redrawn = false;
    for (int s = 0; s < kSimSlotCount; ++s) {
        if (m_controls[s].exists && refreshable(m_page.tables.Kind[s]))
            refreshSlot(s);
    }
    return m_redrawn;
}

int PageRuntime::slotAt(const QPoint &point) const
{
    // Later slots lie on top, as their controls were created later.
    for (int s = kSimSlotCount - 1; s >= 0; --s) {
        const Control &c = m_controls[s];
        if (c.exists && c.visible && c.rect.contains(point))
            return s;
    }
    return -1;
}

bool PageRuntime::hasHandCursor(int s) const
{
    if (s < 0 || s >= kSimSlotCount || !m_controls[s].exists)
        return false;
    const SlotTables &t = m_page.tables;
    switch (t.Kind[s]) {
    case 2:
    case 7:
        return t.ByteB[s] != 0;
    case 8:
    case 34:
        return true;
    default:
        return false;
    }
}

QString PageRuntime::toolTip(int s) const
{
    if (!hasHandCursor(s))
        return {};
    const SlotTables &t = m_page.tables;
    if (t.Kind[s] == 2)
        return registerRangeTip(t, s, m_memory, m_language);
    if (t.Kind[s] == 7)
        return dynamicTextTip(m_page, s, m_language);
    return {};
}

PressAction PageRuntime::press(int s)
{
    if (s < 0 || s >= kSimSlotCount || !m_controls[s].exists)
        return PressAction::None;
    m_lastSlot = s;
    const SlotTables &t = m_page.tables;
    Control &c = m_controls[s];
    switch (t.Kind[s]) {
    case 2:
        if (!t.ByteB[s] || !c.enabled)
            return PressAction::None;
        setFocusFlag(s, true);
        return PressAction::OpenKeypad;
    case 7: {
        if (!t.ByteB[s])
            return PressAction::None;
        const int area = dynamicTextArea(t, s);
        int next = m_memory.word(area, t.WordA[s]) + 1;
        if (next > t.ByteA[s] - 1)
            next = 0;
        m_memory.setWord(area, t.WordA[s], static_cast<std::uint16_t>(next));
        setFocusFlag(s, true);
        return PressAction::None;
    }
    case 8:
        invertPicture(c.picture);
        c.pressed = true;
        return PressAction::None;
    case 34: {
        invertPicture(c.picture);
        c.pressed = true;
        const BitLocation where = locateBit(t.ByteA[s], t.WordA[s]);
        switch (t.WordE[s]) {
        case 0:
        case 2:
            writeBit(m_memory, where, true);
            break;
        case 1:
            writeBit(m_memory, where, false);
            break;
        default:
            writeBit(m_memory, where, !readBit(m_memory, where));
            break;
        }
        return PressAction::None;
    }
    default:
        return PressAction::None;
    }
}

int PageRuntime::release(int s)
{
    if (s < 0 || s >= kSimSlotCount || !m_controls[s].exists)
        return -1;
    const SlotTables &t = m_page.tables;
    switch (t.Kind[s]) {
    case 8:
        redraw(s);
        return t.LongB[s];
    case 34:
        if (t.WordE[s] == 2)
            writeBit(m_memory, locateBit(t.ByteA[s], t.WordA[s]), false);
        return -1;
    case 7:
        if (!t.ByteB[s])
            return -1;
        setFocusFlag(s, false);
        if (t.ByteC[s]) {
            m_memory.setWord(dynamicTextArea(t, s), t.WordA[s], 0);
            m_controls[s].shownValue = 0;
            redraw(s);
        }
        return -1;
    default:
        return -1;
    }
}

void PageRuntime::setFocusFlag(int s, bool on)
{
    if (s < 0 || s >= kSimSlotCount)
        return;
    m_focus[s] = on;
    if (m_controls[s].exists) {
        // The value may have moved under the press (dynamic texts): show it at once.
        if (m_page.tables.Kind[s] == 7)
            m_controls[s].shownValue = dynamicTextValue(m_page.tables, s, m_memory);
        redraw(s);
    }
}

void PageRuntime::hover(int s)
{
    const int kind = (s >= 0 && s < kSimSlotCount) ? m_page.tables.Kind[s] : 0;
    if (!hasHandCursor(s) || kind == 34 || s == m_highlighted)
        return;
    endHighlight();
    setFocusFlag(s, true);
    m_highlighted = s;
}

void PageRuntime::endHighlight()
{
    if (m_highlighted >= 0)
        setFocusFlag(m_highlighted, false);
    m_highlighted = -1;
}

void PageRuntime::paint(QPainter &painter) const
{
    for (int s : m_lines)
        drawLine(painter, m_page.tables, s);
    for (const Control &c : m_controls) {
        if (c.exists && c.visible && !c.picture.isNull())
            painter.drawImage(c.rect.topLeft(), c.picture);
    }
}

QImage PageRuntime::render(const QSize &size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(backgroundColor());
    QPainter painter(&image);
    paint(painter);
    return image;
}

} // namespace brevix::sim
