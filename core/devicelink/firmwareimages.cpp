#include "devicelink/firmwareimages.h"

#include <QFile>

// Resources packed into a static library register only when asked to.
static void initFirmwareResources()
{
    Q_INIT_RESOURCE(brevix_firmware);
}

namespace brevix {

std::optional<FirmwareVariant> firmwareVariantFromName(const QString &name)
{
    if (name.compare(QLatin1String("72M"), Qt::CaseInsensitive) == 0)
        return FirmwareVariant::Clock72M;
    if (name.compare(QLatin1String("112M"), Qt::CaseInsensitive) == 0)
        return FirmwareVariant::Clock112M;
    return std::nullopt;
}

QString firmwareVariantName(FirmwareVariant variant)
{
    return variant == FirmwareVariant::Clock72M ? QStringLiteral("72M") : QStringLiteral("112M");
}

QString firmwareResourcePath(FirmwareVariant variant)
{
    const int n = static_cast<int>(variant);
    return QStringLiteral(":/SRC%1/FILE%1").arg(n);
}

QByteArray loadFirmwareImage(FirmwareVariant variant)
{
    static const bool registered = [] {
        initFirmwareResources();
        return true;
    }();
    Q_UNUSED(registered);
    QFile file(firmwareResourcePath(variant));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace brevix
