#pragma once

#include "text/gbk.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace brevix {

// A length-prefixed text of fixed capacity N: byte 0 is the length, bytes 1..N the GBK bytes.
#pragma pack(push, 1)
template <int N> struct ShortString
{
    std::uint8_t length;
    char chars[N];

    static constexpr int capacity = N;

    // The stored bytes; a length byte above N (only in a damaged file) is clamped.
    QByteArray bytes() const { return QByteArray(chars, std::min<int>(length, N)); }
    QString text() const { return fromGbk(bytes()); }

    // Stores the bytes, cut to N without splitting a two-byte character.
    void setBytes(const QByteArray &value)
    {
        const qsizetype n = gbkCutLength(value.constData(), value.size(), N);
        std::memcpy(chars, value.constData(), static_cast<size_t>(n));
        length = static_cast<std::uint8_t>(n);
    }
    void setText(const QString &value) { setBytes(toGbk(value)); }
    void clear() { length = 0; }
    bool isEmpty() const { return length == 0; }
    bool equals(const char *ascii) const
    {
        const size_t n = std::strlen(ascii);
        return length == n && std::memcmp(chars, ascii, n) == 0;
    }
};
#pragma pack(pop)

static_assert(sizeof(ShortString<20>) == 21);
static_assert(sizeof(ShortString<30>) == 31);
static_assert(sizeof(ShortString<50>) == 51);

} // namespace brevix
