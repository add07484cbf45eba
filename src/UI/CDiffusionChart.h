// SPDX-License-Identifier: GPL-3.0-or-later
// How fast atoms wander, for all atoms or one type: the mean squared
// displacement against time on log-log axes with its Einstein fit, the fit
// window and a line of slope 1, or the velocity autocorrelation with its
// running integral,
// and both diffusion coefficients in the caption. It samples while the
// Plots window is open; any change a person or a file makes starts it again.
#pragma once

#include "CPlotChart.h"
#include "SIM/measure/CDiffusion.h"

class CRoundAxis;
class QComboBox;
class QLineSeries;
class QLogValueAxis;

class CDiffusionChart : public CPlotChart {
    Q_OBJECT
public:
    CDiffusionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);

    QString title() const override { return tr("Diffusion"); }
    QString fileStem() const override { return QStringLiteral("diffusion"); }
    void refresh() override;
    // The curve shown: the MSD with its fit, or the VACF with its integral.
    std::string csvText() const override;

    CDiffusion& diffusion() { return diffusion_; }
    const CDiffusionResult& result() const { return result_; }
    // Chooser index 0 is all atoms, then types A to D.
    void chooseTypes(int index);
    // 0: mean squared displacement, 1: velocity autocorrelation.
    void chooseCurve(int index);
    void resetMeasurement();
    bool showsMsd() const;
    QLineSeries* msdCurve() const { return msd_; }
    QLineSeries* fitCurve() const { return fit_; }
    QLineSeries* vacfCurve() const { return vacf_; }
    QLineSeries* slopeOneLine() const { return slopeOne_; }
    // The MSD's axes (logarithmic), and the VACF's time axis.
    QLogValueAxis* msdTimeAxis() const { return logTime_; }
    QLogValueAxis* msdAxis() const { return logMsd_; }
    CRoundAxis* vacfTimeAxis() const { return timeAxis_; }

private:
    void showSeries(std::initializer_list<QLineSeries*> series, bool logarithmic);
    void refreshMsd();
    void refreshVacf();
    void showCaption();

    CDiffusion diffusion_;
    CDiffusionResult result_;
    CTypeMask types_ = kAllTypesMask;
    QComboBox *typeChooser_, *curveChooser_;
    QLineSeries *msd_, *fit_, *slopeOne_, *windowStart_, *windowEnd_, *vacf_, *integral_;
    // The MSD on logarithmic axes; the VACF on linear ones, its integral on the right.
    QLogValueAxis *logTime_, *logMsd_;
    CRoundAxis *timeAxis_, *leftAxis_, *rightAxis_;
};
