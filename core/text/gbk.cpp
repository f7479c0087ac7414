#include "text/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace brevix {

QByteArray toGbk(const QString &text)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Default);
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK", QStringConverter::Flag::Default);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

qsizetype gbkCutLength(const char *bytes, qsizetype length, qsizetype max)
{
    qsizetype i = 0;
    while (i < length) {
        const qsizetype step =
            (isGbkLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < length) ? 2 : 1;
        if (i + step > max)
            break;
        i += step;
    }
    return i;
}

} // namespace brevix
