// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the Plots window costs: one g(r) count against one display of
// the engine, the pictures per second of a running window with the Plots
// window closed and open on each chart, taking turns in one run so the ratios
// share a load, and one redraw of the time series with 100,000 samples
// (decimated to the pixel columns, smoothed, every sample) with how far the
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
#include "BenchPlatform.h"
#include "SIM/measure/CRadialDistribution.h"
#include "SIM/model/CSimulation.h"
#include "support/StateEdit.h"
#include "SIM/measure/CTimeSeries.h"
#include "UI/CChartDecimation.h"
#include "UI/CChartUnits.h"
#include "UI/CPlotsWindow.h"
#include "UI/CRadialDistributionChart.h"
#include "UI/CRoundAxis.h"
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
        rdf.accumulate(s.state());
        count.push_back(millisecondsSince(start));
    }
    // The first g read works the reference out from the centres' spread.
    const auto start = Clock::now();
    const double first = rdf.g(0);
    const double reference = millisecondsSince(start);
    std::printf("g(r), all %d atoms, %d bins: %.2f ms a count; one display of the engine %.2f ms; "
                "counting every display would cost %.1f %%; the reference from the centres' spread %.2f ms "
                "(worked out again once the displays have grown by a quarter; g(0) = %g)\n",
                s.state().atoms.totalAtoms, rdf.bins(), median(count), median(display), 100.0 * median(count) / median(display),
                reference, first);
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
    double processor = 0.0;  // the thread's processor time for both, unlike the others not lengthened by a load
    double paintsPerRedraw = 0.0;
    int points = 0;
};

// The quantities the bench draws, as the window shows them first.
const CSeriesQuantity kDrawn[2] = {CSeriesQuantity::total, CSeriesQuantity::temperature};

// One redraw as the window makes it: the chart takes the measurements, then
// the event loop lays the scene out and paints it once.
RedrawCost costOfRedraws(CTimeSeriesChart& chart, const std::function<void()>& update)
{
    PaintCounter counter;
    for (CSeriesQuantity q : kDrawn) chart.stripView(q)->viewport()->installEventFilter(&counter);
    std::vector<double> updates, paints, processor;
    const int redraws = 30;
    for (int k = 0; k < redraws; k++) {
        const double cpu = bench::threadCpuMilliseconds();
        auto begin = Clock::now();
        update();
        updates.push_back(millisecondsSince(begin));
        begin = Clock::now();
        QApplication::processEvents();
        paints.push_back(millisecondsSince(begin));
        processor.push_back(bench::threadCpuMilliseconds() - cpu);
    }
    for (CSeriesQuantity q : kDrawn) chart.stripView(q)->viewport()->removeEventFilter(&counter);
    return {*std::min_element(updates.begin(), updates.end()), *std::min_element(paints.begin(), paints.end()),
            median(processor), double(counter.paints) / redraws,
            static_cast<int>(chart.lineFor(CSeriesQuantity::temperature)->count())};
}

void printRedrawCost(const char* name, const RedrawCost& cost)
{
    std::printf("  %-24s %6d points  update %6.2f ms  layout and paint %6.2f ms  together %6.2f ms  processor %6.2f "
                "ms  %.1f paints\n",
                name, cost.points, cost.update, cost.paint, cost.update + cost.paint, cost.processor,
                cost.paintsPerRedraw);
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

// Every sample, as its axis draws it, handed to the lines instead of the decimated points.
void drawEverySample(CTimeSeriesChart& chart, const std::array<QList<QPointF>, 2>& every)
{
    for (int q = 0; q < 2; q++) {
        QList<QPointF> points = every[q];
        const CRoundAxis* axis = chart.axisFor(kDrawn[q]);
        for (QPointF& p : points) p.setY(axis->drawn(p.y()));
        chart.lineFor(kDrawn[q])->replace(points);
    }
}

// The chart of the same samples with its lines decimated and with every
// sample drawn, smoothed or not: how many pixels differ (saved with a folder).
void comparePictures(CTimeSeriesChart& chart, const CTimeSeries& series, const QString& folder)
{
    const std::array<QList<QPointF>, 2> every = everySample(series);
    const auto picture = [&] {
        QApplication::processEvents();
        return chart.plotWidget()->grab().toImage();
    };
    for (bool smooth : {false, true}) {
        chart.refresh();
        for (CSeriesQuantity q : kDrawn) chart.stripView(q)->setRenderHint(QPainter::Antialiasing, smooth);
        const QImage decimated = picture();
        drawEverySample(chart, every);
        const QImage full = picture();
        const long long pixels = static_cast<long long>(full.width()) * full.height();
        std::printf("  %s: the decimated lines differ from every sample drawn in %d of %lld pixels\n",
                    smooth ? "smoothed" : "as drawn", differingPixels(decimated, full), pixels);
        if (folder.isEmpty()) continue;
        const QString stem =
            folder + (smooth ? QStringLiteral("/time-series-smoothed-") : QStringLiteral("/time-series-"));
        decimated.save(stem + QStringLiteral("decimated.png"));
        full.save(stem + QStringLiteral("every-sample.png"));
    }
}

void costOfTimeSeriesChart(CSimulation& s, CPlatform& platform, const QString& folder)
{
    // Room to add a sample before every redraw, as the running window does, without thinning.
    CTimeSeries series(200000);
    s.setRecordType(CRecordKind::instant);
    const unsigned start = s.state().clock.iterations;
    int added = 0;
    const double energy = s.getTCTEnergy(4);
    auto addSample = [&] {
        added++;
        StateEdit(s)->clock.iterations = start + 100u * static_cast<unsigned>(added);
        StateEdit(s)->clock.elapsedTime = s.state().clock.iterations * s.getTimeStep();
        StateEdit(s)->outputs.TCTemperature[4] = 300.0 + 10.0 * ((added * 7919) % 101) / 101.0;
        StateEdit(s)->outputs.TCTEnergy[4] = energy * (1.0 + 1e-3 * ((added * 104729) % 37) / 37.0);
        series.sample(s.state());
    };
    while (series.size() < 100000) addSample();
    CTimeSeriesChart chart(s, platform, series);
    chart.resize(900, 520);
    chart.show();
    QApplication::processEvents();
    chart.refresh();
    QApplication::processEvents();
    std::printf("time series with %zu samples and one more before each redraw, 2 quantities, plot area %.0f pixels "
                "wide (best of 30 redraws):\n",
                series.size(), chart.stripChart(CSeriesQuantity::temperature)->plotArea().width());
    costOfDecimation(series, static_cast<int>(chart.stripChart(CSeriesQuantity::temperature)->plotArea().width()));
    const auto redraw = [&] {
        addSample();
        chart.refresh();
    };
    // The same redraw with the lines smoothed, and with every sample drawn.
    const auto smoothed = [&] {
        redraw();
        for (CSeriesQuantity q : kDrawn) chart.stripView(q)->setRenderHint(QPainter::Antialiasing, true);
    };
    const std::array<QList<QPointF>, 2> every = everySample(series);
    const auto undecimated = [&] {
        redraw();
        drawEverySample(chart, every);
    };
    double best = 1e300, processor = 1e300;
    for (int turn = 0; turn < 2; turn++) {
        const RedrawCost decimated = costOfRedraws(chart, redraw);
        best = std::min(best, decimated.update + decimated.paint);
        processor = std::min(processor, decimated.processor);
        printRedrawCost(turn == 0 ? "decimated" : "decimated, again", decimated);
        printRedrawCost("decimated, antialiased", costOfRedraws(chart, smoothed));
        printRedrawCost("every sample", costOfRedraws(chart, undecimated));
    }
    std::printf("  target: under 5 ms a redraw for update, layout and paint together; best %.2f ms, median processor "
                "time %.2f ms\n",
                best, processor);
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
        do window.Document.runTimerMethod();
        while (window.Simulation.isDisplayUnderway());
        window.UIView->repaint();
        if (shown) {
            plots.refreshNow();
            shown->plotWidget()->repaint();
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
    CBenchPlatform platform;
    CUIWindow window(platform);
    window.show();
    if (!window.openSimulationFile(path)) return 1;
    window.stop();
    window.resize(1000, 700 + (window.height() - window.UIView->height()));
    QApplication::processEvents();
    CSimulation& s = window.Simulation;
    std::printf("scene %s, %d atoms, %u steps per display\n", qPrintable(QFileInfo(path).fileName()), s.state().atoms.totalAtoms,
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
    s.setRunState(CRunState::running);
    for (int turn = 0; turn < 3; turn++)
        for (int c = 0; c < 4; c++) best[c] = std::max(best[c], picturesPerSecond(window, cases[c].chart, 15));
    s.setRunState(CRunState::stopped);
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
