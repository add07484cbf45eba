// SPDX-License-Identifier: GPL-3.0-or-later
// The data lines of a chart whose series are redrawn at every display, drawn
// by one item over the plot area instead of by Qt Charts. A QLineSeries that
// takes new points outlines a hover shape around every segment and lays its
// line out again whenever an axis range changes: for a line decimated to the
// pixel columns that costs more than all the rest of a redraw. The series
// stay in the chart, empty, for the legend, the axes they are attached to,
// their pens and their visibility; this item draws their points with their
// pens, mapped through their axes as Qt Charts maps them, when it paints, so
// a plot area laid out anew after the points came still shows them in place.
// On screen and in grabs (PNG exports) a dense line without smoothing has
// each covered pixel written once; an SVG export gets the segments as strokes.
#pragma once

#include <QGraphicsItem>
#include <QImage>
#include <QList>
#include <QPointF>

#include <vector>

#include "CThickLineCoverage.h"

class QChart;
class QXYSeries;

class CDenseLinesItem : public QGraphicsItem {
public:
    // Draws over the chart's plot area, above its grid and axes and below its legend.
    explicit CDenseLinesItem(QChart* chart);

    // The points of series in the units of its axes; they replace the last
    // ones given (points is left with them, to be reused). Series given
    // points are drawn in the order they were first given.
    void swapPoints(QXYSeries* series, QList<QPointF>& points);
    const QList<QPointF>& points(const QXYSeries* series) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    struct Line {
        QXYSeries* series;
        QList<QPointF> points;
    };
    // The drawn points of one line in item coordinates, reused.
    void mapLine(const Line& line, QPolygonF& mapped) const;
    void plotAreaChanged();
    // Each segment stroked with the series' pen, as Qt Charts draws a line.
    void paintSegments(QPainter* painter);
    // The same pixels, each written once, where the painting allows it
    // (answers whether it did): a line drawn without smoothing onto a raster
    // device in its own pixels, with opaque solid pens, x ascending.
    bool paintCoverage(QPainter* painter, const QRectF& clip);

    QChart* chart_;
    QRectF plotArea_;
    std::vector<Line> lines_;
    QPolygonF mapped_;
    std::vector<CThickLineCoverage> coverage_;
    QImage layer_;
};
