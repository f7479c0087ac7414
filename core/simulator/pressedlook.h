#pragma once

#include <QImage>

namespace brevix::sim {

// The pressed look of function keys and bit switches: every colour channel inverted.
void invertPicture(QImage &picture);

} // namespace brevix::sim
