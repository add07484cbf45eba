// SPDX-License-Identifier: GPL-3.0-or-later
// The Plots window: the charts of the running simulation in tabs beside the
// main window. It keeps the time series and the energy ledger from the first
// display on, open or not; the other charts measure while it is open. Another
// chart is one more CPlotChart given to addChart.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

#include "SIM/measure/CEnergyLedgerSeries.h"
#include "SIM/measure/CTimeSeries.h"

class CDiffusion;
class CDocument;
class CDiffusionChart;
class CEnergyLedgerChart;
class CPlatform;
class CPlotChart;
class CRadialDistributionChart;
class CSimulation;
class CSpeedDistributionChart;
class CTimeSeriesChart;
class QTabWidget;

class CPlotsWindow : public QWidget {
    Q_OBJECT
public:
    CPlotsWindow(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    ~CPlotsWindow() override;

    CSimulation& Simulation;
    CTimeSeriesChart* TimeSeriesChart = nullptr;
    CSpeedDistributionChart* SpeedDistributionChart = nullptr;
    CRadialDistributionChart* RadialDistributionChart = nullptr;
    CEnergyLedgerChart* EnergyLedgerChart = nullptr;
    CDiffusionChart* DiffusionChart = nullptr;

    // Appends a chart as a new tab; the window owns it from now on.
    void addChart(CPlotChart* chart);
    const std::vector<CPlotChart*>& charts() const { return charts_; }
    CPlotChart* currentChart() const;
    void showChart(CPlotChart* chart);
    const CTimeSeries& timeSeries() const { return series_; }
    const CEnergyLedgerSeries& ledgerSeries() const { return ledger_; }

    // The measurement the run samples between its steps: the Diffusion
    // tab's while the window is open, else none.
    CDiffusion* sampledDiffusion() const;
    // Follows the document: its displays, and every change it announces.
    void listenTo(CDocument& document);
    // After every display of the run.
    void displayAdvanced();
    // Something the charts show may have changed (the displayed type, a file, a parameter).
    void simulationChanged();
    // Shows the window to the right of the given one (or left, where the screen ends).
    void showBeside(const QWidget* mainWindow);
    // Redraws the shown chart now, as the pending redraw would.
    void refreshNow();
    // Redraws at most this often; the run may show many more displays.
    static constexpr int kRedrawInterval = 40;  // ms

private:
    void scheduleRefresh();

    CTimeSeries series_;
    CEnergyLedgerSeries ledger_;
    QTabWidget* tabs_;
    std::vector<CPlotChart*> charts_;
    QTimer refreshTimer_;
    QElapsedTimer sinceRefresh_;
};
