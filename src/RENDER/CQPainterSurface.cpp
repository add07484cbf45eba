// SPDX-License-Identifier: GPL-3.0-or-later
#include "CQPainterSurface.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {
// Atoms and their highlights are discs of a whole or quarter point diameter,
// thousands of them per picture, each at its own position. The raster
// engine spends a microsecond or more on the set-up of every antialiased
// ellipse, more than a small disc has pixels. So each disc's coverage is
// drawn once by QPainter into an 8-bit mask, per diameter and quarter-pixel
// offset, and the mask is then blended in the disc's colour.
constexpr int kSubpixel = 4;
constexpr double kLargestStamped = 160.0;  // device pixels

const QImage& discMask(int quarterDiameter, int fx, int fy)
{
    thread_local std::unordered_map<int, QImage> masks;
    const int key = (quarterDiameter * kSubpixel + fx) * kSubpixel + fy;
    auto found = masks.find(key);
    if (found != masks.end()) return found->second;
    const double d = quarterDiameter / 4.0;
    const int side = static_cast<int>(std::ceil(d)) + 2;
    QImage mask(side, side, QImage::Format_Alpha8);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(static_cast<double>(fx) / kSubpixel, static_cast<double>(fy) / kSubpixel, d, d));
    painter.end();
    return masks.emplace(key, std::move(mask)).first->second;
}

// x times a/255 for each of the four 8-bit channels of a premultiplied pixel.
inline quint32 byteMul(quint32 x, quint32 a)
{
    quint32 t = (x & 0xff00ff) * a;
    t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return x | t;
}
}  // namespace

CQPainterSurface::CQPainterSurface(QPainter& painter, double height) : painter(painter)
{
    if (painter.device() && painter.device()->devType() == QInternal::Image) {
        auto* target = static_cast<QImage*>(painter.device());
        if (target->format() == QImage::Format_ARGB32_Premultiplied || target->format() == QImage::Format_RGB32)
            image = target;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setTransform(QTransform(1.0, 0.0, 0.0, -1.0, 0.0, height));
    path.setFillRule(Qt::WindingFill);
}

void CQPainterSurface::applyColor(double r, double g, double b, double a, CColorSpace)
{
    // Qt paints both kinds alike, in the device's sRGB.
    color = QColor::fromRgbF(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), static_cast<float>(a));
}

void CQPainterSurface::beginPath()
{
    path.clear();
    path.setFillRule(Qt::WindingFill);
    pathIsOneOval = false;
    lineWidth = 1.0;
    dashPattern.clear();
    dashPhase = 0.0;
}

void CQPainterSurface::moveTo(double x, double y)
{
    path.moveTo(x, y);
    pathIsOneOval = false;
}

void CQPainterSurface::lineTo(double x, double y)
{
    path.lineTo(x, y);
    pathIsOneOval = false;
}

void CQPainterSurface::addOval(double x, double y, double width, double height)
{
    // An atom without a place (after a blown-up run) adds nothing.
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(width) || !std::isfinite(height)) {
        pathIsOneOval = false;
        return;
    }
    pathIsOneOval = path.isEmpty();
    oval = QRectF(x, y, width, height);
    path.addEllipse(oval);
}

void CQPainterSurface::addRect(double x, double y, double width, double height)
{
    path.addRect(QRectF(x, y, width, height));
    pathIsOneOval = false;
}

// Dash lengths come in points; Qt measures them in pen widths.
void CQPainterSurface::setLineDash(const double* pattern, int count, double phase)
{
    dashPattern.clear();
    for (int k = 0; k < count; k++) dashPattern.append(pattern[k]);
    dashPhase = phase;
}

QPen CQPainterSurface::currentPen() const
{
    QPen pen(color, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!dashPattern.isEmpty() && lineWidth > 0.0) {
        QVector<qreal> inWidths;
        for (qreal length : dashPattern) inWidths.append(length / lineWidth);
        // Qt wants an even number of entries; repeating an odd list keeps its rhythm.
        if (inWidths.size() % 2) inWidths += inWidths;
        pen.setDashPattern(inWidths);
        pen.setDashOffset(dashPhase / lineWidth);
    }
    return pen;
}

// Blends the current one-disc path into the image, as the painter would
// with its antialiased fill; false where the painter must draw it. On an
// image of device pixel ratio r the disc is stamped at r times its size in
// points, from a mask of that many pixels, so it is as sharp as at ratio 1.
bool CQPainterSurface::stampDisc()
{
    if (!image || oval.width() != oval.height() || !(oval.width() > 0.0)) return false;
    // The world transform and the image's device pixel ratio together.
    const QTransform& m = painter.deviceTransform();
    const double scale = std::fabs(m.m11());
    if (m.type() > QTransform::TxScale || std::fabs(m.m22()) != scale || painter.hasClipping() ||
        painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const double diameter = oval.width() * scale;
    if (!(diameter <= kLargestStamped)) return false;
    // Diameters come in whole and quarter points; at a fractional ratio the
    // nearest quarter pixel is at most an eighth of a pixel off the painter's.
    const double quarters = std::round(diameter * 4.0);
    if (quarters < 1.0) return false;

    const QRectF device = m.mapRect(oval);
    const double left = std::floor(device.left()), top = std::floor(device.top());
    // Far outside the picture, or no place at all: nothing to paint.
    if (!(std::fabs(left) < 1e6) || !(std::fabs(top) < 1e6)) return true;
    int fx = static_cast<int>(std::lround((device.left() - left) * kSubpixel));
    int fy = static_cast<int>(std::lround((device.top() - top) * kSubpixel));
    int x0 = static_cast<int>(left), y0 = static_cast<int>(top);
    if (fx == kSubpixel) { fx = 0; x0++; }
    if (fy == kSubpixel) { fy = 0; y0++; }

    const QImage& mask = discMask(static_cast<int>(quarters), fx, fy);
    const quint32 source = qPremultiply(color.rgba());
    const int firstRow = std::max(0, -y0), endRow = std::min(mask.height(), image->height() - y0);
    const int firstCol = std::max(0, -x0), endCol = std::min(mask.width(), image->width() - x0);
    uchar* bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (int row = firstRow; row < endRow; row++) {
        const uchar* coverage = mask.constScanLine(row);
        auto* pixels = reinterpret_cast<quint32*>(bits + (y0 + row) * stride) + x0;
        for (int col = firstCol; col < endCol; col++) {
            const quint32 c = coverage[col];
            if (c == 0) continue;
            const quint32 s = c == 255 ? source : byteMul(source, c);
            pixels[col] = s + byteMul(pixels[col], 255 - qAlpha(s));
        }
    }
    return true;
}

void CQPainterSurface::fill()
{
    if (pathIsOneOval && stampDisc()) return;
    if (pathIsOneOval) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(oval);
        return;
    }
    painter.fillPath(path, color);
}

void CQPainterSurface::stroke()
{
    painter.strokePath(path, currentPen());
}

void CQPainterSurface::fillRect(double x, double y, double width, double height)
{
    painter.fillRect(QRectF(x, y, width, height), color);
}

void CQPainterSurface::strokeRect(double x, double y, double width, double height)
{
    painter.setPen(currentPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(x, y, width, height));
}
