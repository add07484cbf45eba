// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPlotsWindow.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "CDiffusionChart.h"
#include "CDocument.h"
#include "CEnergyLedgerChart.h"
#include "CRadialDistributionChart.h"
#include "CSpeedDistributionChart.h"
#include "CTimeSeriesChart.h"
#include "SIM/model/CSimulation.h"

CPlotsWindow::CPlotsWindow(CSimulation& simulation, CPlatform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), Simulation(simulation), tabs_(new QTabWidget(this))
{
    setWindowTitle(tr("Quorvel Plots"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    TimeSeriesChart = new CTimeSeriesChart(simulation, platform, series_);
    SpeedDistributionChart = new CSpeedDistributionChart(simulation, platform);
    RadialDistributionChart = new CRadialDistributionChart(simulation, platform);
    addChart(TimeSeriesChart);
    addChart(SpeedDistributionChart);
    addChart(RadialDistributionChart);
    EnergyLedgerChart = new CEnergyLedgerChart(simulation, platform, ledger_);
    addChart(EnergyLedgerChart);
    DiffusionChart = new CDiffusionChart(simulation, platform);
    addChart(DiffusionChart);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshNow(); });
    // Ctrl+W closes the window, as it closes other tool windows.
    auto* close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    refreshTimer_.setSingleShot(true);
    connect(&refreshTimer_, &QTimer::timeout, this, &CPlotsWindow::refreshNow);
    sinceRefresh_.start();
    resize(900, 560);
}

CPlotsWindow::~CPlotsWindow() = default;

void CPlotsWindow::addChart(CPlotChart* chart)
{
    charts_.push_back(chart);
    tabs_->addTab(chart, chart->title());
}

CPlotChart* CPlotsWindow::currentChart() const
{
    const int index = tabs_->currentIndex();
    return index >= 0 ? charts_[static_cast<std::size_t>(index)] : nullptr;
}

void CPlotsWindow::showChart(CPlotChart* chart)
{
    const auto found = std::find(charts_.begin(), charts_.end(), chart);
    if (found != charts_.end()) tabs_->setCurrentIndex(static_cast<int>(found - charts_.begin()));
}

CDiffusion* CPlotsWindow::sampledDiffusion() const
{
    return isVisible() ? &DiffusionChart->diffusion() : nullptr;
}

void CPlotsWindow::listenTo(CDocument& document)
{
    document.onAnyChange(this, [this] { simulationChanged(); });
    connect(&document, &CDocument::displayDone, this, &CPlotsWindow::displayAdvanced);
}

void CPlotsWindow::displayAdvanced()
{
    series_.sample(Simulation.state());
    ledger_.sample(Simulation);
    if (!isVisible()) return;
    for (CPlotChart* chart : charts_) chart->displayAdvanced();
    scheduleRefresh();
}

void CPlotsWindow::simulationChanged()
{
    if (isVisible()) scheduleRefresh();
}

// One redraw for however many displays came since the last, and no more
// than one every kRedrawInterval, so a light simulation that shows hundreds
// of displays a second is not held up by its charts.
void CPlotsWindow::scheduleRefresh()
{
    if (refreshTimer_.isActive()) return;
    refreshTimer_.start(std::max<qint64>(0, kRedrawInterval - sinceRefresh_.elapsed()));
}

void CPlotsWindow::refreshNow()
{
    refreshTimer_.stop();
    sinceRefresh_.restart();
    if (CPlotChart* chart = currentChart()) chart->refresh();
}

void CPlotsWindow::showBeside(const QWidget* mainWindow)
{
    const bool first = !isVisible();
    show();
    raise();
    activateWindow();
    if (first && mainWindow) {
        const QRect frame = mainWindow->frameGeometry();
        const QScreen* screen = mainWindow->screen();
        const QRect room = screen ? screen->availableGeometry() : QRect();
        // A small screen gets the whole window on it, not a part.
        if (room.isValid() && (width() > room.width() || height() > room.height()))
            resize(std::min(width(), room.width()), std::min(height(), room.height()));
        QPoint at(frame.right() + 8, frame.top());
        if (room.isValid() && at.x() + width() > room.right()) at.setX(std::max(room.left(), frame.left() - width() - 8));
        move(at);
    }
    refreshNow();
}
