#pragma once

#include <QIcon>
#include <QString>

namespace brevix {

// The tool-bar picture of a command, drawn here so that the editor needs no image files.
// A null icon for commands that have none.
QIcon commandIcon(const QString &name);

} // namespace brevix
