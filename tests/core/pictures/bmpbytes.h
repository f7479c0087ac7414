#pragma once

// Writes Windows bitmaps byte by byte, independently of Qt's writer, so the decoder is tested
// against files laid out the way other programs write them.
#include <QByteArray>
#include <QColor>
#include <QtEndian>
#include <functional>
#include <vector>

namespace bmptest {

using PixelFn = std::function<QColor(int x, int y)>;

inline void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
inline void put32(QByteArray &b, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

// depth 1, 4, 8 use the palette (index = position of the colour in it); 16 writes 5-6-5 bit
// fields; 24 and 32 write BGR(A). topDown stores a negative height.
inline QByteArray bmp(int width, int height, int depth, bool topDown,
                      const std::vector<QColor> &palette,
                      const std::function<int(int x, int y)> &index, const PixelFn &colour)
{
    const int rowBytes = ((width * depth + 31) / 32) * 4;
    const bool bitfields = depth == 16;
    const int paletteBytes = depth <= 8 ? int(palette.size()) * 4 : 0;
    const int headerBytes = 14 + 40 + (bitfields ? 12 : 0) + paletteBytes;
    QByteArray b;
    b.append("BM");
    put32(b, headerBytes + qint64(rowBytes) * height);
    put32(b, 0);
    put32(b, headerBytes);
    put32(b, 40);
    put32(b, width);
    put32(b, topDown ? -height : height);
    put16(b, 1);
    put16(b, depth);
    put32(b, bitfields ? 3 : 0);
    put32(b, qint64(rowBytes) * height);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, depth <= 8 ? qint64(palette.size()) : 0);
    put32(b, 0);
    if (bitfields) {
        put32(b, 0xF800);
        put32(b, 0x07E0);
        put32(b, 0x001F);
    }
    if (depth <= 8) {
        for (const QColor &c : palette) {
            b.append(char(c.blue()));
            b.append(char(c.green()));
            b.append(char(c.red()));
            b.append('\0');
        }
    }
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            if (depth <= 8) {
                const int i = index(x, y);
                const int bit = x * depth;
                row[bit / 8] = char(row[bit / 8] | (i << (8 - depth - bit % 8)));
            } else if (depth == 16) {
                const QColor c = colour(x, y);
                const int v = (c.red() >> 3) << 11 | (c.green() >> 2) << 5 | (c.blue() >> 3);
                row[2 * x] = char(v & 0xFF);
                row[2 * x + 1] = char(v >> 8);
            } else {
                const QColor c = colour(x, y);
                const int p = x * depth / 8;
                row[p] = char(c.blue());
                row[p + 1] = char(c.green());
                row[p + 2] = char(c.red());
                if (depth == 32)
                    row[p + 3] = char(0xFF);
            }
        }
        b.append(row);
    }
    return b;
}

// A true-colour bitmap of one colour.
inline QByteArray solidBmp(int width, int height, QColor c)
{
    return bmp(width, height, 24, false, {}, {}, [c](int, int) { return c; });
}

} // namespace bmptest
