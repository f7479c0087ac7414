#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace brevix {

// The panel's hardware variants and the firmware image each one takes.
enum class FirmwareVariant { Clock72M = 1, Clock112M = 2 };

// "72M" or "112M" (case-insensitive); nothing for anything else.
std::optional<FirmwareVariant> firmwareVariantFromName(const QString &name);
QString firmwareVariantName(FirmwareVariant variant);
// The resource path of a variant's image: ":/SRC1/FILE1" or ":/SRC2/FILE2".
QString firmwareResourcePath(FirmwareVariant variant);
// The image carried in the program; empty when it cannot be read.
QByteArray loadFirmwareImage(FirmwareVariant variant);

} // namespace brevix
