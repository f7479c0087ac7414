#pragma once

#include "pictures/picturestore.h"
#include "render/pagerenderer.h"

#include <QHash>
#include <QString>

namespace brevix::cli {

// The pictures of a project's picture library (the ".PIC" beside the project file), read-only:
// a missing or unreadable library shows every picture as missing, as the editor does.
class StorePictures : public PictureSource
{
public:
    explicit StorePictures(const QString &projectPath);
    QImage picture(int number) const override;

private:
    PictureStore m_store;
    mutable QHash<int, QImage> m_cache;
};

} // namespace brevix::cli
