#include "model/elementkindname.h"

namespace brevix {

QString elementKindName(int kind)
{
    switch (kind) {
    case 1:
        return QStringLiteral("text");
    case 2:
        return QStringLiteral("register");
    case 3:
        return QStringLiteral("lamp");
    case 4:
        return QStringLiteral("trend-graph");
    case 5:
        return QStringLiteral("bar-graph");
    case 6:
        return QStringLiteral("picture");
    case 7:
        return QStringLiteral("dynamic-text");
    case 8:
        return QStringLiteral("function-key");
    case 9:
        return QStringLiteral("ascii-chinese");
    case 10:
        return QStringLiteral("date");
    case 11:
        return QStringLiteral("time");
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
        return QStringLiteral("rectangle");
    case 25:
        return QStringLiteral("scale");
    case 26:
        return QStringLiteral("ellipse");
    case 27:
        return QStringLiteral("line");
    case 34:
        return QStringLiteral("bit-switch");
    default:
        return QStringLiteral("kind-%1").arg(kind);
    }
}

} // namespace brevix
