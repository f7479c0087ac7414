#include "model/clipboardtransfer.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace brevix {

namespace {

QString hex(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper().right(digits);
}

std::optional<int> readHex(const QString &text, int position, int digits)
{
    if (position + digits > text.size())
        return std::nullopt;
    bool ok = false;
    const QString part = text.mid(position, digits);
    for (QChar c : part) {
        if (!isxdigit(c.toLatin1()) || c.unicode() > 127)
            return std::nullopt;
    }
    const int value = part.toInt(&ok, 16);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString elementAnnouncement(int value)
{
    return kAnnouncementPrefix + hex(value, 2);
}

QString areaAnnouncement(const QRect &frame, const std::vector<int> &members)
{
    QString text = kAnnouncementPrefix + QStringLiteral("EE") + hex(int(members.size()), 2) +
                   hex(frame.left(), 4) + hex(frame.top(), 4) + hex(frame.width(), 4) +
                   hex(frame.height(), 4);
    for (int s : members)
        text += hex(s, 2);
    return text;
}

std::optional<Announcement> parseAnnouncement(const QString &text)
{
    if (!text.startsWith(kAnnouncementPrefix))
        return std::nullopt;
    const auto value = readHex(text, 6, 2);
    if (!value)
        return std::nullopt;
    Announcement a;
    a.value = *value;
    if (a.value == kCopiedPage)
        return a;
    if (a.value != kCopiedArea)
        return a.value < kSlotCount ? std::optional<Announcement>(a) : std::nullopt;
    const auto count = readHex(text, 8, 2);
    const auto left = readHex(text, 10, 4);
    const auto top = readHex(text, 14, 4);
    const auto width = readHex(text, 18, 4);
    const auto height = readHex(text, 22, 4);
    if (!count || !left || !top || !width || !height)
        return std::nullopt;
    a.frame = QRect(*left, *top, *width, *height);
    for (int i = 0; i < *count; ++i) {
        const auto slot = readHex(text, 26 + 2 * i, 2);
        if (!slot || *slot >= kSlotCount)
            return std::nullopt;
        a.members.push_back(*slot);
    }
    return a;
}

Result writeTransferFile(const WorkFolder &work, const PageRecord &page)
{
    work.ensureExists();
    QSaveFile file(work.file(kClipboardRecordFile));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(&page), qint64(kPageRecordSize)) !=
            qint64(kPageRecordSize) ||
        !file.commit()) {
        return Result::failure(
            QStringLiteral("无法写入剪贴板文件 %1").arg(file.fileName()),
            QStringLiteral("Cannot write the clipboard file %1").arg(file.fileName()));
    }
    return Result::success();
}

Result readTransferFile(const WorkFolder &work, PageRecord &into)
{
    QFile file(work.file(kClipboardRecordFile));
    if (!file.open(QIODevice::ReadOnly) || file.size() < qint64(kPageRecordSize))
        return Result::failure(QStringLiteral("剪贴板文件不可读"),
                               QStringLiteral("The clipboard file cannot be read"));
    const QByteArray bytes = file.read(qint64(kPageRecordSize));
    if (bytes.size() != qsizetype(kPageRecordSize))
        return Result::failure(QStringLiteral("剪贴板文件不可读"),
                               QStringLiteral("The clipboard file cannot be read"));
    std::memcpy(static_cast<void *>(&into), bytes.constData(), kPageRecordSize);
    return Result::success();
}

} // namespace brevix
