#pragma once

#include "render/pagerenderer.h"

#include <QString>

namespace brevix::cli {

// The pictures of a project's picture store (the ".PIC" beside the project file).
class StorePictures : public PictureSource
{
public:
    explicit StorePictures(const QString &projectPath);
    QImage picture(int number) const override;

private:
    QString m_storePath;
};

} // namespace brevix::cli
