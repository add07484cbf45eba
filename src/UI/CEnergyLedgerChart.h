// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger over time: every term of the first-law balance since the
// ledger last restarted, and the current balance as a table, both in zJ.
#pragma once

#include "CPlotChart.h"

#include <QList>
#include <QPointF>

#include <array>
#include <vector>

#include "SIM/measure/CEnergyLedgerSeries.h"

class CRoundAxis;
class QLineSeries;
class QTableWidget;

class CEnergyLedgerChart : public CPlotChart {
    Q_OBJECT
public:
    // series: the ledger's samples, kept by the Plots window from the first display on.
    CEnergyLedgerChart(CSimulation& simulation, CPlatform& platform, const CEnergyLedgerSeries& series,
                       QWidget* parent = nullptr);

    QString title() const override { return tr("Energy Ledger"); }
    QString fileStem() const override { return QStringLiteral("energy-ledger"); }
    void refresh() override;
    std::string csvText() const override;

    QTableWidget* balanceTable() const { return table_; }
    QLineSeries* termCurve(int term) const { return curves_[static_cast<std::size_t>(term)]; }
    QList<QPointF> pointsDrawn(const QXYSeries* line) const override;
    // Every term of every sample is within rounding of zero: the chart says
    // so rather than spread that noise over the axis as if it were a signal.
    bool balancedToRounding() const { return balancedToRounding_; }

protected:
    void pixelColumnsChanged() override { refresh(); }

private:
    void showBalance(const CEnergyBalance& balance);

    const CEnergyLedgerSeries& series_;
    QTableWidget* table_;
    std::array<QLineSeries*, CEnergyBalance::kTerms> curves_{};
    CRoundAxis *xAxis_, *yAxis_;
    // Reused at every redraw: the sample times (ps), one term's values, the
    // points of each term in zJ, and one term's points as its axis draws them.
    std::vector<double> times_, values_;
    std::array<QList<QPointF>, CEnergyBalance::kTerms> points_;
    QList<QPointF> drawn_;
    bool balancedToRounding_ = false;
};
