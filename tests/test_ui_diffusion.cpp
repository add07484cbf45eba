// SPDX-License-Identifier: GPL-3.0-or-later
// The Diffusion tab: it samples between the run's steps only while the Plots
// window is open, starts again after a change a person makes, and its
// choosers pick the atoms and the curve its caption and CSV describe.
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>

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
            do window->runTimerMethod();
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

    chart.chooseTypes(2);  // type B
    EXPECT_EQ(chart.result().atoms, s->getNumber(1));
    EXPECT_TRUE(chart.captionLabel()->text().startsWith(QStringLiteral("Type B"))) << chart.captionLabel()->text().toStdString();
    chart.chooseCurve(1);
    EXPECT_FALSE(chart.chart()->series().contains(chart.msdCurve()));
    EXPECT_TRUE(chart.chart()->series().contains(chart.vacfCurve()));
    EXPECT_EQ(chart.csvText().substr(0, 31), "time_s,vacf_m2_s2,integral_m2_s");

    s->changeKEnergy(0.01 * s->getTEnergy(CSimulation::kAllAtoms));
    runDisplays(1);
    EXPECT_LT(chart.diffusion().samples(), sampled) << "a change starts the measurement again";
}
