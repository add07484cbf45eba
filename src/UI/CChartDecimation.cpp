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

namespace {
// Moves lowest and highest to sample k where it is lower or higher. The
// first of equal samples stays, and a NaN gives way to any number, so the
// extremes do not depend on where blocks or columns begin.
inline void widen(const std::vector<double>& y, std::size_t k, std::size_t& lowest, std::size_t& highest)
{
    const double value = y[k];
    if (value < y[lowest] || (std::isnan(y[lowest]) && !std::isnan(value))) lowest = k;
    if (value > y[highest] || (std::isnan(y[highest]) && !std::isnan(value))) highest = k;
}

std::pair<std::size_t, std::size_t> scanExtremes(const std::vector<double>& y, std::size_t first, std::size_t last)
{
    std::size_t lowest = first, highest = first;
    for (std::size_t k = first + 1; k < last; k++) widen(y, k, lowest, highest);
    return {lowest, highest};
}
}  // namespace

void CBlockExtremes::follow(const std::vector<double>& y, std::uint64_t version)
{
    if (series_ != &y || version_ != version || y.size() < lowest_.size() * kBlock) {
        series_ = &y;
        version_ = version;
        lowest_.clear();
        highest_.clear();
    }
    for (std::size_t start = lowest_.size() * kBlock; start + kBlock <= y.size(); start += kBlock) {
        const auto [lowest, highest] = scanExtremes(y, start, start + kBlock);
        lowest_.push_back(static_cast<std::uint32_t>(lowest));
        highest_.push_back(static_cast<std::uint32_t>(highest));
    }
}

std::pair<std::size_t, std::size_t> CBlockExtremes::extremes(const std::vector<double>& y, std::size_t first,
                                                             std::size_t last) const
{
    if (series_ != &y || first >= last) return scanExtremes(y, first, last);
    std::size_t lowest = first, highest = first;
    // The samples before the first whole block, the whole blocks, the samples after them.
    std::size_t k = first + 1;
    const std::size_t blockStart = std::min(last, (first + kBlock - 1) / kBlock * kBlock);
    for (; k < blockStart; k++) widen(y, k, lowest, highest);
    std::size_t block = k / kBlock;
    for (; block < lowest_.size() && (block + 1) * kBlock <= last; block++, k = block * kBlock) {
        widen(y, lowest_[block], lowest, highest);
        widen(y, highest_[block], lowest, highest);
    }
    for (k = std::max(k, block * kBlock); k < last; k++) widen(y, k, lowest, highest);
    return {lowest, highest};
}

std::size_t decimatedPointsBound(int columns) { return 2 * static_cast<std::size_t>(std::max(columns, 1)) + 2; }

namespace {
// The first of x[start, last) at or after bound, x ascending: a column's
// samples are near its start, so the search widens from there before it
// bisects, and reads a few neighbouring samples instead of all of x.
std::size_t firstFrom(const std::vector<double>& x, std::size_t start, std::size_t last, double bound)
{
    std::size_t reach = 1;
    while (start + reach < last && x[start + reach] < bound) reach *= 2;
    const auto begin = x.begin() + static_cast<std::ptrdiff_t>(start + reach / 2);
    const auto end = x.begin() + static_cast<std::ptrdiff_t>(std::min(last, start + reach));
    return static_cast<std::size_t>(std::lower_bound(begin, end, bound) - x.begin());
}

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
                       std::size_t last, double low, double high, int columns, double xScale, QList<QPointF>& out,
                       const CBlockExtremes* blocks)
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
    std::size_t start = first;
    for (int column = 0; column < columns && start < last; column++) {
        // x is ascending, so a column's samples are one run found by bisection;
        // samples left or right of [low, high] fall into the outer columns.
        const std::size_t end =
            column == columns - 1 ? last : firstFrom(x, start, last, low + (column + 1) * columnWidth);
        if (end == start) continue;
        const auto [lowest, highest] = blocks ? blocks->extremes(y, start, end) : scanExtremes(y, start, end);
        // In sample order, so the line never runs backwards.
        sink.take(std::min(lowest, highest));
        sink.take(std::max(lowest, highest));
        start = end;
    }
    sink.take(last - 1);
}
