#include "simulator/panelfont.h"

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
    substituteSongFace();
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(fontCharHeight(fontCode));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace brevix::sim
