#include "simulator/linkfiles.h"

#include <QFile>
#include <QSaveFile>

namespace brevix::sim {

namespace {
constexpr int kWordAreaSizes[4] = {65001, 8306, 512, 256};
constexpr int kBitAreaWords[6] = {5000, 2048, 256, 2048, 2048, 2048};
constexpr int kWordPartWords = 65001 + 8306 + 512 + 256;
} // namespace

void loadLinkFile(const QString &path, int link, RegisterMemory &memory)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(qint64(kLinkFileWords) * 2);
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype available = bytes.size() / 2;
    qsizetype at = 0;
    auto next = [&](std::uint16_t &value) {
        if (at >= available)
            return false;
        value = static_cast<std::uint16_t>(data[2 * at] | (data[2 * at + 1] << 8));
        ++at;
        return true;
    };
    std::uint16_t value = 0;
    for (int k = 0; k < 4; ++k) {
        for (int address = 0; address < kWordAreaSizes[k]; ++address) {
            if (!next(value))
                return;
            memory.setWord(link * 8 + k, address, value);
        }
    }
    for (int k = 0; k < 6; ++k) {
        for (int j = 0; j < kBitAreaWords[k]; ++j) {
            if (!next(value))
                return;
            memory.setBit(link * 8 + k, 2 * j, (value & 0xFF) != 0);
            memory.setBit(link * 8 + k, 2 * j + 1, (value >> 8) != 0);
        }
    }
}

bool saveLinkFile(const QString &path, int link, const RegisterMemory &memory)
{
    QByteArray bytes(qsizetype(kLinkFileWords) * 2, '\0');
    qsizetype at = 0;
    for (int k = 0; k < 4; ++k) {
        for (int address = 0; address < kWordAreaSizes[k]; ++address) {
            const std::uint16_t value = memory.word(link * 8 + k, address);
            bytes[at++] = static_cast<char>(value & 0xFF);
            bytes[at++] = static_cast<char>(value >> 8);
        }
    }
    static_assert(kWordPartWords < kLinkFileWords);
    // Bits are deliberately not kept from one run to the next: the rest stays zero.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace brevix::sim
