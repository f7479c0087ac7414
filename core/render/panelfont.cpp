#include "render/panelfont.h"

#include "render/pagerenderer.h"
#include "text/gbk.h"

#include <QFontDatabase>
#include <QPainter>
#include <QStringDecoder>
#include <array>
#include <mutex>

namespace brevix {

namespace {

constexpr std::array<PanelTextSize, kPanelTextSizeCount> kSizes{{
    {12, 16, 8},
    {19, 24, 12},
    {24, 32, 17},
    {38, 48, 24},
    {48, 64, 32},
    {55, 80, 40},
    {72, 96, 48},
    {98, 112, 56},
}};

const QString kSongFamily = QStringLiteral("宋体");

// Faces that hold every GBK character, best first.
const QStringList kSongStandIns{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei")};

// One decoder per thread: making a converter per character would dominate a page's drawing.
QString decodeTwoBytes(const char *bytes)
{
    thread_local QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QStringLiteral("?");
    decoder.resetState();
    QString glyph = decoder.decode(QByteArrayView(bytes, 2));
    if (glyph.size() != 1 || glyph.at(0) == QChar::ReplacementCharacter)
        return QStringLiteral("?");
    return glyph;
}

int pixelSizeOf(int points)
{
    return (points * 96 + 36) / 72;
}

} // namespace

int clampedTextSizeIndex(int s)
{
    return s >= 0 && s < kPanelTextSizeCount ? s : 0;
}

PanelTextSize panelTextSize(int s)
{
    return kSizes[size_t(clampedTextSizeIndex(s))];
}

void installPanelFonts()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const QString &family : {kSongFamily, QStringLiteral("SimSun")})
            QFont::insertSubstitutions(family, kSongStandIns);
    });
}

QFont panelFont(int s, bool antialias)
{
    QFont font(kSongFamily);
    font.setPixelSize(pixelSizeOf(panelTextSize(s).points));
    font.setStyleStrategy(antialias ? QFont::PreferAntialias : QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int panelTextWidth(const QByteArray &gbk, int s)
{
    return int(gbk.size()) * panelTextSize(s).halfWidth;
}

void drawPanelText(QPainter &painter, int x, int y, const QByteArray &gbk, int s,
                   const QColor &colour, bool antialias)
{
    const PanelTextSize size = panelTextSize(s);
    const QFont font = panelFont(s, antialias);
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    // The Song face puts its baseline 220/256 of the em below the top of the cell.
    const int baseline = y + (font.pixelSize() * 220 + 128) / 256;
    int cx = x;
    const qsizetype n = gbk.size();
    for (qsizetype i = 0; i < n;) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        QString glyph;
        int bytes = 1;
        if (lead < 0x80) {
            glyph = QChar(lead < 0x20 ? u' ' : char16_t(lead));
        } else if (isGbkLeadByte(lead) && i + 1 < n) {
            bytes = 2;
            glyph = decodeTwoBytes(gbk.constData() + i);
        } else {
            glyph = QStringLiteral("?");
        }
        if (glyph != QStringLiteral(" "))
            painter.drawText(cx, baseline, glyph);
        cx += bytes * size.halfWidth;
        i += bytes;
    }
    painter.restore();
}

} // namespace brevix
