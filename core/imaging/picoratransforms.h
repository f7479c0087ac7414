#pragma once

#include "text/message.h"

#include <QImage>

namespace brevix {

// The bitmap transforms of libpicora applied to a QImage. Each returns true when the image was
// transformed; on false the image is left exactly as it was. A transformed image always comes
// back as QImage::Format_RGB888 (24 bits per pixel), whatever format it had before, because the
// library works on 24-bit copies. Colours are Windows colour values 0x00BBGGRR (red in the low
// byte), as stored in the project.

// Mirrors the image left to right.
bool horizontalExchange(QImage &image);
// Mirrors the image top to bottom.
bool verticalExchange(QImage &image);
// Turns the image a quarter turn clockwise; width and height swap.
bool circumgyrate90(QImage &image);
// Inverts every colour channel.
bool reverseColor(QImage &image);
// Sets every channel that differs from the background colour's channel to the foreground's:
// removes the anti-aliasing of text drawn in foreColor on backColor.
bool thinColor(QImage &image, int foreColor, int backColor);
// Paints a two-colour gradient of the given style (1..13) into the rectangle (x1, y1)-(x2, y2) of
// target. An unknown style or an empty rectangle paints nothing and returns false.
bool gradientFill(QImage &target, int style, int colorA, int colorB, int x1, int y1, int x2,
                  int y2);

// The text for a status code of libpicora (PICORA_OK, PICORA_ERROR_...), in both languages.
Message picoraStatusMessage(int status);

} // namespace brevix
