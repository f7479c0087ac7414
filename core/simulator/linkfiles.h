#pragma once

#include "simulator/registermemory.h"

#include <QString>

namespace brevix::sim {

// Register memory files: "Link1.Dat" holds areas 0..7, "Link2.Dat" areas 8..15, each 87,523
// little-endian words: the word areas, then the bit areas two bits per word.
constexpr int kLinkFileWords = 87523;
inline const QString kLinkFileNames[2] = {QStringLiteral("Link1.Dat"), QStringLiteral("Link2.Dat")};

// Reads what the file holds; a missing or short file leaves the rest of the areas untouched.
void loadLinkFile(const QString &path, int link, RegisterMemory &memory);
// Writes the word areas and zero words for the bit parts, replacing the file atomically.
bool saveLinkFile(const QString &path, int link, const RegisterMemory &memory);

} // namespace brevix::sim
