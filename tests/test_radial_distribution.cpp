// SPDX-License-Identifier: GPL-3.0-or-later
// g(r) in the closed box: the reference distances of uniform centres
// against the exact cube formula and their normalisation, uniform random
// atoms giving g = 1 at every r, and centres spread unevenly too, pair
// counting and the binning.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "SIM/measure/CRadialDistribution.h"
#include "support/SimulationFixture.h"

namespace {
// P(distance < s a) for two uniform points in one cube of side a, s <= 1.
double cubeDistanceBelow(double s)
{
    const double pi = std::numbers::pi;
    return 4.0 * pi / 3.0 * std::pow(s, 3) - 1.5 * pi * std::pow(s, 4) + 1.6 * std::pow(s, 5) - std::pow(s, 6) / 6.0;
}

CCentreRegion cube(double half)
{
    CCentreRegion r;
    for (int axis = 0; axis < 3; axis++) r.low[axis] = -half, r.high[axis] = half;
    return r;
}
}  // namespace

TEST(UniformDistances, OneCubeMatchesTheExactFormula)
{
    const double side = 2.0e-9;
    const int bins = 50;
    const double width = side / bins;
    std::vector<double> shares;
    uniformDistanceShares(cube(side / 2), cube(side / 2), width, bins, shares);
    ASSERT_EQ(shares.size(), 50u);
    for (int b = 0; b < bins; b++) {
        const double exact = cubeDistanceBelow((b + 1.0) / bins) - cubeDistanceBelow(static_cast<double>(b) / bins);
        EXPECT_NEAR(shares[b] / exact, 1.0, 1e-4) << "bin " << b;
    }
}

TEST(UniformDistances, EveryDistanceIsCountedOnceForUnequalAndShiftedBoxes)
{
    // Two types of different reach under a piston: the shares over every
    // distance up to the longest diagonal add up to one.
    const CCentreRegion a = reachableRegion(1e-9, 3e-10, true, 2e-10);
    const CCentreRegion b = reachableRegion(1e-9, 6e-10, true, 2e-10);
    EXPECT_DOUBLE_EQ(a.high[0], 8.5e-10);
    EXPECT_DOUBLE_EQ(b.high[2], -1e-10);
    EXPECT_DOUBLE_EQ(b.low[2], -7e-10);
    const int bins = 400;
    const double width = 2e-9 * std::sqrt(3.0) / bins;
    std::vector<double> shares;
    uniformDistanceShares(a, b, width, bins, shares);
    double total = 0.0;
    for (double share : shares) total += share;
    EXPECT_NEAR(total, 1.0, 2e-4);
    // The difference along one axis is a trapezoid of unit area.
    double area = 0.0;
    for (int k = 0; k < 2000; k++)
        area += uniformDifferenceDensity(-2e-9 + (k + 0.5) * 2e-12, a.low[2], a.high[2], b.low[2], b.high[2]) * 2e-12;
    EXPECT_NEAR(area, 1.0, 1e-9);
}

class RadialDistributionTest : public SimulationTest {
protected:
    std::mt19937_64 engine{12345};

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine); }

    // Every atom anew at a uniform place its centre can reach.
    // One edit for all atoms: a copy of the whole state per atom made the
    // sanitized run take minutes.
    void scatterAtoms()
    {
        StateEdit edit(s);
        for (int t = 0; t < CSimulation::kTypes; t++) {
            const CCentreRegion r =
                reachableRegion(edit->box.halfWidth, edit->types.diam[t], edit->box.pistonUsed != 0, edit->box.pistonZ);
            for (int i = 0; i < edit->atoms.number[t]; i++)
                edit->atoms.loc[t][i].setXYZ(uniform(r.low[0], r.high[0]), uniform(r.low[1], r.high[1]),
                                             uniform(r.low[2], r.high[2]));
        }
    }
};

TEST_F(RadialDistributionTest, UniformRandomAtomsGiveOneAtEveryDistance)
{
    // Four sizes of atom under a piston, nearly as wide as the box allows,
    // so that every bin, down to the first, sees many pairs.
    removeAllAtoms();
    StateEdit(s)->box.halfWidth = 1e-9;
    const double diameters[4] = {1.2e-9, 1.0e-9, 0.9e-9, 0.9e-9};
    for (int t = 0; t < 4; t++) {
        StateEdit(s)->types.diam[t] = diameters[t];
        StateEdit(s)->atoms.number[t] = CSimulation::kMaxPerType;
    }
    StateEdit(s)->atoms.totalAtoms = CSimulation::kMaxAtoms;
    StateEdit(s)->box.pistonUsed = 1;
    StateEdit(s)->box.pistonZ = 0.6e-9;
    CRadialDistribution all, across;
    across.setPair(1, 0);
    EXPECT_EQ(across.firstType(), 0);
    for (int display = 0; display < 300; display++) {
        scatterAtoms();
        if (display % 2 == 0) all.accumulate(s.state());
        across.accumulate(s.state());
    }
    EXPECT_EQ(all.displays(), 150u);
    EXPECT_DOUBLE_EQ(all.binWidth(), 1.0e-9 / 20);
    EXPECT_EQ(all.bins(), 20);
    EXPECT_DOUBLE_EQ(across.binWidth(), 1.1e-9 / 20);
    EXPECT_EQ(across.bins(), 18);
    for (int b = 0; b < all.bins(); b++) {
        ASSERT_GT(all.expectedPairs(b), 1e5) << "bin " << b;
        EXPECT_NEAR(all.g(b), 1.0, 0.02) << "bin " << b << " at " << all.radius(b) << " m";
    }
    // The A-B pairs reach fewer long distances; where they are counted well enough, g is 1.
    int judged = 0;
    for (int b = 0; b < across.bins(); b++) {
        if (across.expectedPairs(b) < 4e4) continue;
        judged++;
        EXPECT_NEAR(across.g(b), 1.0, 0.02) << "bin " << b << " at " << across.radius(b) << " m";
    }
    EXPECT_GE(judged, 14);
}

TEST_F(RadialDistributionTest, PairsAreCountedOnceInTheBinOfTheirDistance)
{
    removeAllAtoms();
    StateEdit(s)->box.halfWidth = 2e-9;
    {
        StateEdit edit(s);
        for (double& d : edit->types.diam) d = 2e-10;  // bins of 1e-11 m, 200 of them
    }
    place(0, 0, 0, 0);
    place(0, 0.55e-10, 0, 0);  // A-A at 5.5e-11: bin 5
    place(1, 0, 0, 1.23e-10);  // A-B at 1.23e-10 and about 1.35e-10: bins 12 and 13
    place(2, 1.9e-9, 1.9e-9, 0);  // farther than half the box width from every other atom

    CRadialDistribution all, sameA, ab, ba, cc;
    sameA.setPair(0, 0);
    ab.setPair(0, 1);
    ba.setPair(1, 0);
    cc.setPair(2, 2);
    for (CRadialDistribution* d : {&all, &sameA, &ab, &ba, &cc}) d->accumulate(s.state());
    ASSERT_EQ(all.bins(), 200);
    auto counted = [](const CRadialDistribution& d) {
        double n = 0;
        for (int b = 0; b < d.bins(); b++) n += d.observedPairs(b);
        return n;
    };
    EXPECT_EQ(counted(all), 3.0);  // the A-A pair and the two A-B pairs
    EXPECT_EQ(all.observedPairs(5), 1.0);
    EXPECT_EQ(sameA.observedPairs(5), 1.0);
    EXPECT_EQ(counted(sameA), 1.0);
    EXPECT_EQ(ab.observedPairs(12), 1.0);
    EXPECT_EQ(ab.observedPairs(13), 1.0);
    EXPECT_EQ(counted(ab), 2.0);
    EXPECT_EQ(counted(ba), 2.0);
    EXPECT_EQ(cc.displays(), 1u);
    EXPECT_EQ(counted(cc), 0.0);
    EXPECT_EQ(cc.g(0), 0.0) << "one atom has no pairs to expect";
    std::string csv;
    appendRadialDistributionCsv(csv, ab);
    EXPECT_EQ(csv.rfind("r_m,g\n", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 201);
    EXPECT_EQ(std::stod(csv.substr(6)), ab.radius(0));
}

TEST_F(RadialDistributionTest, ANewBinningStartsTheAccumulationAgain)
{
    s.setNumber(0, 20);
    CRadialDistribution d;
    d.accumulate(s.state());
    d.accumulate(s.state());
    EXPECT_EQ(d.displays(), 2u);
    const int bins = d.bins();
    EXPECT_EQ(bins, static_cast<int>(s.state().box.halfWidth / (s.state().types.diam[0] / 20)));
    StateEdit(s)->types.diam[0] *= 0.5;
    d.accumulate(s.state());
    EXPECT_EQ(d.displays(), 1u);
    EXPECT_GT(d.bins(), bins);
    d.reset();
    EXPECT_EQ(d.displays(), 0u);
    EXPECT_EQ(d.g(3), 0.0);
}

// Example 1's box, 400 atoms of 0.3 nm in a box 6 nm wide: g = 1 within
// 0.3 % over 1 to 2.5 nm, for uniform centres, and for centres piled up
// against the walls as a hard-sphere gas piles them, here far more (a tenth
// of them within a diameter of a wall along each axis), which against
// uniform centres read 0.82: g's reference follows the centres' spread.
TEST_F(RadialDistributionTest, TheDiluteGasBoxGivesOneForUniformAndForWallHuggingCentres)
{
    removeAllAtoms();
    StateEdit(s)->box.halfWidth = 3e-9;
    StateEdit(s)->types.diam[0] = 3e-10;
    StateEdit(s)->atoms.number[0] = 400;
    StateEdit(s)->atoms.totalAtoms = 400;
    const CCentreRegion r = reachableRegion(3e-9, 3e-10, false, 0.0);
    for (bool hugging : {false, true}) {
        CRadialDistribution d;
        double uniformReference = 0.0, observed = 0.0;
        for (int display = 0; display < 400; display++) {
            {
                StateEdit edit(s);
                for (int i = 0; i < 400; i++) {
                    double c[3];
                    for (int axis = 0; axis < 3; axis++) {
                        const double low = r.low[axis], high = r.high[axis];
                        if (!hugging || uniform(0.0, 1.0) > 0.1) c[axis] = uniform(low, high);
                        else c[axis] = uniform(0.0, 1.0) < 0.5 ? uniform(low, low + 3e-10) : uniform(high - 3e-10, high);
                    }
                    edit->atoms.loc[0][i].setXYZ(c[0], c[1], c[2]);
                }
            }
            d.accumulate(s.state());
        }
        double sum = 0.0;
        int bins = 0;
        for (int b = 0; b < d.bins(); b++) {
            if (d.radius(b) < 1e-9 || d.radius(b) > 2.5e-9) continue;
            sum += d.g(b);
            bins++;
            uniformReference += d.expectedPairs(b);
            observed += d.observedPairs(b);
        }
        ASSERT_EQ(bins, 100);
        EXPECT_NEAR(sum / bins, 1.0, 3e-3) << (hugging ? "piled up against the walls" : "uniform");
        if (hugging) {
            EXPECT_LT(observed / uniformReference, 0.99) << "a spread that uniform centres would misjudge";
        }
    }
}

// In a periodic box a pair across a face is counted at its minimum image's
// distance, and centres uniform over the whole box (no walls to keep them
// off) give 1 at every distance to half the width against the bulk's shells.
TEST_F(RadialDistributionTest, APeriodicBoxCountsByTheMinimumImageAndGivesOneForUniformAtoms)
{
    removeAllAtoms();
    const double h = 1e-9;
    StateEdit(s)->box.halfWidth = h;
    StateEdit(s)->box.boundaries = CBoundaries::periodic;
    {
        StateEdit edit(s);
        for (double& d : edit->types.diam) d = 2e-10;  // bins of 1e-11 m, 100 of them
    }
    place(0, -h + 0.2e-10, 0, 0);
    place(0, h - 0.35e-10, 0, 0);  // 5.5e-11 apart through the face: bin 5
    place(1, -h + 0.1e-10, -h + 0.1e-10, -h + 0.1e-10);
    place(1, h - 0.1e-10, h - 0.1e-10, h - 0.1e-10);  // through the corner: about 3.46e-11, bin 3
    CRadialDistribution once;
    once.accumulate(s.state());
    ASSERT_EQ(once.bins(), 100);
    double counted = 0;
    for (int b = 0; b < once.bins(); b++) counted += once.observedPairs(b);
    EXPECT_EQ(once.observedPairs(5), 1.0);
    EXPECT_EQ(once.observedPairs(3), 1.0);
    EXPECT_EQ(counted, 2.0) << "the other pairs are farther than half the width";

    removeAllAtoms();
    StateEdit(s)->atoms.number[0] = CSimulation::kMaxPerType;
    StateEdit(s)->atoms.number[1] = CSimulation::kMaxPerType;
    StateEdit(s)->atoms.totalAtoms = 2 * CSimulation::kMaxPerType;
    CRadialDistribution all;
    for (int display = 0; display < 100; display++) {
        {
            StateEdit edit(s);
            for (int t = 0; t < 2; t++)
                for (int i = 0; i < edit->atoms.number[t]; i++)
                    edit->atoms.loc[t][i].setXYZ(uniform(-h, h), uniform(-h, h), uniform(-h, h));
        }
        all.accumulate(s.state());
    }
    const double pairs = 800.0 * 799.0 / 2.0, volume = 8 * h * h * h;
    EXPECT_NEAR(all.expectedPairs(10), 100 * pairs * 4.0 / 3.0 * std::numbers::pi * (1331e-33 - 1e-30) / volume, 1e-6);
    for (int b = 5; b < all.bins(); b++) EXPECT_NEAR(all.g(b), 1.0, 0.05) << "bin " << b;
    StateEdit(s)->box.boundaries = CBoundaries::closed;
    all.accumulate(s.state());
    EXPECT_EQ(all.displays(), 1u) << "another box starts the accumulation again";
}
