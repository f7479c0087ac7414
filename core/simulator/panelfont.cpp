#include "simulator/panelfont.h"

#include <array>

namespace brevix::sim {

namespace {
constexpr int kWidths[8] = {8, 12, 17, 24, 32, 40, 48, 56};
constexpr int kHeights[8] = {16, 24, 32, 48, 64, 80, 96, 112};

void substituteSongFace()
{
    static const bool done = [] {
        // The panel's Song face; a CJK serif with one-pixel strokes stands in for it.
        QFont::insertSubstitutions(QStringLiteral("宋体"),
                                   {QStringLiteral("AR PL UMing CN"),
                                    QStringLiteral("Noto Serif CJK SC"),
                                    QStringLiteral("WenQuanYi Bitmap Song")});
        return true;
    }();
    (void)done;
}
} // namespace

int fontCharWidth(int fontCode)
{
    return kWidths[fontCode & 7];
}

int fontCharHeight(int fontCode)
{
    return kHeights[fontCode & 7];
}

QFont panelFont(int fontCode)
{
    // Built once per size: every redraw of a control sets its font, and a shared font keeps
    // the font engine's lookup cached.
    static const std::array<QFont, 8> fonts = [] {
        substituteSongFace();
        std::array<QFont, 8> made;
        for (int code = 0; code < 8; ++code) {
            made[code] = QFont(QStringLiteral("宋体"));
            made[code].setPixelSize(kHeights[code]);
            made[code].setStyleStrategy(QFont::NoAntialias);
        }
        return made;
    }();
    return fonts[fontCode & 7];
}

} // namespace brevix::sim
