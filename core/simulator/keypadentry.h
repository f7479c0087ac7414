#pragma once

#include "simulator/registermemory.h"
#include "text/message.h"

#include <QString>
#include <cstdint>

namespace brevix::sim {

struct SlotTables;

// The register a keypad edits, taken from a register element's slot.
struct KeypadTarget
{
    int area = 0;
    bool is32 = false;
    int address = 0;
    int decimals = 0;
    bool isSigned = false;
    bool signed16 = false; // shown as a signed 16-bit number (signed, area 0, 16-bit)
    long long low = 0;
    long long high = 0;
};
KeypadTarget keypadTargetOf(const SlotTables &tables, int slot, const RegisterMemory &memory);

// The numeric keypad's rules without its window: the entry text, the keys, accepting.
class KeypadEntry
{
public:
    enum class Outcome { Written, OutOfRange, NotANumber };

    void show(const KeypadTarget &target, const RegisterMemory &memory);

    const QString &display() const { return m_display; }
    QString rangeText() const;
    bool dotEnabled() const { return m_target.decimals != 0; }
    bool minusEnabled() const { return m_target.isSigned; }
    bool isFresh() const { return m_fresh; }

    void pressDigit(int digit);
    void pressDot();
    void pressMinus();
    void pressDelete();
    void pressClear();
    // On success writes the register; otherwise the display is emptied and message() says why.
    Outcome accept(RegisterMemory &memory);
    static Message outcomeMessage(Outcome outcome);

private:
    void takeFresh();

    KeypadTarget m_target;
    QString m_display;
    bool m_fresh = true;
};

constexpr int kKeypadDigitLimit = 9;

} // namespace brevix::sim
