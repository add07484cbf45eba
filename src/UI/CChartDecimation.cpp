// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChartDecimation.h"

#include <algorithm>

std::pair<std::size_t, std::size_t> visibleRange(const std::vector<double>& x, double low, double high)
{
    const auto first = std::lower_bound(x.begin(), x.end(), low);
    const auto last = std::upper_bound(first, x.end(), high);
    return {static_cast<std::size_t>(first - x.begin()), static_cast<std::size_t>(last - x.begin())};
}

std::size_t decimatedPointsBound(int columns) { return 2 * static_cast<std::size_t>(std::max(columns, 1)) + 2; }

namespace {
// Appends sample k unless it was the last one appended.
struct PointSink {
    const std::vector<double>& x;
    const std::vector<double>& y;
    double xScale;
    QList<QPointF>& out;
    std::size_t previous = static_cast<std::size_t>(-1);

    void take(std::size_t k)
    {
        if (k == previous) return;
        out.append(QPointF(x[k] * xScale, y[k]));
        previous = k;
    }
};
}  // namespace

void decimateToColumns(const std::vector<double>& x, const std::vector<double>& y, std::size_t first,
                       std::size_t last, double low, double high, int columns, double xScale, QList<QPointF>& out)
{
    out.clear();
    last = std::min({last, x.size(), y.size()});
    if (first >= last) return;
    columns = std::max(columns, 1);
    if (last - first <= decimatedPointsBound(columns) || !(high > low)) {
        out.reserve(static_cast<qsizetype>(last - first));
        for (std::size_t k = first; k < last; k++) out.append(QPointF(x[k] * xScale, y[k]));
        return;
    }
    out.reserve(static_cast<qsizetype>(decimatedPointsBound(columns)));
    PointSink sink{x, y, xScale, out};
    sink.take(first);
    const double columnWidth = (high - low) / columns;
    const auto xBegin = x.begin();
    std::size_t start = first;
    for (int column = 0; column < columns && start < last; column++) {
        // x is ascending, so a column's samples are one run found by bisection;
        // samples left or right of [low, high] fall into the outer columns.
        const std::size_t end =
            column == columns - 1
                ? last
                : static_cast<std::size_t>(
                      std::lower_bound(xBegin + start, xBegin + last, low + (column + 1) * columnWidth) - xBegin);
        if (end == start) continue;
        std::size_t lowest = start, highest = start;
        for (std::size_t k = start + 1; k < end; k++) {
            if (y[k] < y[lowest]) lowest = k;
            if (y[k] > y[highest]) highest = k;
        }
        // In sample order, so the line never runs backwards.
        sink.take(std::min(lowest, highest));
        sink.take(std::max(lowest, highest));
        start = end;
    }
    sink.take(last - 1);
}
