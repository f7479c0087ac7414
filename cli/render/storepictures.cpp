#include "render/storepictures.h"

#include "model/projectfile.h"

namespace brevix::cli {

StorePictures::StorePictures(const QString &projectPath)
    : m_storePath(companionPath(projectPath, QStringLiteral(".PIC")))
{
}

QImage StorePictures::picture(int number) const
{
    // Until the picture store can be read here every picture shows as missing.
    Q_UNUSED(number);
    return {};
}

} // namespace brevix::cli
