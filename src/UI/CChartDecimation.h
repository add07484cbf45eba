// SPDX-License-Identifier: GPL-3.0-or-later
// Fewer points for a line chart without losing what the eye sees: per pixel
// column the lowest and highest sample, in their order, so a spike one
// sample wide stays visible, and the first and last sample of the range, so
// the line starts and ends where the data does.
#pragma once

#include <QList>
#include <QPointF>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The lowest and highest sample of every block of kBlock samples of one
// series, kept up to date as the series grows: a redraw after one more
// sample then reads a column's blocks instead of every sample in it.
class CBlockExtremes {
public:
    static constexpr std::size_t kBlock = 16;

    // Summarises the blocks of y completed since the last call. version must
    // change whenever samples already seen may have changed (the series
    // started again or were thinned); then, or for another y, it starts over.
    void follow(const std::vector<double>& y, std::uint64_t version);
    // The indices of the first lowest and first highest of y[first, last),
    // as a scan of every sample would find them.
    std::pair<std::size_t, std::size_t> extremes(const std::vector<double>& y, std::size_t first,
                                                 std::size_t last) const;

private:
    const std::vector<double>* series_ = nullptr;
    std::uint64_t version_ = 0;
    std::vector<std::uint32_t> lowest_, highest_;  // per complete block, indices into the series
};

// The index range [first, last) of the samples with x in [low, high]; x ascending.
std::pair<std::size_t, std::size_t> visibleRange(const std::vector<double>& x, double low, double high);

// The most points decimateToColumns hands over for this many columns.
std::size_t decimatedPointsBound(int columns);

// The points to draw for samples first..last-1 of (x, y) over columns
// pixel columns spanning [low, high]. With no more samples than the bound
// every sample is kept. x is multiplied by xScale (a unit change) on the
// way out. blocks, when given, must follow y; the points are the same.
void decimateToColumns(const std::vector<double>& x, const std::vector<double>& y, std::size_t first,
                       std::size_t last, double low, double high, int columns, double xScale, QList<QPointF>& out,
                       const CBlockExtremes* blocks = nullptr);
