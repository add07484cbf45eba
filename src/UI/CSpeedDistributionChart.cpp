// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSpeedDistributionChart.h"

#include <QAreaSeries>
#include <QLineSeries>
#include <QPen>
#include <algorithm>

#include "CRoundAxis.h"

#include "SIM/model/CSimulation.h"

CSpeedDistributionChart::CSpeedDistributionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CPlotChart(simulation, platform, parent),
      outline_(new QLineSeries(this)),
      measured_(new QLineSeries),
      fitted_(new QLineSeries),
      xAxis_(new CRoundAxis(tr("Speed (m/s)"))),
      yAxis_(new CRoundAxis(QString()))
{
    area_ = new QAreaSeries(outline_);
    area_->setName(tr("Histogram"));
    area_->setColor(QColor(0x9ecae1));
    area_->setBorderColor(QColor(0x3182bd));
    measured_->setName(tr("Maxwell-Boltzmann, measured T"));
    measured_->setPen(QPen(QColor(0xd62728), 2.0));
    measured_->setPointsVisible(true);
    fitted_->setName(tr("Maxwell-Boltzmann, fitted T"));
    fitted_->setPen(QPen(QColor(0x2ca02c), 2.0, Qt::DashLine));
    nameBins(Simulation.getGraphXmax() / kSpeedBins);
    chart()->addAxis(xAxis_, Qt::AlignBottom);
    chart()->addAxis(yAxis_, Qt::AlignLeft);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{area_, measured_, fitted_}) {
        chart()->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
    }
}

void CSpeedDistributionChart::refresh()
{
    const CSpeedDistribution& d = distribution_ = measureSpeedDistribution(Simulation.state(), Simulation.getDisplayType());
    QList<QPointF> steps, measured, fitted;
    double top = 0.0;
    for (int b = 0; b < kSpeedBins; b++) {
        steps << QPointF(d.binLow(b), d.fraction[b]) << QPointF(d.binHigh(b), d.fraction[b]);
        const double middle = 0.5 * (d.binLow(b) + d.binHigh(b));
        measured << QPointF(middle, d.maxwellMeasured[b]);
        if (d.fittedTemperature > 0.0) fitted << QPointF(middle, d.maxwellFitted[b]);
        top = std::max({top, d.fraction[b], d.maxwellMeasured[b], d.maxwellFitted[b]});
    }
    outline_->replace(steps);
    measured_->replace(measured);
    fitted_->replace(fitted);
    xAxis_->showRange(0.0, d.top > 0.0 ? d.top : 1.0);
    nameBins(d.top / kSpeedBins);
    yAxis_->showRange(0.0, top > 0.0 ? top * 1.1 : 1.0);

    const QString slot = d.slot == CSimulation::kAllAtoms ? tr("All atoms") : tr("Type %1").arg(QChar('A' + d.slot));
    if (d.atoms == 0) {
        setCaption(tr("%1: no atoms.").arg(slot));
        return;
    }
    setCaption(tr("%1 (%2 atoms): measured T = %3 K, fitted T = %4 K, total variation from the measured-T curve %5.")
                   .arg(slot)
                   .arg(d.atoms)
                   .arg(d.measuredTemperature, 0, 'f', 1)
                   .arg(d.fittedTemperature, 0, 'f', 1)
                   .arg(d.totalVariation, 0, 'f', 3));
}

void CSpeedDistributionChart::nameBins(double width)
{
    yAxis_->setQuantityTitle(tr("Fraction of atoms per bin (bins of %1 m/s)").arg(width, 0, 'g', 4));
}

std::string CSpeedDistributionChart::csvText() const
{
    std::string csv;
    appendSpeedDistributionCsv(csv, distribution_);
    return csv;
}
