#pragma once

#include "model/project.h"

namespace brevix {

class ImageWriter;

// Where one page's records go: the image, the position of the page's 50 record counters and
// the link 1 protocol that decides how bit addresses are compiled.
struct PageEncoding
{
    ImageWriter &image;
    qsizetype countersAt = 0;
    int protocol = 0;
    int *records = nullptr; // counts every record, beyond what a counter byte holds

    // Adds one to the counter of record type t (1..50).
    void count(int type) const;
    // Common start of a record: type, x - 5, y - 5, width, height.
    void recordHead(int type, int x, int y, int width, int height) const;
};

// Writes the records of the element in slot of page (none for kinds without a record).
void encodeElement(const PageEncoding &out, const Project &project, int page, int slot);

// Date (10) and time (11) elements become a frame, a text and two or three register records.
void encodeDateTime(const PageEncoding &out, const SlotValues &v, int slot);

// Lamp texts that the panel shows when the element has none.
inline const char *const kLampDefaultOff = "0";
inline const char *const kLampDefaultOn = "1";

} // namespace brevix
