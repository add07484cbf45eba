// SPDX-License-Identifier: GPL-3.0-or-later
// Fewer points for a line chart without losing what the eye sees: per pixel
// column the lowest and highest sample, in their order, so a spike one
// sample wide stays visible, and the first and last sample of the range, so
// the line starts and ends where the data does.
#pragma once

#include <QList>
#include <QPointF>

#include <cstddef>
#include <utility>
#include <vector>

// The index range [first, last) of the samples with x in [low, high]; x ascending.
std::pair<std::size_t, std::size_t> visibleRange(const std::vector<double>& x, double low, double high);

// The most points decimateToColumns hands over for this many columns.
std::size_t decimatedPointsBound(int columns);

// The points to draw for samples first..last-1 of (x, y) over columns
// pixel columns spanning [low, high]. With no more samples than the bound
// every sample is kept. x is multiplied by xScale (a unit change) on the way out.
void decimateToColumns(const std::vector<double>& x, const std::vector<double>& y, std::size_t first,
                       std::size_t last, double low, double high, int columns, double xScale, QList<QPointF>& out);
