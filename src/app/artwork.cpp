#include "app/artwork.h"

#include "board/post_display.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace vantor {

namespace {

// Emblems and icons are designed on a square 100 units across and scaled to the
// 21 pixels they are shown at, so the shapes can be reasoned about in round
// numbers and still come out anti-aliased.
constexpr qreal DesignUnits = 100.0;
// One pixel of a 21-pixel square, for the few designs that want hard pixel edges.
constexpr qreal Pixel = DesignUnits / EmblemSize;

using Drawing = void (*)(QPainter &);

struct Design {
    QRgb field;
    Drawing draw;
};

QImage painted(QSize size, qreal unitsAcross, const Design &design)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(design.field);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / unitsAcross, size.width() / unitsAcross);
    painter.setPen(Qt::NoPen);
    design.draw(painter);
    painter.end();
    return image;
}

QImage blankSquare(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(NeutralGrey);
    return image;
}

// At the designed size each picture is drawn on first request only: the board
// needs two emblems out of sixteen. Other sizes are drawn afresh, as the board
// asks for them only when its scale or screen changes.
template <std::size_t N>
QImage drawnOnce(std::array<QImage, N> &cache, const std::array<Design, N> &designs, int index, int pixels)
{
    if (index < 0 || index >= int(N))
        return blankSquare(pixels);
    if (pixels != EmblemSize)
        return painted(QSize(pixels, pixels), DesignUnits, designs[index]);
    QImage &image = cache[index];
    if (image.isNull())
        image = painted(QSize(EmblemSize, EmblemSize), DesignUnits, designs[index]);
    return image;
}

// Angles run clockwise from straight up, the way a crest is laid out.
QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

void disc(QPainter &p, QPointF centre, qreal radius, QColor colour)
{
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

// `radius` is to the middle of the band.
void ring(QPainter &p, QPointF centre, qreal radius, qreal width, QColor colour)
{
    p.save();
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void fill(QPainter &p, const QPolygonF &shape, QColor colour)
{
    p.setBrush(colour);
    p.drawPolygon(shape);
}

void outline(QPainter &p, const QPolygonF &shape, qreal width, QColor colour)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(shape);
    p.restore();
}

void bar(QPainter &p, QPointF from, QPointF to, qreal width, QColor colour, Qt::PenCapStyle cap = Qt::FlatCap)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, cap));
    p.drawLine(from, to);
    p.restore();
}

QPolygonF diamond(QPointF centre, qreal halfWidth, qreal halfHeight)
{
    return QPolygonF({centre + QPointF(0, -halfHeight), centre + QPointF(halfWidth, 0),
                      centre + QPointF(0, halfHeight), centre + QPointF(-halfWidth, 0)});
}

// Regular polygon or star: `points` tips at `outer`, and, for a star, notches at
// `inner` half-way between them.
QPolygonF star(QPointF centre, int points, qreal outer, qreal inner, qreal turnDegrees = 0)
{
    QPolygonF shape;
    const qreal step = 360.0 / points;
    for (int k = 0; k < points; ++k) {
        shape << polar(centre, outer, turnDegrees + k * step);
        if (inner > 0)
            shape << polar(centre, inner, turnDegrees + (k + 0.5) * step);
    }
    return shape;
}

// Pulled towards its own centre, to leave a gap between shapes that share edges.
QPolygonF shrunk(const QPolygonF &shape, qreal factor)
{
    QPointF centre;
    for (const QPointF &point : shape)
        centre += point;
    centre /= shape.size();
    QPolygonF smaller;
    for (const QPointF &point : shape)
        smaller << centre + (point - centre) * factor;
    return smaller;
}

constexpr QPointF Middle(50, 50);

// Nine stars: a large one ringed by eight.
void nineStars(QPainter &p)
{
    const QColor navy(0x1E2F6B);
    disc(p, Middle, 15, navy);
    for (int k = 0; k < 8; ++k)
        disc(p, polar(Middle, 35, k * 45), 11, navy);
}

void fourDiamonds(QPainter &p)
{
    const QColor red(0xC8102E);
    for (QPointF offset : {QPointF(0, -17), QPointF(23, 0), QPointF(0, 17), QPointF(-23, 0)})
        fill(p, diamond(Middle + offset, 18, 13), red);
}

void threeScales(QPainter &p)
{
    const QColor black(0x1A1A1A);
    const QPointF apex(50, 8), left(4, 88), right(96, 88);
    const QPointF leftMid = (apex + left) / 2, rightMid = (apex + right) / 2, baseMid = (left + right) / 2;
    fill(p, shrunk(QPolygonF({apex, leftMid, rightMid}), 0.86), black);
    fill(p, shrunk(QPolygonF({leftMid, left, baseMid}), 0.86), black);
    fill(p, shrunk(QPolygonF({rightMid, baseMid, right}), 0.86), black);
}

void twoBarsInRing(QPainter &p)
{
    const QColor black(0x151515);
    ring(p, Middle, 41, 9, black);
    p.setBrush(black);
    p.drawRect(QRectF(20, 29, 60, 13));
    p.drawRect(QRectF(20, 58, 60, 13));
}

// A heart-shaped leaf with its stem at the centre, pointing up; veined in the field colour.
void hollyhockLeaf(QPainter &p, qreal turnDegrees, QColor leaf, QColor vein)
{
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.cubicTo(-24, -8, -27, -32, -12, -37);
    shape.cubicTo(-5, -39, 0, -35, 0, -31);
    shape.cubicTo(0, -35, 5, -39, 12, -37);
    shape.cubicTo(27, -32, 24, -8, 0, 0);
    p.save();
    p.translate(Middle);
    p.rotate(turnDegrees);
    p.setBrush(leaf);
    p.drawPath(shape);
    bar(p, QPointF(0, -6), QPointF(0, -28), 3.5, vein, Qt::RoundCap);
    p.restore();
}

void threeHollyhockLeaves(QPainter &p)
{
    const QColor green(0x1F6B35), cream(0xF3E9C6);
    ring(p, Middle, 44, 7, green);
    for (int k = 0; k < 3; ++k)
        hollyhockLeaf(p, k * 120, green, cream);
}

// Five lobes outlined in dark brown round a small inner flower.
void fiveLobes(QPainter &p)
{
    const QColor brown(0x3A2A10), orange(0xE89B1A);
    for (int k = 0; k < 5; ++k)
        disc(p, polar(Middle, 27, k * 72), 21, brown);
    for (int k = 0; k < 5; ++k)
        disc(p, polar(Middle, 27, k * 72), 15.5, orange);
    disc(p, Middle, 12, brown);
    disc(p, Middle, 5.5, orange);
}

void crossedBarsInRing(QPainter &p)
{
    const QColor brown(0x7B4A1E);
    ring(p, Middle, 41, 8, brown);
    for (int k = 0; k < 2; ++k)
        bar(p, polar(Middle, 37, 45 + k * 90), polar(Middle, 37, 225 + k * 90), 13, brown);
}

void eightPetals(QPainter &p)
{
    p.setBrush(QColor(0xFFFFFF));
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(Middle);
        p.rotate(k * 45);
        p.drawEllipse(QRectF(-8, -46, 16, 34));
        p.restore();
    }
    disc(p, Middle, 11, QColor(0xF2D16B));
}

void tortoiseShell(QPainter &p)
{
    const QColor teal(0x16756F);
    outline(p, star(Middle, 6, 42, 0, 30), 9, teal);
    fill(p, star(Middle, 6, 20, 0, 30), teal);
}

// Paving stones on hard pixel edges: 5 × 5 cells of 3 pixels, centred.
void pavingStones(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(QColor(0x2B2B2B));
    const qreal cell = 3 * Pixel, start = 3 * Pixel;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 5; ++column)
            if ((row + column) % 2 == 0)
                p.drawRect(QRectF(start + column * cell, start + row * cell, cell, cell));
}

void throwingStar(QPainter &p)
{
    fill(p, star(Middle, 4, 48, 15), QColor(0x1E1E1E));
    disc(p, Middle, 7, QColor(0x7A8450));
}

void eightSpokedWheel(QPainter &p)
{
    const QColor gold(0xE0B030);
    ring(p, Middle, 40, 8, gold);
    for (int k = 0; k < 8; ++k)
        bar(p, Middle, polar(Middle, 40, k * 45), 6, gold);
    disc(p, Middle, 11, gold);
}

void threeStackedDiamonds(QPainter &p)
{
    const QColor magenta(0xA3195B);
    for (qreal y : {17.0, 50.0, 83.0})
        fill(p, diamond(QPointF(50, y), 30, 14), magenta);
}

void fivePointedStar(QPainter &p)
{
    fill(p, star(QPointF(50, 54), 5, 47, 19), QColor(0xF2C230));
}

void westSplit(QPainter &p)
{
    fill(p, QPolygonF({QPointF(0, 0), QPointF(100, 0), QPointF(0, 100)}), QColor(0xB22222));
}

void eastBands(QPainter &p)
{
    p.setBrush(QColor(0x1F4FA0));
    p.drawRect(QRectF(0, 0, 100, 100 / 3.0));
    p.drawRect(QRectF(0, 200 / 3.0, 100, 100 / 3.0));
}

constexpr std::array<Design, FactionCount> emblemDesigns{{
    {0xFAFAF5, nineStars},
    {0xFAFAF5, fourDiamonds},
    {0xE9C46A, threeScales},
    {0xFAFAF5, twoBarsInRing},
    {0xF3E9C6, threeHollyhockLeaves},
    {0xFAFAF5, fiveLobes},
    {0xF6DDE0, crossedBarsInRing},
    {0x5B2C83, eightPetals},
    {0xFAFAF5, tortoiseShell},
    {0xBFB8A8, pavingStones},
    {0x7A8450, throwingStar},
    {0x6B1E22, eightSpokedWheel},
    {0xFAFAF5, threeStackedDiamonds},
    {0x1C2541, fivePointedStar},
    {0xF5F0E1, westSplit},
    {0xF5F0E1, eastBands},
}};

constexpr QRgb IconField = 0xFFFFFF;
constexpr QRgb BuyGreen = 0x2E8B3A, SellRed = 0xC62828;

// A gold coin with a square hole, low and to the left, leaving the upper right
// corner for a sign.
void coin(QPainter &p)
{
    const QPointF centre(40, 60);
    const QColor rim(0x9A6B12);
    disc(p, centre, 34, rim);
    disc(p, centre, 28, QColor(0xE3B23C));
    p.setBrush(QColor(IconField));
    p.setPen(QPen(rim, 5));
    p.drawRect(QRectF(centre - QPointF(9, 9), QSizeF(18, 18)));
    p.setPen(Qt::NoPen);
}

void arrow(QPainter &p, QPointF tail, QPointF head, QColor colour)
{
    const QPointF along = head - tail;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length, across(-unit.y(), unit.x());
    const QPointF base = head - unit * 20;
    bar(p, tail, base, 10, colour);
    fill(p, QPolygonF({head, base + across * 15, base - across * 15}), colour);
}

void buyIcon(QPainter &p)
{
    coin(p);
    arrow(p, QPointF(97, 3), QPointF(64, 36), BuyGreen);
}

void sellIcon(QPainter &p)
{
    coin(p);
    arrow(p, QPointF(62, 38), QPointF(97, 3), SellRed);
}

// Head and shoulders; `edge` is drawn round it so a figure in front stands out
// from one behind.
void figure(QPainter &p, QPointF head, qreal scale, QColor colour, QColor edge)
{
    QPainterPath shape;
    shape.addEllipse(head, 12 * scale, 12 * scale);
    const QRectF shoulders(head.x() - 24 * scale, head.y() + 16 * scale, 48 * scale, 48 * scale);
    shape.moveTo(shoulders.left(), shoulders.center().y());
    shape.arcTo(shoulders, 180, -180);
    shape.closeSubpath();
    p.setPen(QPen(edge, 5));
    p.setBrush(colour);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
}

void recruitIcon(QPainter &p)
{
    figure(p, QPointF(38, 34), 1.3, QColor(0x2F5FAF), QColor(IconField));
    bar(p, QPointF(80, 8), QPointF(80, 40), 10, BuyGreen);
    bar(p, QPointF(64, 24), QPointF(96, 24), 10, BuyGreen);
}

void partyIcon(QPainter &p)
{
    figure(p, QPointF(70, 24), 1.0, QColor(0xD9822B), QColor(IconField));
    figure(p, QPointF(34, 42), 1.15, QColor(0x2F5FAF), QColor(IconField));
}

constexpr std::array<Design, StatusIconCount> iconDesigns{{
    {IconField, buyIcon},
    {IconField, sellIcon},
    {IconField, recruitIcon},
    {IconField, partyIcon},
}};

// The About picture is designed at twice its pixel size.
constexpr qreal AboutUnitsAcross = 2 * AboutPictureWidth;

void dusk(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 140);
    sky.setColorAt(0, QColor(0x1B2A4E));
    sky.setColorAt(0.6, QColor(0x6A4C7A));
    sky.setColorAt(1, QColor(0xE8955A));
    p.setBrush(sky);
    p.drawRect(QRectF(0, 0, 122, 176));
    disc(p, QPointF(98, 26), 10, QColor(0xF6EBC8));
}

void hill(QPainter &p)
{
    QPainterPath ground;
    ground.moveTo(0, 150);
    ground.cubicTo(30, 136, 90, 134, 122, 146);
    ground.lineTo(122, 176);
    ground.lineTo(0, 176);
    ground.closeSubpath();
    p.setBrush(QColor(0x24402A));
    p.drawPath(ground);
}

// One storey of the keep: white wall with dark windows under a flared dark roof.
void storey(QPainter &p, qreal left, qreal right, qreal top, qreal bottom, int windows)
{
    const QColor roof(0x2A3340), wall(0xF2F0E8);
    p.setBrush(wall);
    p.drawRect(QRectF(left, top, right - left, bottom - top));
    const qreal span = (right - left) / windows;
    p.setBrush(roof);
    for (int k = 0; k < windows; ++k)
        p.drawRect(QRectF(left + k * span + span * 0.3, top + (bottom - top) * 0.45, span * 0.4, (bottom - top) * 0.3));
    QPainterPath eaves;
    eaves.moveTo(left - 9, top + 1);
    eaves.quadTo(left - 2, top - 1, left + 5, top - 9);
    eaves.lineTo(right - 5, top - 9);
    eaves.quadTo(right + 2, top - 1, right + 9, top + 1);
    eaves.closeSubpath();
    p.drawPath(eaves);
}

void keep(QPainter &p)
{
    fill(p, QPolygonF({QPointF(34, 146), QPointF(96, 146), QPointF(88, 122), QPointF(42, 122)}), QColor(0x777777));
    bar(p, QPointF(39, 134), QPointF(92, 134), 1.5, QColor(0x5A5A5A));
    storey(p, 44, 86, 100, 122, 4);
    storey(p, 50, 80, 80, 91, 3);
    storey(p, 55, 75, 60, 71, 2);
    fill(p, QPolygonF({QPointF(55, 52), QPointF(75, 52), QPointF(65, 40)}), QColor(0x2A3340));
    disc(p, QPointF(56, 43), 2.5, QColor(0xE0B030));
    disc(p, QPointF(74, 43), 2.5, QColor(0xE0B030));
}

// A war banner on a pole in the foreground, with a plain crest.
void banner(QPainter &p)
{
    bar(p, QPointF(14, 22), QPointF(14, 170), 4, QColor(0x5A3A1A));
    bar(p, QPointF(14, 28), QPointF(34, 28), 3, QColor(0x5A3A1A));
    p.setBrush(QColor(0xB22222));
    p.drawRect(QRectF(16, 28, 18, 88));
    disc(p, QPointF(25, 48), 6.5, QColor(0xF5F0E1));
    p.setBrush(QColor(0xF5F0E1));
    for (int k = 0; k < 3; ++k)
        p.drawRect(QRectF(20, 64 + k * 14, 10, 6));
}

void frame(QPainter &p)
{
    p.setPen(QPen(QColor(0x202020), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 120, 174));
    p.setPen(Qt::NoPen);
}

void castleAtDusk(QPainter &p)
{
    dusk(p);
    hill(p);
    keep(p);
    banner(p);
    frame(p);
}

} // namespace

QImage factionEmblem(Faction faction, int pixels)
{
    static std::array<QImage, FactionCount> drawn;
    return drawnOnce(drawn, emblemDesigns, faction, pixels);
}

QImage statusIcon(int icon, int pixels)
{
    static std::array<QImage, StatusIconCount> drawn;
    return drawnOnce(drawn, iconDesigns, icon, pixels);
}

QImage aboutPicture(qreal devicePixelRatio)
{
    const Design picture{0x000000, castleAtDusk};
    static const QImage designed = painted(QSize(AboutPictureWidth, AboutPictureHeight), AboutUnitsAcross, picture);
    if (devicePixelRatio == 1.0)
        return designed;
    const QSize size = (QSizeF(AboutPictureWidth, AboutPictureHeight) * devicePixelRatio).toSize();
    return painted(size, AboutUnitsAcross, picture);
}

QPixmap forScreen(const QImage &image, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

bool changesPixelDensity(const QEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        return true;
#endif
    return event->type() == QEvent::ScreenChangeInternal;
}

} // namespace vantor
