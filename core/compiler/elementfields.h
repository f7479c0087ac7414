#pragma once

#include "model/project.h"

#include <QByteArray>
#include <cstdint>

namespace brevix {

// The packed words of the element records. Every field is masked to its own width before the
// fields are added, so a value too large for its field can never change a neighbouring one
// (the compile check warns about such values; see fieldwarnings.h).

// Bit address of a lamp, picture or bit switch as the panel addresses it for link 1 protocol p.
std::uint32_t compiledBitAddress(int protocol, std::uint8_t byteA, std::uint16_t wordA);

std::uint32_t registerAttributeWord(const SlotValues &v);
std::uint32_t lampAttributeWord(const SlotValues &v, int protocol);
std::uint32_t trendAttributeWord(const SlotValues &v, int elementNumber);
std::uint32_t barAttributeWord(const SlotValues &v, int elementNumber);
std::uint32_t pictureAttributeWord(const SlotValues &v, int protocol, int elementNumber);
std::uint8_t dynamicTextFlags(const SlotValues &v);
std::uint32_t shapeAttributeWord(const SlotValues &v, int kind, int elementNumber);
std::uint32_t scaleAttributeWord(const SlotValues &v, int elementNumber);
std::uint32_t bitSwitchAttributeWord(const SlotValues &v, int protocol);

// A dynamic text state entry split into its value and content: when the last four characters
// read as a hexadecimal number they are the value, otherwise the value is fallback.
struct StateEntry
{
    int value = 0;
    QByteArray content;
};
StateEntry splitStateEntry(const QByteArray &entry, int fallback);

} // namespace brevix
