// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the Plots window costs: one g(r) count against one display of
// the engine, the pictures per second of a running window with the Plots
// window closed and open on each chart, taking turns in one run so the ratios
// share a load, and one redraw of the time series with 100,000 samples
// (its lines drawn by the chart's own item, the same points handed to Qt
// Charts' line series, smoothed, every sample) with how far the
// pictures are from each other. With a folder, it also leaves each chart
// there as PNG, SVG and CSV, the pictures compared, and a picture of both
// windows side by side, to look at.
//   build/bench/bench_plots [simulation file [folder]]
#include <QApplication>
#include <QLatin1Char>
#include <QLineSeries>
#include <QPen>
#include <QFileInfo>
#include <QImage>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "BenchTiming.h"
#include "SIM/CPlatform.h"
#include "SIM/CRadialDistribution.h"
#include "SIM/CSimulation.h"
#include "SIM/CTimeSeries.h"
#include "UI/CChartDecimation.h"
#include "UI/CChartUnits.h"
#include "UI/CDenseLinesItem.h"
#include "UI/CPlotsWindow.h"
#include "UI/CRadialDistributionChart.h"
#include "UI/CSpeedDistributionChart.h"
#include "UI/CTimeSeriesChart.h"
#include "UI/CUIView.h"
#include "UI/CUIWindow.h"

namespace {
using bench::Clock;
using bench::median;
using bench::millisecondsSince;

void costOfGofR(CSimulation& s)
{
    CRadialDistribution rdf;
    std::vector<double> display, count;
    for (int k = 0; k < 20; k++) {
        auto start = Clock::now();
        s.MDCALCIterate();
        display.push_back(millisecondsSince(start));
        start = Clock::now();
        rdf.accumulate(s);
        count.push_back(millisecondsSince(start));
    }
    std::printf("g(r), all %d atoms, %d bins: %.2f ms a count; one display of the engine %.2f ms; "
                "counting every display would cost %.1f %%\n",
                s.totalAtoms, rdf.bins(), median(count), median(display), 100.0 * median(count) / median(display));
}

// Counts the paint events a widget receives, to show one redraw paints once.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) paints++;
        return false;
    }
};

struct RedrawCost {
    double update = 0.0, paint = 0.0;
    double paintsPerRedraw = 0.0;
    int points = 0;
};

// One redraw as the window makes it: the chart takes the measurements, then
// the event loop lays the scene out and paints it once.
RedrawCost costOfRedraws(CTimeSeriesChart& chart, const std::function<void()>& update)
{
    PaintCounter counter;
    chart.chartView()->viewport()->installEventFilter(&counter);
    std::vector<double> updates, paints;
    const int redraws = 30;
    for (int k = 0; k < redraws; k++) {
        auto begin = Clock::now();
        update();
        updates.push_back(millisecondsSince(begin));
        begin = Clock::now();
        QApplication::processEvents();
        paints.push_back(millisecondsSince(begin));
    }
    chart.chartView()->viewport()->removeEventFilter(&counter);
    return {*std::min_element(updates.begin(), updates.end()), *std::min_element(paints.begin(), paints.end()),
            double(counter.paints) / redraws,
            static_cast<int>(std::max<qsizetype>(chart.lineFor(CSeriesQuantity::temperature)->count(),
                                      chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).size()))};
}

void printRedrawCost(const char* name, const RedrawCost& cost, double reference)
{
    std::printf("  %-44s %6d points  update %6.2f ms  layout and paint %6.2f ms  together %6.2f ms (%.2fx)  %.1f "
                "paints\n",
                name, cost.points, cost.update, cost.paint, cost.update + cost.paint,
                (cost.update + cost.paint) / reference, cost.paintsPerRedraw);
}

// Decimating one quantity of the series from scratch against reading the
// blocks summarised at earlier redraws.
void costOfDecimation(const CTimeSeries& series, int columns)
{
    const std::vector<double>& x = series.seconds();
    const std::vector<double>& y = series.values(CSeriesQuantity::temperature, 4);
    CBlockExtremes blocks;
    blocks.follow(y, 0);
    QList<QPointF> points;
    std::vector<double> scanned, summarised;
    for (int k = 0; k < 30; k++) {
        auto begin = Clock::now();
        decimateToColumns(x, y, 0, x.size(), x.front(), x.back(), columns, 1e12, points);
        scanned.push_back(millisecondsSince(begin));
        begin = Clock::now();
        blocks.follow(y, 0);
        decimateToColumns(x, y, 0, x.size(), x.front(), x.back(), columns, 1e12, points, &blocks);
        summarised.push_back(millisecondsSince(begin));
    }
    const double best[2] = {*std::min_element(scanned.begin(), scanned.end()),
                            *std::min_element(summarised.begin(), summarised.end())};
    std::printf("  decimating one quantity to %d columns: every sample scanned %.3f ms, from the blocks %.3f ms "
                "(%.2fx)\n",
                columns, best[0], best[1], best[1] / best[0]);
}

// Pixels that differ between two pictures of the same size.
int differingPixels(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); y++)
        for (int x = 0; x < a.width(); x++) differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

// The chart's series hold no points while its own item draws them.
void emptySeries(CTimeSeriesChart& chart)
{
    for (int q = 0; q < kSeriesQuantities; q++)
        if (chart.lineFor(CSeriesQuantity(q))->count() > 0) chart.lineFor(CSeriesQuantity(q))->clear();
}

// The points the chart's item would draw handed to Qt Charts' line series
// instead: the drawing the item is weighed against.
void handPointsToSeries(CTimeSeriesChart& chart)
{
    for (int q = 0; q < kSeriesQuantities; q++) {
        QLineSeries* line = chart.lineFor(CSeriesQuantity(q));
        QList<QPointF> points;
        chart.drawnLines()->swapPoints(line, points);
        if (!points.isEmpty()) line->replace(points);
    }
}

const CSeriesQuantity kDrawn[2] = {CSeriesQuantity::total, CSeriesQuantity::temperature};

// Every sample of the two quantities the bench draws, in the chart's units.
std::array<QList<QPointF>, 2> everySample(const CTimeSeries& series)
{
    std::array<QList<QPointF>, 2> every;
    for (int q = 0; q < 2; q++)
        for (std::size_t k = 0; k < series.size(); k++)
            every[q].append(QPointF(series.seconds()[k] * 1e12,
                                    series.values(kDrawn[q], 4)[k] * chartUnitOf(kDrawn[q]).perSI));
    return every;
}

void drawEverySample(CTimeSeriesChart& chart, const std::array<QList<QPointF>, 2>& every)
{
    for (int q = 0; q < 2; q++) {
        QList<QPointF> points = every[q];
        chart.drawnLines()->swapPoints(chart.lineFor(kDrawn[q]), points);
    }
}

// The chart of the same samples with its lines drawn by its own item, by Qt
// Charts' line series, and with every sample drawn, smoothed or
// not: how many pixels differ (saved with a folder).
void comparePictures(CTimeSeriesChart& chart, const CTimeSeries& series, const QString& folder)
{
    const std::array<QList<QPointF>, 2> every = everySample(series);
    const auto picture = [&] {
        QApplication::processEvents();
        return chart.chartView()->grab().toImage();
    };
    for (bool smooth : {false, true}) {
        emptySeries(chart);
        chart.refresh();
        chart.chartView()->setRenderHint(QPainter::Antialiasing, smooth);
        const QImage ownItem = picture();
        handPointsToSeries(chart);
        const QImage qtCharts = picture();
        emptySeries(chart);
        drawEverySample(chart, every);
        const QImage full = picture();
        const long long pixels = static_cast<long long>(full.width()) * full.height();
        std::printf("  %s: the chart's own lines differ from the same points drawn by Qt Charts in %d of %lld pixels, "
                    "the decimated lines from every sample in %d\n",
                    smooth ? "smoothed" : "as drawn", differingPixels(ownItem, qtCharts), pixels,
                    differingPixels(ownItem, full));
        if (folder.isEmpty()) continue;
        const QString stem =
            folder + (smooth ? QStringLiteral("/time-series-smoothed-") : QStringLiteral("/time-series-"));
        ownItem.save(stem + QStringLiteral("decimated.png"));
        qtCharts.save(stem + QStringLiteral("decimated-by-qt-charts.png"));
        full.save(stem + QStringLiteral("every-sample.png"));
    }
    emptySeries(chart);
}

void costOfTimeSeriesChart(CSimulation& s, CPlatform& platform, const QString& folder)
{
    // Room to add a sample before every redraw, as the running window does, without thinning.
    CTimeSeries series(200000);
    s.setRecordType(0);
    const unsigned start = s.iterations;
    int added = 0;
    const double energy = s.getTCTEnergy(4);
    auto addSample = [&] {
        added++;
        s.iterations = start + 100u * static_cast<unsigned>(added);
        s.elapsedTime = s.iterations * s.getTimeStep();
        s.TCTemperature[4] = 300.0 + 10.0 * ((added * 7919) % 101) / 101.0;
        s.TCTEnergy[4] = energy * (1.0 + 1e-3 * ((added * 104729) % 37) / 37.0);
        series.sample(s);
    };
    while (series.size() < 100000) addSample();
    CTimeSeriesChart chart(s, platform, series);
    chart.resize(900, 520);
    chart.show();
    QApplication::processEvents();
    chart.refresh();
    QApplication::processEvents();
    std::printf("time series with %zu samples and one more before each redraw, 2 quantities, plot area %.0f pixels "
                "wide (best of 30 redraws; ratios to the lines handed to Qt Charts' line series, as before):\n",
                series.size(), chart.chart()->plotArea().width());
    costOfDecimation(series, static_cast<int>(chart.chart()->plotArea().width()));
    const auto redraw = [&] {
        emptySeries(chart);
        addSample();
        chart.refresh();
    };
    const auto asBefore = [&] {
        redraw();
        handPointsToSeries(chart);
    };
    const RedrawCost ownItem = costOfRedraws(chart, redraw);
    const RedrawCost before = costOfRedraws(chart, asBefore);
    const double reference = before.update + before.paint;
    const double total = ownItem.update + ownItem.paint;
    // The same redraw with the lines smoothed, and with every sample drawn.
    const auto smoothed = [&] {
        redraw();
        chart.chartView()->setRenderHint(QPainter::Antialiasing, true);
    };
    const std::array<QList<QPointF>, 2> every = everySample(series);
    const auto undecimated = [&] {
        redraw();
        drawEverySample(chart, every);
    };
    for (int turn = 0; turn < 2; turn++) {
        printRedrawCost(turn == 0 ? "own item" : "own item, again", turn == 0 ? ownItem : costOfRedraws(chart, redraw),
                        reference);
        printRedrawCost(turn == 0 ? "Qt Charts' line series, as before" : "Qt Charts' line series, again",
                        turn == 0 ? before : costOfRedraws(chart, asBefore), reference);
        printRedrawCost("own item, antialiased", costOfRedraws(chart, smoothed), reference);
        printRedrawCost("own item, every sample", costOfRedraws(chart, undecimated), reference);
    }
    std::printf("  target: under 2 ms a display for update and paint together; own item %.2f ms, Qt Charts' line "
                "series %.2f ms (%.2fx)\n",
                total, reference, total / reference);
    comparePictures(chart, series, folder);
}

// Displays of the running window: the steps, the view's drawing and, with
// the Plots window open, its measurements and one redraw of the chart shown.
double picturesPerSecond(CUIWindow& window, CPlotChart* shown, int displays)
{
    CPlotsWindow& plots = *window.PlotsWindow;
    if (shown) {
        plots.showChart(shown);
        if (!plots.isVisible()) plots.showBeside(&window);
    } else {
        plots.hide();
    }
    QApplication::processEvents();
    const auto start = Clock::now();
    for (int k = 0; k < displays; k++) {
        window.runTimerMethod();
        window.UIView->repaint();
        if (shown) {
            plots.refreshNow();
            shown->chartView()->repaint();
        }
    }
    return displays / (millisecondsSince(start) / 1000.0);
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral(QUORVEL_BENCH_DIR "/liquid-1600.txt");
    CConsolePlatform platform;
    CUIWindow window(platform);
    window.show();
    if (!window.openSimulationFile(path)) return 1;
    window.stop();
    window.resize(1000, 700 + (window.height() - window.UIView->height()));
    QApplication::processEvents();
    CSimulation& s = window.Simulation;
    std::printf("scene %s, %d atoms, %u steps per display\n", qPrintable(QFileInfo(path).fileName()), s.totalAtoms,
                s.getIPD());

    costOfGofR(s);

    CPlotsWindow& plots = *window.PlotsWindow;
    const struct {
        const char* name;
        CPlotChart* chart;
    } cases[] = {{"Plots window closed", nullptr},
                 {"open on the time series", plots.TimeSeriesChart},
                 {"open on the speed distribution", plots.SpeedDistributionChart},
                 {"open on g(r)", plots.RadialDistributionChart}};
    std::vector<double> best(4, 0.0);
    s.setRunFlag(1);
    for (int turn = 0; turn < 3; turn++)
        for (int c = 0; c < 4; c++) best[c] = std::max(best[c], picturesPerSecond(window, cases[c].chart, 15));
    s.setRunFlag(0);
    for (int c = 0; c < 4; c++)
        std::printf("%-32s %6.1f pictures per second (%.3f of closed)\n", cases[c].name, best[c], best[c] / best[0]);
    std::printf("g(r) counted every %d display(s) while open\n", plots.RadialDistributionChart->pace().every());

    if (argc > 2) {
        const QString folder = QString::fromLocal8Bit(argv[2]);
        for (CPlotChart* chart : plots.charts()) {
            plots.showChart(chart);
            QApplication::processEvents();
            const QString stem = folder + QLatin1Char('/') + chart->fileStem();
            chart->exportPng(stem + QStringLiteral(".png"));
            chart->exportSvg(stem + QStringLiteral(".svg"));
            chart->exportCsv(stem + QStringLiteral(".csv"));
        }
        window.grab().save(folder + QStringLiteral("/main-window.png"));
        plots.grab().save(folder + QStringLiteral("/plots-window.png"));
    }
    costOfTimeSeriesChart(s, platform, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    return 0;
}
