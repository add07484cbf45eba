// SPDX-License-Identifier: GPL-3.0-or-later
// The displayed slot's speed histogram as fractions of its atoms, with the
// Maxwell-Boltzmann fractions at the measured and at the fitted temperature.
#pragma once

#include "CPlotChart.h"
#include "SIM/measure/CSpeedDistribution.h"

class CRoundAxis;
class QAreaSeries;
class QLineSeries;

class CSpeedDistributionChart : public CPlotChart {
    Q_OBJECT
public:
    CSpeedDistributionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);

    QString title() const override { return tr("Speed Distribution"); }
    QString fileStem() const override { return QStringLiteral("speed-distribution"); }
    void refresh() override;
    std::string csvText() const override;

    const CSpeedDistribution& distribution() const { return distribution_; }
    QLineSeries* histogramOutline() const { return outline_; }
    QLineSeries* measuredCurve() const { return measured_; }
    QLineSeries* fittedCurve() const { return fitted_; }

private:
    void nameBins(double width);  // m/s

    CSpeedDistribution distribution_;
    QLineSeries* outline_;  // the histogram's steps, filled down to zero
    QAreaSeries* area_;
    QLineSeries *measured_, *fitted_;
    CRoundAxis *xAxis_, *yAxis_;
};
