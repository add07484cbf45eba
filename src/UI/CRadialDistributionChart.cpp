// SPDX-License-Identifier: GPL-3.0-or-later
#include "CRadialDistributionChart.h"

#include <QComboBox>
#include <QLineSeries>
#include <QPen>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "CChartUnits.h"
#include "CRoundAxis.h"
#include "SIM/model/CSimulation.h"

namespace {
using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}
}  // namespace

bool CSamplingPace::due()
{
    if (++waited_ < every_) return false;
    waited_ = 0;
    return true;
}

void CSamplingPace::noteInterval(double seconds)
{
    if (!(seconds > 0.0)) return;
    interval_ = interval_ > 0.0 ? 0.9 * interval_ + 0.1 * seconds : seconds;
}

void CSamplingPace::noteCost(double seconds)
{
    if (!(seconds >= 0.0)) return;
    cost_ = cost_ > 0.0 ? 0.7 * cost_ + 0.3 * seconds : seconds;
    if (interval_ > 0.0) every_ = std::clamp(static_cast<int>(std::ceil(cost_ / (share_ * interval_))), 1, 1000);
}

CRadialDistributionChart::CRadialDistributionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CPlotChart(simulation, platform, parent),
      pairs_(new QComboBox(this)),
      curve_(new QLineSeries),
      independent_(new QLineSeries),
      xAxis_(new CRoundAxis(tr("r (nm)"))),
      yAxis_(new CRoundAxis(tr("g(r) (pairs over independent pairs)")))
{
    pairs_->setToolTip(tr("The pair of atom types g(r) counts"));
    fillPairNames();
    addControl(pairs_);
    connect(pairs_, &QComboBox::activated, this, &CRadialDistributionChart::choosePair);
    auto* reset = new QPushButton(tr("Reset"), this);
    reset->setToolTip(tr("Start the average again from the next display"));
    addControl(reset);
    connect(reset, &QPushButton::clicked, this, &CRadialDistributionChart::resetDistribution);

    curve_->setName(tr("g(r)"));
    curve_->setPen(QPen(QColor(0x1f77b4), 2.0));
    independent_->setName(tr("independent centres"));
    independent_->setPen(QPen(Qt::gray, 1.0, Qt::DashLine));
    chart()->addAxis(xAxis_, Qt::AlignBottom);
    chart()->addAxis(yAxis_, Qt::AlignLeft);
    for (QLineSeries* series : {independent_, curve_}) {
        chart()->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
    }
}

void CRadialDistributionChart::fillPairNames()
{
    const int chosen = std::max(pairs_->currentIndex(), 0);
    pairs_->clear();
    pairs_->addItem(tr("All atoms"));
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int u = t; u < CSimulation::kTypes; u++)
            pairs_->addItem(QStringLiteral("%1-%2").arg(QChar('A' + t)).arg(QChar('A' + u)));
    pairs_->setCurrentIndex(chosen);
}

void CRadialDistributionChart::choosePair(int index)
{
    if (pairs_->currentIndex() != index) pairs_->setCurrentIndex(index);
    int first = CRadialDistribution::kAllTypes, second = CRadialDistribution::kAllTypes;
    for (int t = 0, k = 1; t < CSimulation::kTypes; t++)
        for (int u = t; u < CSimulation::kTypes; u++, k++)
            if (k == index) first = t, second = u;
    distribution_.setPair(first, second);
    refresh();
}

void CRadialDistributionChart::resetDistribution()
{
    distribution_.reset();
    refresh();
}

void CRadialDistributionChart::accumulateNow()
{
    const Clock::time_point start = Clock::now();
    distribution_.accumulate(Simulation.state());
    pace_.noteCost(secondsBetween(start, Clock::now()));
}

void CRadialDistributionChart::displayAdvanced()
{
    const Clock::time_point now = Clock::now();
    if (lastDisplay_ != Clock::time_point{}) pace_.noteInterval(secondsBetween(lastDisplay_, now));
    lastDisplay_ = now;
    if (pace_.due()) accumulateNow();
}

void CRadialDistributionChart::refresh()
{
    const CRadialDistribution& d = distribution_;
    QList<QPointF> points;
    points.reserve(d.bins());
    double top = 1.0;
    for (int b = 0; b < d.bins(); b++) {
        points << QPointF(d.radius(b) * kNanometresPerMetre, d.g(b));
        top = std::max(top, d.g(b));
    }
    curve_->replace(points);
    const double reach = d.bins() * d.binWidth() * kNanometresPerMetre;
    independent_->replace(QList<QPointF>{{0.0, 1.0}, {reach, 1.0}});
    xAxis_->showRange(0.0, reach > 0.0 ? reach : 1.0);
    yAxis_->showRange(0.0, std::ceil(top * 1.1 * 4.0) / 4.0);
    double expected = 0.0;
    for (int b = 0; b < d.bins(); b++) expected += d.expectedPairs(b);
    if (d.displays() > 0 && expected == 0.0) {
        setCaption(tr("No pairs to count: the chosen types have fewer than two atoms."));
        return;
    }
    setCaption(tr("%1 display(s) counted since the reset (every %2 while running), bins of %3 nm out to half the box width.")
                   .arg(d.displays())
                   .arg(pace_.every())
                   .arg(d.binWidth() * kNanometresPerMetre, 0, 'g', 3));
}

std::string CRadialDistributionChart::csvText() const
{
    std::string csv;
    appendRadialDistributionCsv(csv, distribution_);
    return csv;
}
