#include "model/handover.h"

namespace brevix {

HandOver parseHandOver(const QString &clipboardText)
{
    if (clipboardText.startsWith(kOpenHandOverPrefix))
        return {HandOver::Kind::Open, clipboardText.mid(kOpenHandOverPrefix.size())};
    if (clipboardText.startsWith(kNewHandOverPrefix))
        return {HandOver::Kind::New, {}};
    return {};
}

QString openHandOverText(const QString &path)
{
    return kOpenHandOverPrefix + path;
}

QString commandLineText(const QStringList &arguments)
{
    QString text = arguments.join(QLatin1Char(' '));
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

} // namespace brevix
