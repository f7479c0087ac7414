#pragma once

#include <QString>

namespace brevix::pelvane {

// The instance's run folder: <working folder>/Pelvane/Run<n>.
QString runFolderPath(const QString &workFolder, int instance);
// Creates it (existing is fine) and deletes leftover *.BMP, *.PS6, *.BIN, *.Txt and *.mdb in
// it, in any letter case. Failures are ignored: nothing of the user's lives there.
void prepareRunFolder(const QString &path);
void cleanRunFolder(const QString &path);

} // namespace brevix::pelvane
