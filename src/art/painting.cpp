// The pictures of the Countdown window and the hourglass icon, painted in code. Colours are
// written 0x00BBGGRR, red in the low byte, as the layout gives them.
#include "art/painting.h"

#include "art/lettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art::painting {

namespace {

// A colour given as 0x00BBGGRR.
QRgb Bgr(quint32 value)
{
    return qRgb(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

struct Stop {
    double at;   // 0 .. 1
    QRgb colour;
};
using Stops = std::vector<Stop>;

int MixChannel(int a, int b, double t)
{
    return int(std::lround(a + (b - a) * t));
}

QRgb Mix(QRgb a, QRgb b, double t)
{
    return qRgb(MixChannel(qRed(a), qRed(b), t), MixChannel(qGreen(a), qGreen(b), t),
                MixChannel(qBlue(a), qBlue(b), t));
}

// The colour at t along stops sorted by position; t outside the stops takes the nearest end.
QRgb Along(const Stops &stops, double t)
{
    if (t <= stops.front().at)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const Stop &a = stops[i - 1];
            const Stop &b = stops[i];
            return Mix(a.colour, b.colour, (t - a.at) / (b.at - a.at));
        }
    }
    return stops.back().colour;
}

// An even (linear) radial gradient about the picture's centre, elliptical with radii rx and ry:
// stops from 0 at the centre to 1 at (rx, 0) and (0, ry) from it, the last colour beyond. Pixels are
// measured at their centres, so the centre pixel of an odd dimension is exactly the first stop.
QImage RadialGradient(QSize size, double rx, double ry, const Stops &stops, QImage::Format format)
{
    QImage image(size, QImage::Format_RGB32);
    const double cx = size.width() / 2.0;
    const double cy = size.height() / 2.0;
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double dy = (y + 0.5 - cy) / ry;
        for (int x = 0; x < size.width(); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            line[x] = Along(stops, std::hypot(dx, dy));
        }
    }
    return format == image.format() ? image : image.convertToFormat(format);
}

// A vertical gradient: the first stop on the top row, the last on the bottom row.
QImage VerticalGradient(QSize size, const Stops &stops)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < size.height(); ++y)
        painter.fillRect(0, y, size.width(), 1, QColor(Along(stops, double(y) / (size.height() - 1))));
    return image;
}

// The 1-2-1 average of three premultiplied pixels, channel by channel.
QRgb Blend121(QRgb a, QRgb b, QRgb c)
{
    QRgb out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const quint32 sum = ((a >> shift) & 0xFFu) + 2 * ((b >> shift) & 0xFFu) + ((c >> shift) & 0xFFu) + 2;
        out |= ((sum / 4) & 0xFFu) << shift;
    }
    return out;
}

// A soft blur of a premultiplied ARGB image: the 1-2-1 kernel, `passes` times in each direction.
void Soften(QImage &image, int passes)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<QRgb> buffer;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            buffer.assign(line, line + w);
            for (int x = 0; x < w; ++x) {
                line[x] = Blend121(buffer[std::max(x - 1, 0)], buffer[x], buffer[std::min(x + 1, w - 1)]);
            }
        }
        for (int x = 0; x < w; ++x) {
            buffer.resize(h);
            for (int y = 0; y < h; ++y)
                buffer[y] = reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
            for (int y = 0; y < h; ++y) {
                reinterpret_cast<QRgb *>(image.scanLine(y))[x] =
                    Blend121(buffer[std::max(y - 1, 0)], buffer[y], buffer[std::min(y + 1, h - 1)]);
            }
        }
    }
}

// The rows and columns that hold ink (alpha at least `threshold`) in an ARGB image.
QRect InkBounds(const QImage &image, int threshold)
{
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) >= threshold) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Clears the faintest pixels, so that every pixel the lettering touches visibly changes the picture
// and its measured extent is the extent it shows.
void DropFaintInk(QImage &image, int threshold)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) < threshold)
                line[x] = 0;
    }
}

// How a word is lettered: white, with an edge of `edgeColour` reaching `edgeWidth` / 2 beyond the
// letters' outline, blurred `softness` times.
struct Lettering {
    QColor edgeColour;
    double edgeWidth;
    int softness;
};

// Paints `glyphs` (already placed) into a transparent layer of the given size.
QImage LetteringLayer(QSize size, const QPainterPath &glyphs, const Lettering &style)
{
    QImage edge(size, QImage::Format_ARGB32_Premultiplied);
    edge.fill(Qt::transparent);
    {
        QPainter painter(&edge);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPathStroker stroker;
        stroker.setWidth(style.edgeWidth);
        stroker.setJoinStyle(Qt::RoundJoin);
        stroker.setCapStyle(Qt::RoundCap);
        // Stroke and letters filled one over the other: the same ink as their union, without the
        // cost of a path boolean on every glyph.
        painter.fillPath(stroker.createStroke(glyphs), style.edgeColour);
        painter.fillPath(glyphs, style.edgeColour);
    }
    Soften(edge, style.softness);
    {
        QPainter painter(&edge);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(glyphs, Qt::white);
    }
    return edge;
}

constexpr int kInkThreshold = 12;   // alpha below this is dropped: invisible, and not counted as ink

// ---- The background ----

constexpr int kTitleTop = 22;       // first and last rows of the title's ink
constexpr int kTitleBottom = 69;
constexpr int kTitleMaxWidth = 595; // keeps a margin at both sides

QImage PaintBackground()
{
    const QSize size(623, 479);
    // Distance to the corner pixels' centres, so that the corners are exactly the last stop.
    const double toCorner = std::hypot(size.width() / 2.0 - 0.5, size.height() / 2.0 - 0.5);
    QImage image = RadialGradient(size, toCorner, toCorner,
                                  {{0.0, Bgr(0x00FFFF80)}, {1.0, Bgr(0x00C00000)}}, QImage::Format_RGB32);

    const QString title = QStringLiteral("Tavrin Activity Timer");
    const QPainterPath unit = Lettered(title, 100);   // scaled below to fit the rows it must fill
    const QRectF unitBounds = unit.boundingRect();
    const Lettering style{QColor(0x0B, 0x1F, 0x5C, 235), 3.4, 1};

    const QSize layerSize(size.width() + 40, 160);
    const double wantedHeight = kTitleBottom - kTitleTop + 1;
    auto render = [&](double scale, QImage *layer) {
        const double sx = std::min(scale, (kTitleMaxWidth - style.edgeWidth) / unitBounds.width());
        QTransform place;
        place.translate(layerSize.width() / 2.0, 40);
        place.scale(sx, scale);
        place.translate(-unitBounds.center().x(), -unitBounds.top());
        *layer = LetteringLayer(layerSize, place.map(unit), style);
        DropFaintInk(*layer, kInkThreshold);
        return InkBounds(*layer, kInkThreshold);
    };

    // The scale whose ink fills exactly the wanted rows. Ink height grows with the scale as the
    // path's height plus a margin for the edge; each render corrects the margin, so two or three
    // renders settle it, aiming half a row inside so rounding cannot add one.
    double scale = wantedHeight / unitBounds.height();
    QImage layer;
    QRect ink = render(scale, &layer);
    for (int i = 0; i < 8 && ink.height() != int(wantedHeight); ++i) {
        const double margin = ink.height() - scale * unitBounds.height();
        scale = (wantedHeight - 0.5 - margin) / unitBounds.height();
        ink = render(scale, &layer);
    }

    QPainter painter(&image);
    // Integer offsets keep the measured rows; centre the ink's columns on the picture's middle.
    const int dx = int(std::lround((size.width() - 1 - ink.left() - ink.right()) / 2.0));
    painter.drawImage(QPoint(dx, kTitleTop - ink.top()), layer);
    return image;
}

// ---- The buttons ----

constexpr double kWordPixelSize = 20;

QImage PaintButton(const QString &word, const Stops &stops)
{
    const QSize size(154, 30);
    QImage image = VerticalGradient(size, stops);

    QPainterPath glyphs = Lettered(word, kWordPixelSize);
    // One baseline for every button, so side-by-side words line up: capitals centred vertically.
    const double capHeight = -Lettered(QStringLiteral("H"), kWordPixelSize).boundingRect().top();
    const double baseline = std::round(size.height() / 2.0 + capHeight / 2.0);
    const QRectF bounds = glyphs.boundingRect();
    const double left = std::round(size.width() / 2.0 - bounds.center().x());
    glyphs.translate(left, baseline);

    const Lettering style{QColor(0x10, 0x10, 0x1C, 240), 2.4, 0};
    QImage layer = LetteringLayer(size, glyphs, style);
    DropFaintInk(layer, kInkThreshold);
    QPainter painter(&image);
    painter.drawImage(0, 0, layer);
    return image;
}

// ---- The lamps ----

QImage PaintLamp(quint32 centre, quint32 halfway, quint32 ends, QImage::Format format)
{
    const QSize size(395, 64);
    // A circular glow reaching the end pixels' centres: the colour follows mostly the distance along
    // the bar, the top and bottom edges a little darker than the centre, the corners the end colour.
    const double toEnd = size.width() / 2.0 - 0.5;
    return RadialGradient(size, toEnd, toEnd,
                          {{0.0, Bgr(centre)}, {0.5, Bgr(halfway)}, {1.0, Bgr(ends)}}, format);
}

// ---- The hourglass ----

QImage PaintHourglass(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Drawn in a 48-pixel square; other sizes scale the drawing, not the 48-pixel picture.
    if (size != kHourglassSize)
        painter.scale(double(size) / kHourglassSize, double(size) / kHourglassSize);

    // 29 x 38 in the middle: columns 9..37, rows 5..42; the axis runs down the middle of column 23.
    const double left = 9, right = 38, top = 5, bottom = 43, axis = (left + right) / 2;
    const double cap = 3, waist = (top + bottom) / 2;
    const double bulb = 12.5;   // half-width of the glass at the caps
    const double neck = 1.5;    // half-width at the waist

    QPainterPath glass;
    const double gTop = top + cap, gBottom = bottom - cap;
    glass.moveTo(axis - bulb, gTop);
    glass.lineTo(axis + bulb, gTop);
    glass.cubicTo(axis + bulb + 1.0, gTop + 8.0, axis + neck + 1.5, waist - 4.5, axis + neck, waist);
    glass.cubicTo(axis + neck + 1.5, waist + 4.5, axis + bulb + 1.0, gBottom - 8.0, axis + bulb, gBottom);
    glass.lineTo(axis - bulb, gBottom);
    glass.cubicTo(axis - bulb - 1.0, gBottom - 8.0, axis - neck - 1.5, waist + 4.5, axis - neck, waist);
    glass.cubicTo(axis - neck - 1.5, waist - 4.5, axis - bulb - 1.0, gTop + 8.0, axis - bulb, gTop);
    glass.closeSubpath();

    const QColor darkest(Bgr(0x00DA6024));
    const QColor lightest(Bgr(0x00F0AB41));
    QLinearGradient shade(0, gTop, 0, gBottom);
    shade.setColorAt(0.0, darkest);
    shade.setColorAt(0.5, lightest);
    shade.setColorAt(1.0, darkest);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(glass, shade);
    // A glint down the left of each bulb, in the glass's own lightest blue, so it reads as glass.
    QPen glint(lightest, 1.6, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(glint);
    painter.setBrush(Qt::NoBrush);
    QPainterPath upper, lower;
    upper.moveTo(axis - bulb + 3.0, gTop + 2.5);
    upper.cubicTo(axis - bulb + 3.0, gTop + 7.0, axis - 6.0, waist - 6.5, axis - 3.5, waist - 3.0);
    lower.moveTo(axis - 3.5, waist + 3.0);
    lower.cubicTo(axis - 6.0, waist + 6.5, axis - bulb + 3.0, gBottom - 7.0, axis - bulb + 3.0, gBottom - 2.5);
    painter.drawPath(upper);
    painter.drawPath(lower);

    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor green(Bgr(0x0018D865));
    painter.fillRect(QRectF(left, top, right - left, cap), green);
    painter.fillRect(QRectF(left, bottom - cap, right - left, cap), green);
    return image;
}

} // namespace

QImage Background()
{
    return PaintBackground();
}

QImage StartButton()
{
    return PaintButton(QStringLiteral("Start"), {{0.0, Bgr(0x00C10602)}, {1.0, Bgr(0x00F3B445)}});
}

QImage StopButton()
{
    return PaintButton(QStringLiteral("Stop"),
                       {{0.0, Bgr(0x001414B0)}, {0.5, Bgr(0x001919E5)}, {1.0, Bgr(0x004C4CEC)}});
}

QImage SettingsButton()
{
    return PaintButton(QStringLiteral("Settings"),
                       {{0.0, Bgr(0x00B01452)}, {0.5, Bgr(0x00E5196B)}, {1.0, Bgr(0x00EC4C8C)}});
}

QImage ExitButton()
{
    return PaintButton(QStringLiteral("Exit"),
                       {{0.0, Bgr(0x004C4CEC)}, {0.5, Bgr(0x001919E3)}, {1.0, Bgr(0x001313AD)}});
}

QImage GreenLamp()
{
    return PaintLamp(0x004AEC8B, 0x0019E36A, 0x0013AD51, QImage::Format_RGB32);
}

QImage YellowLamp()
{
    return PaintLamp(0x004ADBEC, 0x0019CEE3, 0x00139DAD, QImage::Format_RGB32);
}

QImage RedLamp()
{
    return PaintLamp(0x004A4AEC, 0x001919E3, 0x001313AD, QImage::Format_RGB32);
}

QImage GreyBar()
{
    return PaintLamp(0x00BDBDBD, 0x00A8A8A8, 0x00808080, QImage::Format_Grayscale8);
}

QImage Hourglass(int size)
{
    return PaintHourglass(size);
}

} // namespace art::painting
