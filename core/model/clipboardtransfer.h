#pragma once

#include "model/pagerecord.h"
#include "model/workfolder.h"
#include "text/message.h"

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace brevix {

// Copied values announced on the clipboard besides an element slot 0..200.
constexpr int kCopiedPage = 0xFF;
constexpr int kCopiedArea = 0xEE;

inline const QString kAnnouncementPrefix = QStringLiteral("qa_KX:");

// What another editor announced: an element slot, a whole page or an area of elements.
struct Announcement
{
    int value = -1;           // slot 0..200, kCopiedPage or kCopiedArea
    QRect frame;              // area only
    std::vector<int> members; // area only, ascending

    bool isPage() const { return value == kCopiedPage; }
    bool isArea() const { return value == kCopiedArea; }
};

// "qa_KX:" + the slot (or FF for the page) as two upper-case hex digits.
QString elementAnnouncement(int value);
// "qa_KX:EE" + count, frame left, top, width, height and the members, in hex.
QString areaAnnouncement(const QRect &frame, const std::vector<int> &members);

// Reads an announcement; nothing when the text is not one. Digits that are not hexadecimal, a
// value that names no slot, or an area list shorter than its count are refused, so a foreign
// text never pastes something half-read.
std::optional<Announcement> parseAnnouncement(const QString &text);

// The transfer file "MCopy.Temp": exactly one record, the page something was copied from.
Result writeTransferFile(const WorkFolder &work, const PageRecord &page);
Result readTransferFile(const WorkFolder &work, PageRecord &into);

} // namespace brevix
