#pragma once

#include <QString>

namespace brevix {

// Short English name of an element kind code, for listings and reports ("text", "register", ...).
QString elementKindName(int kind);

} // namespace brevix
