#include "compiler/settingsheader.h"

#include "compiler/colour565.h"
#include "compiler/imagewriter.h"
#include "compiler/kxlayout.h"
#include "text/numbertext.h"

#include <limits>

namespace brevix {

long superPasswordValue(const ProjectRecord &settings)
{
    const auto v = parseDecimal(settings.TextA[0].bytes());
    if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
        *v > std::numeric_limits<std::int32_t>::max())
        return 0;
    return long(*v);
}

void writeSettingsHeader(ImageWriter &image, const ProjectRecord &s)
{
    // "byte + 0" fields: the cell's low byte followed by a zero byte.
    auto byteField = [&](int offset, long value) {
        image.setU8(offset, unsigned(value) & 0xFF);
        image.setU8(offset + 1, 0);
    };
    auto word = [&](int offset, long value) { image.setU16(offset, unsigned(value) & 0xFFFF); };
    auto byte = [&](int offset, long value) { image.setU8(offset, unsigned(value) & 0xFF); };

    byteField(4, s.WordA[0] & 0x3F);
    byteField(6, s.ByteA[0]);
    byteField(8, s.LongA[0]);
    byteField(10, s.LongA[1]);
    byteField(12, s.LongA[2]);
    byteField(14, s.Left[0]);
    byteField(16, s.Top[0] + 6);
    byteField(18, s.Width[0] + 1);
    // Family 10 is a variant of 9 with a longer device list; the panel runs both as 9.
    byteField(kx::kLink1Protocol, s.Height[0] == 10 ? 9 : s.Height[0]);
    byteField(22, s.LongA[3]);
    byteField(24, s.LongA[4]);
    byteField(26, s.LongA[5]);
    byteField(28, s.ByteB[3]);
    word(30, windowsColorTo565(s.LongA[6]));
    byteField(kx::kAutoPageSwitch, s.ByteB[0]);
    byteField(kx::kReportPage, s.ByteB[1]);
    byteField(36, s.LongA[7]);
    byte(38, 0);
    byte(39, s.ByteC[2]);
    const auto password = static_cast<std::uint32_t>(superPasswordValue(s));
    word(kx::kSuperPasswordLow, password & 0xFFFF);
    word(kx::kPageSwitchRegister, s.LongA[10]);
    word(kx::kPageReportRegister, s.LongA[11]);
    word(46, s.WordA[10]);
    word(48, s.WordA[12]);
    word(50, s.WordA[16]);
    word(52, s.WordA[17]);
    word(54, s.LongA[61]);
    word(56, s.LongA[62]);
    byteField(58, s.LongA[30]);
    byteField(60, s.LongA[60]);
    byteField(62, s.LongA[20]);
    byteField(64, s.LongA[21]);
    byteField(66, s.LongA[22]);
    byteField(68, s.Left[1]);
    byteField(70, s.Top[1] + 6);
    byteField(72, s.Width[1] + 1);
    byteField(74, s.LongA[12]);
    byteField(76, s.LongA[13]);
    byteField(78, s.WordA[100]);
    word(80, s.WordA[101]);
    byteField(82, s.WordA[102]);
    byteField(84, s.WordA[103]);
    byte(86, s.LongB[1]);
    byte(87, s.LongB[3] * 16 + s.LongB[2]);
    word(88, s.LongB[15]);
    word(90, s.LongB[16]);
    byte(92, s.LongB[4]);
    byte(93, s.LongB[17]);
    byte(94, s.LongB[5]);
    byte(95, s.LongB[0]);
    for (int i = 0; i < 7; ++i)
        word(96 + 2 * i, s.LongB[6 + i]);
    byte(110, s.WordA[18]);
    byte(kx::kSuperPasswordHigh, (password >> 16) & 0xFF);
    byte(112, s.WordA[19]);
    unsigned flags = 0;
    flags |= s.ByteC[1] != 0 ? 1u : 0u;
    flags |= s.ByteB[4] != 0 ? 2u : 0u;
    flags |= s.ByteC[5] != 0 ? 4u : 0u;
    flags |= s.LongB[18] == 1 ? 8u : 0u;
    flags |= s.LongA[55] == 1 ? 16u : 0u;
    byte(kx::kFlags, flags);
    word(114, s.WordA[20]);
    word(116, s.WordA[21]);
    byte(kx::kMarker, 0x16);
    byte(kx::kMarker + 1, 0xE9);
}

} // namespace brevix
