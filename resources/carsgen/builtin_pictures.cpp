// The program's own pictures: start lights, level badge, medals, window icon.
#include "design.h"
#include "pictures.h"

#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <map>
#include <optional>

namespace carsgen {
namespace {

struct Lamp {
    QColor lit;
    QColor dark;
};
// Top to bottom: red, yellow, green.
const std::array<Lamp, 3> kLamps = {{
    {QColor(0xff, 0x34, 0x24), QColor(0x4a, 0x16, 0x12)},
    {QColor(0xff, 0xc4, 0x10), QColor(0x4a, 0x3a, 0x0e)},
    {QColor(0x2c, 0xe0, 0x4c), QColor(0x10, 0x3a, 0x18)},
}};

void drawLamp(QPainter& painter, QPointF centre, const Lamp& lamp, bool isLit)
{
    const qreal radius = 6.4;
    if (isLit) {
        QRadialGradient glow(centre, radius + 3);
        glow.setColorAt(0.6, lamp.lit);
        glow.setColorAt(1, QColor(lamp.lit.red(), lamp.lit.green(), lamp.lit.blue(), 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius + 3, radius + 3);
    }
    QRadialGradient face(centre - QPointF(2, 2), radius * 1.6);
    face.setColorAt(0, isLit ? QColor(0xff, 0xff, 0xf0) : lamp.dark.lighter(170));
    face.setColorAt(0.35, isLit ? lamp.lit : lamp.dark);
    face.setColorAt(1, isLit ? lamp.lit.darker(130) : lamp.dark.darker(150));
    painter.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 0.8));
    painter.setBrush(face);
    painter.drawEllipse(centre, radius, radius);
}

// A vertical start light with at most one lamp lit (0 red, 1 yellow, 2 green).
QImage startLight(std::optional<std::size_t> litLamp)
{
    QImage image = transparentImage(24, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient housing(2, 0, 22, 0);
    housing.setColorAt(0, QColor(0x50, 0x50, 0x54));
    housing.setColorAt(0.5, QColor(0x30, 0x30, 0x34));
    housing.setColorAt(1, QColor(0x1c, 0x1c, 0x20));
    painter.setPen(QPen(QColor(0x08, 0x08, 0x08), 1));
    painter.setBrush(housing);
    painter.drawRoundedRect(QRectF(2.5, 1.5, 19, 61), 6, 6);
    for (std::size_t i = 0; i < kLamps.size(); ++i)
        drawLamp(painter, QPointF(12, 12 + 20.0 * i), kLamps[i], litLamp == i);
    return image;
}

constexpr int kBadgeSize = 48;
constexpr int kLevelSteps = 11;

QImage levelBackground()
{
    QImage image = transparentImage(kBadgeSize, kBadgeSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(24, 24);
    QRadialGradient disc(centre - QPointF(6, 8), 30);
    disc.setColorAt(0, QColor(0x5c, 0x82, 0xc8));
    disc.setColorAt(1, QColor(0x1a, 0x2c, 0x5c));
    painter.setPen(QPen(QColor(0x0e, 0x18, 0x34), 1));
    painter.setBrush(disc);
    painter.drawEllipse(centre, 23, 23);
    // The empty groove the progress ring fills.
    painter.setPen(QPen(QColor(0x0e, 0x18, 0x34, 160), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 19, 19);
    painter.setPen(QPen(QColor(0xc8, 0xd4, 0xe8), 1));
    painter.drawEllipse(centre, 15.5, 15.5);
    return image;
}

// Step `filled` of a level: that many of the eleven ring segments lit, clockwise from the top.
QImage levelProgress(int filled)
{
    QImage image = transparentImage(kBadgeSize, kBadgeSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(5, 5, 38, 38);
    const qreal segment = 360.0 / kLevelSteps;
    const qreal gap = 4;
    // Yellow at the first step deepening to orange at the last.
    QConicalGradient gold(ring.center(), 90);
    gold.setColorAt(0, QColor(0xff, 0x8c, 0x10));
    gold.setColorAt(1, QColor(0xff, 0xe2, 0x40));
    painter.setPen(QPen(QBrush(gold), 5, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < filled; ++i) {
        // Qt angles run counter-clockwise in 1/16 degree; ours run clockwise from twelve o'clock.
        const qreal start = 90 - i * segment - gap / 2;
        painter.drawArc(ring, int(start * 16), int(-(segment - gap) * 16));
    }
    return image;
}

// 10 × 10 medals are drawn pixel by pixel: at this size only hand-placed pixels stay crisp.
const std::map<char, QColor>& medalPalette()
{
    static const std::map<char, QColor> palette = {
        {'o', QColor(0x7a, 0x3f, 0x12)}, {'O', QColor(0xcd, 0x7f, 0x32)}, {'h', QColor(0xf2, 0xb4, 0x7a)},
        {'z', QColor(0x5d, 0x66, 0x70)}, {'S', QColor(0xc9, 0xd1, 0xd9)}, {'w', QColor(0xff, 0xff, 0xff)},
        {'y', QColor(0x8a, 0x62, 0x00)}, {'G', QColor(0xf2, 0xc2, 0x0f)}, {'l', QColor(0xff, 0xf3, 0xa0)},
        {'r', QColor(0xd8, 0x18, 0x18)}, {'b', QColor(0x2f, 0x6f, 0xe0)}, {'B', QColor(0x17, 0x3a, 0x80)},
        {'c', QColor(0x9c, 0xee, 0xff)}, {'C', QColor(0x1a, 0x7a, 0x9a)}, {'x', QColor(0x20, 0x20, 0x28)},
    };
    return palette;
}

using PixelArt = std::array<const char*, 10>;

QImage pixelArt(const PixelArt& rows)
{
    QImage image = transparentImage(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (const auto colour = medalPalette().find(rows[std::size_t(y)][x]); colour != medalPalette().end())
                image.setPixelColor(x, y, colour->second);
    return image;
}

// Medal, star, cup, crown, golden helmet, diamond helmet.
const std::array<std::pair<const char*, PixelArt>, 6> kMedals = {{
    {"i300", {".Bb....bB.", "..Bb..bB..", "...BbbB...", "...oooo...", "..oOhhOo..",
              ".oOhOOOOo.", ".oOOOOOOo.", ".oOOOOOOo.", "..oOOOOo..", "...oooo..."}},
    {"i1000", {"....zz....", "...zwSz...", "...zSSz...", "zzzzSSzzzz", "zwSSSSSSSz",
               ".zzSSSSzz.", "..zSSSSz..", ".zSSzzSSz.", ".zSz..zSz.", ".zz....zz."}},
    {"i2000", {".yyyyyyyy.", "yylGGGGGyy", "y.yGGGGy.y", ".yyGGGGyy.", "...yGGy...",
               "....yy....", "....yy....", "...yGGy...", "..yGGGGy..", "..yyyyyy.."}},
    {"i5000", {"..........", ".l..ll..l.", ".y..yy..y.", ".yy.yy.yy.", ".yGyGGyGy.",
               ".yGGGGGGy.", ".yrGbbGry.", ".yGGGGGGy.", ".yyyyyyyy.", ".........."}},
    {"i10000", {"..........", "...yyyy...", "..yGllGy..", ".yGlGGGGy.", ".yGGGxxxxy",
                "yGGGGxwxxy", "yGGGGGyyyy", "yGGGGGGGy.", ".yGGGGGGy.", "..yyyyyy.."}},
    {"i20000", {"....w.....", "...CCCC...", "..CcwwcC..", ".CcwccccC.", ".CcccxxxxC",
                "CccccxwxxC", "CcccccCCCC", "CcccccccC.", ".CccccccC.", "..CCCCCC.."}},
}};

QImage windowIcon()
{
    QImage image = transparentImage(64, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawEmblem(painter, QRectF(2, 4, 60, 56));
    return image;
}

} // namespace

PictureSet builtinPictures()
{
    PictureSet pictures = {
        {QStringLiteral("semafor0"), startLight(std::nullopt)},
        {QStringLiteral("semafor1"), startLight(0)},
        {QStringLiteral("semafor2"), startLight(1)},
        {QStringLiteral("semafor3"), startLight(2)},
        {QStringLiteral("level_fon"), levelBackground()},
    };
    for (int step = 1; step <= kLevelSteps; ++step)
        pictures.push_back({QStringLiteral("l%1").arg(step), levelProgress(step)});
    for (const auto& [name, art] : kMedals)
        pictures.push_back({QString::fromLatin1(name), pixelArt(art)});
    pictures.push_back({QStringLiteral("icon"), windowIcon()});
    return pictures;
}

} // namespace carsgen
