#pragma once

#include "model/pagerecord.h"

namespace brevix {

class ImageWriter;

// Writes the settings header (offsets 4..117) and the marker bytes at 126 into an image whose
// first 800 bytes already exist.
void writeSettingsHeader(ImageWriter &image, const ProjectRecord &settings);

// The super password text as its number (0 when it is not a number).
long superPasswordValue(const ProjectRecord &settings);

} // namespace brevix
