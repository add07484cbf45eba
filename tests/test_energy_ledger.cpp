// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger against physics with known answers: hard spheres conserve
// energy exactly, so heat, work and the user's changes must account for every
// joule; under potentials the residual is the integrator's error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SIM/measure/CEnergyLedgerSeries.h"
#include "support/SimulationFixture.h"

namespace {

bool sanitized() { return std::getenv("QUORVEL_SANITIZED") != nullptr; }

double largestTerm(const CEnergyBalance& b)
{
    double largest = 0.0;
    for (int k = 0; k < CEnergyBalance::kTerms; k++) largest = std::max(largest, std::fabs(b.term(k)));
    return largest;
}

class EnergyLedger : public SimulationTest {
protected:
    // A hard-sphere gas of 120 atoms at about 300 K in a 3 nm box.
    void hardSphereGas()
    {
        srandom(11);
        s.setHalfWidth(1.5e-9);
        s.setNumber(0, 120);
        s.changeKEnergy(120 * 1.5 * 1.380657e-23 * 300.0);
        s.setConserve(0);
    }

    void piston(double pressure)
    {
        s.setPistonUsed(1);
        s.setPistonMass(1e-24);
        s.setAppliedPressure(pressure);
    }

    void bath(double kelvin)
    {
        s.setFloorTempUsed(1);
        s.setFloorTemp(kelvin);
    }

    void run(unsigned ticks)
    {
        s.setRunState(CRunState::running);
        for (unsigned k = 0; k < ticks; k++) s.MDCALCIterate();
    }

    void loadBench(const std::string& file)
    {
        s.setOpenPath(std::string(QUORVEL_BENCH_DIR) + "/" + file);
        ASSERT_TRUE(s.readInputFile()) << file;
    }
};

}  // namespace

// ---------------------------------------------------------------- exact rules

TEST_F(EnergyLedger, HardSpheresWithBathAndPistonLeaveOnlyRounding)
{
    for (char conserve : {0, 1}) {
        SetUp();
        hardSphereGas();
        piston(1e7);
        bath(600.0);
        s.setConserve(conserve);
        s.restartLedger();
        run(sanitized() ? 3 : 40);  // 4,000 steps
        CEnergyBalance b = s.getLedgerBalance();
        EXPECT_NE(b.heat, 0.0);
        EXPECT_NE(b.work, 0.0);
        EXPECT_EQ(b.user, 0.0);
        EXPECT_LE(std::fabs(b.residual), 1e-9 * largestTerm(b))
            << "conserve " << int(conserve) << ": dE " << b.dE << " heat " << b.heat << " work " << b.work
            << " correction " << b.correction << " stop " << b.pistonStop;
    }
}

TEST_F(EnergyLedger, AdiabaticCompressionTurnsWorkIntoEnergy)
{
    hardSphereGas();
    piston(1e8);  // well above the gas's pressure: the piston moves in
    s.restartLedger();
    run(sanitized() ? 3 : 30);
    CEnergyBalance b = s.getLedgerBalance();
    EXPECT_GT(b.work, 0.0);
    EXPECT_EQ(b.heat, 0.0);
    EXPECT_LT(s.getPistonZ(), s.getHalfWidth() * 0.95);
    EXPECT_NEAR(b.dE, b.work, 1e-9 * std::fabs(b.work));
}

TEST_F(EnergyLedger, BathAloneGivesItsHeat)
{
    hardSphereGas();
    bath(3000.0);  // hotter than the gas: heat flows in
    s.restartLedger();
    run(sanitized() ? 3 : 30);
    CEnergyBalance b = s.getLedgerBalance();
    EXPECT_GT(b.heat, 0.0);
    EXPECT_EQ(b.work, 0.0);
    EXPECT_EQ(b.pistonStop, 0.0);
    EXPECT_NEAR(b.dE, b.heat, 1e-9 * std::fabs(b.heat));
}

// The top of the box stops a rising piston: its kinetic energy is lost there,
// booked as the stop and not left in the residual.
TEST_F(EnergyLedger, PistonStoppedAtTheTopIsBookedExactly)
{
    hardSphereGas();
    piston(1e4);  // far below the gas's pressure: the piston is pushed up
    s.setPistonZ(0.0);
    s.restartLedger();
    // Display by display until the top has stopped it (a bounded count).
    for (int k = 0; k < 40 && s.getLedgerBalance().pistonStop == 0.0; k++) run(1);
    CEnergyBalance b = s.getLedgerBalance();
    EXPECT_LT(b.pistonStop, 0.0);
    EXPECT_LE(std::fabs(b.residual), 1e-9 * largestTerm(b));
}

// ---------------------------------------------------------------- integration

// Without conservation the residual is the Verlet drift: halving the time
// step (over the same simulated time) shrinks its root mean square by about
// 2^2. The potential's jumps at the cut-off do not shrink with the step, so at
// much smaller steps they set a floor under the ratio.
TEST_F(EnergyLedger, LennardJonesDriftShrinksWithTheTimeStepsOrder)
{
    if (sanitized()) GTEST_SKIP() << "long runs";
    double drift[2];
    for (int halving = 0; halving < 2; halving++) {
        SetUp();
        loadBench("liquid-400.txt");
        s.setConserve(0);
        const unsigned ticks = 100;  // 2e-11 s, sampled every 2e-13 s
        s.setTimeStep(1e-14 / (1 << halving));
        s.setIPD(20 << halving);
        s.restartLedger();
        double sumSquares = 0.0;
        s.setRunState(CRunState::running);
        for (unsigned tick = 0; tick < ticks; tick++) {
            s.MDCALCIterate();
            CEnergyBalance b = s.getLedgerBalance();
            EXPECT_EQ(b.heat + b.work + b.user + b.correction + b.pistonStop, 0.0);
            sumSquares += b.residual * b.residual;
        }
        drift[halving] = std::sqrt(sumSquares / ticks);
    }
    double ratio = drift[0] / drift[1];
    std::printf("rms residual with dt %.3g J, with dt/2 %.3g J: ratio %.2f\n", drift[0], drift[1], ratio);
    EXPECT_GT(ratio, 3.0);
    EXPECT_LT(ratio, 6.0);
}

TEST_F(EnergyLedger, ConservationCancelsMostOfTheDrift)
{
    loadBench("liquid-400.txt");
    s.setConserve(1);
    s.restartLedger();
    run(sanitized() ? 2 : 20);
    CEnergyBalance b = s.getLedgerBalance();
    EXPECT_NE(b.correction, 0.0);
    // correction + residual = dE: what conservation puts back offsets the drift.
    EXPECT_LT(std::fabs(b.dE), 0.1 * std::fabs(b.residual));
    EXPECT_LT(b.correction * b.residual, 0.0);
}

// ---------------------------------------------------------------- user changes

// Every change between steps is booked as the energy just after minus just
// before, so with no step between the balance holds exactly (to rounding).
TEST_F(EnergyLedger, UserChangesAreBookedAtTheModelsEntrances)
{
    srandom(7);  // where the added atoms land
    removeAllAtoms();
    s.setHalfWidth(1.5e-9);
    s.setPotentialUsed(1);
    s.setLJepsFloor(0, 1e-21);
    piston(1e6);
    s.restartLedger();
    struct Change {
        const char* what;
        void (*apply)(CSimulation&);
    } changes[] = {
        {"add", [](CSimulation& m) { m.addOneAtomAtLocationWithVelocity(0, 0, 0, -1.2e-9, 300, 0, 0); }},
        {"add a partner", [](CSimulation& m) { m.addOneAtomAtLocationWithVelocity(1, 4e-10, 0, -1.2e-9, 0, 200, 0); }},
        {"smaller box", [](CSimulation& m) { ASSERT_TRUE(m.setHalfWidth(1.4e-9)); }},
        {"add many", [](CSimulation& m) { m.setNumber(2, 30); }},
        {"kinetic energy", [](CSimulation& m) { m.changeKEnergy(1e-20); }},
        {"well depth", [](CSimulation& m) { m.setLJeps(0, 1, 3e-21); }},
        {"charges", [](CSimulation& m) {
             m.setCharge(0, 1e-20);
             m.setCharge(2, -1e-20);
         }},
        {"diameter", [](CSimulation& m) { m.setDiam(1, 2.6e-10); }},
        {"mass", [](CSimulation& m) { m.setMass(0, 8e-26); }},
        {"edit", [](CSimulation& m) {
             StateEdit(m)->atoms.firstSelectedType = 0;
             StateEdit(m)->atoms.firstSelectedIndex = 0;
             m.setSelectedLocation(1e-10, 1e-10, -1.1e-9);
             m.setSelectedVelocity(2, -500);
         }},
        {"drag", [](CSimulation& m) {
             m.selectAll(0);
             StateEdit(m)->atoms.sel[2][3] = 1;
             m.moveSelectedBy(20, -10);
         }},
        {"clump", [](CSimulation& m) {
             m.selectType(2);
             m.shiftSelectedAtomsToClump();
         }},
        {"piston speed", [](CSimulation& m) { m.setPistonV(40); }},
        {"piston mass", [](CSimulation& m) { m.setPistonMass(3e-24); }},
        {"delete", [](CSimulation& m) {
             m.selectAll(0);
             StateEdit(m)->atoms.sel[0][0] = 1;
             m.deleteSelected();
         }},
        {"potentials off", [](CSimulation& m) { m.setPotentialUsed(0); }},
    };
    double userBefore = 0.0;
    for (const Change& c : changes) {
        c.apply(s);
        CEnergyBalance b = s.getLedgerBalance();
        EXPECT_NE(b.user, userBefore) << c.what;
        EXPECT_LE(std::fabs(b.residual), 1e-12 * largestTerm(b)) << c.what << ": user " << b.user << " dE " << b.dE;
        userBefore = b.user;
    }
    // Steps after the changes: the hard spheres keep the balance.
    run(2);
    CEnergyBalance b = s.getLedgerBalance();
    EXPECT_LE(std::fabs(b.residual), 1e-9 * largestTerm(b));
}

TEST_F(EnergyLedger, OpeningAFileOrChoosingTheAveragesRestartsIt)
{
    hardSphereGas();
    run(1);
    EXPECT_NE(s.getLedgerBalance().user, 0.0);
    loadBench("piston-bath-800.txt");
    CEnergyBalance b = s.getLedgerBalance();
    for (int k = 0; k < CEnergyBalance::kTerms; k++) EXPECT_EQ(b.term(k), 0.0) << CEnergyBalance::names()[k];
    run(1);
    EXPECT_NE(s.getLedgerBalance().dE, 0.0);
    s.setRecordType(s.getRecordType());  // the same choice again changes nothing
    EXPECT_NE(s.getLedgerBalance().dE, 0.0);
    s.setRecordType(s.getRecordType() == CRecordKind::accumulated ? CRecordKind::instant : CRecordKind::accumulated);
    EXPECT_EQ(s.getLedgerBalance().dE, 0.0);
}

// The piston keeps the force of the box width its pressure was set with; the
// work booked is that force's, so a later change of width leaves no residual.
TEST_F(EnergyLedger, WorkIsThatOfTheForceThePistonFeels)
{
    hardSphereGas();
    piston(1e7);
    s.setHalfWidth(1.6e-9);
    s.restartLedger();
    run(sanitized() ? 3 : 20);
    CEnergyBalance b = s.getLedgerBalance();
    EXPECT_NE(b.work, 0.0);
    EXPECT_LE(std::fabs(b.residual), 1e-9 * largestTerm(b));
}

// ---------------------------------------------------------------- series

// Thinned as the time series is: evenly spaced however often it filled up,
// and the count of displays does not fall when it thins.
TEST(EnergyLedgerSeries, StartsAgainAfterARestartAndThinsWhenFullAtEvenSpacing)
{
    CEnergyLedgerSeries series(8);
    CEnergyLedgerSample sample;
    for (int k = 0; k < 37; k++) {
        sample.time = k;
        series.add(1, sample);
    }
    const auto& kept = series.samples();
    ASSERT_LE(kept.size(), 8u);
    ASSERT_GE(kept.size(), 4u);
    EXPECT_EQ(kept.front().time, 0.0);
    EXPECT_GT(kept.back().time, 36.0 - static_cast<double>(series.stride()));
    for (size_t k = 1; k < kept.size(); k++)
        EXPECT_EQ(kept[k].time - kept[k - 1].time, static_cast<double>(series.stride())) << k;
    EXPECT_EQ(series.displays(), 37u);
    sample.time = 30;
    series.add(2, sample);
    ASSERT_EQ(series.samples().size(), 1u);
    EXPECT_EQ(series.samples().front().time, 30.0);
    EXPECT_EQ(series.displays(), 1u);
}
