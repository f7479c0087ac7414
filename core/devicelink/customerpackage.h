#pragma once

#include "text/message.h"

#include <QString>

namespace brevix {

// The customer update package: a folder holding the update program and the download image
// renamed "Dat.bin", so a customer can load the project into a panel without the editor.
inline const QString kPackageImageName = QStringLiteral("Dat.bin");

// Where the update program is: beside the running program, else in the build tree.
QString updateProgramPath();
// Creates `folder` (an existing one has its old files replaced) with the program and the
// image. Nothing is left half-made on failure.
Result buildCustomerPackage(const QString &folder, const QString &programPath,
                            const QString &imagePath);

} // namespace brevix
