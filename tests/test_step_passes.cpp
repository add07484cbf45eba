// SPDX-License-Identifier: GPL-3.0-or-later
// The per-atom passes of a step (drift, half kicks, walls, kinetic energies,
// conservation), which both engines share and which run several atoms at a
// time, against plain atom-by-atom loops, bit for bit: for every count of
// atoms up to past two widths of the widest vectors, so that every atom's
// place in a vector and in the remainder is covered. And the length of a
// display, which decides what a step may leave to the display's last one,
// against the outputs. And the periodic box and contact-free pairs, run by
// either engine, to the same bits.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "SIM/engine/CFastEngine.h"
#include "SIM/engine/CStepView.h"
#include "support/EngineStates.h"
#include "support/SimulationFixture.h"

namespace {

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The atoms' state as the plain loops see it.
struct Atoms {
    CVector loc[4][400], vel[4][400], acc[4][400];
    double aK[4][400], aT[4][400], paT[4][400], nvel[4][400], dE[4][400];
    double dptot[5];
    void take(const CSimulation& s)
    {
        for (int t = 0; t < 4; t++)
            for (int i = 0; i < s.state().atoms.number[t]; i++) {
                loc[t][i] = s.state().atoms.loc[t][i];
                vel[t][i] = s.state().atoms.vel[t][i];
                acc[t][i] = s.state().atoms.acc[t][i];
                aK[t][i] = s.state().atoms.aKEnergy[t][i];
                aT[t][i] = s.state().atoms.aTEnergy[t][i];
                paT[t][i] = s.state().atoms.paTEnergy[t][i];
                nvel[t][i] = s.state().atoms.nvel[t][i];
                dE[t][i] = s.state().atoms.dE[t][i];
            }
        std::memcpy(dptot, s.state().outputs.dptot, sizeof dptot);
    }
};

// The first atom value in which the simulation differs from the plain loops' result, or "".
std::string firstDifference(const CSimulation& s, const Atoms& plain)
{
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) {
            std::string at = "[" + std::to_string(t) + "][" + std::to_string(i) + "]";
            for (int axis = 0; axis < 3; axis++) {
                if (!sameBits(s.state().atoms.loc[t][i].v[axis], plain.loc[t][i].v[axis])) return "loc" + at;
                if (!sameBits(s.state().atoms.vel[t][i].v[axis], plain.vel[t][i].v[axis])) return "vel" + at;
            }
            if (!sameBits(s.state().atoms.aKEnergy[t][i], plain.aK[t][i])) return "aKEnergy" + at;
            if (!sameBits(s.state().atoms.aTEnergy[t][i], plain.aT[t][i])) return "aTEnergy" + at;
            if (!sameBits(s.state().atoms.paTEnergy[t][i], plain.paT[t][i])) return "paTEnergy" + at;
            if (!sameBits(s.state().atoms.nvel[t][i], plain.nvel[t][i])) return "nvel" + at;
            if (!sameBits(s.state().atoms.dE[t][i], plain.dE[t][i])) return "dE" + at;
        }
    for (int k = 0; k < 5; k++)
        if (!sameBits(s.state().outputs.dptot[k], plain.dptot[k])) return "dptot[" + std::to_string(k) + "]";
    return "";
}

class StepPasses : public SimulationTest {
protected:
    std::mt19937_64 rng{17};

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(rng); }

    // counts[t] atoms of each type, spread over a large box (1e-9 m apart at
    // least, so that conservation pairs none of them), with random
    // velocities, accelerations and energies.
    void scatter(const int counts[4])
    {
        removeAllAtoms();
        ASSERT_TRUE(s.setHalfWidth(2e-8));
        StateEdit(s)->forces.floorTempUsed = 0;
        StateEdit(s)->box.pistonUsed = 0;
        int cell = 0;
        for (int t = 0; t < 4; t++)
            for (int i = 0; i < counts[t]; i++, cell++) {
                place(t, -1.8e-8 + 1e-9 * (cell % 30), -1.8e-8 + 1e-9 * (cell / 30 % 30), -1.8e-8 + 1e-9 * (cell / 900),
                      uniform(-500, 500), uniform(-500, 500), uniform(-500, 500));
                StateEdit(s)->atoms.acc[t][i].setXYZ(uniform(-1e13, 1e13), uniform(-1e13, 1e13), uniform(-1e13, 1e13));
                {
                    StateEdit edit(s);
                    edit->atoms.aPEnergy[t][i] = edit->atoms.aTEnergy[t][i] = uniform(-1e-21, 1e-21);
                }
                StateEdit(s)->atoms.paTEnergy[t][i] = uniform(-1e-20, 1e-20);
            }
        StateEdit(s)->clock.timeStep = 1e-14;
    }
};

}  // namespace

TEST_F(StepPasses, DriftKicksAndKineticEnergiesActOnEveryAtomAsThePlainLoopsDo)
{
    const double dt = 1e-14, half = dt * 0.5, quad = dt * half;
    for (int n = 1; n <= 19; n++) {
        const int counts[4] = {n, (n * 7) % 20, 0, 20 - n};
        scatter(counts);
        Atoms plain;
        plain.take(s);
        for (int t = 0; t < 4; t++)
            for (int i = 0; i < counts[t]; i++) {
                CVector tv1, tv2;
                tv1.equalsMuls(plain.vel[t][i], dt);
                tv2.equalsMuls(plain.acc[t][i], quad);
                plain.loc[t][i].add(tv1);
                plain.loc[t][i].add(tv2);
                // Both half kicks, the first before the next force pass, with the same acceleration here.
                for (int kick = 0; kick < 2; kick++) plain.vel[t][i].add(tv1.equalsMuls(plain.acc[t][i], half));
                plain.nvel[t][i] = plain.vel[t][i].norm();
                plain.aK[t][i] = s.state().types.mass[t] * 0.5 * plain.nvel[t][i];
                plain.aT[t][i] += plain.aK[t][i];
                plain.dE[t][i] = plain.aT[t][i] - plain.paT[t][i];
            }
        double total = 0.0;
        for (int t = 0; t < 4; t++)
            for (int i = 0; i < counts[t]; i++) total += plain.dE[t][i];

        s.stepView().driftAtoms(dt, quad);
        s.stepView().kickAtoms(half);
        s.stepView().kickAndTotalEnergy(half);
        ASSERT_EQ(firstDifference(s, plain), "") << n << " atoms of the first type";
        EXPECT_TRUE(sameBits(s.state().conservation.tdE, total)) << n;
    }
}

// Scaled, lost for want of energy, lost at rest, left alone (no change, or a
// change that asks for no speed at all, or one that is not a number): mixed
// so that every outcome meets every other within one vector.
TEST_F(StepPasses, ConservationGivesEveryAtomItsOwnOutcomeAndSumsThemInAtomOrder)
{
    for (int n = 1; n <= 19; n++) {
        const int counts[4] = {n, 3, 0, n / 2};
        scatter(counts);
        int k = 0;
        {
            StateEdit edit(s);
            CAtoms& atoms = edit->atoms;
            for (int t = 0; t < 4; t++)
                for (int i = 0; i < counts[t]; i++, k++) {
                    CVector& v = atoms.vel[t][i];
                    if (k % 7 == 3) v.init();
                    atoms.nvel[t][i] = v.norm();
                    double kinetic = edit->types.mass[t] * 0.5 * atoms.nvel[t][i];
                    atoms.aKEnergy[t][i] = kinetic;
                    const double changes[7] = {0.3 * kinetic, -0.5 * kinetic, 2.0 * kinetic, -1e-22, 0.0, kinetic, NAN};
                    atoms.dE[t][i] = changes[k % 7];
                }
            edit->ledger.correction = 1e-23;
            edit->conservation.tdENotConserved = -2e-23;
        }
        Atoms plain;
        plain.take(s);
        double correction = s.state().ledger.correction, notConserved = s.state().conservation.tdENotConserved;
        for (int t = 0; t < 4; t++)
            for (int i = 0; i < counts[t]; i++) {
                double w2 = plain.nvel[t][i] - 2.0 * s.state().types.invm[t] * plain.dE[t][i];
                if (w2 > 0 && plain.nvel[t][i] > 0) {
                    double before = s.state().types.mass[t] * 0.5 * plain.nvel[t][i];
                    plain.vel[t][i].muls(std::sqrt(w2 / plain.nvel[t][i]));
                    plain.nvel[t][i] = plain.vel[t][i].norm();
                    correction += s.state().types.mass[t] * 0.5 * plain.nvel[t][i] - before;
                    plain.aK[t][i] -= plain.dE[t][i];
                    plain.aT[t][i] -= plain.dE[t][i];
                } else if (w2 < 0 || (w2 > 0 && plain.nvel[t][i] == 0)) {
                    notConserved += plain.dE[t][i];
                    plain.aT[t][i] -= plain.dE[t][i];
                }
                plain.paT[t][i] = plain.aT[t][i];
            }

        s.MDCALCEnergyAdj();
        ASSERT_EQ(firstDifference(s, plain), "") << n << " atoms of the first type";
        EXPECT_TRUE(sameBits(s.state().ledger.correction, correction)) << n;
        EXPECT_TRUE(sameBits(s.state().conservation.tdENotConserved, notConserved)) << n;
    }
}

// Atoms beyond one wall or several, at every place among their neighbours
// (the walls pass over whole groups of atoms within them).
TEST_F(StepPasses, WallsReflectEveryAtomBeyondThemWhereverItSits)
{
    for (int potentials = 0; potentials < 2; potentials++)
        for (int n = 1; n <= 19; n++) {
            const int counts[4] = {n, 19 - n, 9, 0};
            scatter(counts);
            StateEdit(s)->forces.potentialUsed = static_cast<char>(potentials);
            double hw = s.state().box.halfWidth;
            int k = 0;
            {
                StateEdit edit(s);
                for (int t = 0; t < 4; t++)
                    for (int i = 0; i < counts[t]; i++, k++) {
                        double* x = edit->atoms.loc[t][i].v;
                        if (k % 5 == 1) x[k % 3] = hw - 0.1 * s.state().types.diam[t];
                        if (k % 5 == 2) x[(k + 1) % 3] = -hw + 0.3 * s.state().types.diam[t];
                        if (k % 11 == 4) x[0] = x[1] = x[2] = hw + 1e-10;
                        if (k % 13 == 6) x[2] = NAN;
                    }
            }
            Atoms plain;
            plain.take(s);
            for (double& p : plain.dptot) p = 0.0;
            double f = potentials ? 1.0 : 2.0;
            for (int t = 0; t < 4; t++) {
                double m = s.state().types.mass[t], limit = hw - s.state().types.diam[t] / 2.0;
                for (int i = 0; i < counts[t]; i++)
                    for (int axis = 0; axis < 3; axis++) {
                        double& c = plain.loc[t][i].v[axis];
                        double& v = plain.vel[t][i].v[axis];
                        if (c < -limit) c = c + (-limit - c) * f;
                        else if (c > limit) c = c - (c - limit) * f;
                        else continue;
                        v = -v;
                        plain.dptot[t] += 2.0 * m * std::fabs(v);
                        plain.dptot[4] += 2.0 * m * std::fabs(v);
                    }
            }

            s.stepView().collideWithBox();
            ASSERT_EQ(firstDifference(s, plain), "") << n << " atoms of the first type, potentials " << potentials;
        }
}

// Twelve steps as one display or as twelve: every output the same, whether
// the displayed values average over steps or not.
TEST(StepDisplays, TheLengthOfADisplayChangesNoOutput)
{
    for (int kind = 0; kind < 2; kind++)
        for (int recordType = 0; recordType < 3; recordType++) {
            ScriptedPlatform platform;
            auto oneTick = std::make_unique<CSimulation>(platform), manyTicks = std::make_unique<CSimulation>(platform);
            CSimulation &one = *oneTick, &many = *manyTicks;
            for (CSimulation* s : {&one, &many}) {
                s->initWithDefaults();
                s->setOpenPath(std::string(QUORVEL_BENCH_DIR) + "/liquid-400.txt");
                ASSERT_TRUE(s->readInputFile());
                s->setEngineKind(static_cast<CEngineKind>(kind));
                s->setRecordType(static_cast<CRecordKind>(recordType));
                s->setGraphXmax(300.0);  // some atoms beyond the histogram's range
            }
            many.setIPD(12);
            many.MDCALCIterate();
            one.setIPD(1);
            for (int step = 0; step < 12; step++) one.MDCALCIterate();
            std::string what = "engine " + std::to_string(kind) + ", averaging " + std::to_string(recordType);
            ASSERT_EQ(one.state().clock.iterations, many.state().clock.iterations);
            EXPECT_EQ(std::memcmp(one.state().outputs.histogram, many.state().outputs.histogram, sizeof one.state().outputs.histogram), 0) << what;
            EXPECT_EQ(std::memcmp(one.state().outputs.TCHistogram, many.state().outputs.TCHistogram, sizeof one.state().outputs.TCHistogram), 0) << what;
            EXPECT_EQ(std::memcmp(one.state().outputs.TCTemperature, many.state().outputs.TCTemperature, sizeof one.state().outputs.TCTemperature), 0) << what;
            EXPECT_EQ(std::memcmp(one.state().outputs.TCavgvsq, many.state().outputs.TCavgvsq, sizeof one.state().outputs.TCavgvsq), 0) << what;
            EXPECT_EQ(std::memcmp(one.state().outputs.TEnergy, many.state().outputs.TEnergy, sizeof one.state().outputs.TEnergy), 0) << what;
            EXPECT_TRUE(sameBits(one.state().conservation.tdEPercent, many.state().conservation.tdEPercent)) << what;
            EXPECT_EQ(std::memcmp(one.state().atoms.vel, many.state().atoms.vel, sizeof one.state().atoms.vel), 0) << what;
            double counted = 0.0;
            for (int b = 0; b < CSimulation::kBins; b++) counted += one.state().outputs.histogram[4][b];
            EXPECT_GT(counted, 0.0) << what;
            EXPECT_LT(counted, one.state().atoms.totalAtoms) << what;
        }
}

// The periodic box and the contact-free pairs give the same bits with either
// engine, at one thread and at two, three and eight.
TEST(PeriodicIdentity, ReferenceAndFastEngineAgreeOnPeriodicAndContactFreeStates)
{
    for (int setting = 0; setting < 8; setting++) {
        const bool periodic = setting & 1, contacts = setting & 2, conserve = setting & 4;
        if (!periodic && contacts) continue;  // the closed box with contacts: the fast engine's own tests
        SCOPED_TRACE("setting " + std::to_string(setting));
        constexpr int kRuns = 5;
        const int threads[kRuns] = {1, 1, 2, 3, 8};
        ScriptedPlatform platforms[kRuns];
        std::unique_ptr<CSimulation> runs[kRuns];
        for (int k = 0; k < kRuns; k++) {
            runs[k] = std::make_unique<CSimulation>(platforms[k]);
            CSimulation& s = *runs[k];
            s.initWithDefaults();
            s.setEngineKind(k == 0 ? CEngineKind::reference : CEngineKind::fast);
            s.setEngineThreads(threads[k]);
            // Every thread asked for, even for this small state.
            s.getFastEngine().atomsPerThread = 0;
            s.getFastEngine().pairsPerThread = 0;
            s.getFastEngine().cores = threads[k];
            scatter(s, 30, 3 + setting);
            ASSERT_TRUE(s.shiftAtomsToFit(1000));  // no pair deep inside another: contacts off meet them
            StateEdit(s)->forces.potentialUsed = 1;
            StateEdit(s)->conservation.conserve = conserve;
            s.setContactsUsed(contacts);
            ASSERT_TRUE(s.setBoundaries(periodic ? CBoundaries::periodic : CBoundaries::closed));
            StateEdit(s)->clock.iterations = 0;
            StateEdit(s)->clock.timeStep = 2e-15;
            s.setIPD(sanitized() ? 5 : 50);
        }
        for (int display = 0; display < 4; display++)
            for (int k = 0; k < kRuns; k++) ASSERT_TRUE(runs[k]->runDisplay()) << runs[k]->getRunStopReason();
        for (int k = 1; k < kRuns; k++) {
            const CSimulationState &a = runs[0]->state(), &b = runs[k]->state();
            for (int t = 0; t < 4; t++)
                for (int i = 0; i < a.atoms.number[t]; i++) {
                    ASSERT_TRUE(sameBits(a.atoms.loc[t][i].v, b.atoms.loc[t][i].v)) << k << " loc " << t << " " << i;
                    ASSERT_TRUE(sameBits(a.atoms.vel[t][i].v, b.atoms.vel[t][i].v)) << k << " vel " << t << " " << i;
                    ASSERT_TRUE(sameBits(a.atoms.image[t][i], b.atoms.image[t][i])) << k << " image " << t << " " << i;
                }
            EXPECT_TRUE(sameBits(a.outputs.virial, b.outputs.virial)) << k;
            EXPECT_TRUE(sameBits(a.outputs.pressure, b.outputs.pressure)) << k;
            EXPECT_TRUE(sameBits(a.outputs.TEnergy, b.outputs.TEnergy)) << k;
        }
    }
}
