#include "render/storepictures.h"

#include <QFileInfo>

namespace brevix::cli {

StorePictures::StorePictures(const QString &projectPath)
{
    const QString path = pictureStorePath(projectPath);
    if (QFileInfo::exists(path))
        m_store.openExisting(path);
}

QImage StorePictures::picture(int number) const
{
    if (!m_store.isOpen())
        return {};
    const auto cached = m_cache.constFind(number);
    if (cached != m_cache.constEnd())
        return *cached;
    // The editor draws only pictures listed in the library (group 1).
    QImage image;
    const auto row = m_store.picture(number);
    if (row && row->PID == 1 && row->Folder == 0)
        m_store.loadImage(number, image);
    m_cache.insert(number, image);
    return image;
}

} // namespace brevix::cli
