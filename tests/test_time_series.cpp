// SPDX-License-Identifier: GPL-3.0-or-later
// The time series of the displayed outputs: the values the status display
// shows, a bound on memory with even thinning, and restarts with the averages.
#include <gtest/gtest.h>

#include "SIM/measure/CTimeSeries.h"
#include "support/SimulationFixture.h"

namespace {
class TimeSeriesTest : public SimulationTest {
protected:
    // A display without the engine: the step count moves on by one display.
    void fakeDisplay(CTimeSeries& series)
    {
        if (!faked) faked = std::make_unique<CSimulationState>(s.state());
        faked->clock.iterations += s.getIPD();
        faked->clock.elapsedTime += s.getIPD() * s.getTimeStep();
        faked->outputs.TCTemperature[4] = faked->clock.iterations;
        series.sample(*faked);
    }
    // The state the fake displays move on, made from the simulation's at the first.
    std::unique_ptr<CSimulationState> faked;
};
}  // namespace

TEST_F(TimeSeriesTest, EachSampleHoldsTheDisplayedValuesOfEverySlot)
{
    s.setNumber(0, 20);
    s.setNumber(2, 10);
    s.setPotentialUsed(1);
    s.setRecordType(CRecordKind::timeConstant);
    CTimeSeries series;
    for (int display = 1; display <= 5; display++) {
        s.MDCALCIterate();
        series.sample(s.state());
        ASSERT_EQ(series.size(), static_cast<std::size_t>(display));
        EXPECT_EQ(series.steps().back(), s.getIterations());
        EXPECT_EQ(series.seconds().back(), s.getElapsedTime());
        for (int slot = 0; slot < 5; slot++) {
            EXPECT_EQ(series.values(CSeriesQuantity::kinetic, slot).back(), s.getTCKEnergy(slot));
            EXPECT_EQ(series.values(CSeriesQuantity::potential, slot).back(), s.getTCPEnergy(slot));
            EXPECT_EQ(series.values(CSeriesQuantity::total, slot).back(), s.getTCTEnergy(slot));
            EXPECT_EQ(series.values(CSeriesQuantity::temperature, slot).back(), s.getTCTemperature(slot));
            EXPECT_EQ(series.values(CSeriesQuantity::pressure, slot).back(), s.getTCPressure(slot));
            EXPECT_EQ(series.values(CSeriesQuantity::rmsSpeed, slot).back(), s.getTCVrms(slot));
            EXPECT_EQ(series.values(CSeriesQuantity::volume, slot).back(), s.getTCVolume());
        }
    }
    EXPECT_NE(series.values(CSeriesQuantity::temperature, 0).back(),
              series.values(CSeriesQuantity::temperature, 2).back())
        << "slots are kept apart";
}

TEST_F(TimeSeriesTest, MemoryStaysBoundedAndThinnedSamplesStayEvenlySpaced)
{
    CTimeSeries series;  // the application's bound of 100,000 samples
    const int displays = 450001;
    for (int k = 0; k < displays; k++) fakeDisplay(series);
    EXPECT_LE(series.size(), CTimeSeries::kDefaultCapacity);
    EXPECT_GE(series.size(), CTimeSeries::kDefaultCapacity / 2);
    EXPECT_EQ(series.stride(), 8u);
    // Still from the first display to (nearly) the last, every stride-th display.
    const auto& steps = series.steps();
    const double perDisplay = s.getIPD();
    EXPECT_EQ(steps.front(), perDisplay);
    EXPECT_GT(steps.back(), (displays - series.stride()) * perDisplay);
    for (std::size_t k = 1; k < steps.size(); k++)
        ASSERT_EQ(steps[k] - steps[k - 1], series.stride() * perDisplay) << "at sample " << k;
    // The values moved with their steps.
    const auto& temperature = series.values(CSeriesQuantity::temperature, 4);
    for (std::size_t k = 0; k < steps.size(); k += 997) EXPECT_EQ(temperature[k], steps[k]);
    for (int slot = 0; slot < 5; slot++)
        for (int q = 0; q < kSeriesQuantities; q++)
            EXPECT_EQ(series.values(static_cast<CSeriesQuantity>(q), slot).size(), steps.size());
}

TEST_F(TimeSeriesTest, SmallCapacityThinsByHalvesAndKeepsTheStart)
{
    CTimeSeries series(8);
    for (int k = 0; k < 8; k++) fakeDisplay(series);
    EXPECT_EQ(series.size(), 4u);
    EXPECT_EQ(series.stride(), 2u);
    fakeDisplay(series);  // display 9 (index 8): a multiple of the stride, kept
    EXPECT_EQ(series.size(), 5u);
    fakeDisplay(series);  // index 9: skipped
    EXPECT_EQ(series.size(), 5u);
    EXPECT_EQ(series.steps(), (std::vector<double>{100, 300, 500, 700, 900}));
}

TEST_F(TimeSeriesTest, TheSeriesStartAgainWhenTheAveragesDo)
{
    s.setNumber(0, 10);
    s.setRecordType(CRecordKind::accumulated);
    CTimeSeries series;
    for (int k = 0; k < 3; k++) {
        s.MDCALCIterate();
        series.sample(s.state());
    }
    ASSERT_EQ(series.size(), 3u);
    const unsigned restarts = series.restarts();

    // A changed parameter restarts energies and averages.
    s.setMass(0, 2.0 * s.getMass(0));
    s.MDCALCIterate();
    series.sample(s.state());
    EXPECT_EQ(series.size(), 1u);
    EXPECT_GT(series.restarts(), restarts);

    // Accumulated averages that start afresh (the mode chosen again).
    s.MDCALCIterate();
    series.sample(s.state());
    EXPECT_EQ(series.size(), 2u);
    s.setRecordType(CRecordKind::instant);
    s.setRecordType(CRecordKind::accumulated);
    s.MDCALCIterate();
    series.sample(s.state());
    EXPECT_EQ(series.size(), 1u);

    // Instantaneous values have no averages to restart: the series go on.
    s.setRecordType(CRecordKind::instant);
    for (int k = 0; k < 2; k++) {
        s.MDCALCIterate();
        series.sample(s.state());
    }
    EXPECT_EQ(series.size(), 3u);

    // Fewer steps than the last sample: another simulation, another series.
    StateEdit(s)->clock.iterations = 0;
    StateEdit(s)->clock.elapsedTime = 0;
    s.MDCALCIterate();
    series.sample(s.state());
    EXPECT_EQ(series.size(), 1u);
    EXPECT_EQ(series.steps().front(), s.getIterations());
}

TEST_F(TimeSeriesTest, QuantitiesNameTheirSIUnits)
{
    EXPECT_STREQ(seriesQuantityInfo(CSeriesQuantity::total).unit, "J");
    EXPECT_STREQ(seriesQuantityInfo(CSeriesQuantity::temperature).unit, "K");
    EXPECT_STREQ(seriesQuantityInfo(CSeriesQuantity::pressure).unit, "Pa");
    EXPECT_STREQ(seriesQuantityInfo(CSeriesQuantity::rmsSpeed).column, "rms_speed_m_s");
}
