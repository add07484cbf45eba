// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDiffusionChart.h"

#include <QComboBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "CChartUnits.h"
#include "CRoundAxis.h"
#include "SIM/CSimulation.h"

namespace {
constexpr double kSquareNanometresPerSquareMetre = 1e18;
// nm²/ns: a diffusion coefficient of a liquid is a few of them.
constexpr double kSquareNanometresPerNanosecondPerSI = 1e9;

// Log axes span whole decades around the values.
void frameDecades(QLogValueAxis* axis, double lowest, double highest)
{
    if (!(lowest > 0.0) || !(highest > lowest)) {
        axis->setRange(1.0, 10.0);
        return;
    }
    axis->setRange(std::pow(10.0, std::floor(std::log10(lowest))), std::pow(10.0, std::ceil(std::log10(highest))));
}
}  // namespace

CDiffusionChart::CDiffusionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CPlotChart(simulation, platform, parent),
      typeChooser_(new QComboBox(this)),
      curveChooser_(new QComboBox(this)),
      msd_(new QLineSeries),
      fit_(new QLineSeries),
      windowStart_(new QLineSeries),
      windowEnd_(new QLineSeries),
      vacf_(new QLineSeries),
      integral_(new QLineSeries),
      msdTime_(new QLogValueAxis),
      msdAxis_(new QLogValueAxis),
      vacfTime_(new CRoundAxis(tr("Time (ps)"))),
      vacfAxis_(new CRoundAxis(tr("Velocity autocorrelation ((m/s)²)"))),
      integralAxis_(new CRoundAxis(tr("Running integral / 3 (nm²/ns = 1e-9 m²/s)")))
{
    curveChooser_->addItems({tr("Mean squared displacement"), tr("Velocity autocorrelation")});
    curveChooser_->setToolTip(tr("The curve shown"));
    addControl(curveChooser_);
    connect(curveChooser_, &QComboBox::activated, this, &CDiffusionChart::chooseCurve);
    typeChooser_->addItem(tr("All atoms"));
    for (int t = 0; t < CSimulation::kTypes; t++) typeChooser_->addItem(tr("Type %1").arg(QChar('A' + t)));
    typeChooser_->setToolTip(tr("The atoms averaged over"));
    addControl(typeChooser_);
    connect(typeChooser_, &QComboBox::activated, this, &CDiffusionChart::chooseTypes);
    auto* reset = new QPushButton(tr("Reset"), this);
    reset->setToolTip(tr("Start the measurement again from the next step"));
    addControl(reset);
    connect(reset, &QPushButton::clicked, this, &CDiffusionChart::resetMeasurement);

    msdTime_->setTitleText(tr("Time (ps)"));
    msdTime_->setLabelFormat("%g");
    msdTime_->setMinorTickCount(8);
    msdAxis_->setTitleText(tr("Mean squared displacement (nm²)"));
    msdAxis_->setLabelFormat("%g");
    msdAxis_->setMinorTickCount(8);
    msd_->setName(tr("MSD"));
    msd_->setPen(QPen(QColor(0x1f77b4), 2.0));
    fit_->setName(tr("Einstein fit 6 D t + c"));
    fit_->setPen(QPen(QColor(0xd62728), 2.0, Qt::DashLine));
    windowStart_->setName(tr("fit window"));
    for (QLineSeries* edge : {windowStart_, windowEnd_}) edge->setPen(QPen(QColor(0x7f7f7f), 1.0, Qt::DotLine));
    vacf_->setName(tr("VACF"));
    vacf_->setPen(QPen(QColor(0x1f77b4), 2.0));
    integral_->setName(tr("Running integral / 3 (Green-Kubo D)"));
    integral_->setPen(QPen(QColor(0x2ca02c), 2.0));

    chart()->addAxis(msdTime_, Qt::AlignBottom);
    chart()->addAxis(msdAxis_, Qt::AlignLeft);
    chart()->addAxis(vacfTime_, Qt::AlignBottom);
    chart()->addAxis(vacfAxis_, Qt::AlignLeft);
    chart()->addAxis(integralAxis_, Qt::AlignRight);
    for (QLineSeries* series : {msd_, fit_, windowStart_, windowEnd_}) {
        chart()->addSeries(series);
        series->attachAxis(msdTime_);
        series->attachAxis(msdAxis_);
    }
    chart()->addSeries(vacf_);
    vacf_->attachAxis(vacfTime_);
    vacf_->attachAxis(vacfAxis_);
    chart()->addSeries(integral_);
    integral_->attachAxis(vacfTime_);
    integral_->attachAxis(integralAxis_);
    // One legend entry for the two edges of the window.
    const auto markers = chart()->legend()->markers(windowEnd_);
    for (auto* marker : markers) marker->setVisible(false);
    chooseCurve(0);
}

bool CDiffusionChart::showsMsd() const { return curveChooser_->currentIndex() != 1; }

void CDiffusionChart::chooseTypes(int index)
{
    if (typeChooser_->currentIndex() != index) typeChooser_->setCurrentIndex(index);
    types_ = index >= 1 && index <= CSimulation::kTypes ? 1u << (index - 1) : kAllTypesMask;
    refresh();
}

void CDiffusionChart::chooseCurve(int index)
{
    if (curveChooser_->currentIndex() != index) curveChooser_->setCurrentIndex(index);
    const bool msd = showsMsd();
    for (QLineSeries* series : {msd_, fit_, windowStart_, windowEnd_}) series->setVisible(msd);
    for (QLineSeries* series : {vacf_, integral_}) series->setVisible(!msd);
    msdTime_->setVisible(msd);
    msdAxis_->setVisible(msd);
    for (CRoundAxis* axis : {vacfTime_, vacfAxis_, integralAxis_}) axis->setVisible(!msd);
    const auto markers = chart()->legend()->markers(windowEnd_);
    for (auto* marker : markers) marker->setVisible(false);
    refresh();
}

void CDiffusionChart::resetMeasurement()
{
    diffusion_.reset();
    refresh();
}

void CDiffusionChart::refresh()
{
    result_ = diffusion_.result(types_);
    if (showsMsd()) refreshMsd();
    else refreshVacf();
    showCaption();
}

void CDiffusionChart::refreshMsd()
{
    const CDiffusionResult& r = result_;
    QList<QPointF> points, fit;
    double lowest = 0.0, highest = 0.0;
    // Lag 0 has no place on a log axis.
    for (std::size_t k = 1; k < r.time.size(); k++) {
        const double y = r.msd[k] * kSquareNanometresPerSquareMetre;
        if (!(y > 0.0)) continue;
        points << QPointF(r.time[k] * kPicosecondsPerSecond, y);
        lowest = lowest > 0.0 ? std::min(lowest, y) : y;
        highest = std::max(highest, y);
    }
    msd_->replace(points);
    if (r.hasWindow()) {
        for (int k = r.first; k <= r.last; k++) {
            const double t = r.time[static_cast<std::size_t>(k)];
            const double y = r.fitAt(t) * kSquareNanometresPerSquareMetre;
            if (y > 0.0) fit << QPointF(t * kPicosecondsPerSecond, y);
        }
        const double low = lowest > 0.0 ? lowest : 1e-6, high = highest > low ? highest : 10.0 * low;
        windowStart_->replace({{r.windowStart() * kPicosecondsPerSecond, low}, {r.windowStart() * kPicosecondsPerSecond, high}});
        windowEnd_->replace({{r.windowEnd() * kPicosecondsPerSecond, low}, {r.windowEnd() * kPicosecondsPerSecond, high}});
    } else {
        windowStart_->clear();
        windowEnd_->clear();
    }
    fit_->replace(fit);
    const double first = points.isEmpty() ? 0.0 : points.front().x(), last = points.isEmpty() ? 0.0 : points.back().x();
    frameDecades(msdTime_, first, last);
    frameDecades(msdAxis_, lowest, highest);
}

void CDiffusionChart::refreshVacf()
{
    const CDiffusionResult& r = result_;
    // The velocities forget within a few window starts: the lags past that show only noise around 0.
    double reach = r.time.empty() ? 0.0 : r.time.back();
    if (r.hasWindow()) reach = std::min(reach, std::max(4.0 * r.windowStart(), r.windowEnd()));
    QList<QPointF> vacf, integral;
    double low = 0.0, high = 0.0, top = 0.0, bottom = 0.0;
    for (std::size_t k = 0; k < r.time.size() && r.time[k] <= reach; k++) {
        const double t = r.time[k] * kPicosecondsPerSecond;
        const double d = r.integral[k] / 3.0 * kSquareNanometresPerNanosecondPerSI;
        vacf << QPointF(t, r.vacf[k]);
        integral << QPointF(t, d);
        low = std::min(low, r.vacf[k]);
        high = std::max(high, r.vacf[k]);
        bottom = std::min(bottom, d);
        top = std::max(top, d);
    }
    vacf_->replace(vacf);
    integral_->replace(integral);
    vacfTime_->showRange(0.0, reach > 0.0 ? reach * kPicosecondsPerSecond : 1.0);
    vacfAxis_->frame(low, high > low ? high : 1.0);
    integralAxis_->frame(bottom, top > bottom ? top : 1.0);
}

void CDiffusionChart::showCaption()
{
    const CDiffusionResult& r = result_;
    const int index = typeChooser_->currentIndex();
    const QString atoms = index >= 1 ? tr("Type %1").arg(QChar('A' + index - 1)) : tr("All atoms");
    if (r.atoms == 0) {
        setCaption(tr("%1: no atoms.").arg(atoms));
        return;
    }
    const QString sampling = tr("%1 samples, every %2 steps").arg(r.samples).arg(diffusion_.stride());
    if (!r.hasWindow()) {
        setCaption(tr("%1 (%2 atoms): no diffusion coefficient: %3. %4.")
                       .arg(atoms)
                       .arg(r.atoms)
                       .arg(QString::fromStdString(r.reason()))
                       .arg(sampling));
        return;
    }
    const QString error = r.einsteinError >= 0.0 ? tr(" ± %1").arg(r.einsteinError, 0, 'e', 1)
                                                 : tr(" (too few blocks for an error yet)");
    setCaption(tr("%1 (%2 atoms): Einstein D = %3%4 m²/s, fit from %5 to %6 ps; Green-Kubo D = %7 m²/s. %8.")
                   .arg(atoms)
                   .arg(r.atoms)
                   .arg(r.einsteinD, 0, 'e', 2)
                   .arg(error)
                   .arg(r.windowStart() * kPicosecondsPerSecond, 0, 'g', 3)
                   .arg(r.windowEnd() * kPicosecondsPerSecond, 0, 'g', 3)
                   .arg(r.greenKuboD, 0, 'e', 2)
                   .arg(sampling));
}

std::string CDiffusionChart::csvText() const
{
    std::string csv;
    if (showsMsd()) appendMsdCsv(csv, result_);
    else appendVacfCsv(csv, result_);
    return csv;
}
