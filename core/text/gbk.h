#pragma once

#include <QByteArray>
#include <QString>

namespace brevix {

// Texts stay GBK bytes in every record and image; these convert at the screen edge only.
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);

// True when byte b starts a two-byte GBK character.
constexpr bool isGbkLeadByte(unsigned char b)
{
    return b >= 0x81 && b <= 0xFE;
}

// Length of the longest prefix of bytes that fits into max bytes without splitting a
// two-byte character. A cut lead byte would show as garbage on the panel.
qsizetype gbkCutLength(const char *bytes, qsizetype length, qsizetype max);

} // namespace brevix
