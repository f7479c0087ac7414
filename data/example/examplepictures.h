#pragma once

#include <QImage>
#include <QString>

// Pictures of the example project, drawn pixel by pixel so they need no fonts or screen:
// "leaf" (a tea leaf), "pan" (the shaping pan), "machine" (the machine outline).
QImage drawExamplePicture(const QString &name, int width, int height);
