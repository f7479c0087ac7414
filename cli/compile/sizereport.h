#pragma once

#include "compiler/kxbuilder.h"
#include "model/project.h"

#include <QTextStream>

namespace brevix::cli {

// The size budget of a build: bytes per page, per picture, the macro and alarm areas, against
// the 150 KB limit (and SPI.bin against its own).
void printSizeReport(QTextStream &out, const Project &project, const BuildResult &result,
                     Language language);

} // namespace brevix::cli
