// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDiffusionChart.h"

#include <QComboBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "CChartUnits.h"
#include "CRoundAxis.h"
#include "SIM/CSimulation.h"

namespace {
constexpr double kSquareNanometresPerSquareMetre = kNanometresPerMetre * kNanometresPerMetre;
// nm²/ns: a diffusion coefficient of a liquid is a few of them.
constexpr double kNanosecondsPerSecond = 1e9;
constexpr double kSquareNanometresPerNanosecondPerSI = kSquareNanometresPerSquareMetre / kNanosecondsPerSecond;
// Past the fit window the MSD only bends towards the box size: the chart
// shows this many window ends, so that the window is not squeezed into a
// corner of a long run.
constexpr double kWindowEndsShown = 3.0;
}  // namespace

CDiffusionChart::CDiffusionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CPlotChart(simulation, platform, parent),
      typeChooser_(new QComboBox(this)),
      curveChooser_(new QComboBox(this)),
      msd_(new QLineSeries(this)),
      fit_(new QLineSeries(this)),
      windowStart_(new QLineSeries(this)),
      windowEnd_(new QLineSeries(this)),
      vacf_(new QLineSeries(this)),
      integral_(new QLineSeries(this)),
      timeAxis_(new CRoundAxis(tr("Time (ps)"))),
      leftAxis_(new CRoundAxis(QString())),
      rightAxis_(new CRoundAxis(tr("Running integral / 3 (nm²/ns = 1e-9 m²/s)"), QString(), this))
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

    msd_->setName(tr("MSD (nm²)"));
    msd_->setPen(QPen(QColor(0x1f77b4), 2.0));
    fit_->setName(tr("Einstein fit 6 D t + c (nm²)"));
    fit_->setPen(QPen(QColor(0xd62728), 2.0, Qt::DashLine));
    windowStart_->setName(tr("fit window"));
    for (QLineSeries* edge : {windowStart_, windowEnd_}) edge->setPen(QPen(QColor(0x7f7f7f), 1.0, Qt::DotLine));
    vacf_->setName(tr("VACF ((m/s)²)"));
    vacf_->setPen(QPen(QColor(0x1f77b4), 2.0));
    integral_->setName(tr("Running integral / 3, the Green-Kubo D (nm²/ns)"));
    integral_->setPen(QPen(QColor(0x2ca02c), 2.0));
    chart()->addAxis(timeAxis_, Qt::AlignBottom);
    chart()->addAxis(leftAxis_, Qt::AlignLeft);
    chooseCurve(0);
}

// The chart holds only the shown curve's lines (and the right axis only
// with the integral), so that every axis drawn frames lines drawn.
void CDiffusionChart::showSeries(std::initializer_list<QLineSeries*> shown, bool rightAxis)
{
    for (QAbstractSeries* series : chart()->series()) {
        chart()->removeSeries(series);
        series->setParent(this);
    }
    if (chart()->axes().contains(rightAxis_)) {
        chart()->removeAxis(rightAxis_);
        rightAxis_->setParent(this);
    }
    if (rightAxis) chart()->addAxis(rightAxis_, Qt::AlignRight);
    for (QLineSeries* series : shown) {
        chart()->addSeries(series);
        series->attachAxis(timeAxis_);
        series->attachAxis(series == integral_ ? rightAxis_ : leftAxis_);
    }
    // One legend entry for the two edges of the window.
    for (QLegendMarker* marker : chart()->legend()->markers(windowEnd_)) marker->setVisible(false);
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
    if (showsMsd()) {
        showSeries({msd_, fit_, windowStart_, windowEnd_}, false);
        leftAxis_->setQuantityTitle(tr("Mean squared displacement (nm²)"));
    } else {
        showSeries({vacf_, integral_}, true);
        leftAxis_->setQuantityTitle(tr("Velocity autocorrelation ((m/s)²)"));
    }
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
    double reach = r.time.empty() ? 0.0 : r.time.back();
    if (r.hasWindow()) reach = std::min(reach, kWindowEndsShown * r.windowEnd());
    QList<QPointF> points, fit;
    double top = 0.0;
    for (std::size_t k = 0; k < r.time.size() && r.time[k] <= reach; k++) {
        const double y = r.msd[k] * kSquareNanometresPerSquareMetre;
        points << QPointF(r.time[k] * kPicosecondsPerSecond, y);
        top = std::max(top, y);
    }
    msd_->replace(points);
    if (r.hasWindow()) {
        for (int k = r.first; k <= r.last; k++) {
            const double t = r.time[static_cast<std::size_t>(k)];
            fit << QPointF(t * kPicosecondsPerSecond, r.fitAt(t) * kSquareNanometresPerSquareMetre);
        }
        const double start = r.windowStart() * kPicosecondsPerSecond, end = r.windowEnd() * kPicosecondsPerSecond;
        windowStart_->replace({{start, 0.0}, {start, top}});
        windowEnd_->replace({{end, 0.0}, {end, top}});
    } else {
        windowStart_->clear();
        windowEnd_->clear();
    }
    fit_->replace(fit);
    timeAxis_->showRange(0.0, reach > 0.0 ? reach * kPicosecondsPerSecond : 1.0);
    leftAxis_->frame(0.0, top > 0.0 ? top : 1.0);
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
    timeAxis_->showRange(0.0, reach > 0.0 ? reach * kPicosecondsPerSecond : 1.0);
    leftAxis_->frame(low, high > low ? high : 1.0);
    rightAxis_->frame(bottom, top > bottom ? top : 1.0);
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
