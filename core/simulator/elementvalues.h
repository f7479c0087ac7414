#pragma once

#include "simulator/pagetables.h"
#include "simulator/registermemory.h"

#include <QString>
#include <cstdint>

namespace brevix::sim {

// Value rules of the page display: what each element reads from the register memory.

// Word value of a slot: one word, or low word + 65,536 × next word taken as signed 32-bit.
std::int64_t wordValue(const RegisterMemory &memory, int area, long long address, bool is32);

// Show condition of a register element.
enum class RegisterShow { Normal, Masked, Hidden, Frozen };
RegisterShow registerShowState(const SlotTables &t, int slot, const RegisterMemory &memory);

// The value shown for a masked register.
constexpr std::int64_t kMaskedValue = 0x80000001LL;

std::int64_t registerValue(const SlotTables &t, int slot, const RegisterMemory &memory);
// The text a register element shows for its value (enabled false: asterisks).
QString registerText(const SlotTables &t, int slot, std::int64_t shownValue, bool enabled);

bool slotBitValue(const SlotTables &t, int slot, const RegisterMemory &memory);
bool lampIsOn(const SlotTables &t, int slot, std::int64_t shownValue);

// Bar graph: the limits and the drawn bar length in pixels.
struct BarLimits
{
    std::int64_t low = 0;
    std::int64_t high = 1;
};
BarLimits barLimits(const SlotTables &t, int slot, const RegisterMemory &memory);
std::int64_t barValue(const SlotTables &t, int slot, const RegisterMemory &memory);
int barLength(const SlotTables &t, int slot, std::int64_t value, const BarLimits &limits);

// Dynamic text: its register area, value and the state index shown (-1 with no states).
int dynamicTextArea(const SlotTables &t, int slot);
std::int64_t dynamicTextValue(const SlotTables &t, int slot, const RegisterMemory &memory);
int dynamicTextState(const SlotTables &t, int slot, std::int64_t value);
QByteArray dynamicTextStateText(const DecodedPage &page, int slot, int state, int languageSelect);

// Rectangle and ellipse: offsets and visibility from word area 0.
struct ShapePlacement
{
    int dx = 0;
    int dy = 0;
    bool visible = true;
};
ShapePlacement shapePlacement(const SlotTables &t, int slot, const RegisterMemory &memory);
// All three words in one number, so any change is seen (a plain sum misses opposite moves).
std::int64_t shapeKey(const SlotTables &t, int slot, const RegisterMemory &memory);
// The sum of the selected words, as the element's reported value.
std::int64_t shapeSum(const SlotTables &t, int slot, const RegisterMemory &memory);

// Text by the language choice (TextB when languageSelect is 1).
const QByteArray &slotText(const SlotTables &t, int slot, int languageSelect);

// Range tip of an entry register: "设定范围: " / "Set Range: " + low "~" high.
QString registerRangeTip(const SlotTables &t, int slot, const RegisterMemory &memory,
                         int languageSelect);
// States of a dynamic text, one per line: " " + index + "." + text + "\r".
QString dynamicTextTip(const DecodedPage &page, int slot, int languageSelect);

} // namespace brevix::sim
