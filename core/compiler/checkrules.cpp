#include "compiler/checkrules.h"

namespace brevix {

Message checkMessageText(CheckMessage code)
{
    switch (code) {
    case CheckMessage::Link:
        return {QStringLiteral("通道连接设置错误 ！"),
                QStringLiteral("Channel connection setup error!")};
    case CheckMessage::Device:
        return {QStringLiteral("元件种类设置错误 ！"),
                QStringLiteral("Element type setting error!")};
    case CheckMessage::Register:
        return {QStringLiteral("寄存器号设置错误 ！"), QStringLiteral("Register setting error!")};
    case CheckMessage::Bit:
        return {QStringLiteral("寄存器号.Bit错误 ！"), QStringLiteral("Register .Bit error!")};
    case CheckMessage::IndirectUpper:
        return {QStringLiteral("间接上限设置错误 ！"),
                QStringLiteral("Indirect superior limit setting error!")};
    case CheckMessage::IndirectLower:
        return {QStringLiteral("间接下限设置错误 ！"),
                QStringLiteral("Indirect lower limit setting error!")};
    case CheckMessage::KeyRegister:
        return {QStringLiteral("关键寄存器号错误 ！"),
                QStringLiteral("Key register number is wrong!")};
    case CheckMessage::FullScale:
        return {QStringLiteral("满额度值间接错误 ！"),
                QStringLiteral("Full amount of indirect  value error!")};
    case CheckMessage::ZeroScale:
        return {QStringLiteral("零额度值间接错误 ！"),
                QStringLiteral("Zero line of indirect  value error!")};
    case CheckMessage::HorizontalMove:
        return {QStringLiteral("水平移动寄存器错误 ！"),
                QStringLiteral("Level shift register error!")};
    case CheckMessage::VerticalMove:
        return {QStringLiteral("垂直移动寄存器错误 ！"),
                QStringLiteral("Vertical shift register error!")};
    case CheckMessage::Visibility:
        return {QStringLiteral("可见度控制寄存器错误 ！"),
                QStringLiteral("Visibility register error!")};
    }
    return {};
}

namespace {

// Runs rules in order; the last failing one is kept.
struct Rules
{
    std::optional<CheckMessage> last;
    void apply(bool failed, CheckMessage code)
    {
        if (failed)
            last = code;
    }
};

bool above(long long value, int max)
{
    return value > max;
}

} // namespace

std::optional<CheckMessage> checkElementAddress(const SlotValues &v, const DeviceLists &lists,
                                                bool linkCheckActive)
{
    Rules rules;
    const int kind = v.Kind;
    const bool byteAAddress = kind == 2 || kind == 3 || kind == 17 || kind == 34 || kind == 5;
    const bool wordDAddress =
        kind == 7 || kind == 9 || kind == 31 || (kind >= 20 && kind <= 24) || kind == 26;
    if (!byteAAddress && !wordDAddress)
        return std::nullopt;

    const int link = byteAAddress ? (v.ByteA >> 7) : ((v.WordD >> 11) & 1);
    const int d = byteAAddress ? ((v.ByteA >> 4) & 7) : ((v.WordD >> 8) & 7);
    // A register element's ByteA bit 7 is its Float flag, not a link: registers are checked
    // against link 1 and never get the link message.
    const bool isRegister = kind == 2;
    const DeviceList &set = lists.link[isRegister ? 0 : link];
    if (!isRegister)
        rules.apply(link == 1 && linkCheckActive, CheckMessage::Link);

    const bool bitDevices = kind == 3 || kind == 17 || kind == 34;
    const int lastIndex = int(bitDevices ? set.bits.size() : set.words.size()) - 1;
    if (d > lastIndex) {
        rules.apply(true, CheckMessage::Device);
        return rules.last;
    }
    const int max = bitDevices ? set.bitMax(d) : set.wordMax(d);

    if (bitDevices) {
        rules.apply(above(v.WordA, max), CheckMessage::Register);
        // Only devices addressed as word.bit have a bit range; a hexadecimal device (-1) has none.
        const int maxBit = set.bitDataBit(d);
        rules.apply(maxBit > 0 && (v.ByteA & 0x0F) > maxBit, CheckMessage::Bit);
    } else if (kind == 2) {
        rules.apply(above(v.WordA, max), CheckMessage::Register);
        rules.apply(v.ByteD == 1 && above(v.LongA, max), CheckMessage::IndirectUpper);
        rules.apply((v.WordD & 4) != 0 && above(v.LongB, max), CheckMessage::IndirectLower);
        rules.apply(above(v.WordE, max), CheckMessage::KeyRegister);
    } else if (kind == 5) {
        rules.apply(above(v.WordA, max), CheckMessage::Register);
        rules.apply(v.ByteB != 0 && above(v.WordB, max), CheckMessage::FullScale);
        rules.apply(v.ByteD != 0 && above(v.WordD, max), CheckMessage::ZeroScale);
    } else if (kind == 7 || kind == 9 || kind == 31) {
        rules.apply(above(v.WordA, max), CheckMessage::Register);
        rules.apply(above(v.WordE, max), CheckMessage::KeyRegister);
    } else {
        rules.apply(v.ByteB != 0 && above(v.LongA, max), CheckMessage::HorizontalMove);
        rules.apply(v.ByteC != 0 && above(v.LongB, max), CheckMessage::VerticalMove);
        rules.apply(v.ByteD != 0 && above(v.WordA, max), CheckMessage::Visibility);
    }
    return rules.last;
}

} // namespace brevix
