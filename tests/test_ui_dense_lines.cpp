// SPDX-License-Identifier: GPL-3.0-or-later
// The time series' own line drawing: the pixels it covers against Qt's
// stroking of the same segments, the chart's picture against the one Qt
// Charts' line series give for the same points, and exports that show it.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QValueAxis>

#include <cmath>
#include <functional>

#include "SIM/CTimeSeries.h"
#include "UI/CDenseLinesItem.h"
#include "UI/CThickLineCoverage.h"
#include "UI/CTimeSeriesChart.h"
#include "support/ui/UiWindowFixture.h"

namespace {
constexpr QRgb kInk = 0xff1f77b4;

int countPixels(const QImage& image, const std::function<bool(int, int)>& counted)
{
    int n = 0;
    for (int y = 0; y < image.height(); y++)
        for (int x = 0; x < image.width(); x++) n += counted(x, y);
    return n;
}

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

QImage covered(const QPolygonF& line, QSize size)
{
    QImage image = blank(size);
    CThickLineCoverage coverage;
    coverage.cover(line, 1.0, size.width(), size.height());
    coverage.fill(image, kInk);
    return image;
}

// As Qt Charts strokes a line series: segment by segment, pen 2 wide, square caps, no smoothing.
QImage stroked(const QPolygonF& line, QSize size)
{
    QImage image = blank(size);
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(kInk), 2.0));
    for (qsizetype k = 1; k < line.size(); k++) painter.drawLine(line[k - 1], line[k]);
    return image;
}
}  // namespace

TEST(ThickLineCoverage, CoversThePixelsQtStrokesSegmentBySegment)
{
    const QSize size(120, 80);
    // A flat line covers the two rows whose centres are within a pixel of it, a
    // steep one two columns, each reaching a pixel beyond its ends (square caps).
    const QImage flat = covered(QPolygonF{{10.0, 40.0}, {50.0, 40.0}}, size);
    EXPECT_EQ(countPixels(flat, [&](int x, int y) { return flat.pixel(x, y) == kInk; }), 42 * 2);
    EXPECT_EQ(flat.pixel(9, 39), kInk);
    EXPECT_EQ(flat.pixel(50, 40), kInk);
    EXPECT_NE(flat.pixel(51, 40), kInk);
    EXPECT_NE(flat.pixel(30, 41), kInk);
    const QImage steep = covered(QPolygonF{{60.0, 10.0}, {60.0, 30.0}}, size);
    EXPECT_EQ(countPixels(steep, [&](int x, int y) { return steep.pixel(x, y) == kInk; }), 2 * 22);
    EXPECT_EQ(stroked(QPolygonF{{60.0, 10.0}, {60.0, 30.0}}, size), steep);

    // A noisy line of two points per pixel column, a smooth stretch, a slope,
    // a line leaving the picture and a gap: nearly every pixel as Qt strokes it.
    QPolygonF line;
    unsigned seed = 7;
    for (int column = 0; column < 110; column++)
        for (int k = 0; k < 2; k++) {
            seed = seed * 1103515245u + 12345u;
            const double wobble = (seed >> 16) % 1000 / 1000.0;
            double y = column < 40 ? 5.0 + 70.0 * wobble : column < 70 ? 40.0 + 20.0 * std::sin(column * 0.2)
                                                                       : 120.0 - column * (1.0 + 0.3 * wobble);
            line << QPointF(3.3 + column + 0.45 * k + 0.3 * wobble, y);
        }
    const QImage ours = covered(line, size);
    const QImage qts = stroked(line, size);
    const int inked = countPixels(qts, [&](int x, int y) { return qts.pixel(x, y) == kInk; });
    const int differing = countPixels(ours, [&](int x, int y) { return ours.pixel(x, y) != qts.pixel(x, y); });
    EXPECT_GT(inked, 2000);
    EXPECT_LT(differing, inked / 100) << "of " << inked;

    line[100].setY(std::nan(""));
    const QImage gap = covered(line, size);
    EXPECT_LT(countPixels(gap, [&](int x, int y) { return gap.pixel(x, y) == kInk; }),
              countPixels(ours, [&](int x, int y) { return ours.pixel(x, y) == kInk; }))
        << "the segments on either side of a NaN are left out";
}

namespace {
class DenseLinesTest : public UiWindowTest {
protected:
    QTemporaryDir dir;

    // A chart of total energy and temperature over samples noisy enough to fill their band.
    std::unique_ptr<CTimeSeriesChart> chartOf(CTimeSeries& series, std::size_t samples, double energy = -4.1e-18)
    {
        s->setRecordType(0);
        for (unsigned k = 1; k <= samples; k++) {
            s->iterations = 100 * k;
            s->elapsedTime = s->iterations * s->getTimeStep();
            s->TCTemperature[4] = 300.0 + 10.0 * ((k * 7919) % 101) / 101.0;
            s->TCTEnergy[4] = energy * (1.0 + 1e-3 * ((k * 104729) % 37) / 37.0);  // J
            series.sample(*s);
        }
        auto chart = std::make_unique<CTimeSeriesChart>(*s, platform, series);
        chart->resize(900, 520);
        chart->show();
        settle(10);
        chart->refresh();
        settle(10);
        return chart;
    }

    // The chart as shown, and with the same points handed to its line series instead.
    static std::pair<QImage, QImage> ownAndQtCharts(CTimeSeriesChart& chart)
    {
        const QImage own = chart.chartView()->grab().toImage();
        for (CSeriesQuantity q : {CSeriesQuantity::total, CSeriesQuantity::temperature}) {
            QList<QPointF> points;
            chart.drawnLines()->swapPoints(chart.lineFor(q), points);
            chart.lineFor(q)->replace(points);
        }
        QApplication::processEvents();
        return {own, chart.chartView()->grab().toImage()};
    }

    // Pixels of about the temperature line's colour (smoothed edges blend it with what is under them).
    static int linePixels(const QImage& image, const CTimeSeriesChart& chart)
    {
        const QColor colour = chart.lineFor(CSeriesQuantity::temperature)->color();
        return countPixels(image, [&](int x, int y) {
            const QColor pixel = image.pixelColor(x, y);
            return std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                       std::abs(pixel.blue() - colour.blue()) < 60;
        });
    }
};
}  // namespace

TEST_F(DenseLinesTest, TheChartLooksAsWhenQtChartsDrewTheSamePoints)
{
    for (std::size_t samples : {40u, 20000u}) {
        CTimeSeries series(samples + 1);
        auto chart = chartOf(series, samples);
        ASSERT_TRUE(chart->lineFor(CSeriesQuantity::temperature)->points().isEmpty()) << "the series hold no points";
        const auto [own, qtCharts] = ownAndQtCharts(*chart);
        ASSERT_EQ(own.size(), qtCharts.size());
        const int drawn = linePixels(qtCharts, *chart);
        EXPECT_GT(drawn, samples > 100 ? 20000 : 500) << samples << " samples";
        const int differing = countPixels(own, [&](int x, int y) { return own.pixel(x, y) != qtCharts.pixel(x, y); });
        EXPECT_LE(differing, drawn / 100) << samples << " samples: " << differing << " of " << drawn;
    }
}

TEST_F(DenseLinesTest, ExportedPicturesShowTheLinesAsOnScreen)
{
    CTimeSeries series(20001);
    auto chart = chartOf(series, 20000);
    const QImage screen = chart->grab(chart->exportedArea()).toImage();  // the chart and its caption
    ASSERT_TRUE(chart->exportPng(dir.filePath(QStringLiteral("lines.png"))));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("lines.png"))).convertToFormat(screen.format()), screen);

    ASSERT_TRUE(chart->exportSvg(dir.filePath(QStringLiteral("lines.svg"))));
    QSvgRenderer svg(dir.filePath(QStringLiteral("lines.svg")));
    ASSERT_TRUE(svg.isValid());
    QImage drawing = blank(screen.size());
    QPainter painter(&drawing);
    svg.render(&painter);
    painter.end();
    // Drawn as vector strokes, the line fills much the same pixels.
    const int onScreen = linePixels(screen, *chart);
    const int inDrawing = linePixels(drawing, *chart);
    EXPECT_GT(onScreen, 20000);
    EXPECT_NEAR(inDrawing, onScreen, onScreen / 10);
}

// A quantity that stays zero (the potential energy with no potential on, a
// term that never moves) is drawn across the middle of an axis around zero.
TEST_F(DenseLinesTest, ALineThatStaysAtZeroIsDrawnOnAnAxisAroundIt)
{
    CTimeSeries series(2001);
    auto chart = chartOf(series, 2000, 0.0);
    QValueAxis* energyAxis = nullptr;
    for (QAbstractAxis* axis : chart->lineFor(CSeriesQuantity::total)->attachedAxes())
        if (axis->orientation() == Qt::Vertical) energyAxis = qobject_cast<QValueAxis*>(axis);
    ASSERT_NE(energyAxis, nullptr);
    EXPECT_TRUE(energyAxis->isVisible());
    EXPECT_LT(energyAxis->min(), 0.0);
    EXPECT_GT(energyAxis->max(), 0.0);
    EXPECT_GT(energyAxis->max() - energyAxis->min(), 1e-3) << "ordinary numbers on its ticks";
    chart->setQuantityShown(CSeriesQuantity::temperature, false);
    QApplication::processEvents();
    const QImage picture = chart->chartView()->grab().toImage();
    const QRgb colour = chart->lineFor(CSeriesQuantity::total)->color().rgb();
    const QRectF area = chart->chart()->plotArea();
    int drawn = 0;
    for (int x = static_cast<int>(area.left()) + 2; x < static_cast<int>(area.right()) - 2; x++)
        for (int y = static_cast<int>(area.center().y()) - 3; y <= static_cast<int>(area.center().y()) + 3; y++)
            drawn += picture.pixel(x, y) == colour;
    EXPECT_GT(drawn, area.width() / 2) << "the line runs across the middle";
}
