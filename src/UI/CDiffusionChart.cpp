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
#include "SIM/model/CSimulation.h"

namespace {
constexpr double kSquareNanometresPerSquareMetre = kNanometresPerMetre * kNanometresPerMetre;
// nm²/ns: a diffusion coefficient of a liquid is a few of them.
constexpr double kNanosecondsPerSecond = 1e9;
constexpr double kSquareNanometresPerNanosecondPerSI = kSquareNanometresPerSquareMetre / kNanosecondsPerSecond;
// The VACF's time axis ends at this many times the last lag at which the
// correlation is still above the share of its start the fit window opens
// below: from there on it has died out, and the margin shows it settled.
constexpr double kVacfReachMargin = 2.0;

// A logarithmic axis from the decade at or below low to the one at or above
// high, so that both ends carry a labelled tick.
void showDecades(QLogValueAxis* axis, double low, double high)
{
    if (!(low > 0.0) || !(high > low)) low = 0.1, high = 1.0;
    const double bottom = std::pow(10.0, std::floor(std::log10(low) + 1e-9));
    const double top = std::pow(10.0, std::ceil(std::log10(high) - 1e-9));
    axis->setRange(bottom, top > bottom ? top : 10.0 * bottom);
}

QLogValueAxis* logAxis(const QString& title, QObject* parent)
{
    auto* axis = new QLogValueAxis(parent);
    axis->setBase(10.0);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setMinorTickCount(8);  // 2 to 9 times each power of ten
    axis->setTitleText(title);
    return axis;
}
}  // namespace

CDiffusionChart::CDiffusionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : CPlotChart(simulation, platform, parent),
      typeChooser_(new QComboBox(this)),
      curveChooser_(new QComboBox(this)),
      msd_(new QLineSeries(this)),
      fit_(new QLineSeries(this)),
      slopeOne_(new QLineSeries(this)),
      windowStart_(new QLineSeries(this)),
      windowEnd_(new QLineSeries(this)),
      vacf_(new QLineSeries(this)),
      integral_(new QLineSeries(this)),
      logTime_(logAxis(tr("Time (ps)"), this)),
      logMsd_(logAxis(tr("Mean squared displacement (nm²)"), this)),
      timeAxis_(new CRoundAxis(tr("Time (ps)"), QString(), this)),
      leftAxis_(new CRoundAxis(tr("Velocity autocorrelation ((m/s)²)"), QString(), this)),
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
    slopeOne_->setName(tr("slope 1 (diffusive)"));
    slopeOne_->setPen(QPen(QColor(0x7f7f7f), 1.0, Qt::DashLine));
    windowStart_->setName(tr("fit window"));
    for (QLineSeries* edge : {windowStart_, windowEnd_}) edge->setPen(QPen(QColor(0x7f7f7f), 1.0, Qt::DotLine));
    vacf_->setName(tr("VACF ((m/s)²)"));
    vacf_->setPen(QPen(QColor(0x1f77b4), 2.0));
    integral_->setName(tr("Running integral / 3, the Green-Kubo D (nm²/ns)"));
    integral_->setPen(QPen(QColor(0x2ca02c), 2.0));
    chooseCurve(0);
}

// The chart holds only the shown curve's lines and their axes (logarithmic
// for the MSD, linear with the integral's on the right for the VACF), so
// that every axis drawn frames lines drawn.
void CDiffusionChart::showSeries(std::initializer_list<QLineSeries*> shown, bool logarithmic)
{
    for (QAbstractSeries* series : chart()->series()) {
        chart()->removeSeries(series);
        series->setParent(this);
    }
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis);
        axis->setParent(this);
    }
    QAbstractAxis* time = logarithmic ? static_cast<QAbstractAxis*>(logTime_) : timeAxis_;
    QAbstractAxis* left = logarithmic ? static_cast<QAbstractAxis*>(logMsd_) : leftAxis_;
    chart()->addAxis(time, Qt::AlignBottom);
    chart()->addAxis(left, Qt::AlignLeft);
    if (!logarithmic) chart()->addAxis(rightAxis_, Qt::AlignRight);
    for (QLineSeries* series : shown) {
        chart()->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(series == integral_ ? rightAxis_ : left);
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
    if (showsMsd()) showSeries({msd_, fit_, slopeOne_, windowStart_, windowEnd_}, true);
    else showSeries({vacf_, integral_}, false);
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

// Log-log: lag 0 and any MSD of 0 have no place on the axes and are left
// out (the CSV keeps them). The line of slope 1 is the Einstein line 6 D t
// where there is a fit, else it runs through the last point drawn, so that
// the MSD's approach to the diffusive regime reads off against it.
void CDiffusionChart::refreshMsd()
{
    const CDiffusionResult& r = result_;
    // Every lag: the logarithmic time axis gives the first lags, the fit
    // window and the levelling off near the box size each their room.
    const double reach = r.time.empty() ? 0.0 : r.time.back();
    QList<QPointF> points, fit;
    double shortest = 0.0, bottom = 0.0, top = 0.0;
    for (std::size_t k = 0; k < r.time.size() && r.time[k] <= reach; k++) {
        const double t = r.time[k] * kPicosecondsPerSecond, y = r.msd[k] * kSquareNanometresPerSquareMetre;
        if (!(t > 0.0) || !(y > 0.0)) continue;
        points << QPointF(t, y);
        if (shortest == 0.0) shortest = t;
        bottom = bottom > 0.0 ? std::min(bottom, y) : y;
        top = std::max(top, y);
    }
    msd_->replace(points);
    const double longest = reach * kPicosecondsPerSecond;
    QList<QPointF> slope;
    if (!points.isEmpty() && longest > shortest) {
        // y = a t on the chart's units: a from the diffusion coefficient or from the last point.
        const double a = r.hasWindow() && r.fitSlope > 0.0
                             ? r.fitSlope * kSquareNanometresPerSquareMetre / kPicosecondsPerSecond
                             : points.back().y() / points.back().x();
        // Within the MSD's own span, so that the guide does not stretch the axis.
        const double from = std::max(shortest, bottom / a), to = std::min(longest, top / a);
        if (to > from) slope = {{from, a * from}, {to, a * to}};
    }
    slopeOne_->replace(slope);
    if (r.hasWindow()) {
        for (int k = r.first; k <= r.last; k++) {
            const double t = r.time[static_cast<std::size_t>(k)];
            const double y = r.fitAt(t) * kSquareNanometresPerSquareMetre;
            if (t > 0.0 && y > 0.0) fit << QPointF(t * kPicosecondsPerSecond, y);
        }
    }
    fit_->replace(fit);
    showDecades(logTime_, shortest, longest);
    showDecades(logMsd_, bottom, top);
    if (r.hasWindow()) {
        const double start = r.windowStart() * kPicosecondsPerSecond, end = r.windowEnd() * kPicosecondsPerSecond;
        const double low = logMsd_->min(), high = logMsd_->max();
        windowStart_->replace({{start, low}, {start, high}});
        windowEnd_->replace({{end, low}, {end, high}});
    } else {
        windowStart_->clear();
        windowEnd_->clear();
    }
}

void CDiffusionChart::refreshVacf()
{
    const CDiffusionResult& r = result_;
    // The lags past the correlation's death show only noise around 0.
    double reach = r.time.empty() ? 0.0 : r.time.back();
    if (!r.vacf.empty() && r.vacf[0] > 0.0) {
        double alive = 0.0;
        for (std::size_t k = 0; k < r.vacf.size(); k++)
            if (std::fabs(r.vacf[k]) >= CDiffusion::kVacfSettled * r.vacf[0]) alive = r.time[k];
        if (alive > 0.0) reach = std::min(reach, kVacfReachMargin * alive);
    }
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
