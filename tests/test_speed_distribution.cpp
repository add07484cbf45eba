// SPDX-License-Identifier: GPL-3.0-or-later
// The speed distribution against Maxwell-Boltzmann: the distribution's own
// numbers, the fitted temperature from an exact histogram, the mixture of
// types, and a hard-sphere gas that relaxes to it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "SIM/measure/CSpeedDistribution.h"
#include "support/SimulationFixture.h"

namespace {
constexpr double kArgonMass = 6.63e-26;  // kg

CSpeedMixture single(double mass)
{
    CSpeedMixture m;
    m.kinds = 1;
    m.share[0] = 1.0;
    m.mass[0] = mass;
    return m;
}

double sum(const CSpeedBins& bins)
{
    double total = 0.0;
    for (double b : bins) total += b;
    return total;
}
}  // namespace

TEST(SpeedDistribution, MaxwellFractionsKnowTheirDistribution)
{
    const double T = 300.0, m = kArgonMass;
    const double mostProbable = std::sqrt(2.0 * quorvel::kBoltzmann * T / m);
    // At the most probable speed: erf(1) - 2 e^-1 / sqrt(pi).
    EXPECT_NEAR(maxwellSpeedFraction(mostProbable, m, T), std::erf(1.0) - 2.0 / std::exp(1.0) / std::sqrt(std::numbers::pi),
                1e-14);
    EXPECT_EQ(maxwellSpeedFraction(0.0, m, T), 0.0);
    EXPECT_NEAR(maxwellSpeedFraction(50.0 * mostProbable, m, T), 1.0, 1e-15);
    // The mean speed sqrt(8kT / pi m), from the bins' midpoints.
    const CSpeedBins bins = maxwellBinFractions(single(m), 6.0 * mostProbable, T);
    double mean = 0.0;
    for (int b = 0; b < kSpeedBins; b++) mean += bins[b] * (b + 0.5) * 6.0 * mostProbable / kSpeedBins;
    EXPECT_NEAR(mean / std::sqrt(8.0 * quorvel::kBoltzmann * T / (std::numbers::pi * m)), 1.0, 2e-3);
    EXPECT_NEAR(sum(bins), maxwellSpeedFraction(6.0 * mostProbable, m, T), 1e-14);
}

TEST(SpeedDistribution, TheFitGivesBackTheTemperatureOfAnExactHistogram)
{
    struct Case {
        double temperature, top;
    } cases[] = {{300.0, 1500.0}, {30.0, 1500.0}, {3000.0, 1500.0}, {650.0, 2000.0}, {1.0, 200.0}};
    for (const Case& c : cases) {
        const CSpeedBins exact = maxwellBinFractions(single(kArgonMass), c.top, c.temperature);
        const double fitted = fitMaxwellTemperature(single(kArgonMass), c.top, exact);
        EXPECT_NEAR(fitted / c.temperature, 1.0, 1e-3) << c.temperature << " K";
        EXPECT_NEAR(fitted / c.temperature, 1.0, 1e-6) << "far better than asked, " << c.temperature << " K";
    }
    // A mixture of light and heavy atoms at one temperature.
    CSpeedMixture mixture;
    mixture.kinds = 2;
    mixture.share = {0.25, 0.75};
    mixture.mass = {4.0e-26, 2.0e-25};
    const CSpeedBins exact = maxwellBinFractions(mixture, 1000.0, 420.0);
    EXPECT_NEAR(fitMaxwellTemperature(mixture, 1000.0, exact) / 420.0, 1.0, 1e-6);
    EXPECT_EQ(fitMaxwellTemperature(mixture, 1000.0, CSpeedBins{}), 0.0) << "no atoms in the bins, no fit";
}

TEST(SpeedDistribution, TotalVariationCountsTheShareBeyondTheBins)
{
    CSpeedBins a{}, b{};
    a[3] = 1.0;
    EXPECT_EQ(totalVariationDistance(a, a), 0.0);
    b[7] = 1.0;
    EXPECT_EQ(totalVariationDistance(a, b), 1.0);
    b[7] = 0.5;  // the other half beyond the last bin
    EXPECT_EQ(totalVariationDistance(a, b), 1.0);
    b[3] = 0.5;
    b[7] = 0.0;
    EXPECT_EQ(totalVariationDistance(a, b), 0.5);
}

class SpeedDistributionSimulationTest : public SimulationTest {};

TEST_F(SpeedDistributionSimulationTest, TheDisplayedHistogramAsFractionsBesideTheMixtureCurve)
{
    removeAllAtoms();
    StateEdit(s)->types.mass[0] = 4.0e-26;
    StateEdit(s)->types.mass[1] = 1.6e-25;
    for (int k = 0; k < 3; k++) place(0, 0, 0, 0, 100.0 + 100.0 * k, 0, 0);  // bins 2, 4, 6 of 0..2000 m/s
    place(1, 0, 0, 0, 0, 0, 950.0);                                           // bin 19
    StateEdit(s)->display.xmax = 2000.0;
    StateEdit(s)->outputs.recordType = CRecordKind::instant;
    StateEdit(s)->outputs.newPart = 1.0;
    StateEdit(s)->outputs.oldPart = 0.0;
    s.calculateHistogram();
    StateEdit(s)->outputs.TCTemperature[4] = 300.0;
    StateEdit(s)->outputs.TCTemperature[1] = 150.0;

    const CSpeedDistribution all = measureSpeedDistribution(s.state(), 4);
    EXPECT_EQ(all.atoms, 4);
    EXPECT_EQ(all.binLow(19), 950.0);
    EXPECT_EQ(all.binHigh(19), 1000.0);
    EXPECT_EQ(all.fraction[2], 0.25);
    EXPECT_EQ(all.fraction[19], 0.25);
    EXPECT_EQ(all.measuredTemperature, 300.0);
    CSpeedMixture mixture;
    mixture.kinds = 2;
    mixture.share = {0.75, 0.25};
    mixture.mass = {4.0e-26, 1.6e-25};
    const CSpeedBins expected = maxwellBinFractions(mixture, 2000.0, 300.0);
    for (int b = 0; b < kSpeedBins; b++) EXPECT_DOUBLE_EQ(all.maxwellMeasured[b], expected[b]) << b;
    EXPECT_GT(all.fittedTemperature, 0.0);
    EXPECT_NEAR(sum(all.maxwellFitted), 1.0, 0.05);

    const CSpeedDistribution b = measureSpeedDistribution(s.state(), 1);
    EXPECT_EQ(b.atoms, 1);
    EXPECT_EQ(b.fraction[19], 1.0);
    EXPECT_EQ(b.measuredTemperature, 150.0);

    std::string csv;
    appendSpeedDistributionCsv(csv, all);
    EXPECT_EQ(csv.rfind("speed_low_m_s,speed_high_m_s,fraction,maxwell_measured,maxwell_fitted\n0,50,0,", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 41);
}

TEST_F(SpeedDistributionSimulationTest, AnEmptySlotHasNoCurves)
{
    const CSpeedDistribution d = measureSpeedDistribution(s.state(), 3);
    EXPECT_EQ(d.atoms, 0);
    EXPECT_EQ(sum(d.maxwellMeasured), 0.0);
    EXPECT_EQ(d.fittedTemperature, 0.0);
}

// 400 hard spheres all start at 500 m/s; collisions spread the speeds into
// the Maxwell-Boltzmann shape at the temperature the energy fixes.
TEST_F(SpeedDistributionSimulationTest, AHardSphereGasStartedAtOneSpeedReachesTheDistribution)
{
    s.setOpenPath(std::string(QUORVEL_EXAMPLES_DIR) + "/1-hard-sphere-gas-reaching-Maxwell.txt");
    ASSERT_TRUE(s.readInputFile());
    const CSpeedDistribution start = measureSpeedDistribution(s.state(), 4);
    EXPECT_GT(start.totalVariation, 0.5) << "one speed is far from the distribution";
    for (int k = 0; k < 200; k++) s.MDCALCIterate();
    s.setRecordType(CRecordKind::accumulated);  // accumulate from here, so one display's noise averages out
    for (int k = 0; k < 200; k++) s.MDCALCIterate();
    const CSpeedDistribution end = measureSpeedDistribution(s.state(), 4);
    EXPECT_LT(end.totalVariation, 0.03);
    EXPECT_NEAR(end.fittedTemperature / end.measuredTemperature, 1.0, 0.03);
}
