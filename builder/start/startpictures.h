#pragma once

#include <QPixmap>

namespace brevix {

// The pictures of the start screen's four buttons, drawn by the program.
enum class StartPicture { NewFile, LastFile, OpenFile, Examples };
QPixmap startPicture(StartPicture picture, int size = 48);

} // namespace brevix
