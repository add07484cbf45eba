// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTimeSeriesChart.h"

#include "CChartUnits.h"
#include "CRoundAxis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <limits>

#include "BASE/CTextNumbers.h"
#include "SIM/CSimulation.h"

namespace {
const char* const kSlotNames[5] = {"A", "B", "C", "D", "all"};
const QColor kColours[kSeriesQuantities] = {QColor(0x1f77b4), QColor(0xff7f0e), QColor(0x2ca02c), QColor(0xd62728),
                                            QColor(0x9467bd), QColor(0x8c564b), QColor(0x17becf)};
}  // namespace

CTimeSeriesChart::Unit CTimeSeriesChart::unitOf(CSeriesQuantity quantity)
{
    switch (quantity) {
    case CSeriesQuantity::kinetic:
    case CSeriesQuantity::potential:
    case CSeriesQuantity::total: return energy;
    case CSeriesQuantity::temperature: return temperature;
    case CSeriesQuantity::pressure: return pressure;
    case CSeriesQuantity::volume: return volume;
    case CSeriesQuantity::rmsSpeed: return speed;
    }
    return energy;
}

CTimeSeriesChart::CTimeSeriesChart(CSimulation& simulation, CPlatform& platform, const CTimeSeries& series,
                                   QWidget* parent)
    : CPlotChart(simulation, platform, parent), series_(series), xAxis_(new CRoundAxis(tr("Time (ps)"), {}, this))
{
    const char* shortNames[kSeriesQuantities] = {"Kinetic energy", "Potential energy", "Total energy",
                                                 "Temperature", "Pressure", "Volume", "Rms speed"};
    // Energies on one row, the other quantities on the next, so the window stays narrow.
    QHBoxLayout* rows[2] = {addControlRow(), addControlRow()};
    for (int q = 0; q < kSeriesQuantities; q++) {
        QHBoxLayout* quantities = rows[unitOf(CSeriesQuantity(q)) == energy ? 0 : 1];
        boxes_[q] = new QCheckBox(tr(shortNames[q]), this);
        boxes_[q]->setToolTip(tr("Draw the %1 (%2)")
                                  .arg(QString::fromUtf8(seriesQuantityInfo(CSeriesQuantity(q)).title).toLower(),
                                       QString::fromUtf8(chartUnitOf(CSeriesQuantity(q)).name)));
        quantities->addWidget(boxes_[q]);
        connect(boxes_[q], &QCheckBox::toggled, this, [this, q](bool on) { setQuantityShown(CSeriesQuantity(q), on); });
    }
    for (QHBoxLayout* row : rows) row->addStretch(1);
    xUnit_ = new QComboBox(this);
    xUnit_->addItems({tr("Time (ps)"), tr("Steps")});
    xUnit_->setToolTip(tr("What the horizontal axis counts"));
    addControl(xUnit_);
    connect(xUnit_, &QComboBox::currentIndexChanged, this, [this](int index) { setStepsOnX(index == 1); });
    follow_ = new QCheckBox(tr("Follow"), this);
    follow_->setChecked(true);
    follow_->setToolTip(tr("Move with the run; clear it to pause the chart"));
    addControl(follow_);
    connect(follow_, &QCheckBox::toggled, this, &CTimeSeriesChart::setFollowing);
    auto* reset = new QPushButton(tr("Reset Zoom"), this);
    reset->setToolTip(tr("The whole run again, following it (the wheel over the chart zooms the time axis)"));
    addControl(reset);
    connect(reset, &QPushButton::clicked, this, &CTimeSeriesChart::resetZoom);
    connect(chartView(), &CZoomChartView::wheelZoom, this, &CTimeSeriesChart::zoomBy);

    chart()->addAxis(xAxis_, Qt::AlignBottom);
    const char* axisNames[kUnits] = {"Energy", "Temperature", "Pressure", "Volume", "Rms speed"};
    const CSeriesQuantity quantityOf[kUnits] = {CSeriesQuantity::total, CSeriesQuantity::temperature,
                                                CSeriesQuantity::pressure, CSeriesQuantity::volume,
                                                CSeriesQuantity::rmsSpeed};
    for (int u = 0; u < kUnits; u++) {
        const QString unit = QString::fromUtf8(chartUnitOf(quantityOf[u]).name);
        yAxes_[u] = new CRoundAxis(QStringLiteral("%1 (%2)").arg(tr(axisNames[u]), unit), unit, this);
        chart()->addAxis(yAxes_[u], u % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (int q = 0; q < kSeriesQuantities; q++) {
        lines_[q] = new QLineSeries(this);
        lines_[q]->setName(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(seriesQuantityInfo(CSeriesQuantity(q)).title),
                                                         QString::fromUtf8(chartUnitOf(CSeriesQuantity(q)).name)));
        lines_[q]->setColor(kColours[q]);
        chart()->addSeries(lines_[q]);
        lines_[q]->attachAxis(xAxis_);
        lines_[q]->attachAxis(yAxes_[unitOf(CSeriesQuantity(q))]);
    }
    boxes_[static_cast<int>(CSeriesQuantity::total)]->setChecked(true);
    boxes_[static_cast<int>(CSeriesQuantity::temperature)]->setChecked(true);
    placeAxes();
    setStepsOnX(false);
}

void CTimeSeriesChart::setQuantityShown(CSeriesQuantity quantity, bool shown)
{
    {
        const QSignalBlocker quiet(boxes_[static_cast<int>(quantity)]);
        boxes_[static_cast<int>(quantity)]->setChecked(shown);
    }
    placeAxes();
    drawnOnce_ = false;
    refresh();
}

QList<QPointF> CTimeSeriesChart::pointsDrawn(const QXYSeries* line) const
{
    const auto q = std::find(lines_.begin(), lines_.end(), line);
    return q == lines_.end() ? line->points() : points_[static_cast<std::size_t>(q - lines_.begin())];
}

bool CTimeSeriesChart::quantityShown(CSeriesQuantity quantity) const
{
    return boxes_[static_cast<int>(quantity)]->isChecked();
}

// Hidden lines leave the legend, and an axis shows only while one of its lines does.
void CTimeSeriesChart::placeAxes()
{
    std::array<bool, kUnits> used{};
    for (int q = 0; q < kSeriesQuantities; q++) {
        const bool shown = boxes_[q]->isChecked();
        lines_[q]->setVisible(shown);
        for (QLegendMarker* marker : chart()->legend()->markers(lines_[q])) marker->setVisible(shown);
        used[unitOf(CSeriesQuantity(q))] = used[unitOf(CSeriesQuantity(q))] || shown;
    }
    // Grid lines of the first axis shown only: another axis' lines at its own ticks would cross them.
    bool gridShown = false;
    for (int u = 0; u < kUnits; u++) {
        yAxes_[u]->setVisible(used[u]);
        yAxes_[u]->setGridLineVisible(used[u] && !gridShown);
        gridShown = gridShown || used[u];
    }
}

void CTimeSeriesChart::setStepsOnX(bool steps)
{
    {
        const QSignalBlocker quiet(xUnit_);
        xUnit_->setCurrentIndex(steps ? 1 : 0);
    }
    xAxis_->setQuantityTitle(steps ? tr("Steps") : tr("Time (ps)"));
    resetZoom();
}

bool CTimeSeriesChart::stepsOnX() const { return xUnit_->currentIndex() == 1; }

const std::vector<double>& CTimeSeriesChart::xValues() const
{
    return stepsOnX() ? series_.steps() : series_.seconds();
}

double CTimeSeriesChart::xScale() const { return stepsOnX() ? 1.0 : kPicosecondsPerSecond; }

std::pair<double, double> CTimeSeriesChart::xWindow() const
{
    const std::vector<double>& x = xValues();
    if (x.empty()) return {0.0, 1.0 / xScale()};
    if (zoomWidth_ > 0.0) {
        if (following()) return {x.back() - zoomWidth_, x.back()};
        return {zoomLow_, zoomLow_ + zoomWidth_};
    }
    if (x.back() > x.front()) return {x.front(), x.back()};
    return {x.front() - 0.5 / xScale(), x.front() + 0.5 / xScale()};
}

void CTimeSeriesChart::setFollowing(bool follow)
{
    {
        const QSignalBlocker quiet(follow_);
        follow_->setChecked(follow);
    }
    if (!follow) {
        // Paused, the chart keeps the window it shows now.
        if (zoomWidth_ == 0.0) pausedWholeRun_ = true;
        const auto [low, high] = xWindow();
        zoomLow_ = low;
        zoomWidth_ = high - low;
    } else if (pausedWholeRun_) {
        // Paused on the whole run and not zoomed since: the whole run again,
        // not a window of its width that would lose the oldest samples.
        zoomWidth_ = 0.0;
        pausedWholeRun_ = false;
    }
    drawnOnce_ = false;
    refresh();
}

bool CTimeSeriesChart::following() const { return follow_->isChecked(); }

void CTimeSeriesChart::zoomBy(double factor, double at)
{
    const std::vector<double>& x = xValues();
    if (x.size() < 2 || !(factor > 0.0)) return;
    const auto [low, high] = xWindow();
    const double full = x.back() - x.front();
    const double width = std::min((high - low) * factor, full);
    if (width >= full) {
        zoomWidth_ = 0.0;
    } else {
        // The value under the pointer stays where it is (following, the right edge stays at the newest sample).
        const double anchor = std::clamp(at / xScale(), low, high);
        zoomLow_ = std::clamp(anchor - (anchor - low) * factor, x.front(), x.back() - width);
        zoomWidth_ = std::max(width, full * 1e-9);
    }
    pausedWholeRun_ = false;
    drawnOnce_ = false;
    refresh();
}

void CTimeSeriesChart::resetZoom()
{
    zoomWidth_ = 0.0;
    {
        const QSignalBlocker quiet(follow_);
        follow_->setChecked(true);
    }
    drawnOnce_ = false;
    refresh();
}

void CTimeSeriesChart::pixelColumnsChanged()
{
    // Paused too: the same samples, decimated to the new width.
    drawnOnce_ = false;
    refresh();
}

void CTimeSeriesChart::refresh()
{
    if (series_.restarts() != seenRestarts_) {
        seenRestarts_ = series_.restarts();
        zoomWidth_ = 0.0;
        const QSignalBlocker quiet(follow_);
        follow_->setChecked(true);
        drawnOnce_ = false;
    }
    const int slot = std::clamp(Simulation.getDisplayType(), 0, CSimulation::kAllAtoms);
    if (slot != slot_) drawnOnce_ = false;
    slot_ = slot;
    // Paused and unchanged: nothing to draw anew.
    if (!following() && drawnOnce_) return;
    drawnOnce_ = true;

    const auto [low, high] = xWindow();
    const auto [first, last] = visibleRange(xValues(), low, high);
    decimateShownLines(first, last, low, high);
    // A line series lays its points out again at every change of an axis
    // range, outlining a hover shape around each segment: emptied first,
    // its new points are laid out once.
    for (QLineSeries* line : lines_)
        if (line->count() > 0) line->clear();
    fitAxes(low, high);
    drawLines();
    const QString slotName = slot_ == CSimulation::kAllAtoms ? tr("all atoms")
                                        : tr("type %1 %2").arg(QChar('A' + slot_)).arg(QString::fromStdString(
                                              Simulation.getName(slot_)));
    setCaption(tr("Displayed atoms: %1.  %2 samples, one every %3 display(s); %4 in view.")
                   .arg(slotName.trimmed())
                   .arg(series_.size())
                   .arg(series_.stride())
                   .arg(last - first));
}

void CTimeSeriesChart::decimateShownLines(std::size_t first, std::size_t last, double low, double high)
{
    const std::vector<double>& x = xValues();
    const int columns = pixelColumns();
    for (int q = 0; q < kSeriesQuantities; q++) {
        if (!boxes_[q]->isChecked()) {
            points_[q].clear();
            continue;
        }
        const std::vector<double>& y = series_.values(CSeriesQuantity(q), slot_);
        // Blocks summarised at earlier redraws stay valid until the series start again or are thinned.
        extremes_[q].follow(y, (std::uint64_t{series_.restarts()} << 32) ^ series_.stride());
        decimateToColumns(x, y, first, last, low, high, columns, xScale(), points_[q], &extremes_[q]);
        scaleY(points_[q], chartUnitOf(CSeriesQuantity(q)).perSI);
    }
}

// Each unit's axis frames its lines' drawn points: every column's extremes
// are among them, so these are the extremes of the samples in view.
void CTimeSeriesChart::fitAxes(double low, double high)
{
    std::array<double, kUnits> yLow, yHigh;
    yLow.fill(std::numeric_limits<double>::infinity());
    yHigh.fill(-std::numeric_limits<double>::infinity());
    for (int q = 0; q < kSeriesQuantities; q++) {
        const Unit u = unitOf(CSeriesQuantity(q));
        for (const QPointF& p : points_[q]) {
            if (!std::isfinite(p.y())) continue;
            yLow[u] = std::min(yLow[u], p.y());
            yHigh[u] = std::max(yHigh[u], p.y());
        }
    }
    xAxis_->showRange(low * xScale(), high * xScale());
    for (int u = 0; u < kUnits; u++)
        if (yLow[u] <= yHigh[u]) yAxes_[u]->frame(yLow[u], yHigh[u]);
}

void CTimeSeriesChart::drawLines()
{
    qsizetype longestLine = 0;
    for (int q = 0; q < kSeriesQuantities; q++) {
        const CRoundAxis* axis = axisFor(CSeriesQuantity(q));
        drawn_.resize(points_[q].size());
        for (qsizetype k = 0; k < points_[q].size(); k++)
            drawn_[k] = QPointF(points_[q][k].x(), axis->drawn(points_[q][k].y()));
        if (!drawn_.isEmpty()) lines_[q]->replace(drawn_);
        longestLine = std::max(longestLine, drawn_.size());
    }
    antialiasLinesUpTo(longestLine);
}

// The samples in the window, every one of them, with both time columns; the
// quantities in SI, at full precision, as their column names say.
std::string CTimeSeriesChart::csvText() const
{
    std::string csv = "steps,time_ps";
    for (int q = 0; q < kSeriesQuantities; q++)
        if (boxes_[q]->isChecked())
            appendFormatC(csv, ",%s_%s", seriesQuantityInfo(CSeriesQuantity(q)).column, kSlotNames[slot_]);
    csv += '\n';
    const auto [low, high] = xWindow();
    const auto [first, last] = visibleRange(xValues(), low, high);
    for (std::size_t k = first; k < last; k++) {
        appendFormatC(csv, "%.17g,%.17g", series_.steps()[k], series_.seconds()[k] * kPicosecondsPerSecond);
        for (int q = 0; q < kSeriesQuantities; q++)
            if (boxes_[q]->isChecked()) appendFormatC(csv, ",%.17g", series_.values(CSeriesQuantity(q), slot_)[k]);
        csv += '\n';
    }
    return csv;
}
