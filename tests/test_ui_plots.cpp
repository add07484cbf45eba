// SPDX-License-Identifier: GPL-3.0-or-later
// The Plots window: opening beside the main window, charts that follow the
// displayed type and the run, zoom and pause, decimation to the pixel width,
// and exports that parse back to the plotted numbers or fail with an alert.
#include <QAction>
#include <QAreaSeries>
#include <QComboBox>
#include <QLegendMarker>
#include <QDir>
#include <QFile>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>
#include <QLineSeries>
#include <QMenuBar>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QLogValueAxis>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "SIM/measure/CTimeSeries.h"
#include "UI/CChartDecimation.h"
#include "UI/CDiffusionChart.h"
#include "UI/CRoundAxis.h"
#include "UI/CEnergyLedgerChart.h"
#include "UI/CPlotsWindow.h"
#include "UI/CRadialDistributionChart.h"
#include "UI/CSpeedDistributionChart.h"
#include "UI/CTimeSeriesChart.h"
#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"

namespace {
std::vector<std::vector<double>> parseCsv(const QString& path, std::string& header)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::stringstream text(file.readAll().toStdString());
    std::getline(text, header);
    std::vector<std::vector<double>> rows;
    std::string line;
    while (std::getline(text, line)) {
        std::vector<double> row;
        std::stringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) row.push_back(std::strtod(cell.c_str(), nullptr));
        rows.push_back(row);
    }
    return rows;
}

// The Qt charts a chart of the window draws: the time series' shown strips, or its one chart.
QList<QChart*> chartsOf(CPlotChart* chart)
{
    auto* series = qobject_cast<CTimeSeriesChart*>(chart);
    if (!series) return {chart->chart()};
    QList<QChart*> strips;
    for (int q = 0; q < kSeriesQuantities; q++)
        if (series->quantityShown(CSeriesQuantity(q))) strips << series->stripChart(CSeriesQuantity(q));
    return strips;
}

class PlotsTest : public UiWindowTest {
protected:
    QTemporaryDir dir;
    CPlotsWindow* plots = nullptr;

    void SetUp() override
    {
        UiWindowTest::SetUp();
        plots = window->PlotsWindow;
        ASSERT_TRUE(s->setHalfWidth(2.5e-9));
        ASSERT_TRUE(s->setNumber(0, 30));
        ASSERT_TRUE(s->setNumber(1, 20));
        s->setRecordType(CRecordKind::timeConstant);
        ASSERT_TRUE(platform.alerts.empty());
    }

    QAction* plotsAction()
    {
        for (QAction* menu : window->menuBar()->actions())
            if (menu->text() == QStringLiteral("&Window") && menu->menu())
                for (QAction* item : menu->menu()->actions())
                    if (item->shortcut() == QKeySequence(QStringLiteral("Ctrl+Shift+P"))) return item;
        return nullptr;
    }

    // Displays of the run as the run timer makes them, in one slice or more each.
    void runDisplays(int count)
    {
        s->setRunState(CRunState::running);
        for (int k = 0; k < count; k++) {
            do window->Document.runTimerMethod();
            while (s->isDisplayUnderway());
        }
        s->setRunState(CRunState::stopped);
        plots->refreshNow();
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};
}  // namespace

TEST_F(PlotsTest, WindowPlotsOpensTheFiveChartsBesideTheMainWindow)
{
    QAction* open = plotsAction();
    ASSERT_NE(open, nullptr) << "Window > Plots with Ctrl+Shift+P";
    EXPECT_FALSE(plots->isVisible());
    // Room for both side by side on the (800 points wide) offscreen screen.
    window->move(0, 0);
    window->resize(250, 300);
    plots->resize(500, 400);
    open->trigger();
    settle(20);
    EXPECT_TRUE(plots->isVisible());
    EXPECT_EQ(plots->windowTitle(), QStringLiteral("Quorvel Plots"));
    EXPECT_TRUE(plots->isWindow());
    ASSERT_EQ(plots->charts().size(), 5u);
    EXPECT_EQ(plots->charts()[0], plots->TimeSeriesChart);
    EXPECT_EQ(plots->charts()[1], plots->SpeedDistributionChart);
    EXPECT_EQ(plots->charts()[2], plots->RadialDistributionChart);
    EXPECT_EQ(plots->charts()[3], plots->EnergyLedgerChart);
    EXPECT_EQ(plots->charts()[4], plots->DiffusionChart);
    const QRect main = window->frameGeometry(), beside = plots->frameGeometry();
    EXPECT_GT(beside.left(), main.right()) << "beside, not over the main window";
    EXPECT_EQ(beside.top(), main.top());
    // Every axis names its unit.
    for (CPlotChart* chart : plots->charts())
        for (QChart* drawing : chartsOf(chart))
        for (QAbstractAxis* axis : drawing->axes())
            EXPECT_TRUE(axis->titleText().contains('(') || axis->titleText() == QStringLiteral("Steps"))
                << axis->titleText().toStdString();
}

TEST_F(PlotsTest, TheChartsFollowTheDisplayedType)
{
    window->showPlots();
    runDisplays(4);
    EXPECT_EQ(plots->TimeSeriesChart->slot(), 4);
    window->cycleAtomType();  // A
    plots->refreshNow();
    EXPECT_EQ(plots->TimeSeriesChart->slot(), 0);
    window->cycleAtomType();  // B
    plots->showChart(plots->SpeedDistributionChart);
    EXPECT_EQ(plots->SpeedDistributionChart->distribution().slot, 1);
    EXPECT_EQ(plots->SpeedDistributionChart->distribution().atoms, 20);
    EXPECT_TRUE(plots->SpeedDistributionChart->captionLabel()->text().contains(QStringLiteral("Type B")));
    plots->showChart(plots->TimeSeriesChart);
    const QList<QPointF> line = plots->TimeSeriesChart->pointsDrawn(plots->TimeSeriesChart->lineFor(CSeriesQuantity::temperature));
    const std::vector<double>& kept = plots->timeSeries().values(CSeriesQuantity::temperature, 1);
    ASSERT_EQ(line.size(), 4);
    for (int k = 0; k < 4; k++) EXPECT_EQ(line[k].y(), kept[static_cast<std::size_t>(k)]);
    EXPECT_EQ(kept.back(), s->getTCTemperature(1));
}

TEST_F(PlotsTest, TheTimeSeriesRunWhileTheWindowIsClosedAndGofROnlyWhileOpen)
{
    runDisplays(3);
    EXPECT_EQ(plots->timeSeries().size(), 3u);
    EXPECT_EQ(plots->RadialDistributionChart->distribution().displays(), 0u);
    window->showPlots();
    runDisplays(2);
    EXPECT_EQ(plots->timeSeries().size(), 5u);
    EXPECT_GE(plots->RadialDistributionChart->distribution().displays(), 1u);
}

TEST_F(PlotsTest, ZoomPauseAndUnitsOfTheTimeAxis)
{
    s->setPotentialUsed(1);  // a total energy that is not zero
    window->showPlots();
    runDisplays(40);
    CTimeSeriesChart& chart = *plots->TimeSeriesChart;
    // The range shown, before the axis moves its top by a hair for Qt Charts' ticks.
    const CRoundTicks& x = chart.timeAxis()->ticks();
    const double picoseconds = s->getElapsedTime() * 1e12;
    EXPECT_NEAR(x.high, picoseconds, 1e-9 * picoseconds);
    EXPECT_EQ(chart.timeAxis()->titleText(), QStringLiteral("Time (ps)"));

    chart.zoomBy(0.25, x.high);
    EXPECT_NEAR(x.high - x.low, 0.25 * (picoseconds - s->getTimeStep() * s->getIPD() * 1e12), 1e-6 * picoseconds);
    runDisplays(4);  // following: the window slides with the run, same width
    EXPECT_NEAR(x.high, s->getElapsedTime() * 1e12, 1e-9 * picoseconds);

    chart.setFollowing(false);
    const double frozenMax = x.high;
    const int points = chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).size();
    runDisplays(4);
    EXPECT_EQ(x.high, frozenMax) << "paused";
    EXPECT_EQ(chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).size(), points);

    chart.resetZoom();
    EXPECT_TRUE(chart.following());
    EXPECT_EQ(chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).size(), 48);
    chart.setStepsOnX(true);
    EXPECT_EQ(chart.timeAxis()->titleText(), QStringLiteral("Steps"));
    EXPECT_EQ(x.high, s->getIterations());
    EXPECT_EQ(chart.pointsDrawn(chart.lineFor(CSeriesQuantity::temperature)).front().x(), s->getIPD());

    chart.setQuantityShown(CSeriesQuantity::pressure, true);
    EXPECT_TRUE(chart.lineFor(CSeriesQuantity::pressure)->isVisible());
    EXPECT_EQ(chart.pointsDrawn(chart.lineFor(CSeriesQuantity::pressure)).size(), 48);
    chart.setQuantityShown(CSeriesQuantity::pressure, false);
    EXPECT_FALSE(chart.lineFor(CSeriesQuantity::pressure)->isVisible());
}

TEST_F(PlotsTest, EachChartExportsCsvThatParsesBackToThePlottedNumbers)
{
    window->showPlots();
    runDisplays(12);

    CTimeSeriesChart& series = *plots->TimeSeriesChart;
    ASSERT_TRUE(series.exportCsv(path("series.csv")));
    std::string header;
    auto rows = parseCsv(path("series.csv"), header);
    EXPECT_EQ(header, "steps,time_ps,total_energy_J_all,temperature_K_all");
    const QList<QPointF> energy = series.pointsDrawn(series.lineFor(CSeriesQuantity::total));
    const QList<QPointF> temperature = series.pointsDrawn(series.lineFor(CSeriesQuantity::temperature));
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(energy.size()));
    for (std::size_t k = 0; k < rows.size(); k++) {
        EXPECT_EQ(rows[k][1], energy[static_cast<qsizetype>(k)].x());
        EXPECT_DOUBLE_EQ(rows[k][2] * 1e21, energy[static_cast<qsizetype>(k)].y()) << "J in the file, zJ drawn";
        EXPECT_EQ(rows[k][3], temperature[static_cast<qsizetype>(k)].y());
        EXPECT_EQ(rows[k][0], (k + 1) * 100.0);
    }

    plots->showChart(plots->SpeedDistributionChart);
    CSpeedDistributionChart& speeds = *plots->SpeedDistributionChart;
    ASSERT_TRUE(speeds.exportCsv(path("speeds.csv")));
    rows = parseCsv(path("speeds.csv"), header);
    EXPECT_EQ(header, "speed_low_m_s,speed_high_m_s,fraction,maxwell_measured,maxwell_fitted");
    ASSERT_EQ(rows.size(), 40u);
    const QList<QPointF> steps = speeds.histogramOutline()->points();
    const QList<QPointF> measured = speeds.measuredCurve()->points();
    const QList<QPointF> fitted = speeds.fittedCurve()->points();
    for (int b = 0; b < 40; b++) {
        const auto& row = rows[static_cast<std::size_t>(b)];
        EXPECT_EQ(QPointF(row[0], row[2]), steps[2 * b]);
        EXPECT_EQ(QPointF(row[1], row[2]), steps[2 * b + 1]);
        EXPECT_EQ(row[3], measured[b].y());
        EXPECT_EQ(row[4], fitted[b].y());
    }

    plots->showChart(plots->RadialDistributionChart);
    CRadialDistributionChart& rdf = *plots->RadialDistributionChart;
    ASSERT_TRUE(rdf.exportCsv(path("rdf.csv")));
    rows = parseCsv(path("rdf.csv"), header);
    EXPECT_EQ(header, "r_m,g");
    const QList<QPointF> curve = rdf.curve()->points();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(curve.size()));
    ASSERT_GT(rows.size(), 10u);
    for (std::size_t k = 0; k < rows.size(); k++) {
        EXPECT_DOUBLE_EQ(rows[k][0] * 1e9, curve[static_cast<qsizetype>(k)].x()) << "r in nm on the axis";
        EXPECT_EQ(rows[k][1], curve[static_cast<qsizetype>(k)].y());
    }
}

TEST_F(PlotsTest, PicturesAreWrittenAsPngAndSvgThroughTheSavePanel)
{
    window->showPlots();
    runDisplays(5);
    CPlotChart& chart = *plots->SpeedDistributionChart;
    plots->showChart(&chart);
    platform.saveAnswers = {path("speeds").toStdString(), path("speeds.svg").toStdString(), ""};
    chart.exportPngAs();
    chart.exportSvgAs();
    chart.exportCsvAs();  // cancelled
    ASSERT_EQ(platform.saveRequests.size(), 3u);
    EXPECT_EQ(platform.saveRequests[0].requiredFileType, "png");
    EXPECT_EQ(platform.saveRequests[0].proposedName, "speed-distribution.png");
    EXPECT_TRUE(platform.alerts.empty());

    const QImage png(path("speeds.png"));
    ASSERT_FALSE(png.isNull()) << "the suffix was added";
    // The pictures hold the chart and, above it, its caption with the temperatures.
    const QSize shown = chart.exportedArea().size();
    EXPECT_GT(shown.height(), chart.chartView()->height());
    EXPECT_EQ(png.size(), shown * chart.chartView()->devicePixelRatio());
    QSvgRenderer svg(path("speeds.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), shown));
    QFile text(path("speeds.svg"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QByteArray drawing = text.readAll();
    EXPECT_TRUE(drawing.contains("Speed (m/s)")) << "the axis title is text in the drawing";
    EXPECT_TRUE(drawing.contains("measured T")) << "the caption is in the drawing";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary files left";
}

TEST_F(PlotsTest, AFileThatCannotBeWrittenGivesAnAlertAndLeavesNothingBehind)
{
    window->showPlots();
    runDisplays(3);
    CPlotChart& chart = *plots->TimeSeriesChart;
    const QString missing = dir.filePath(QStringLiteral("no-such-folder/series"));
    for (const char* type : {".csv", ".png", ".svg"}) {
        platform.alerts.clear();
        const QString target = missing + QLatin1String(type);
        const bool written = QString(type) == ".csv"   ? chart.exportCsv(target)
                             : QString(type) == ".png" ? chart.exportPng(target)
                                                       : chart.exportSvg(target);
        EXPECT_FALSE(written) << type;
        ASSERT_EQ(platform.alerts.size(), 1u) << type;
        EXPECT_NE(platform.alerts[0].message.find("could not be written"), std::string::npos);
    }
    // A folder where the file should go: the folder stays as it was, with nothing beside it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.svg")));
    platform.alerts.clear();
    EXPECT_FALSE(chart.exportSvg(path("taken.svg")));
    EXPECT_FALSE(chart.exportCsv(path("taken.svg")));
    EXPECT_EQ(platform.alerts.size(), 2u);
    EXPECT_TRUE(QFileInfo(path("taken.svg")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

TEST_F(PlotsTest, ThePairChooserAndResetOfGofR)
{
    window->showPlots();
    CRadialDistributionChart& rdf = *plots->RadialDistributionChart;
    plots->showChart(&rdf);
    ASSERT_EQ(rdf.pairChooser()->count(), 11);
    EXPECT_EQ(rdf.pairChooser()->itemText(2), QStringLiteral("A-B"));
    rdf.choosePair(2);
    EXPECT_EQ(rdf.distribution().firstType(), 0);
    EXPECT_EQ(rdf.distribution().secondType(), 1);
    rdf.accumulateNow();
    rdf.accumulateNow();
    rdf.refresh();
    EXPECT_EQ(rdf.distribution().displays(), 2u);
    EXPECT_TRUE(rdf.captionLabel()->text().startsWith(QStringLiteral("2 display")));
    rdf.resetDistribution();
    EXPECT_EQ(rdf.distribution().displays(), 0u);
    rdf.choosePair(10);  // D-D: no atoms
    rdf.accumulateNow();
    rdf.refresh();
    EXPECT_TRUE(rdf.captionLabel()->text().contains(QStringLiteral("fewer than two atoms")));
}

TEST(SamplingPace, ACostlyMeasurementRunsEveryFewDisplays)
{
    CSamplingPace pace(0.02);
    EXPECT_TRUE(pace.due());
    pace.noteInterval(0.050);
    pace.noteCost(0.003);  // 6 % of a display: every third display
    EXPECT_EQ(pace.every(), 3);
    EXPECT_FALSE(pace.due());
    EXPECT_FALSE(pace.due());
    EXPECT_TRUE(pace.due());
    CSamplingPace cheap(0.02);
    cheap.noteInterval(0.050);
    cheap.noteCost(0.0005);
    EXPECT_EQ(cheap.every(), 1);
    EXPECT_TRUE(cheap.due());
    EXPECT_TRUE(cheap.due());
}

// The ledger's chart plots the balance the model books, its table shows the
// balance now, and its CSV holds every term of every sample with the
// identity dE = sum of the terms.
TEST_F(PlotsTest, TheEnergyLedgerChartShowsTheBalanceAndExportsIt)
{
    s->setFloorTempUsed(1);
    ASSERT_TRUE(s->setFloorTemp(600.0));
    window->showPlots();
    runDisplays(5);
    plots->showChart(plots->EnergyLedgerChart);
    CEnergyLedgerChart* ledger = plots->EnergyLedgerChart;
    const std::vector<CEnergyLedgerSample>& kept = plots->ledgerSeries().samples();
    ASSERT_EQ(kept.size(), 5u);
    const QList<QPointF> heat = ledger->termCurve(1)->points();
    ASSERT_EQ(heat.size(), 5);
    for (int k = 0; k < 5; k++) EXPECT_DOUBLE_EQ(heat[k].y(), kept[static_cast<std::size_t>(k)].balance.heat * 1e21);
    const CEnergyBalance now = s->getLedgerBalance();
    EXPECT_EQ(ledger->balanceTable()->item(0, 0)->text(), QString::number(now.dE * 1e21, 'g', 6));
    EXPECT_TRUE(ledger->balanceTable()->horizontalHeaderItem(0)->text().endsWith(QStringLiteral("(zJ)")));
    for (QAbstractAxis* axis : ledger->chart()->axes()) EXPECT_TRUE(axis->titleText().contains('('));

    ASSERT_TRUE(ledger->exportCsv(path("ledger.csv")));
    std::string header;
    const auto rows = parseCsv(path("ledger.csv"), header);
    EXPECT_EQ(header.rfind("time_ps,ledger_dE_J,ledger_heat_J", 0), 0u) << header;
    ASSERT_EQ(rows.size(), 5u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 8u);
        double terms = 0.0;
        for (std::size_t k = 2; k < row.size(); k++) terms += row[k];
        EXPECT_NEAR(row[1], terms, 1e-9 * (std::fabs(row[1]) + std::fabs(terms)) + 1e-30);
    }
}

namespace {
// The drawn points of every visible series on the axis, as (lowest, highest).
std::pair<double, double> drawnExtent(CPlotChart* chart, QChart* drawing, QAbstractAxis* axis)
{
    double low = INFINITY, high = -INFINITY;
    for (QAbstractSeries* series : drawing->series()) {
        if (!series->isVisible() || !series->attachedAxes().contains(axis)) continue;
        auto* line = qobject_cast<QXYSeries*>(series);
        if (auto* area = qobject_cast<QAreaSeries*>(series)) line = area->upperSeries();
        if (!line) continue;
        for (const QPointF& p : chart->pointsDrawn(line)) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    }
    return {low, high};
}

// The tick labels Qt Charts draws for an axis, bottom to top or left to
// right, as one line. Qt Charts keeps each axis' labels in a group beside
// its title: the group next to the title on the side of the plot area.
QString drawnLabels(QChart* chart, const QAbstractAxis* axis)
{
    QApplication::processEvents();
    std::map<QGraphicsItem*, QStringList> groups;
    QRectF title;
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty()) continue;
        if (text->toPlainText() == axis->titleText()) title = text->sceneBoundingRect();
        else groups[text->parentItem()];
    }
    // Distance from the title towards the plot area; negative: the other way.
    const auto towardsPlot = [&](const QRectF& r) {
        const QPointF d = r.center() - title.center();
        return axis->alignment() == Qt::AlignLeft ? d.x() : axis->alignment() == Qt::AlignRight ? -d.x() : -d.y();
    };
    QGraphicsItem* nearest = nullptr;
    const auto area = [](QGraphicsItem* group) { return group->mapRectToScene(group->childrenBoundingRect()); };
    for (auto& [group, unused] : groups)
        if (towardsPlot(area(group)) > 0.0 && (!nearest || towardsPlot(area(group)) < towardsPlot(area(nearest))))
            nearest = group;
    std::vector<std::pair<double, QString>> labels;
    for (QGraphicsItem* item : nearest ? nearest->childItems() : QList<QGraphicsItem*>()) {
        auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty()) continue;
        const QPointF at = text->sceneBoundingRect().center();
        labels.emplace_back(axis->orientation() == Qt::Vertical ? -at.y() : at.x(), text->toPlainText());
    }
    std::sort(labels.begin(), labels.end());
    QStringList texts;
    for (const auto& label : labels) texts << label.second;
    return texts.join(QLatin1Char(' '));
}

// Labels 1, 2 or 5 times a power of ten apart, each with the decimals that
// spacing needs and no more, none reading "-0".
void expectRoundLabels(const QString& line, const std::string& what)
{
    const QStringList labels = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_GE(labels.size(), 3) << what;
    const double spacing = labels[1].toDouble() - labels[0].toDouble();
    const int power = static_cast<int>(std::floor(std::log10(spacing) + 1e-9));
    const double mantissa = spacing / std::pow(10.0, power);
    EXPECT_TRUE(std::fabs(mantissa - 1.0) < 1e-6 || std::fabs(mantissa - 2.0) < 1e-6 || std::fabs(mantissa - 5.0) < 1e-6)
        << what << ": spacing " << spacing;
    for (qsizetype k = 0; k < labels.size(); k++) {
        const QString& label = labels[k];
        const qsizetype point = label.indexOf('.');
        EXPECT_EQ(point < 0 ? 0 : label.size() - point - 1, std::max(0, -power)) << what << ": " << label.toStdString();
        EXPECT_NEAR(label.toDouble(), labels[0].toDouble() + k * spacing, 1e-6 * spacing) << what;
        EXPECT_FALSE(label.startsWith(QStringLiteral("-0")) && label.toDouble() == 0.0) << what;
    }
}

// Each vertical axis holds its lines' points, fills most of its span with
// them, and is labelled in round numbers.
void expectAxesFrameTheirLines(CPlotChart* chart, const std::string& context)
{
  for (QChart* drawing : chartsOf(chart)) {
    for (QAbstractAxis* abstractAxis : drawing->axes(Qt::Vertical)) {
        auto* axis = qobject_cast<CRoundAxis*>(abstractAxis);
        if (auto* logarithmic = qobject_cast<QLogValueAxis*>(abstractAxis)) {
            // Decades around the lines' points.
            const auto [low, high] = drawnExtent(chart, drawing, abstractAxis);
            if (low <= high) {
                EXPECT_LE(logarithmic->min(), low);
                EXPECT_GE(logarithmic->max(), high);
            }
            continue;
        }
        ASSERT_NE(axis, nullptr);
        const auto [low, high] = drawnExtent(chart, drawing, axis);
        if (!(low <= high)) continue;
        const std::string what = context + ", " + chart->title().toStdString() + ": " + axis->titleText().toStdString();
        const CRoundTicks& ticks = axis->ticks();
        const double shownLow = ticks.low * ticks.scale + ticks.offset, shownHigh = ticks.high * ticks.scale + ticks.offset;
        EXPECT_LE(shownLow, low) << what;
        EXPECT_GE(shownHigh, high) << what;
        if (high > low) EXPECT_GE(high - low, 0.1 * (shownHigh - shownLow)) << what << " lines squeezed";
        else EXPECT_LE(shownHigh - shownLow, 0.05 * std::fabs(high) + 2.0) << what << " line squeezed";
        expectRoundLabels(drawnLabels(drawing, axis), what);
    }
    for (QAbstractAxis* axis : drawing->axes(Qt::Horizontal))
        if (axis->labelsVisible() && qobject_cast<CRoundAxis*>(axis))
            expectRoundLabels(drawnLabels(drawing, axis), context + ", " + axis->titleText().toStdString());
  }
    // Every line's name in the legend says its unit, as the axes do; each
    // strip of the time series has its quantity and unit in its heading.
    if (qobject_cast<CEnergyLedgerChart*>(chart)) {
        for (QLegendMarker* marker : chart->chart()->legend()->markers())
            EXPECT_TRUE(marker->label().endsWith(')')) << marker->label().toStdString();
    }
    if (auto* series = qobject_cast<CTimeSeriesChart*>(chart)) {
        for (int q = 0; q < kSeriesQuantities; q++) {
            if (!series->quantityShown(CSeriesQuantity(q))) continue;
            EXPECT_EQ(series->stripHeading(CSeriesQuantity(q)), series->axisFor(CSeriesQuantity(q))->titleText());
        }
    }
}
}  // namespace

// Energies of about 1e-19 J and volumes of about 1e-25 m³ make ranges Qt
// Charts takes for empty, leaving an axis at 0 to 1 with the line flat on it.
TEST_F(PlotsTest, EveryValueAxisFramesWhatItsLinesDrawAfterARealRun)
{
    for (const char* example : {"3-gas-compressed-by-piston.txt", "2-condensing-on-a-cold-floor.txt"}) {
        ASSERT_TRUE(window->openSimulationFile(QStringLiteral(QUORVEL_EXAMPLES_DIR "/") + QString::fromLatin1(example)));
        window->showPlots();
        CTimeSeriesChart& series = *plots->TimeSeriesChart;
        // Total energy and volume alone: lines away from zero, as a user first sees them.
        for (int q = 0; q < kSeriesQuantities; q++)
            series.setQuantityShown(CSeriesQuantity(q), q == static_cast<int>(CSeriesQuantity::total) ||
                                                            q == static_cast<int>(CSeriesQuantity::volume));
        for (int displays : {2, 30}) {
            runDisplays(displays);
            for (CPlotChart* chart : plots->charts()) {
                plots->showChart(chart);
                plots->refreshNow();
                expectAxesFrameTheirLines(chart, example);
            }
        }
        const QList<QPointF> volume = series.pointsDrawn(series.lineFor(CSeriesQuantity::volume));
        ASSERT_FALSE(volume.isEmpty());
        EXPECT_DOUBLE_EQ(volume.back().y(), s->getTCVolume() * 1e27) << "nm³";
    }
}

// Tick labels of ranges the charts meet, as Qt Charts draws them: round
// numbers, a constant energy that varies in its sixth digit with its offset
// in the title, a range of 1e-10 in a power of ten, a flat one around its value.
TEST_F(UiWindowTest, AxesAreLabelledInRoundNumbers)
{
    auto* chart = new QChart;
    auto* axis = new CRoundAxis(QStringLiteral("Energy (zJ)"), QStringLiteral("zJ"));
    chart->addAxis(axis, Qt::AlignLeft);
    QChartView view(chart);
    view.resize(400, 600);
    view.show();
    const struct {
        double lowest, highest;
        const char* labels;
        const char* title;
    } cases[] = {
        {0.0, 1.0, "0.0 0.2 0.4 0.6 0.8 1.0", "Energy (zJ)"},
        {-1772.0, 1781.0, "-1500 -1000 -500 0 500 1000 1500", "Energy (zJ)"},
        {2499.9975, 2500.0025, "-0.002 -0.001 0.000 0.001 0.002", "Energy (zJ), +2500 zJ"},
        {0.0, 1e-10, "0 20 40 60 80 100", "Energy (zJ), ×1e-12"},
        {2500.0, 2500.0 + 1e-10, "2490 2495 2500 2505 2510", "Energy (zJ)"},
        {301.78872, 301.78872, "301.0 301.5 302.0 302.5", "Energy (zJ)"},
    };
    for (const auto& c : cases) {
        axis->frame(c.lowest, c.highest);
        const std::string what = std::to_string(c.lowest) + " to " + std::to_string(c.highest);
        EXPECT_EQ(drawnLabels(chart, axis).toStdString(), c.labels) << what;
        EXPECT_EQ(axis->titleText(), QString::fromUtf8(c.title)) << what;
        expectRoundLabels(QString::fromLatin1(c.labels), what);
        // The values lie inside the axis; a flat one in its middle.
        EXPECT_LT(axis->min(), axis->drawn(c.lowest)) << what;
        EXPECT_GT(axis->max(), axis->drawn(c.highest)) << what;
        if (c.highest - c.lowest < 1e-9 * c.highest) {
            EXPECT_NEAR(axis->drawn(c.lowest), 0.5 * (axis->min() + axis->max()), 1e-6 * (axis->max() - axis->min()));
        }
    }
    // Ticks on both ends of an exact range, and on zero, are labelled as such.
    axis->showRange(-0.6, 0.6);
    EXPECT_EQ(drawnLabels(chart, axis).toStdString(), "-0.6 -0.4 -0.2 0.0 0.2 0.4 0.6");
    axis->showRange(0.0, 3.0);
    EXPECT_EQ(drawnLabels(chart, axis).toStdString(), "0.0 0.5 1.0 1.5 2.0 2.5 3.0");
}
