#include "CQPainterSurface.h"

#include <QTransform>

CQPainterSurface::CQPainterSurface(QPainter& painter, double height) : painter(painter)
{
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

void CQPainterSurface::fill()
{
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
