// SPDX-License-Identifier: GPL-3.0-or-later
// The displayed outputs over time: the quantities the user picks for the
// displayed slot, against simulated time (ps) or steps, following the run
// or paused, with wheel zoom along time.
#pragma once

#include <QList>
#include <QPointF>

#include <array>

#include "CChartDecimation.h"
#include "CPlotChart.h"
#include "SIM/CTimeSeries.h"

class CDenseLinesItem;
class QCheckBox;
class QComboBox;
class QLineSeries;
class QValueAxis;

class CTimeSeriesChart : public CPlotChart {
    Q_OBJECT
public:
    CTimeSeriesChart(CSimulation& simulation, CPlatform& platform, const CTimeSeries& series,
                     QWidget* parent = nullptr);

    QString title() const override { return tr("Time Series"); }
    QString fileStem() const override { return QStringLiteral("time-series"); }
    void refresh() override;
    std::string csvText() const override;

    // Which quantities are drawn; the first three energies share one axis.
    void setQuantityShown(CSeriesQuantity quantity, bool shown);
    bool quantityShown(CSeriesQuantity quantity) const;
    // x in steps instead of picoseconds.
    void setStepsOnX(bool steps);
    bool stepsOnX() const;
    // Following moves the view with the run; paused, the chart stays as it is.
    void setFollowing(bool follow);
    bool following() const;
    // Zooms the time axis about x (in the axis unit); factor below 1 zooms in.
    void zoomBy(double factor, double at);
    void resetZoom();

    // The series of a quantity holds no points: it gives the line its name in
    // the legend, its pen, its axes and its visibility; the points it draws are pointsDrawn(lineFor(quantity)).
    QLineSeries* lineFor(CSeriesQuantity quantity) const { return lines_[static_cast<int>(quantity)]; }
    QList<QPointF> pointsDrawn(const QXYSeries* line) const override;
    CDenseLinesItem* drawnLines() const { return drawnLines_; }
    QValueAxis* timeAxis() const { return xAxis_; }
    // The slot drawn (the displayed atom type at the last refresh).
    int slot() const { return slot_; }

protected:
    void pixelColumnsChanged() override;

private:
    enum Unit { energy, temperature, pressure, volume, speed, kUnits };
    static Unit unitOf(CSeriesQuantity quantity);
    const std::vector<double>& xValues() const;
    double xScale() const;  // from the stored x (steps, s) to the axis unit
    void placeAxes();
    // The points of each ticked quantity over samples [first, last) in the window [low, high].
    void decimateShownLines(std::size_t first, std::size_t last, double low, double high);
    void fitAxes(double low, double high);
    // The samples shown: the whole run, or the zoomed window (which slides with the run while following).
    std::pair<double, double> xWindow() const;

    const CTimeSeries& series_;
    std::array<QCheckBox*, kSeriesQuantities> boxes_{};
    std::array<QLineSeries*, kSeriesQuantities> lines_{};
    CDenseLinesItem* drawnLines_;
    std::array<QValueAxis*, kUnits> yAxes_{};
    QValueAxis* xAxis_;
    QComboBox* xUnit_;
    QCheckBox* follow_;
    int slot_ = 4;
    unsigned seenRestarts_ = 0;
    // The zoomed window in stored x (steps or seconds); width 0: the whole run.
    double zoomLow_ = 0.0, zoomWidth_ = 0.0;
    // Paused while showing the whole run, and not zoomed since.
    bool pausedWholeRun_ = false;
    bool drawnOnce_ = false;
    // Of each line, decimated at this redraw; then swapped with the points drawn before, to be reused.
    std::array<QList<QPointF>, kSeriesQuantities> points_;
    std::array<CBlockExtremes, kSeriesQuantities> extremes_;
};
