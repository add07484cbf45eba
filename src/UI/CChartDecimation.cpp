// SPDX-License-Identifier: GPL-3.0-or-later
#include "CChartDecimation.h"

#include <algorithm>
#include <cmath>

std::pair<std::size_t, std::size_t> visibleRange(const std::vector<double>& x, double low, double high)
{
    const auto first = std::lower_bound(x.begin(), x.end(), low);
    const auto last = std::upper_bound(first, x.end(), high);
    return {static_cast<std::size_t>(first - x.begin()), static_cast<std::size_t>(last - x.begin())};
}

void decimateToColumns(const std::vector<double>& x, const std::vector<double>& y, std::size_t first,
                       std::size_t last, double low, double high, int columns, double xScale, QList<QPointF>& out)
{
    out.clear();
    last = std::min({last, x.size(), y.size()});
    if (first >= last) return;
    columns = std::max(columns, 1);
    if (last - first <= static_cast<std::size_t>(columns) * 4 || !(high > low)) {
        out.reserve(static_cast<qsizetype>(last - first));
        for (std::size_t k = first; k < last; k++) out.append(QPointF(x[k] * xScale, y[k]));
        return;
    }
    out.reserve(static_cast<qsizetype>(columns) * 4);
    const double perColumn = columns / (high - low);
    auto columnOf = [&](std::size_t k) {
        return std::clamp(static_cast<int>(std::floor((x[k] - low) * perColumn)), 0, columns - 1);
    };
    std::size_t k = first;
    while (k < last) {
        const int column = columnOf(k);
        const std::size_t start = k;
        std::size_t lowest = k, highest = k;
        for (; k < last && columnOf(k) == column; k++) {
            if (y[k] < y[lowest]) lowest = k;
            if (y[k] > y[highest]) highest = k;
        }
        // The column's extremes between its entry and exit, in sample order,
        // so the line neither loses a spike nor runs backwards.
        std::size_t picks[4] = {start, std::min(lowest, highest), std::max(lowest, highest), k - 1};
        std::size_t previous = static_cast<std::size_t>(-1);
        for (std::size_t pick : picks) {
            if (pick == previous) continue;
            out.append(QPointF(x[pick] * xScale, y[pick]));
            previous = pick;
        }
    }
}
