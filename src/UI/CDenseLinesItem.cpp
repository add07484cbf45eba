// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDenseLinesItem.h"

#include <QChart>
#include <QLegend>
#include <QPaintEngine>
#include <QPainter>
#include <QValueAxis>
#include <QXYSeries>

#include <algorithm>

namespace {
const QList<QPointF> kNoPoints;

// The value axis of series in one direction, or none.
const QValueAxis* axisOf(QXYSeries* series, Qt::Orientation orientation)
{
    for (const QAbstractAxis* axis : series->attachedAxes())
        if (axis->orientation() == orientation) return qobject_cast<const QValueAxis*>(axis);
    return nullptr;
}
}  // namespace

CDenseLinesItem::CDenseLinesItem(QChart* chart) : QGraphicsItem(chart), chart_(chart)
{
    // Where Qt Charts puts its own series: over the grid and axes, under the legend.
    setZValue(chart->legend()->zValue() - 1.0);
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [this] { plotAreaChanged(); });
    plotAreaChanged();
}

void CDenseLinesItem::plotAreaChanged()
{
    prepareGeometryChange();
    plotArea_ = chart_->plotArea();
    // Positioned as Qt Charts positions a series' item, so the same arithmetic gives the same pixels.
    setPos(plotArea_.topLeft());
}

void CDenseLinesItem::swapPoints(QXYSeries* series, QList<QPointF>& points)
{
    auto line = std::find_if(lines_.begin(), lines_.end(), [series](const Line& l) { return l.series == series; });
    if (line == lines_.end()) line = lines_.insert(lines_.end(), Line{series, {}});
    line->points.swap(points);
    update();
}

const QList<QPointF>& CDenseLinesItem::points(const QXYSeries* series) const
{
    for (const Line& line : lines_)
        if (line.series == series) return line.points;
    return kNoPoints;
}

QRectF CDenseLinesItem::boundingRect() const
{
    // A line along an edge of the plot area reaches half its pen beyond it.
    return QRectF(QPointF(0.0, 0.0), plotArea_.size()).adjusted(-2.0, -2.0, 2.0, 2.0);
}

// As Qt Charts maps a series' points to its item: the offset from the axis
// minimum times the pixels per unit, y growing downwards.
void CDenseLinesItem::mapLine(const Line& line, QPolygonF& mapped) const
{
    mapped.clear();
    const QValueAxis* x = axisOf(line.series, Qt::Horizontal);
    const QValueAxis* y = axisOf(line.series, Qt::Vertical);
    if (!x || !y || !(x->max() > x->min()) || !(y->max() > y->min())) return;
    const double xMin = x->min(), yMin = y->min(), height = plotArea_.height();
    const double perX = plotArea_.width() / (x->max() - xMin);
    const double perY = height / (y->max() - yMin);
    mapped.reserve(line.points.size());
    for (const QPointF& p : line.points) mapped.append(QPointF((p.x() - xMin) * perX, (p.y() - yMin) * -perY + height));
}

void CDenseLinesItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    // Clipped to the plot area, widened by the fraction of a pixel that lets
    // a line along its edges show whole, as Qt Charts clips a series.
    QRectF clip(QPointF(0.0, 0.0), plotArea_.size());
    const double x1 = pos().x() - int(pos().x()), y1 = pos().y() - int(pos().y());
    const double x2 = (clip.width() + 0.5) - int(clip.width() + 0.5);
    const double y2 = (clip.height() + 0.5) - int(clip.height() + 0.5);
    clip.adjust(-x1, -y1, std::max(x1, x2), std::max(y1, y2));
    painter->save();
    painter->setClipRect(clip);
    if (!paintCoverage(painter, clip)) paintSegments(painter);
    painter->restore();
}

void CDenseLinesItem::paintSegments(QPainter* painter)
{
    for (const Line& line : lines_) {
        if (!line.series->isVisible() || line.points.size() < 2) continue;
        mapLine(line, mapped_);
        painter->setPen(line.series->pen());
        // One segment at a time: a wide pen stroked along a whole polyline
        // that folds back on itself in every pixel column costs a hundred times more.
        for (qsizetype k = 1; k < mapped_.size(); k++) painter->drawLine(mapped_[k - 1], mapped_[k]);
    }
}

bool CDenseLinesItem::paintCoverage(QPainter* painter, const QRectF& clip)
{
    const QTransform toDevice = painter->deviceTransform();
    if (painter->paintEngine()->type() != QPaintEngine::Raster || painter->testRenderHint(QPainter::Antialiasing) ||
        toDevice.type() > QTransform::TxTranslate || painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    for (const Line& line : lines_) {
        const QPen pen = line.series->pen();
        if (line.series->isVisible() && line.points.size() >= 2 &&
            (pen.style() != Qt::SolidLine || pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255 ||
             !std::is_sorted(line.points.begin(), line.points.end(),
                             [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); })))
            return false;
    }
    // A layer over the clip in whole device pixels; the painter's clip trims it as it trims a stroke.
    const QRect area = toDevice.mapRect(clip).toAlignedRect();
    if (area.isEmpty()) return true;
    if (layer_.size() != area.size()) layer_ = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    const QPointF toLayer(toDevice.dx() - area.left(), toDevice.dy() - area.top());
    coverage_.resize(lines_.size());
    int firstRow = area.height(), endRow = 0;
    for (std::size_t k = 0; k < lines_.size(); k++) {
        const Line& line = lines_[k];
        if (!line.series->isVisible() || line.points.size() < 2) mapped_.clear();
        else mapLine(line, mapped_);
        mapped_.translate(toLayer);
        const QPen pen = line.series->pen();
        const double width = pen.widthF() > 0.0 ? pen.widthF() : 1.0;
        coverage_[k].cover(mapped_, width / 2.0, area.width(), area.height());
        if (coverage_[k].firstRow() >= coverage_[k].endRow()) continue;
        firstRow = std::min(firstRow, coverage_[k].firstRow());
        endRow = std::max(endRow, coverage_[k].endRow());
    }
    if (firstRow >= endRow) return true;
    for (int r = firstRow; r < endRow; r++) std::fill_n(reinterpret_cast<QRgb*>(layer_.scanLine(r)), area.width(), 0u);
    // In the order Qt Charts would stroke them, later lines over earlier ones.
    for (std::size_t k = 0; k < lines_.size(); k++)
        coverage_[k].fill(layer_, lines_[k].series->pen().color().rgba());
    painter->resetTransform();
    painter->drawImage(QPoint(area.left(), area.top() + firstRow), layer_,
                       QRect(0, firstRow, area.width(), endRow - firstRow));
    return true;
}
