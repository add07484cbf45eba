// SPDX-License-Identifier: GPL-3.0-or-later
// Decimation of long lines to the pixel columns of a chart: every column's
// lowest and highest sample and the ends of the range survive, the points
// stay under their bound, the block summaries kept between redraws give the
// very points a full scan gives, the time series chart of 100,000
// samples draws few points while its CSV still holds every sample, and
// its lines lie in their strips where their numbers put them.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <random>

#include "SIM/measure/CTimeSeries.h"
#include "UI/CChartDecimation.h"
#include "UI/CRoundAxis.h"
#include "UI/CTimeSeriesChart.h"
#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"

namespace {
// Irregularly spaced, noisy samples with a few spikes one sample wide.
void makeSamples(std::size_t count, std::vector<double>& x, std::vector<double>& y, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> gap(0.5, 1.5), noise(-1.0, 1.0);
    x.assign(count, 0.0);
    y.assign(count, 0.0);
    for (std::size_t k = 0; k < count; k++) {
        x[k] = (k == 0 ? 0.0 : x[k - 1]) + gap(random);
        y[k] = std::sin(k * 1e-4) + 0.1 * noise(random);
    }
    for (std::size_t k = 777; k < count; k += 9973) y[k] = (k % 2 ? 40.0 : -40.0);
}

// The column of x as the eye sees it: the pixel the sample falls in.
int columnOf(double x, double low, double high, int columns)
{
    return std::clamp(static_cast<int>(std::floor((x - low) / (high - low) * columns)), 0, columns - 1);
}

// Checks the decimated points of samples [first, last) against the samples themselves.
void expectEnvelopeKept(const std::vector<double>& x, const std::vector<double>& y, std::size_t first,
                        std::size_t last, double low, double high, int columns, const QList<QPointF>& out)
{
    ASSERT_FALSE(out.empty());
    EXPECT_LE(static_cast<std::size_t>(out.size()), decimatedPointsBound(columns));
    EXPECT_EQ(out.front(), QPointF(x[first], y[first])) << "the line starts at the first sample";
    EXPECT_EQ(out.back(), QPointF(x[last - 1], y[last - 1])) << "and ends at the last";
    std::map<double, double> sampleAt;
    for (std::size_t k = first; k < last; k++) sampleAt[x[k]] = y[k];
    for (qsizetype k = 0; k < out.size(); k++) {
        ASSERT_EQ(sampleAt.count(out[k].x()), 1u) << "only samples are drawn";
        EXPECT_EQ(sampleAt[out[k].x()], out[k].y());
        if (k > 0) {
            ASSERT_GT(out[k].x(), out[k - 1].x()) << "in sample order, each once";
        }
    }
    std::vector<double> lowest(columns, std::numeric_limits<double>::infinity());
    std::vector<double> highest(columns, -std::numeric_limits<double>::infinity());
    for (std::size_t k = first; k < last; k++) {
        const int c = columnOf(x[k], low, high, columns);
        lowest[c] = std::min(lowest[c], y[k]);
        highest[c] = std::max(highest[c], y[k]);
    }
    std::vector<double> drawnLowest(columns, std::numeric_limits<double>::infinity());
    std::vector<double> drawnHighest(columns, -std::numeric_limits<double>::infinity());
    for (const QPointF& p : out) {
        const int c = columnOf(p.x(), low, high, columns);
        drawnLowest[c] = std::min(drawnLowest[c], p.y());
        drawnHighest[c] = std::max(drawnHighest[c], p.y());
    }
    for (int c = 0; c < columns; c++) {
        ASSERT_EQ(drawnLowest[c], lowest[c]) << "column " << c << " of " << columns;
        ASSERT_EQ(drawnHighest[c], highest[c]) << "column " << c << " of " << columns;
    }
}
}  // namespace

TEST(ChartDecimation, AHundredThousandSamplesBecomeAFewPointsPerColumnAndKeepTheirPeaks)
{
    std::vector<double> x(100000), y(100000);
    for (std::size_t k = 0; k < x.size(); k++) {
        x[k] = static_cast<double>(k);
        y[k] = std::sin(k * 1e-3);
    }
    y[54321] = 50.0;  // a spike one sample wide
    y[12345] = -50.0;
    QList<QPointF> out;
    const auto [first, last] = visibleRange(x, 0.0, 99999.0);
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 100000u);
    decimateToColumns(x, y, first, last, 0.0, 99999.0, 800, 1.0, out);
    EXPECT_LE(out.size(), 4 * 800);
    EXPECT_GE(out.size(), 800);
    EXPECT_TRUE(out.contains(QPointF(54321.0, 50.0)));
    EXPECT_TRUE(out.contains(QPointF(12345.0, -50.0)));
    EXPECT_EQ(out.front(), QPointF(0.0, 0.0));
    EXPECT_EQ(out.back().x(), 99999.0);
    for (qsizetype k = 1; k < out.size(); k++) ASSERT_GT(out[k].x(), out[k - 1].x()) << "in sample order";

    const auto [a, b] = visibleRange(x, 10.5, 20.0);
    EXPECT_EQ(a, 11u);
    EXPECT_EQ(b, 21u);
    decimateToColumns(x, y, a, b, 10.5, 20.0, 800, 2.0, out);
    ASSERT_EQ(out.size(), 10) << "few samples are all kept";
    EXPECT_EQ(out.front(), QPointF(22.0, y[11]));
}

TEST(ChartDecimation, EveryColumnKeepsItsLowestAndHighestSampleAndTheLineItsEnds)
{
    std::vector<double> x, y;
    makeSamples(100000, x, y, 7);
    QList<QPointF> out;
    for (int columns : {1, 3, 711, 1920, 20000}) {
        SCOPED_TRACE(columns);
        decimateToColumns(x, y, 0, x.size(), x.front(), x.back(), columns, 1.0, out);
        expectEnvelopeKept(x, y, 0, x.size(), x.front(), x.back(), columns, out);
        EXPECT_LE(out.size(), 2 * columns + 2) << "100,000 samples never reach the chart";
    }
    // A zoomed window between samples, its ends not on column edges.
    const double low = 31234.5, high = 52345.25;
    const auto [first, last] = visibleRange(x, low, high);
    decimateToColumns(x, y, first, last, low, high, 640, 1.0, out);
    expectEnvelopeKept(x, y, first, last, low, high, 640, out);
    EXPECT_GT(x[first], low);
    EXPECT_LT(x[last - 1], high);

    // Unit change on the way out; few samples are all kept as they are.
    decimateToColumns(x, y, 10, 20, x[10], x[19], 640, 1e12, out);
    ASSERT_EQ(out.size(), 10);
    for (int k = 0; k < 10; k++) EXPECT_EQ(out[k], QPointF(x[10 + k] * 1e12, y[10 + k]));
    decimateToColumns(x, y, 5, 5, 0.0, 1.0, 640, 1.0, out);
    EXPECT_TRUE(out.isEmpty());
}

TEST(ChartDecimation, BlocksKeptBetweenRedrawsGiveThePointsAFullScanGives)
{
    std::vector<double> x, y;
    makeSamples(50000, x, y, 11);
    // Ties and gaps in the measurements: equal runs and NaN, also at block and column starts.
    for (std::size_t k = 1000; k < 1100; k++) y[k] = 0.25;
    for (std::size_t k : {0u, 16u, 17u, 4096u, 4097u, 30001u}) y[k] = std::nan("");
    std::vector<double> growingX, growingY;
    CBlockExtremes blocks;
    QList<QPointF> scanned, summarised;
    // Both ways over samples [a, b) must pick the same samples.
    auto expectSamePoints = [&](std::size_t a, std::size_t b, double high) {
        decimateToColumns(growingX, growingY, a, b, growingX[a], high, 300, 1.0, scanned);
        decimateToColumns(growingX, growingY, a, b, growingX[a], high, 300, 1.0, summarised, &blocks);
        ASSERT_EQ(summarised.size(), scanned.size()) << growingY.size();
        for (qsizetype k = 0; k < scanned.size(); k++) {
            ASSERT_EQ(summarised[k].x(), scanned[k].x()) << growingY.size();
            if (!std::isnan(scanned[k].y())) {
                ASSERT_EQ(summarised[k].y(), scanned[k].y()) << growingY.size();
            }
        }
    };
    std::mt19937 random(3);
    // The series grows by a few samples before each redraw, as it does while the run goes on.
    for (std::size_t size = 1; size <= x.size(); size += 1 + random() % 997) {
        growingX.assign(x.begin(), x.begin() + static_cast<long>(size));
        growingY.assign(y.begin(), y.begin() + static_cast<long>(size));
        blocks.follow(growingY, 1);
        const double low = growingX.front(), high = growingX.back() + (size == 1 ? 1.0 : 0.0);
        const auto [first, last] = visibleRange(growingX, low + 0.3 * (high - low), high);
        expectSamePoints(0, size, high);
        if (first < last) expectSamePoints(first, last, high);
    }
    // Samples changed in place (the version changes, as when the series start
    // again): the old blocks, whose lowest is now the highest, must not be read.
    for (double& value : growingY) value = -value;
    blocks.follow(growingY, 2);
    expectSamePoints(0, growingY.size(), growingX.back());
    // A column whose first sample is missing still shows its numbers.
    const auto [lowest, highest] = blocks.extremes(growingY, 16, 40);
    EXPECT_FALSE(std::isnan(growingY[lowest]));
    EXPECT_FALSE(std::isnan(growingY[highest]));
}

TEST_F(UiWindowTest, ATimeSeriesOfAHundredThousandSamplesDrawsAFewPointsAndExportsThemAll)
{
    CTimeSeries series(200000);
    s->setRecordType(CRecordKind::instant);
    // One copy of the state, changed and put in place for every sample (a
    // new copy each time made the sanitized run outlast its limit).
    const auto state = std::make_unique<CSimulationState>(s->state());
    for (unsigned k = 1; k <= 100000; k++) {
        state->clock.iterations = 100 * k;
        state->clock.elapsedTime = state->clock.iterations * state->clock.timeStep;
        state->outputs.TCTemperature[4] = 300.0 + (k == 54321 ? 500.0 : 10.0 * std::sin(k * 1e-3));
        s->restoreState(*state);
        series.sample(s->state());
    }
    ASSERT_EQ(series.size(), 100000u);
    CTimeSeriesChart chart(*s, platform, series);
    chart.resize(900, 520);
    chart.show();
    settle(10);
    chart.refresh();
    const QList<QPointF> line = chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature));
    const int columns = static_cast<int>(chart.stripChart(CSeriesQuantity::temperature)->plotArea().width() * chart.devicePixelRatioF());
    ASSERT_GT(columns, 300);
    EXPECT_LE(static_cast<std::size_t>(line.size()), decimatedPointsBound(columns));
    EXPECT_GE(line.size(), columns) << "no coarser than the pixels";
    EXPECT_TRUE(line.contains(QPointF(series.seconds()[54320] * 1e12, 800.0))) << "the spike is drawn";
    EXPECT_EQ(line.back().x(), chart.timeAxis()->ticks().high);
    EXPECT_FALSE(chart.stripView(CSeriesQuantity::temperature)->renderHints().testFlag(QPainter::Antialiasing)) << "a dense line is not smoothed";

    // Paused and then widened, the same samples are decimated to the new width.
    chart.setFollowing(false);
    chart.resize(1500, 520);
    settle(50);
    const int wider = static_cast<int>(chart.stripChart(CSeriesQuantity::temperature)->plotArea().width() * chart.devicePixelRatioF());
    ASSERT_GT(wider, columns + 300);
    EXPECT_GE(chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).size(), wider);
    EXPECT_LE(static_cast<std::size_t>(chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).size()),
              decimatedPointsBound(wider));
    chart.setFollowing(true);
    EXPECT_EQ(chart.timeAxis()->ticks().low, series.seconds().front() * 1e12) << "resumed on the whole run, oldest included";

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("series.csv"));
    ASSERT_TRUE(chart.exportCsv(csv));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), 100001) << "the header and every sample, not the points drawn";

    chart.zoomBy(1e-4, chart.timeAxis()->ticks().high);
    EXPECT_LT(chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).size(), 100);
    EXPECT_TRUE(chart.stripView(CSeriesQuantity::temperature)->renderHints().testFlag(QPainter::Antialiasing)) << "a sparse one is";
}

namespace {
// A time series chart of samples made to order, painted as screens of
// device pixel ratio 1 and 2 show it, its lines found by their colours.
class PlotPixelsTest : public UiWindowTest {
protected:
    CTimeSeries series{200000};
    std::unique_ptr<CTimeSeriesChart> chart;

    void SetUp() override
    {
        UiWindowTest::SetUp();
        s->setRecordType(CRecordKind::instant);
        chart = std::make_unique<CTimeSeriesChart>(*s, platform, series);
        chart->resize(900, 520);
        chart->show();
        settle(10);
    }

    // Samples one display of 100 steps apart; temperature in K, total energy in J.
    void addSamples(int count, const std::function<double(std::size_t)>& temperature, double energy)
    {
        // One copy of the state, changed and put in place for every sample
        // (a new copy each time made the sanitized run outlast its limit).
        const auto state = std::make_unique<CSimulationState>(s->state());
        for (int k = 0; k < count; k++) {
            state->clock.iterations = 100 * static_cast<unsigned>(series.size() + 1);
            state->clock.elapsedTime = state->clock.iterations * state->clock.timeStep;
            state->outputs.TCTemperature[4] = temperature(series.size());
            state->outputs.TCTEnergy[4] = energy;
            s->restoreState(*state);
            series.sample(s->state());
        }
        chart->refresh();
        settle(10);
    }

    void showOnly(CSeriesQuantity shown)
    {
        for (int q = 0; q < kSeriesQuantities; q++) chart->setQuantityShown(CSeriesQuantity(q), q == int(shown));
        settle(10);
    }

    // A strip's scene painted as its view paints it on a screen of this pixel ratio.
    QImage pictureAt(double ratio, CSeriesQuantity q) const
    {
        CZoomChartView* view = chart->stripView(q);
        const QSize size = view->viewport()->size();
        QImage image(size * ratio, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHints(view->renderHints());
        view->scene()->render(&painter, QRectF(QPointF(), QSizeF(size) * ratio), QRectF(QPointF(), size));
        image.setDevicePixelRatio(ratio);
        return image;
    }

    // The strip's plot area in the picture's pixels.
    QRectF plotArea(double ratio, CSeriesQuantity q) const
    {
        const QRectF area = chart->stripChart(q)->plotArea();
        return QRectF(area.topLeft() * ratio, area.size() * ratio);
    }

    // The middle of the pixels in a line's colour in column x, within the plot area, or -1.
    double lineRow(const QImage& image, int x, CSeriesQuantity q) const
    {
        const double ratio = image.devicePixelRatio();
        const QRectF area = plotArea(ratio, q);
        const QColor colour = colourOf(q);
        int first = -1, last = -1;
        for (int y = static_cast<int>(area.top() - 2 * ratio); y < static_cast<int>(area.bottom() + 2 * ratio); y++) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) < 60) {
                if (first < 0) first = y;
                last = y;
            }
        }
        return first < 0 ? -1.0 : 0.5 * (first + last + 1);
    }
    QColor colourOf(CSeriesQuantity q) const { return chart->lineFor(q)->color(); }
};
}  // namespace

// A constant lies on the middle row of its axis, a ramp runs between the
// corners where its numbers put it, and following the run keeps the newest
// sample at the right edge, drawn at device pixel ratios 1 and 2.
TEST_F(PlotPixelsTest, LinesLieWhereTheirNumbersAre)
{
    // As a gas in equilibrium shows them: temperature and total energy
    // constant, both shown, each in the middle of its own strip, the strips
    // one above the other, as wide as each other and as high.
    addSamples(5000, [](std::size_t) { return 301.78872; }, 2.5e-18);
    showOnly(CSeriesQuantity::total);
    chart->setQuantityShown(CSeriesQuantity::temperature, true);
    settle(10);
    const CSeriesQuantity energy = CSeriesQuantity::total, temperature = CSeriesQuantity::temperature;
    EXPECT_GE(chart->stripView(temperature)->y(), chart->stripView(energy)->geometry().bottom()) << "stacked";
    EXPECT_EQ(plotArea(1, energy), plotArea(1, temperature)) << "aligned strips";
    for (CSeriesQuantity q : {energy, temperature}) {
        for (double ratio : {1.0, 2.0}) {
            const QImage picture = pictureAt(ratio, q);
            const QRectF area = plotArea(ratio, q);
            int drawn = 0;
            for (int k = 1; k < 20; k++) {
                const double row = lineRow(picture, static_cast<int>(area.left() + k * area.width() / 20), q);
                if (row < 0.0) continue;
                drawn++;
                EXPECT_NEAR(row, area.center().y(), 1.5 * ratio) << "ratio " << ratio << ", column " << k;
            }
            EXPECT_EQ(drawn, 19) << "ratio " << ratio << ": the line is drawn across the plot";
        }
    }

    // A ramp of 20,000 samples, decimated: at every tenth of the time the
    // line is where the axes put its sample, from the bottom left to the top right.
    series.clear();
    addSamples(20000, [](std::size_t k) { return 300.0 + 0.005 * static_cast<double>(k); }, 2.5e-18);
    showOnly(CSeriesQuantity::temperature);
    const CRoundTicks& x = chart->timeAxis()->ticks();
    const CRoundTicks& y = chart->axisFor(CSeriesQuantity::temperature)->ticks();
    for (double ratio : {1.0, 2.0}) {
        const QImage picture = pictureAt(ratio, temperature);
        const QRectF area = plotArea(ratio, temperature);
        for (int tenth = 0; tenth <= 10; tenth++) {
            const std::size_t k = std::min<std::size_t>(series.size() - 1, tenth * series.size() / 10);
            const double time = series.seconds()[k] * 1e12;
            const double column = area.left() + (time - x.low) / (x.high - x.low) * area.width();
            const double row = area.bottom() - (300.0 + 0.005 * k - y.low) / (y.high - y.low) * area.height();
            const int inside = std::clamp(static_cast<int>(column), static_cast<int>(area.left()) + 1,
                                          static_cast<int>(area.right()) - 1);
            EXPECT_NEAR(lineRow(picture, inside, temperature), row, 2.0 * ratio)
                << "ratio " << ratio << ", sample " << k;
        }
    }

    // Following, after the run has grown ten times longer, the newest sample is at the right edge.
    series.clear();
    addSamples(2000, [](std::size_t) { return 300.0; }, 2.5e-18);
    addSamples(18000, [](std::size_t k) { return 300.0 + 0.005 * static_cast<double>(k); }, 2.5e-18);
    ASSERT_TRUE(chart->following());
    for (double ratio : {1.0, 2.0}) {
        const QImage picture = pictureAt(ratio, temperature);
        const QRectF area = plotArea(ratio, temperature);
        int rightmost = -1;
        for (int column = static_cast<int>(area.left()); column < picture.width(); column++)
            if (lineRow(picture, column, temperature) >= 0.0) rightmost = column;
        EXPECT_NEAR(rightmost + 1, area.right(), 2.0 * ratio) << "ratio " << ratio;
    }
}
