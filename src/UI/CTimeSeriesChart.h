// SPDX-License-Identifier: GPL-3.0-or-later
// The displayed outputs over time: the quantities the user picks for the
// displayed slot, against simulated time (ps) or steps, following the run
// or paused, with wheel zoom along time. Each quantity is drawn in a strip
// of its own, the strips one above the other sharing the time axis, so that
// no line can hide another (two constants would otherwise both lie in the
// middle of their axes, on one row of pixels).
#pragma once

#include <QList>
#include <QPointF>

#include <array>

#include "CChartDecimation.h"
#include "CPlotChart.h"
#include "SIM/measure/CTimeSeries.h"

class CRoundAxis;
class QChart;
class QCheckBox;
class QComboBox;
class QGraphicsSimpleTextItem;
class QLineSeries;

class CTimeSeriesChart : public CPlotChart {
    Q_OBJECT
public:
    CTimeSeriesChart(CSimulation& simulation, CPlatform& platform, const CTimeSeries& series,
                     QWidget* parent = nullptr);

    QString title() const override { return tr("Time Series"); }
    QString fileStem() const override { return QStringLiteral("time-series"); }
    void refresh() override;
    std::string csvText() const override;

    // Which quantities are drawn, each in its strip.
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

    QLineSeries* lineFor(CSeriesQuantity quantity) const { return strip(quantity).line; }
    QList<QPointF> pointsDrawn(const QXYSeries* line) const override;
    // The time axis that carries the labels, the lowest strip's; every strip's shows the same range.
    CRoundAxis* timeAxis() const;
    CRoundAxis* axisFor(CSeriesQuantity quantity) const { return strip(quantity).y; }
    // The chart and view of a quantity's strip.
    QChart* stripChart(CSeriesQuantity quantity) const { return strip(quantity).chart; }
    CZoomChartView* stripView(CSeriesQuantity quantity) const { return strip(quantity).view; }
    // The line above a strip: its quantity, unit and the axis' offset or power of ten.
    QString stripHeading(CSeriesQuantity quantity) const;
    // The slot drawn (the displayed atom type at the last refresh).
    int slot() const { return slot_; }

protected:
    void pixelColumnsChanged() override;
    QRectF linesArea() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct CStrip {
        QChart* chart = nullptr;
        CZoomChartView* view = nullptr;
        CRoundAxis *x = nullptr, *y = nullptr;
        QLineSeries* line = nullptr;
        QGraphicsSimpleTextItem* heading = nullptr;
    };
    const CStrip& strip(CSeriesQuantity quantity) const { return strips_[static_cast<std::size_t>(quantity)]; }
    // The strips shown, top to bottom.
    std::vector<const CStrip*> shownStrips() const;
    // Places the strips' views one above the other and gives each the same
    // plot area, so that their time axes line up and their heights match.
    void layoutStrips();
    int axisRoom() const;
    int headingRoom() const;
    int stripPlotHeight() const;
    const std::vector<double>& xValues() const;
    double xScale() const;  // from the stored x (steps, s) to the axis unit
    void showStrips();
    // The points of each ticked quantity over samples [first, last) in the window [low, high].
    void decimateShownLines(std::size_t first, std::size_t last, double low, double high);
    void fitAxes(double low, double high);
    // Hands each line its points as its axis draws them.
    void drawLines();
    // The samples shown: the whole run, or the zoomed window (which slides with the run while following).
    std::pair<double, double> xWindow() const;

    const CTimeSeries& series_;
    std::array<QCheckBox*, kSeriesQuantities> boxes_{};
    std::array<CStrip, kSeriesQuantities> strips_{};
    QWidget* stripsWidget_;
    QComboBox* xUnit_;
    QCheckBox* follow_;
    int slot_ = 4;
    unsigned seenRestarts_ = 0;
    // The zoomed window in stored x (steps or seconds); width 0: the whole run.
    double zoomLow_ = 0.0, zoomWidth_ = 0.0;
    // Paused while showing the whole run, and not zoomed since.
    bool pausedWholeRun_ = false;
    bool drawnOnce_ = false;
    // Of each line, decimated at this redraw, in the quantity's unit; one line's as its axis draws them.
    std::array<QList<QPointF>, kSeriesQuantities> points_;
    QList<QPointF> drawn_;
    std::array<CBlockExtremes, kSeriesQuantities> extremes_;
};
