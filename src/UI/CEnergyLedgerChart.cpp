// SPDX-License-Identifier: GPL-3.0-or-later
#include "CEnergyLedgerChart.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPen>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

#include "BASE/CTextNumbers.h"
#include "CChartDecimation.h"
#include "CChartUnits.h"
#include "CRoundAxis.h"
#include "SIM/model/CSimulation.h"

namespace {
// One colour per term, in the ledger's order; the residual is drawn dashed
// because it is what the other terms leave unexplained.
const QColor kTermColours[CEnergyBalance::kTerms] = {QColor(Qt::black), QColor(0xd62728), QColor(0x1f77b4),
                                                     QColor(0x9467bd), QColor(0x2ca02c), QColor(0x7f7f7f),
                                                     QColor(0xff7f0e)};
constexpr int kResidual = 5;
// Terms below this fraction of the kinetic energy (a billionth, as the
// chart says) are what the sums of a conserving run leave as rounding.
constexpr double kRoundingFraction = 1e-9;
}  // namespace

CEnergyLedgerChart::CEnergyLedgerChart(CSimulation& simulation, CPlatform& platform,
                                       const CEnergyLedgerSeries& series, QWidget* parent)
    : CPlotChart(simulation, platform, parent),
      series_(series),
      table_(new QTableWidget(1, CEnergyBalance::kTerms, this)),
      xAxis_(new CRoundAxis(tr("Simulated time (ps)"))),
      yAxis_(new CRoundAxis(tr("Energy since the ledger restarted (zJ)"), QStringLiteral("zJ")))
{
    QStringList headers;
    for (int k = 0; k < CEnergyBalance::kTerms; k++)
        headers << tr("%1 (zJ)").arg(QString::fromLatin1(CEnergyBalance::names()[k]));
    table_->setHorizontalHeaderLabels(headers);
    table_->setVerticalHeaderLabels({tr("now")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() + table_->rowHeight(0) + 4);
    table_->setToolTip(tr("dE = heat + work + user + correction + residual + piston stop"));
    addControlRow()->addWidget(table_);

    chart()->addAxis(xAxis_, Qt::AlignBottom);
    chart()->addAxis(yAxis_, Qt::AlignLeft);
    for (int k = 0; k < CEnergyBalance::kTerms; k++) {
        QLineSeries* curve = curves_[static_cast<std::size_t>(k)] = new QLineSeries;
        curve->setName(tr("%1 (zJ)").arg(QString::fromLatin1(CEnergyBalance::names()[k])));
        curve->setPen(QPen(kTermColours[k], 2.0, k == kResidual ? Qt::DashLine : Qt::SolidLine));
        chart()->addSeries(curve);
        curve->attachAxis(xAxis_);
        curve->attachAxis(yAxis_);
    }
}

void CEnergyLedgerChart::refresh()
{
    const std::vector<CEnergyLedgerSample>& samples = series_.samples();
    times_.resize(samples.size());
    values_.resize(samples.size());
    for (std::size_t k = 0; k < samples.size(); k++) times_[k] = samples[k].time * kPicosecondsPerSecond;
    const double first = samples.empty() ? 0.0 : times_.front();
    const double last = samples.empty() ? 1.0 : times_.back();
    const int columns = pixelColumns();
    double low = 0.0, high = 0.0;
    for (int term = 0; term < CEnergyBalance::kTerms; term++) {
        QList<QPointF>& points = points_[static_cast<std::size_t>(term)];
        for (std::size_t k = 0; k < samples.size(); k++) values_[k] = samples[k].balance.term(term) * kZeptojoulesPerJoule;
        decimateToColumns(times_, values_, 0, samples.size(), first, last, columns, 1.0, points);
        // Every column's extremes are drawn, so the drawn points frame the terms.
        for (const QPointF& p : points) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    }
    xAxis_->showRange(first, last > first ? last : first + 1.0);
    const double kinetic = std::fabs(Simulation.getTCKEnergy(CSimulation::kAllAtoms)) * kZeptojoulesPerJoule;
    balancedToRounding_ = !samples.empty() && std::max(-low, high) < kRoundingFraction * kinetic;
    // At rounding level the terms lie on the zero line of an axis of a round span.
    if (balancedToRounding_) yAxis_->frame(0.0, 0.0);
    else yAxis_->frame(low, high);
    chart()->setTitle(balancedToRounding_
                          ? tr("Balanced to rounding: every term is below a billionth of the kinetic energy.")
                          : QString());
    qsizetype longestLine = 0;
    for (int term = 0; term < CEnergyBalance::kTerms; term++) {
        const QList<QPointF>& points = points_[static_cast<std::size_t>(term)];
        drawn_.resize(points.size());
        for (qsizetype k = 0; k < points.size(); k++) drawn_[k] = QPointF(points[k].x(), yAxis_->drawn(points[k].y()));
        curves_[static_cast<std::size_t>(term)]->replace(drawn_);
        longestLine = std::max(longestLine, points.size());
    }
    antialiasLinesUpTo(longestLine);

    showBalance(Simulation.getLedgerBalance());
    setCaption(samples.empty() ? tr("No displays since the ledger restarted.")
                               : tr("%1 displays since the ledger restarted (opening a file or restarting the averages "
                                    "restarts it); one sample every %2 display(s).")
                                     .arg(series_.displays())
                                     .arg(series_.stride()));
}

QList<QPointF> CEnergyLedgerChart::pointsDrawn(const QXYSeries* line) const
{
    const auto term = std::find(curves_.begin(), curves_.end(), line);
    return term == curves_.end() ? line->points() : points_[static_cast<std::size_t>(term - curves_.begin())];
}

void CEnergyLedgerChart::showBalance(const CEnergyBalance& balance)
{
    for (int k = 0; k < CEnergyBalance::kTerms; k++) {
        auto* item = new QTableWidgetItem(QString::number(balance.term(k) * kZeptojoulesPerJoule, 'g', 6));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(0, k, item);
    }
}

// In joules, with the column names quorvel-batch writes.
std::string CEnergyLedgerChart::csvText() const
{
    std::string csv = "time_ps";
    for (int k = 0; k < CEnergyBalance::kTerms; k++) appendFormatC(csv, ",%s", CEnergyBalance::columnNames()[k]);
    csv += '\n';
    for (const CEnergyLedgerSample& s : series_.samples()) {
        appendFormatC(csv, "%.17g", s.time * kPicosecondsPerSecond);
        for (int k = 0; k < CEnergyBalance::kTerms; k++) appendFormatC(csv, ",%.17g", s.balance.term(k));
        csv += '\n';
    }
    return csv;
}
