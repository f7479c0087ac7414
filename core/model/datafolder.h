#pragma once

#include <QString>

namespace brevix {

// The read-only data folder (device database, templates, examples, sounds, language files,
// help): $BREVIX_DATADIR, else the build tree's data folder when run from it, else the
// installed share folder.
QString dataFolder();
QString dataFile(const QString &relativePath);

} // namespace brevix
