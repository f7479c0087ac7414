#pragma once

// Short builders for macro rows in tests.
#include "macros/macrorow.h"

namespace macrotest {

using brevix::MacroRow;

inline constexpr std::uint8_t K = 0; // constant
inline constexpr std::uint8_t D = 1; // register

inline MacroRow row(std::uint8_t code, std::uint8_t t1 = 0, std::uint16_t v1 = 0,
                    std::uint8_t t2 = 0, std::uint16_t v2 = 0, std::uint8_t t3 = 0,
                    std::uint16_t v3 = 0, std::uint8_t bits = 0)
{
    MacroRow r;
    r.Code = code;
    r.A1t = t1;
    r.A1v = v1;
    r.A2t = t2;
    r.A2v = v2;
    r.A3t = t3;
    r.A3v = v3;
    r.BIT = bits;
    return r;
}

inline MacroRow label(std::uint16_t n)
{
    return row(brevix::MacLabel, K, n);
}
inline MacroRow gotoLabel(std::uint16_t n)
{
    return row(brevix::MacGoto, K, n);
}
inline MacroRow comment(const QString &text)
{
    MacroRow r = row(brevix::MacComment);
    r.setComment(text);
    return r;
}

} // namespace macrotest
