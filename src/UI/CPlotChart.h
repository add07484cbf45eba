// SPDX-License-Identifier: GPL-3.0-or-later
// One chart of the Plots window: a row of the chart's own controls above a
// Qt Charts view, and its exports (CSV of what is plotted, PNG, SVG). Each
// chart of the window derives from this and lives in its own file; the
// window holds them in tabs.
#pragma once

#include <QChart>
#include <QChartView>
#include <QString>
#include <QWidget>
#include <QXYSeries>

#include <string>

class CPlatform;
class CSimulation;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QToolButton;

// A chart view that reports wheel turns instead of scrolling: charts that
// zoom take them, the others ignore them.
class CZoomChartView : public QChartView {
    Q_OBJECT
public:
    using QChartView::QChartView;

signals:
    // factor below 1 zooms in; at: the x value under the pointer.
    void wheelZoom(double factor, double at);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

class CPlotChart : public QWidget {
    Q_OBJECT
public:
    CPlotChart(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);

    CSimulation& Simulation;
    CPlatform& Platform;

    // The tab's name, and the stem of the file names exports propose.
    virtual QString title() const = 0;
    virtual QString fileStem() const = 0;
    // After every display of the run, whether the chart is shown or not.
    virtual void displayAdvanced() {}
    // Draws the measurements anew.
    virtual void refresh() = 0;
    // The numbers plotted now, as CSV with a header row.
    virtual std::string csvText() const = 0;

    QChart* chart() const { return chart_; }
    CZoomChartView* chartView() const { return view_; }
    // The points drawn for one of the chart's series, in the units of its
    // quantity: as its axis labels read with the offset or power of ten the
    // axis title gives, where the axis has one.
    virtual QList<QPointF> pointsDrawn(const QXYSeries* line) const { return line->points(); }
    // The line under the controls that says what the chart shows.
    QLabel* captionLabel() const { return caption_; }

    // Each writes the file atomically; on failure the user sees an alert,
    // the target is left as it was, and the answer is false.
    bool exportCsv(const QString& path);
    bool exportPng(const QString& path);
    bool exportSvg(const QString& path);
    // The part of the chart a picture shows: the chart with its caption.
    QRect exportedArea() const;
    // What stands below the caption: the chart view, or the widget a chart
    // of several views put in its place.
    QWidget* plotWidget() const { return plotWidget_; }

public slots:
    void exportCsvAs() { exportAs("csv"); }
    void exportPngAs() { exportAs("png"); }
    void exportSvgAs() { exportAs("svg"); }

protected:
    // Adds one of the chart's own controls to the row above it, before the export button.
    void addControl(QWidget* control);
    // A further row of controls above that one, for charts with many.
    QHBoxLayout* addControlRow();
    void setCaption(const QString& text);
    // Puts a widget of the chart's own (several views) in place of the one view.
    void setPlotWidget(QWidget* widget);
    // The plot area lines are decimated to: the one chart's, or one of the
    // views' the chart puts in its place, all as wide.
    virtual QRectF linesArea() const { return chart_->plotArea(); }
    // The pixel columns of the plot area: what a line is decimated to.
    int pixelColumns() const;
    // Reports this chart's plot area changes through pixelColumnsChanged.
    void watchPlotArea(QChart* chart);
    // Smoothing a line of more points than there are pixel columns shows
    // nothing the eye would miss, and doubles the cost of painting it.
    void antialiasLinesUpTo(qsizetype longestLine, const QList<QChartView*>& views);
    void antialiasLinesUpTo(qsizetype longestLine) { antialiasLinesUpTo(longestLine, {view_}); }
    // The plot area came to another number of pixel columns (the window was
    // resized, or laid out after the first redraw): lines decimated to the
    // old number would look coarse or cost more than they show.
    virtual void pixelColumnsChanged() {}

private:
    void exportAs(const std::string& type);
    bool reportFailure(const QString& path, const QString& reason);

    QChart* chart_;
    CZoomChartView* view_;
    QWidget* plotWidget_;
    QVBoxLayout* column_;
    QHBoxLayout* controls_;
    QLabel* caption_;
    QToolButton* exportButton_;
    int laidOutColumns_ = 0;
};
