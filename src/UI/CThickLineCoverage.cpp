// SPDX-License-Identifier: GPL-3.0-or-later
#include "CThickLineCoverage.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The first pixel whose centre is at or after the coordinate, kept within [0, size].
int firstCentreFrom(double coordinate, int size)
{
    return static_cast<int>(std::clamp(std::ceil(coordinate - 0.5), 0.0, static_cast<double>(size)));
}

// The values of e for which |base + e * slope| <= bound, as [low, high];
// with no slope, every e or none. perSlope: 1 / slope.
bool within(double base, double slope, double perSlope, double bound, double& low, double& high)
{
    if (std::fabs(slope) < 1e-12) {
        if (std::fabs(base) > bound) return false;
        low = -std::numeric_limits<double>::infinity();
        high = std::numeric_limits<double>::infinity();
        return true;
    }
    low = (-bound - base) * perSlope;
    high = (bound - base) * perSlope;
    if (low > high) std::swap(low, high);
    return true;
}
}  // namespace

void CThickLineCoverage::cover(const QPolygonF& points, double halfWidth, int width, int height)
{
    width_ = width;
    height_ = height;
    low_.assign(static_cast<std::size_t>(width), std::numeric_limits<double>::infinity());
    high_.assign(static_cast<std::size_t>(width), -std::numeric_limits<double>::infinity());
    firstColumn_ = width;
    endColumn_ = 0;
    for (qsizetype k = 1; k < points.size(); k++) coverSegment(points[k - 1], points[k], halfWidth);
    from_.assign(static_cast<std::size_t>(width), 0);
    to_.assign(static_cast<std::size_t>(width), 0);
    firstRow_ = height;
    endRow_ = 0;
    for (int c = firstColumn_; c < endColumn_; c++) {
        const std::size_t at = static_cast<std::size_t>(c);
        if (!(low_[at] <= high_[at])) continue;
        from_[at] = firstCentreFrom(low_[at], height);
        to_[at] = firstCentreFrom(high_[at], height);
        if (from_[at] >= to_[at]) continue;
        firstRow_ = std::min(firstRow_, from_[at]);
        endRow_ = std::max(endRow_, to_[at]);
    }
    if (firstRow_ >= endRow_) firstRow_ = endRow_ = 0;
}

// The rectangle around the segment, reaching halfWidth beyond each end as a
// square cap does, cut by the vertical line through each pixel centre it spans.
void CThickLineCoverage::coverSegment(QPointF a, QPointF b, double halfWidth)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y())) return;
    const QPointF middle = (a + b) / 2.0;
    const double length = std::sqrt((b.x() - a.x()) * (b.x() - a.x()) + (b.y() - a.y()) * (b.y() - a.y()));
    // A segment of no length is capped as a short horizontal one.
    const double dx = length > 0.0 ? (b.x() - a.x()) / length : 1.0;
    const double dy = length > 0.0 ? (b.y() - a.y()) / length : 0.0;
    const double perDx = dx != 0.0 ? 1.0 / dx : 0.0, perDy = dy != 0.0 ? 1.0 / dy : 0.0;
    const double along = length / 2.0 + halfWidth;
    const double reach = along * std::fabs(dx) + halfWidth * std::fabs(dy);
    const int first = firstCentreFrom(middle.x() - reach, width_);
    const int end = firstCentreFrom(middle.x() + reach, width_);
    for (int c = first; c < end; c++) {
        const double ex = c + 0.5 - middle.x();
        // Along the segment within its capped length, across it within half the pen.
        double alongLow, alongHigh, acrossLow, acrossHigh;
        if (!within(ex * dx, dy, perDy, along, alongLow, alongHigh)) continue;
        if (!within(-ex * dy, dx, perDx, halfWidth, acrossLow, acrossHigh)) continue;
        coverColumn(c, middle.y() + std::max(alongLow, acrossLow), middle.y() + std::min(alongHigh, acrossHigh));
    }
}

void CThickLineCoverage::coverColumn(int column, double low, double high)
{
    if (!(low <= high)) return;
    const std::size_t at = static_cast<std::size_t>(column);
    low_[at] = std::min(low_[at], low);
    high_[at] = std::max(high_[at], high);
    firstColumn_ = std::min(firstColumn_, column);
    endColumn_ = std::max(endColumn_, column + 1);
}

void CThickLineCoverage::fill(QImage& image, QRgb colour) const
{
    const int* from = from_.data();
    const int* to = to_.data();
    for (int r = firstRow_; r < endRow_; r++) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(r));
        // Written whether covered or not, so the loop runs on vectors.
        for (int c = firstColumn_; c < endColumn_; c++)
            row[c] = static_cast<unsigned>(r - from[c]) < static_cast<unsigned>(to[c] - from[c]) ? colour : row[c];
    }
}
