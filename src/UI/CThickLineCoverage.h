// SPDX-License-Identifier: GPL-3.0-or-later
// The pixels a line through points in ascending x covers when each of its
// segments is stroked on its own with a wide square-capped pen and no
// smoothing, as Qt Charts strokes a line series: the pixels whose centres
// lie inside the rectangle around some segment. A line decimated to two
// points per pixel column folds back on itself in every column, so stroked
// segment by segment each of its pixels is filled about four times; here
// each column's covered rows are worked out first (one span per column, since
// the line never turns back in x) and every pixel is then written once, row
// by row.
#pragma once

#include <QImage>
#include <QPolygonF>

#include <vector>

class CThickLineCoverage {
public:
    // points: in the pixel coordinates of an image of width x height, where
    // pixel (c, r) has its centre at (c + 0.5, r + 0.5); x ascending.
    // halfWidth: half the pen's width in pixels.
    void cover(const QPolygonF& points, double halfWidth, int width, int height);
    // The rows any column covers: [firstRow(), endRow()), empty when equal.
    int firstRow() const { return firstRow_; }
    int endRow() const { return endRow_; }
    // Writes colour into the covered pixels of image, of the size given to cover.
    void fill(QImage& image, QRgb colour) const;

private:
    void coverSegment(QPointF a, QPointF b, double halfWidth);
    void coverColumn(int column, double low, double high);

    int width_ = 0, height_ = 0;
    int firstColumn_ = 0, endColumn_ = 0;
    int firstRow_ = 0, endRow_ = 0;
    // Per column: the covered extent in y, then the rows [from, to) whose centres lie in it.
    std::vector<double> low_, high_;
    std::vector<int> from_, to_;
};
