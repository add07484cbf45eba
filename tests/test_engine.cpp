// SPDX-License-Identifier: GPL-3.0-or-later
// Forces, collisions, energy bookkeeping and the measured outputs.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#include "DIALOG/COutcomeAlert.h"
#include "support/SimulationFixture.h"

namespace {
const double kSigma = 3e-10;
const double kMinimum = 1.122462048309373 * kSigma;  // 2^(1/6) sigma
}  // namespace

class Engine : public SimulationTest {
protected:
    void SetUp() override
    {
        SimulationTest::SetUp();
        removeAllAtoms();
        s.setHalfWidth(2e-9);
    }
    double totalPotential()
    {
        s.MDCALCCalcAcc();
        double sum = 0;
        for (int t = 0; t < 4; t++)
            for (int i = 0; i < s.state().atoms.number[t]; i++) sum += s.state().atoms.aPEnergy[t][i];
        return sum;
    }
};

TEST(PairPotential, MinimumAtTheSixthRootOfTwoSigma)
{
    double force, energy;
    CSimulation::MDCALCpot(1.0 / kMinimum, kSigma, 1e-21, 0, 0, force, energy);
    EXPECT_NEAR(force, 0.0, 1e-24);
    EXPECT_NEAR(energy, -1e-21, 1e-33);
    CSimulation::MDCALCpot(1.0 / kSigma, kSigma, 0, 0, 0, force, energy);
    EXPECT_EQ(force, 0.0);
    EXPECT_EQ(energy, 0.0);
}

TEST(PairPotential, OppositeChargesAttractFarAndRepelNearWithTheMinimumAtTheSameDistance)
{
    double q = 1.602e-19, force, energy;
    CSimulation::MDCALCpot(1.0 / (3 * kSigma), kSigma, 0, q, -q, force, energy);
    EXPECT_LT(force, 0.0);
    CSimulation::MDCALCpot(1.0 / (0.9 * kSigma), kSigma, 0, q, -q, force, energy);
    EXPECT_GT(force, 0.0);
    CSimulation::MDCALCpot(1.0 / kMinimum, kSigma, 0, q, -q, force, energy);
    EXPECT_NEAR(force, 0.0, 1e-4 * std::fabs(q * q * 8987551787.37 / (kMinimum * kMinimum)));
}

TEST_F(Engine, ForcesAreMinusTheGradientOfTheEnergy)
{
    s.setPotentialUsed(1);
    s.setCharge(0, 1e-20);
    s.setCharge(1, -1e-20);
    s.setLJepsFloor(2, 2e-21);
    s.setDiam(2, 2.5e-10);
    place(0, 0, 0, 0);
    place(0, 3.9e-10, 1e-10, 0.5e-10);
    place(1, -2e-10, 3e-10, 1e-10);
    place(1, 1e-9, -1e-9, 0.8e-9);  // far away, but charged pairs have no cut-off
    place(2, 0.5e-10, -3.5e-10, -1.7e-9);  // near the floor
    place(3, -3.5e-10, -1e-10, -2e-10);
    s.MDCALCCalcAcc();
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++)
            for (int axis = 0; axis < 3; axis++) {
                double analytic = s.state().atoms.acc[t][i].getIndex(axis) * s.state().types.mass[t];
                double h = 1e-15, x = s.state().atoms.loc[t][i].getIndex(axis);
                StateEdit(s)->atoms.loc[t][i].setIndex(axis, x + h);
                double up = totalPotential();
                StateEdit(s)->atoms.loc[t][i].setIndex(axis, x - h);
                double down = totalPotential();
                StateEdit(s)->atoms.loc[t][i].setIndex(axis, x);
                double numeric = -(up - down) / (2 * h);
                EXPECT_NEAR(analytic, numeric, 1e-5 * std::fabs(analytic) + 1e-16) << t << i << axis;
            }
}

TEST_F(Engine, PotentialsOffMeanNoForcesWhateverTheParameters)
{
    s.setCharge(0, 1e-19);
    s.setLJepsFloor(0, 1e-20);
    place(0, 0, 0, -1.8e-9);
    place(0, 4e-10, 0, -1.8e-9);
    s.MDCALCCalcAcc();
    for (int i = 0; i < 2; i++) {
        EXPECT_EQ(s.state().atoms.acc[0][i].norm(), 0.0);
        EXPECT_EQ(s.state().atoms.aPEnergy[0][i], 0.0);
    }
}

TEST_F(Engine, PairCutOffAtThreeMeanDiametersAndNoForceWhenTouching)
{
    s.setPotentialUsed(1);
    place(0, -0.45e-9, 0, 0);
    place(0, 0.45e-9, 0, 0);  // exactly 3 diameters
    s.MDCALCCalcAcc();
    EXPECT_NE(s.state().atoms.aPEnergy[0][0], 0.0);
    StateEdit(s)->atoms.loc[0][1].setX(-0.45e-9 + 3.0001 * kSigma);
    s.MDCALCCalcAcc();
    EXPECT_EQ(s.state().atoms.aPEnergy[0][0], 0.0);
    StateEdit(s)->atoms.loc[0][1].setX(-0.45e-9 + kSigma);
    StateEdit(s)->atoms.loc[0][0].setX(-0.45e-9);
    s.MDCALCCalcAcc();
    EXPECT_EQ(s.state().atoms.acc[0][0].norm(), 0.0);
}

TEST_F(Engine, PairAtTheMinimumHasNoForceAndEnergyMinusEpsilon)
{
    s.setPotentialUsed(1);
    place(0, 0, 0, 0);
    place(1, kMinimum, 0, 0);
    s.MDCALCCalcAcc();
    EXPECT_NEAR(s.state().atoms.aPEnergy[0][0] + s.state().atoms.aPEnergy[1][0], -1e-21, 1e-33);
    EXPECT_NEAR(s.state().atoms.acc[0][0].getX() * s.state().types.mass[0], 0.0, 1e-22);
}

TEST_F(Engine, WallsMirrorHardSpheresAndStopSoftOnesOnTheWall)
{
    s.setHalfWidth(5e-10);
    double limit = 5e-10 - 1.5e-10;
    place(0, limit + 1e-12, 0, 0, 300, 0, 0);
    s.MDCALCCollAdj();
    EXPECT_NEAR(s.state().atoms.loc[0][0].getX(), limit - 1e-12, 1e-24);
    EXPECT_EQ(s.state().atoms.vel[0][0].getX(), -300.0);
    EXPECT_DOUBLE_EQ(s.state().outputs.dptot[0], 2 * 5e-26 * 300);
    EXPECT_DOUBLE_EQ(s.state().outputs.dptot[4], 2 * 5e-26 * 300);

    StateEdit(s)->forces.potentialUsed = 1;
    StateEdit(s)->atoms.loc[0][0].setX(limit + 1e-12);
    StateEdit(s)->atoms.vel[0][0].setX(300);
    s.MDCALCCollAdj();
    EXPECT_EQ(s.state().atoms.loc[0][0].getX(), limit);
}

// A step that carries atoms many box widths past a wall, with either engine,
// hard or soft, leaves every atom inside its walls after every step.
TEST_F(Engine, WallsHoldWhateverTheStep)
{
    for (int engine = 0; engine < 2; engine++)
        for (int soft = 0; soft < 2; soft++)
            for (double step : {1e-12, 1e-10, 1e-9}) {
                SCOPED_TRACE(std::to_string(engine) + " " + std::to_string(soft) + " " + std::to_string(step));
                s.initWithDefaults();
                s.setEngineKind(static_cast<CEngineKind>(engine));
                s.setHalfWidth(1.5e-9);
                s.setNumber(0, 120);
                s.setPotentialUsed(soft);
                s.setFloorTempUsed(1);
                s.setFloorTemp(300.0);
                s.setPistonUsed(1);
                ASSERT_TRUE(s.changeKEnergy(1e-16));
                ASSERT_TRUE(s.setTimeStep(step));
                s.setIPD(1);
                for (int display = 0; display < 30; display++) {
                    ASSERT_TRUE(s.runDisplay()) << s.getRunStopReason();
                    for (int i = 0; i < s.state().atoms.number[0]; i++)
                        for (int axis = 0; axis < 3; axis++)
                            ASSERT_LE(std::fabs(s.state().atoms.loc[0][i].v[axis]), s.state().box.halfWidth) << i << " at " << display;
                }
            }
}

// A display that ends with a value that is not a finite number is undone,
// and no file is written from such a state.
TEST_F(Engine, ADisplayEndingNotFiniteIsUndoneAndNeverSaved)
{
    place(0, 0, 0, 0, 300, 0, 0);
    place(0, 1e-9, 0, 0, 0, -200, 0);
    s.setIPD(10);
    s.MDCALCIterate();
    CVector where = s.state().atoms.loc[0][0], speed = s.state().atoms.vel[0][0];
    unsigned steps = s.state().clock.iterations;
    StateEdit(s)->clock.timeStep = INFINITY;  // a state no entrance lets in
    EXPECT_FALSE(s.runDisplay());
    EXPECT_NE(s.getRunStopReason().find("not finite"), std::string::npos);
    EXPECT_EQ(s.state().clock.iterations, steps);
    EXPECT_EQ(std::memcmp(&s.state().atoms.loc[0][0], &where, sizeof where), 0);
    EXPECT_EQ(std::memcmp(&s.state().atoms.vel[0][0], &speed, sizeof speed), 0);
    EXPECT_TRUE(std::isfinite(s.getTEnergy(4)));

    StateEdit(s)->atoms.loc[0][3].setX(NAN);
    s.setSavePath("/tmp/quorvel-engine-never-written.txt");
    std::remove(s.getSavePath().c_str());
    EXPECT_FALSE(showOutcome(platform, s.writeOutputFile()));
    EXPECT_NE(platform.alerts.back().message.find("not finite"), std::string::npos);
    EXPECT_NE(access(s.getSavePath().c_str(), F_OK), 0);
}

TEST_F(Engine, HeatBathAtZeroKelvinStopsTheRebound)
{
    s.setHalfWidth(5e-10);
    StateEdit(s)->forces.floorTempUsed = 1;
    StateEdit(s)->forces.floorTemp = 0;
    place(0, 0, 0, -3.6e-10, 10, 0, -300);
    s.MDCALCCollAdj();
    EXPECT_EQ(s.state().atoms.vel[0][0].getZ(), 0.0);
    EXPECT_EQ(s.state().atoms.vel[0][0].getX(), 10.0);
}

TEST(HeatBath, TheLargestDrawGivesNoEnergyInsteadOfANegativeOne)
{
    EXPECT_EQ(CSimulation::heatBathEnergy(2147483647L, 300.0), 0.0);
    EXPECT_GT(CSimulation::heatBathEnergy(2147483646L, 300.0), -1e-40);
    double e = CSimulation::heatBathEnergy(0L, 300.0);
    EXPECT_NEAR(e, 1.380657e-23 * 300 * std::log(2147483647.0), 1e-30);
}

TEST_F(Engine, PistonExchangesMomentumAndIsKeptInTheBox)
{
    s.setHalfWidth(5e-10);
    s.setPistonUsed(1);
    StateEdit(s)->box.pistonM = s.state().types.mass[0];
    StateEdit(s)->box.pistonZ = 4e-10;
    place(0, 0, 0, 2.6e-10, 0, 0, 50);
    s.MDCALCCollAdj();
    EXPECT_DOUBLE_EQ(s.state().box.pistonV, 50.0);
    EXPECT_NEAR(s.state().atoms.vel[0][0].getZ(), 0.0, 1e-12);

    removeAllAtoms();
    StateEdit(s)->box.pistonZ = -6e-10;
    StateEdit(s)->box.pistonV = -3;
    s.MDCALCCollAdj();
    EXPECT_EQ(s.state().box.pistonZ, -5e-10);
    EXPECT_EQ(s.state().box.pistonV, 3.0);
    StateEdit(s)->box.pistonZ = 6e-10;
    s.MDCALCCollAdj();
    EXPECT_EQ(s.state().box.pistonZ, 5e-10);
    EXPECT_EQ(s.state().box.pistonV, 0.0);
}

TEST_F(Engine, EqualHardSpheresMeetingHeadOnExchangeVelocitiesAndSeparate)
{
    place(0, -1.4e-10, 0, 0, 100, 0, 0);
    place(0, 1.4e-10, 0, 0, -100, 0, 0);
    s.MDCALCCollAdj();
    EXPECT_NEAR(s.state().atoms.vel[0][0].getX(), -100.0, 1e-9);
    EXPECT_NEAR(s.state().atoms.vel[0][1].getX(), 100.0, 1e-9);
    CVector gap;
    gap.equalsSub(s.state().atoms.loc[0][1], s.state().atoms.loc[0][0]);
    EXPECT_GE(gap.length(), kSigma * (1 - 1e-12));
}

TEST_F(Engine, HardSpheresWithConservationKeepTheirSpeedsThroughWalls)
{
    s.setHalfWidth(5e-10);
    place(0, 0, 0, 0, 310.25, -45.5, 170);
    StateEdit(s)->clock.iterationsPerDisplay = 1000;
    s.MDCALCIterate();
    s.MDCALCIterate();
    EXPECT_NEAR(s.state().atoms.vel[0][0].length(), std::sqrt(310.25 * 310.25 + 45.5 * 45.5 + 170 * 170), 1e-9);
    EXPECT_EQ(s.state().conservation.tdENotConserved, 0.0);
    EXPECT_EQ(s.state().clock.iterations, 2000u);
}

TEST_F(Engine, OneStepPerTickAdvancesTheCounters)
{
    place(0, 0, 0, 0);
    StateEdit(s)->clock.iterationsPerDisplay = 1;
    s.MDCALCIterate();
    s.MDCALCIterate();
    EXPECT_EQ(s.state().clock.iterations, 2u);
    EXPECT_EQ(s.state().clock.elapsedTime, 1e-14 + 1e-14);
}

TEST_F(Engine, NeighboursChangesCancelAndTheRestIsCorrected)
{
    place(0, 0, 0, 0, 100, 0, 0);
    place(0, 4e-10, 0, 0, 0, 100, 0);
    for (int i = 0; i < 2; i++) StateEdit(s)->atoms.nvel[0][i] = 1e4;
    StateEdit(s)->atoms.dE[0][0] = 2e-22;
    StateEdit(s)->atoms.dE[0][1] = -3e-22;
    StateEdit(s)->atoms.aKEnergy[0][1] = 0.5 * s.state().types.mass[0] * 1e4;
    s.MDCALCEnergyAdj();
    EXPECT_EQ(s.state().atoms.dE[0][0], 0.0);
    EXPECT_DOUBLE_EQ(s.state().atoms.dE[0][1], -1e-22);
    EXPECT_EQ(s.state().atoms.vel[0][0].getX(), 100.0);
    EXPECT_NEAR(0.5 * s.state().types.mass[0] * s.state().atoms.vel[0][1].norm(), 0.5 * s.state().types.mass[0] * 1e4 + 1e-22, 1e-34);
}

TEST_F(Engine, ChargedNeighboursPairWithinTheBoxWidth)
{
    StateEdit(s)->forces.charge[0] = 1e-20;
    place(0, -8e-10, 0, 0, 100, 0, 0);
    place(0, 8e-10, 0, 0, 100, 0, 0);
    for (int i = 0; i < 2; i++) StateEdit(s)->atoms.nvel[0][i] = 1e4;
    StateEdit(s)->atoms.dE[0][0] = 2e-22;
    StateEdit(s)->atoms.dE[0][1] = -2e-22;
    s.MDCALCEnergyAdj();
    EXPECT_EQ(s.state().atoms.dE[0][0], 0.0);
    EXPECT_EQ(s.state().atoms.dE[0][1], 0.0);
}

TEST_F(Engine, AChangeLargerThanTheKineticEnergyIsBookedAsNotConserved)
{
    place(0, 0, 0, 0, 10, 0, 0);
    StateEdit(s)->atoms.nvel[0][0] = 100;
    StateEdit(s)->atoms.dE[0][0] = 1e-20;
    s.MDCALCEnergyAdj();
    EXPECT_EQ(s.state().atoms.vel[0][0].getX(), 10.0);
    EXPECT_EQ(s.state().conservation.tdENotConserved, 1e-20);
}

TEST_F(Engine, AnAtomAtRestWithANegativeChangeStaysFinite)
{
    place(0, 0, 0, 0);
    StateEdit(s)->atoms.nvel[0][0] = 0;
    StateEdit(s)->atoms.dE[0][0] = -1e-22;
    s.MDCALCEnergyAdj();
    EXPECT_EQ(s.state().atoms.vel[0][0].norm(), 0.0);
    EXPECT_EQ(s.state().conservation.tdENotConserved, -1e-22);
    EXPECT_TRUE(std::isfinite(s.state().atoms.aTEnergy[0][0]));
}

TEST_F(Engine, HistogramBinsCountSpeedsBelowTheTopOfTheRange)
{
    place(0, 0, 0, 0, 5, 0, 0);
    place(1, 0, 4e-10, 0, 0, 200, 0);
    place(1, 0, -4e-10, 0, 0, 0, 199.9);
    StateEdit(s)->outputs.newPart = 1;
    StateEdit(s)->outputs.oldPart = 0;
    s.calculateHistogram();
    EXPECT_EQ(s.state().outputs.histogram[0][1], 1.0);
    EXPECT_EQ(s.state().outputs.histogram[1][39], 1.0);
    double all = 0;
    for (int b = 0; b < 40; b++) all += s.state().outputs.histogram[4][b];
    EXPECT_EQ(all, 2.0);
    EXPECT_EQ(s.getHistogram(4, 1), 1.0);
}

TEST_F(Engine, AveragingModes)
{
    place(0, 0, 0, 0);
    s.setRecordType(CRecordKind::accumulated);
    s.resetTCDisplay();
    StateEdit(s)->clock.iterations = 5;
    const double samples[] = {1, 2, 3}, expected[] = {1, 1.5, 2};
    for (int k = 0; k < 3; k++) {
        StateEdit(s)->outputs.temperature[0] = samples[k];
        s.calculateTCFractions();
        s.calculateTCOutputs();
        EXPECT_DOUBLE_EQ(s.state().outputs.TCTemperature[0], expected[k]);
    }
    s.setRecordType(CRecordKind::timeConstant);
    s.resetTCDisplay();
    StateEdit(s)->outputs.temperature[0] = 1;
    for (int k = 0; k < 10000; k++) {
        s.calculateTCFractions();
        s.calculateTCOutputs();
    }
    EXPECT_NEAR(s.state().outputs.TCTemperature[0], 1 - std::exp(-1.0), 1e-4);
    s.setRecordType(CRecordKind::instant);
    StateEdit(s)->outputs.temperature[0] = 7;
    s.calculateTCFractions();
    s.calculateTCOutputs();
    EXPECT_EQ(s.state().outputs.TCTemperature[0], 7.0);
}

TEST_F(Engine, VolumeAreaAndEmptyTypes)
{
    s.setHalfWidth(5e-10);
    place(0, 0, 0, 0, 100, 0, 0);
    s.initSimulationEnergies();
    s.calculateTypedEnergies();
    s.calculateAreaVolumePressureTemperature();
    s.calculateVrms();
    EXPECT_DOUBLE_EQ(s.state().outputs.volume, 1e-27);
    EXPECT_DOUBLE_EQ(s.state().outputs.area, 6e-18);
    EXPECT_EQ(s.state().outputs.temperature[1], 0.0);
    EXPECT_EQ(s.state().outputs.avgvsq[1], 0.0);
    EXPECT_DOUBLE_EQ(s.state().outputs.temperature[4], 0.5 * 5e-26 * 1e4 * 4.82861948e+22);
    s.setPistonUsed(1);
    StateEdit(s)->box.pistonZ = 0;
    s.calculateAreaVolumePressureTemperature();
    EXPECT_DOUBLE_EQ(s.state().outputs.volume, 0.5e-27);
}

TEST_F(Engine, EnergyRatioIsNotFiniteWithoutEnergy)
{
    place(0, 0, 0, 0);
    StateEdit(s)->conservation.tdE = 0;
    s.calculateTypedEnergies();
    EXPECT_FALSE(std::isfinite(s.state().conservation.tdEPercent));
}

TEST_F(Engine, SpeedMeterReadsZeroWhileStoppedAndInTheFirstSecond)
{
    place(0, 0, 0, 0);
    StateEdit(s)->clock.iterationsPerDisplay = 10;
    s.MDCALCIterate();
    EXPECT_EQ(s.getIPS(), 0.0);
    StateEdit(s)->clock.runState = CRunState::running;
    platform.clock = 0.5;
    s.MDCALCIterate();
    EXPECT_EQ(s.getIPS(), 0.0);
    platform.clock = 2.0;
    s.MDCALCIterate();  // refreshed at the first step of this tick
    EXPECT_DOUBLE_EQ(s.getIPS(), 21.0 / 2.0);
}

TEST_F(Engine, BoundPairKeepsItsEnergyWithoutConservation)
{
    s.setPotentialUsed(1);
    s.setConserve(0);
    place(0, -0.6 * kSigma, 0, 0);
    place(0, 0.6 * kSigma, 0, 0);
    StateEdit(s)->clock.iterationsPerDisplay = 1;
    s.MDCALCIterate();
    double start = s.state().outputs.TEnergy[4];
    double closest = 1;
    for (int k = 0; k < 5000; k++) {
        s.MDCALCIterate();
        closest = std::min(closest, s.state().atoms.loc[0][1].getX() - s.state().atoms.loc[0][0].getX());
    }
    EXPECT_LT(closest, 1.1 * kSigma);  // it did oscillate
    EXPECT_NEAR(s.state().outputs.TEnergy[4], start, 1e-4 * 1e-21);
}

// ---------------------------------------------------------------- the periodic box

// Atoms that leave through a face, an edge or a corner come back through the
// opposite ones, counted in their images so that loc + image * w is the path
// they took; nothing reflects and no wall takes momentum. Pairs across the
// faces meet by the minimum image, as if placed side by side in the middle,
// and no floor acts.
TEST_F(Engine, PeriodicBoxWrapsAtomsAndPairsThemByTheMinimumImage)
{
    const double h = 2e-9, w = 2 * h;
    s.setPotentialUsed(1);
    ASSERT_TRUE(s.setBoundaries(CBoundaries::periodic));
    place(0, h + 1e-12, -h - 2e-12, h, 300, -200, 100);  // beyond a corner; z exactly on the top face
    place(0, -h, 0.5e-9, -h + 1e-12, -300, 0, 0);       // on the lower face: inside
    const CVector before = s.state().atoms.loc[0][0];
    s.MDCALCCollAdj();
    const CAtoms& a = s.state().atoms;
    EXPECT_EQ(a.loc[0][0].getX(), h + 1e-12 - w);
    EXPECT_EQ(a.loc[0][0].getY(), -h - 2e-12 + w);
    EXPECT_EQ(a.loc[0][0].getZ(), -h);
    EXPECT_EQ(a.image[0][0][0], 1);
    EXPECT_EQ(a.image[0][0][1], -1);
    EXPECT_EQ(a.image[0][0][2], 1);
    for (int axis = 0; axis < 3; axis++) {
        EXPECT_NEAR(a.loc[0][0].v[axis] + a.image[0][0][axis] * w, before.v[axis], 1e-24);
        EXPECT_EQ(a.image[0][1][axis], 0);
    }
    EXPECT_EQ(a.loc[0][1].getX(), -h);
    EXPECT_EQ(a.vel[0][0].getX(), 300.0);
    EXPECT_EQ(a.vel[0][1].getX(), -300.0);
    for (double p : s.state().outputs.dptot) EXPECT_EQ(p, 0.0);

    // A pair across the corner, and the same pair in the middle.
    removeAllAtoms();
    const double gap = 1.1 * kMinimum;
    place(0, -h + 0.5 * gap, -h + 0.4e-10, h - 0.1e-10);
    place(0, h - 0.5 * gap, h - 0.4e-10, -h + 0.2e-10);
    CVector d;
    d.equalsSub(a.loc[0][0], a.loc[0][1]);
    for (double& c : d.v) c += c > h ? -w : (c < -h ? w : 0.0);
    s.MDCALCCalcAcc();
    const double across = a.aPEnergy[0][0], accelerationAcross = a.acc[0][0].getX();
    EXPECT_NEAR(s.potentialEnergyFromPositions(), 2 * across, 1e-9 * std::fabs(across));
    removeAllAtoms();
    place(0, 0, 0, 0);
    place(0, -d.getX(), -d.getY(), -d.getZ());
    s.MDCALCCalcAcc();
    EXPECT_NE(across, 0.0);
    EXPECT_NEAR(across, a.aPEnergy[0][0], 1e-9 * std::fabs(across));
    EXPECT_NEAR(accelerationAcross, a.acc[0][0].getX(), 1e-9 * std::fabs(accelerationAcross));

    // On the floor of the closed box an atom feels it; in the periodic one not.
    removeAllAtoms();
    s.setLJepsFloor(0, 1e-20);
    place(0, 0, 0, -h + 1e-10);
    s.MDCALCCalcAcc();
    EXPECT_EQ(a.aPEnergy[0][0], 0.0);
    EXPECT_EQ(s.potentialEnergyFromPositions(), 0.0);
    ASSERT_TRUE(s.setBoundaries(CBoundaries::closed));
    s.MDCALCCalcAcc();
    EXPECT_NE(a.aPEnergy[0][0], 0.0);
}

// The pressure of a periodic box is the virial's: for an ideal gas (no
// potentials, no contacts: atoms pass through each other) N k T / V, for a
// pair at rest its r.F over 3 V, with the per-type slots taking the share of
// the row (the pair's first atom).
TEST_F(Engine, PeriodicPressureIsTheVirialsFromTheIdealGasToAPairAtRest)
{
    const double h = 2e-9, volume = (2 * h) * (2 * h) * (2 * h);
    s.setContactsUsed(false);
    ASSERT_TRUE(s.setBoundaries(CBoundaries::periodic));
    place(0, -1e-10, 0, 0, 400, 0, 0);
    place(0, 1e-10, 0, 0, -400, 0, 0);  // head-on
    for (int i = 0; i < 40; i++) place(1, -h + i * 1e-10, 0.5e-9, 0.3e-9, 100 + 10 * i, -250, 30 * i);
    s.setIPD(100);
    s.MDCALCIterate();
    const CMeasuredOutputs& o = s.state().outputs;
    EXPECT_GT(s.state().atoms.loc[0][0].getX(), s.state().atoms.loc[0][1].getX());  // passed through
    EXPECT_EQ(o.volume, volume);
    EXPECT_DOUBLE_EQ(o.pressure[4], 2 * o.KEnergy[4] / (3 * volume));
    EXPECT_NEAR(o.pressure[4], 42 * 1.380657e-23 * o.temperature[4] / volume, 1e-6 * o.pressure[4]);
    EXPECT_DOUBLE_EQ(o.pressure[1], 2 * o.KEnergy[1] / (3 * volume));
    for (double p : o.dptot) EXPECT_EQ(p, 0.0);
    EXPECT_EQ(s.getLedgerBalance().heat, 0.0);
    EXPECT_EQ(s.getLedgerBalance().work, 0.0);

    removeAllAtoms();
    s.setPotentialUsed(1);
    const double r = 1.05 * kSigma;  // inside the minimum: repelled
    place(0, h - 0.5 * r, 0, 0);
    place(1, -h + 0.5 * r, 0, 0);
    s.restartEnergiesAndAverages();
    double force, energy;
    CSimulation::MDCALCpot(1.0 / r, (s.state().types.diam[0] + s.state().types.diam[1]) / 2, s.state().forces.LJeps[0][1], 0, 0, force, energy);
    EXPECT_GT(force, 0.0);
    EXPECT_NEAR(o.virial[4], force * r, 1e-9 * force * r);
    EXPECT_EQ(o.virial[0], o.virial[4]);
    EXPECT_EQ(o.virial[1], 0.0);
    EXPECT_EQ(o.KEnergy[4], 0.0);
    EXPECT_EQ(o.pressure[4], o.virial[4] / (3 * volume));
    // The closed box keeps no virial.
    ASSERT_TRUE(s.setBoundaries(CBoundaries::closed));
    s.MDCALCCalcAcc();
    for (double v : o.virial) EXPECT_EQ(v, 0.0);
}

// Without contacts a pair inside the mean diameter feels the full LJ
// repulsion and no contact moves it; coincident atoms, which have no
// direction, are passed over. With contacts the same pair feels nothing.
TEST_F(Engine, WithoutContactsAPairInsideTheMeanDiameterRepelsByTheFullForce)
{
    s.setPotentialUsed(1);
    s.setContactsUsed(false);
    place(0, 0, 0, 0);
    place(0, 0.9 * kSigma, 0, 0);
    place(1, 1e-9, 1e-9, 1e-9);
    place(1, 1e-9, 1e-9, 1e-9);
    s.MDCALCCollAdj();
    EXPECT_EQ(s.state().atoms.loc[0][1].getX(), 0.9 * kSigma);
    s.MDCALCCalcAcc();
    double force, energy;
    CSimulation::MDCALCpot(1.0 / (0.9 * kSigma), kSigma, s.state().forces.LJeps[0][0], 0, 0, force, energy);
    EXPECT_GT(force, 0.0);
    EXPECT_EQ(s.state().atoms.acc[0][1].getX(), s.state().types.invm[0] * force);
    EXPECT_EQ(s.state().atoms.aPEnergy[0][0], energy / 2);
    EXPECT_EQ(s.state().atoms.acc[1][0].norm(), 0.0);
    EXPECT_EQ(s.potentialEnergyFromPositions(), energy);
    s.setContactsUsed(true);
    s.MDCALCCalcAcc();
    EXPECT_EQ(s.state().atoms.acc[0][1].norm(), 0.0);
}

TEST_F(Engine, APeriodicBoxRefusesChargesAndABoxNarrowerThanTwiceTheCutOff)
{
    place(0, 0, 0, 0);
    s.setCharge(0, 1e-19);
    COutcome charged = s.setBoundaries(CBoundaries::periodic);
    EXPECT_FALSE(charged);
    EXPECT_NE(charged.message().find("Ewald"), std::string::npos);
    s.setCharge(0, 0.0);
    s.setHalfWidth(8e-10);  // the cut-off is 9e-10
    COutcome small = s.setBoundaries(CBoundaries::periodic);
    EXPECT_FALSE(small);
    EXPECT_NE(small.message().find("cut-off"), std::string::npos);
    EXPECT_FALSE(s.isPeriodic());
    s.setHalfWidth(1e-9);
    EXPECT_TRUE(s.setBoundaries(CBoundaries::periodic));
    EXPECT_TRUE(s.isPeriodic());
}
