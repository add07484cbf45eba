// SPDX-License-Identifier: GPL-3.0-or-later
#include "CTimeSeriesChart.h"

#include "CChartUnits.h"
#include "CRoundAxis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <limits>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CSimulation.h"

namespace {
const char* const kSlotNames[5] = {"A", "B", "C", "D", "all"};
const QColor kColours[kSeriesQuantities] = {QColor(0x1f77b4), QColor(0xff7f0e), QColor(0x2ca02c), QColor(0xd62728),
                                            QColor(0x9467bd), QColor(0x8c564b), QColor(0x17becf)};
}  // namespace

namespace {
bool isEnergy(CSeriesQuantity quantity)
{
    return quantity == CSeriesQuantity::kinetic || quantity == CSeriesQuantity::potential ||
           quantity == CSeriesQuantity::total;
}

// The strips' plot areas leave this room, in pixels: above for the
// heading, below the lowest for the time axis' labels and title, and to
// the right for the half of the last time label that overhangs the area.
constexpr int kStripGap = 6;
constexpr int kRightRoom = 18;
// A strip's plot is at least this high; Qt Charts elides the value labels
// of an axis that gives each less room than this.
constexpr int kLeastStripHeight = 44;
constexpr int kTickRoom = 28;
}  // namespace

CTimeSeriesChart::CTimeSeriesChart(CSimulation& simulation, CPlatform& platform, const CTimeSeries& series,
                                   QWidget* parent)
    : CPlotChart(simulation, platform, parent), series_(series), stripsWidget_(new QWidget(this))
{
    const char* shortNames[kSeriesQuantities] = {"Kinetic energy", "Potential energy", "Total energy",
                                                 "Temperature", "Pressure", "Volume", "Rms speed"};
    // Energies on one row, the other quantities on the next, so the window stays narrow.
    QHBoxLayout* rows[2] = {addControlRow(), addControlRow()};
    for (int q = 0; q < kSeriesQuantities; q++) {
        QHBoxLayout* quantities = rows[isEnergy(CSeriesQuantity(q)) ? 0 : 1];
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

    for (int q = 0; q < kSeriesQuantities; q++) {
        const CSeriesQuantity quantity = CSeriesQuantity(q);
        const QString unit = QString::fromUtf8(chartUnitOf(quantity).name);
        CStrip& strip = strips_[static_cast<std::size_t>(q)];
        strip.chart = new QChart;
        strip.chart->legend()->hide();
        strip.chart->setMargins(QMargins(0, 0, 0, 0));
        // Nor a background: the view's white stands for it.
        strip.chart->setBackgroundVisible(false);
        // A chart of a fixed plot area lays no title out: the heading is an item of its own.
        strip.heading = new QGraphicsSimpleTextItem(strip.chart);
        QFont heading = strip.heading->font();
        heading.setBold(true);
        strip.heading->setFont(heading);
        strip.heading->setBrush(kColours[q].darker(120));
        strip.view = new CZoomChartView(strip.chart, stripsWidget_);
        strip.view->setRenderHint(QPainter::Antialiasing);
        strip.view->setFrameShape(QFrame::NoFrame);
        strip.view->setBackgroundBrush(Qt::white);
        connect(strip.view, &CZoomChartView::wheelZoom, this, &CTimeSeriesChart::zoomBy);
        watchPlotArea(strip.chart);
        strip.x = new CRoundAxis(tr("Time (ps)"), {}, this);
        // The heading above the strip names the quantity, its unit and any offset or power of ten.
        strip.y = new CRoundAxis(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(seriesQuantityInfo(quantity).title), unit),
                                 unit, this);
        strip.y->setTitleVisible(false);
        strip.chart->addAxis(strip.x, Qt::AlignBottom);
        strip.chart->addAxis(strip.y, Qt::AlignLeft);
        strip.line = new QLineSeries(this);
        strip.line->setName(strip.y->titleText());
        strip.line->setColor(kColours[q]);
        strip.chart->addSeries(strip.line);
        strip.line->attachAxis(strip.x);
        strip.line->attachAxis(strip.y);
    }
    stripsWidget_->installEventFilter(this);
    setPlotWidget(stripsWidget_);
    boxes_[static_cast<int>(CSeriesQuantity::total)]->setChecked(true);
    boxes_[static_cast<int>(CSeriesQuantity::temperature)]->setChecked(true);
    showStrips();
    setStepsOnX(false);
}

std::vector<const CTimeSeriesChart::CStrip*> CTimeSeriesChart::shownStrips() const
{
    std::vector<const CStrip*> shown;
    for (int q = 0; q < kSeriesQuantities; q++)
        if (boxes_[q]->isChecked()) shown.push_back(&strips_[static_cast<std::size_t>(q)]);
    return shown;
}

CRoundAxis* CTimeSeriesChart::timeAxis() const
{
    const std::vector<const CStrip*> shown = shownStrips();
    return shown.empty() ? strips_.back().x : shown.back()->x;
}

QString CTimeSeriesChart::stripHeading(CSeriesQuantity quantity) const { return strip(quantity).heading->text(); }

QRectF CTimeSeriesChart::linesArea() const
{
    const std::vector<const CStrip*> shown = shownStrips();
    return shown.empty() ? QRectF() : shown.front()->chart->plotArea();
}

bool CTimeSeriesChart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == stripsWidget_ && event->type() == QEvent::Resize) {
        // Another height may take another number of ticks: framed anew, paused too.
        drawnOnce_ = false;
        refresh();
    }
    return CPlotChart::eventFilter(watched, event);
}

int CTimeSeriesChart::axisRoom() const
{
    // Below the lowest strip: the time axis' labels and title.
    const QFontMetrics labels(strips_[0].x->labelsFont()), titles(strips_[0].x->titleFont());
    return labels.height() + titles.height() + 3 * kStripGap;
}

int CTimeSeriesChart::headingRoom() const
{
    return QFontMetrics(strips_[0].heading->font()).height() + kStripGap;
}

int CTimeSeriesChart::stripPlotHeight() const
{
    const int count = static_cast<int>(shownStrips().size());
    if (count == 0) return 0;
    return std::max((stripsWidget_->height() - axisRoom()) / count - headingRoom() - kStripGap, 1);
}

void CTimeSeriesChart::layoutStrips()
{
    const std::vector<const CStrip*> shown = shownStrips();
    const int count = static_cast<int>(shown.size());
    const int axisRoom = this->axisRoom(), headingRoom = this->headingRoom();
    stripsWidget_->setMinimumSize(360, count * (kLeastStripHeight + headingRoom + kStripGap) + axisRoom);
    int labelWidth = 0;
    for (const CStrip* strip : shown)
        for (const QString& label : strip->y->tickLabels())
            labelWidth = std::max(labelWidth, QFontMetrics(strip->y->labelsFont()).horizontalAdvance(label));
    // Qt Charts elides labels that do not fit with room to spare: a few characters more.
    const int left = labelWidth + QFontMetrics(strips_[0].y->labelsFont()).horizontalAdvance(QStringLiteral("000")) + kStripGap;
    const int width = stripsWidget_->width(), height = stripsWidget_->height();
    const int each = count > 0 ? (height - axisRoom) / count : 0;
    for (int k = 0; k < count; k++) {
        const CStrip& strip = *shown[static_cast<std::size_t>(k)];
        const bool lowest = k == count - 1;
        const int stripHeight = lowest ? height - k * each : each;
        const QRect place(0, k * each, width, stripHeight);
        if (strip.view->geometry() != place) strip.view->setGeometry(place);
        const QRectF area(left, headingRoom, std::max(width - left - kRightRoom, 1), stripPlotHeight());
        if (strip.chart->plotArea() != area) {
            strip.chart->setPlotArea(area);
            // A chart not yet on screen keeps its axes and grid where its
            // last layout put them; laid out again, they follow the area.
            strip.chart->layout()->invalidate();
        }
        if (strip.heading->text() != strip.y->titleText()) strip.heading->setText(strip.y->titleText());
        strip.heading->setPos(left, kStripGap / 2);
        strip.x->setLabelsVisible(lowest);
        strip.x->setTitleVisible(lowest);
    }
}

void CTimeSeriesChart::setQuantityShown(CSeriesQuantity quantity, bool shown)
{
    {
        const QSignalBlocker quiet(boxes_[static_cast<int>(quantity)]);
        boxes_[static_cast<int>(quantity)]->setChecked(shown);
    }
    showStrips();
    drawnOnce_ = false;
    refresh();
}

QList<QPointF> CTimeSeriesChart::pointsDrawn(const QXYSeries* line) const
{
    for (int q = 0; q < kSeriesQuantities; q++)
        if (strips_[static_cast<std::size_t>(q)].line == line) return points_[static_cast<std::size_t>(q)];
    return line->points();
}

bool CTimeSeriesChart::quantityShown(CSeriesQuantity quantity) const
{
    return boxes_[static_cast<int>(quantity)]->isChecked();
}

// A strip shows while its quantity is ticked.
void CTimeSeriesChart::showStrips()
{
    for (int q = 0; q < kSeriesQuantities; q++) {
        strips_[static_cast<std::size_t>(q)].view->setVisible(boxes_[q]->isChecked());
        strips_[static_cast<std::size_t>(q)].line->setVisible(boxes_[q]->isChecked());
    }
    layoutStrips();
}

void CTimeSeriesChart::setStepsOnX(bool steps)
{
    {
        const QSignalBlocker quiet(xUnit_);
        xUnit_->setCurrentIndex(steps ? 1 : 0);
    }
    for (CStrip& strip : strips_) strip.x->setQuantityTitle(steps ? tr("Steps") : tr("Time (ps)"));
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
    for (CStrip& strip : strips_)
        if (strip.line->count() > 0) strip.line->clear();
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

// Each strip's axis frames its line's drawn points: every column's extremes
// are among them, so these are the extremes of the samples in view. The
// ticks are as many as the strip's height has room for.
void CTimeSeriesChart::fitAxes(double low, double high)
{
    const int plotHeight = stripPlotHeight();
    for (int q = 0; q < kSeriesQuantities; q++) {
        CStrip& strip = strips_[static_cast<std::size_t>(q)];
        strip.x->showRange(low * xScale(), high * xScale());
        double yLow = std::numeric_limits<double>::infinity(), yHigh = -yLow;
        for (const QPointF& p : points_[q]) {
            if (!std::isfinite(p.y())) continue;
            yLow = std::min(yLow, p.y());
            yHigh = std::max(yHigh, p.y());
        }
        strip.y->setMostTicks(std::clamp(plotHeight / kTickRoom + 1, 2, 7));
        if (yLow <= yHigh) strip.y->frame(yLow, yHigh);
    }
}

void CTimeSeriesChart::drawLines()
{
    qsizetype longestLine = 0;
    QList<QChartView*> views;
    for (int q = 0; q < kSeriesQuantities; q++) {
        const CStrip& strip = strips_[static_cast<std::size_t>(q)];
        views << strip.view;
        drawn_.resize(points_[q].size());
        for (qsizetype k = 0; k < points_[q].size(); k++)
            drawn_[k] = QPointF(points_[q][k].x(), strip.y->drawn(points_[q][k].y()));
        if (!drawn_.isEmpty()) strip.line->replace(drawn_);
        longestLine = std::max(longestLine, drawn_.size());
    }
    antialiasLinesUpTo(longestLine, views);
    layoutStrips();
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
