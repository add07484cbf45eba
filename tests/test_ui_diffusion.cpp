// SPDX-License-Identifier: GPL-3.0-or-later
// The Diffusion tab: it samples between the run's steps only while the Plots
// window is open, starts again after a change a person makes, and its
// choosers pick the atoms and the curve its caption and CSV describe; the
// MSD on log-log axes, the VACF out to where it has died out, and a long
// caption wraps instead of widening the window.
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>

#include <algorithm>
#include <cmath>

#include "UI/CRoundAxis.h"

#include "UI/CDiffusionChart.h"
#include "UI/CPlotsWindow.h"
#include "support/ui/UiWindowFixture.h"

TEST_F(UiWindowTest, TheDiffusionTabSamplesTheRunWhileOpenAndRestartsAfterAChange)
{
    CPlotsWindow& plots = *window->PlotsWindow;
    ASSERT_TRUE(window->openSimulationFile(QStringLiteral(QUORVEL_BENCH_DIR "/liquid-400.txt")));
    CDiffusionChart& chart = *plots.DiffusionChart;
    const auto runDisplays = [&](int count) {
        s->setRunState(CRunState::running);
        for (int k = 0; k < count; k++) {
            do window->Document.runTimerMethod();
            while (s->isDisplayUnderway());
        }
        s->setRunState(CRunState::stopped);
        plots.refreshNow();
    };
    runDisplays(2);
    EXPECT_EQ(chart.diffusion().samples(), 0u) << "nothing is sampled while the window is closed";

    window->showPlots();
    plots.showChart(&chart);
    runDisplays(40);
    const unsigned long sampled = chart.diffusion().samples();
    EXPECT_GE(sampled, 40u * s->getIPD() / chart.diffusion().stride());
    EXPECT_TRUE(chart.captionLabel()->text().contains(QStringLiteral("Einstein D ="))) << chart.captionLabel()->text().toStdString();
    EXPECT_FALSE(chart.fitCurve()->points().isEmpty());
    EXPECT_EQ(chart.csvText().substr(0, 22), "time_s,msd_m2,fit_m2\n0");
    for (QAbstractAxis* axis : chart.msdCurve()->attachedAxes())
        EXPECT_EQ(axis->type(), QAbstractAxis::AxisTypeLogValue) << "log-log";
    EXPECT_EQ(chart.slopeOneLine()->count(), 2);
    // The caption is one long line: it wraps, the window stays narrower, within a screen 1366 points wide.
    const QLabel& caption = *chart.captionLabel();
    const int line = caption.fontMetrics().horizontalAdvance(caption.text());
    EXPECT_LT(plots.minimumSizeHint().width(), std::min(line, 1366)) << caption.text().toStdString();

    chart.chooseTypes(2);  // type B
    EXPECT_EQ(chart.result().atoms, s->getNumber(1));
    EXPECT_TRUE(chart.captionLabel()->text().startsWith(QStringLiteral("Type B"))) << chart.captionLabel()->text().toStdString();
    chart.chooseCurve(1);
    EXPECT_FALSE(chart.chart()->series().contains(chart.msdCurve()));
    EXPECT_TRUE(chart.chart()->series().contains(chart.vacfCurve()));
    EXPECT_EQ(chart.csvText().substr(0, 31), "time_s,vacf_m2_s2,integral_m2_s");
    // The time axis ends at twice the last lag at which the VACF is 5 % of
    // its start or more: for all atoms of the liquid, long before the run's longest lag.
    chart.chooseTypes(0);
    const CDiffusionResult& r = chart.result();
    const double end = chart.vacfTimeAxis()->ticks().high * 1e-12;
    EXPECT_LT(end, 0.5 * r.time.back());
    for (std::size_t k = 0; k < r.time.size(); k++)
        if (r.time[k] > 0.5 * end) {
            EXPECT_LT(std::fabs(r.vacf[k]), CDiffusion::kVacfSettled * r.vacf[0]) << k;
        }

    s->changeKEnergy(0.01 * s->getTEnergy(CSimulation::kAllAtoms));
    runDisplays(1);
    EXPECT_LT(chart.diffusion().samples(), sampled) << "a change starts the measurement again";
}
