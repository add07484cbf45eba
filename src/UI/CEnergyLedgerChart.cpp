// SPDX-License-Identifier: GPL-3.0-or-later
#include "CEnergyLedgerChart.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPen>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

#include "BASE/CTextNumbers.h"
#include "SIM/CSimulation.h"

namespace {
constexpr double kPicoseconds = 1e12;  // seconds to the axis unit

// One colour per term, in the ledger's order; the residual is drawn dashed
// because it is what the other terms leave unexplained.
const QColor kTermColours[CEnergyBalance::kTerms] = {QColor(Qt::black), QColor(0xd62728), QColor(0x1f77b4),
                                                     QColor(0x9467bd), QColor(0x2ca02c), QColor(0x7f7f7f),
                                                     QColor(0xff7f0e)};
constexpr int kResidual = 5;
}  // namespace

CEnergyLedgerChart::CEnergyLedgerChart(CSimulation& simulation, CPlatform& platform,
                                       const CEnergyLedgerSeries& series, QWidget* parent)
    : CPlotChart(simulation, platform, parent),
      series_(series),
      table_(new QTableWidget(1, CEnergyBalance::kTerms, this)),
      xAxis_(new QValueAxis),
      yAxis_(new QValueAxis)
{
    QStringList headers;
    for (int k = 0; k < CEnergyBalance::kTerms; k++)
        headers << tr("%1 (J)").arg(QString::fromLatin1(CEnergyBalance::names()[k]));
    table_->setHorizontalHeaderLabels(headers);
    table_->setVerticalHeaderLabels({tr("now")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() + table_->rowHeight(0) + 4);
    table_->setToolTip(tr("dE = heat + work + user + correction + residual + piston stop"));
    addControlRow()->addWidget(table_);

    xAxis_->setTitleText(tr("Simulated time (ps)"));
    yAxis_->setTitleText(tr("Energy since the ledger restarted (J)"));
    yAxis_->setLabelFormat(QStringLiteral("%.3g"));
    chart()->addAxis(xAxis_, Qt::AlignBottom);
    chart()->addAxis(yAxis_, Qt::AlignLeft);
    for (int k = 0; k < CEnergyBalance::kTerms; k++) {
        QLineSeries* curve = curves_[static_cast<std::size_t>(k)] = new QLineSeries;
        curve->setName(QString::fromLatin1(CEnergyBalance::names()[k]));
        curve->setPen(QPen(kTermColours[k], 2.0, k == kResidual ? Qt::DashLine : Qt::SolidLine));
        chart()->addSeries(curve);
        curve->attachAxis(xAxis_);
        curve->attachAxis(yAxis_);
    }
}

void CEnergyLedgerChart::refresh()
{
    const std::vector<CEnergyLedgerSample>& samples = series_.samples();
    std::array<QList<QPointF>, CEnergyBalance::kTerms> points;
    double low = 0.0, high = 0.0;
    for (const CEnergyLedgerSample& s : samples) {
        const double t = s.time * kPicoseconds;
        for (int k = 0; k < CEnergyBalance::kTerms; k++) {
            const double value = s.balance.term(k);
            points[static_cast<std::size_t>(k)] << QPointF(t, value);
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    for (int k = 0; k < CEnergyBalance::kTerms; k++)
        curves_[static_cast<std::size_t>(k)]->replace(points[static_cast<std::size_t>(k)]);
    const double first = samples.empty() ? 0.0 : samples.front().time * kPicoseconds;
    const double last = samples.empty() ? 1.0 : samples.back().time * kPicoseconds;
    xAxis_->setRange(first, last > first ? last : first + 1.0);
    const double margin = (high - low) > 0.0 ? 0.05 * (high - low) : 1e-21;
    yAxis_->setRange(low - margin, high + margin);

    showBalance(Simulation.getLedgerBalance());
    setCaption(samples.empty() ? tr("No displays since the ledger restarted.")
                               : tr("%1 displays since the ledger restarted (opening a file or restarting the averages "
                                    "restarts it).")
                                     .arg(samples.size()));
}

void CEnergyLedgerChart::showBalance(const CEnergyBalance& balance)
{
    for (int k = 0; k < CEnergyBalance::kTerms; k++) {
        auto* item = new QTableWidgetItem(QString::number(balance.term(k), 'g', 6));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(0, k, item);
    }
}

std::string CEnergyLedgerChart::csvText() const
{
    std::string csv = "time_ps";
    for (int k = 0; k < CEnergyBalance::kTerms; k++) appendFormatC(csv, ",%s", CEnergyBalance::columnNames()[k]);
    csv += '\n';
    for (const CEnergyLedgerSample& s : series_.samples()) {
        appendFormatC(csv, "%.17g", s.time * kPicoseconds);
        for (int k = 0; k < CEnergyBalance::kTerms; k++) appendFormatC(csv, ",%.17g", s.balance.term(k));
        csv += '\n';
    }
    return csv;
}
