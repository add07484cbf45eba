// SPDX-License-Identifier: GPL-3.0-or-later
// The fast engine against the reference loops, bit for bit.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "SIM/engine/CFastEngine.h"
#include "SIM/measure/CEnergyLedgerSeries.h"
#include "SIM/engine/CFastEngine_energy.h"
#include "SIM/model/CSimulation.h"
#include "support/ScriptedPlatform.h"
#include "support/EngineStates.h"
#include "support/StateEdit.h"

namespace {

// Total steps for a side-by-side run: fewer in the slow sanitizer build.
unsigned steps(unsigned normal) { return sanitized() ? std::max(20u, normal / 40) : normal; }

// A simulation with its own platform, run by the engine of the given kind.
struct EngineRun {
    ScriptedPlatform platform;
    std::unique_ptr<CSimulation> sim;
    enum Kernel { kBest, kFourLanes, kPortable };
    enum Layout { kChosen, kFlat, kByRows };
    EngineRun(int kind, int threads, Kernel kernel = kBest, Layout layout = kChosen)
    {
        sim = std::make_unique<CSimulation>(platform);
        sim->initWithDefaults();
        sim->setEngineKind(static_cast<CEngineKind>(kind));
        sim->setEngineThreads(threads);
        CFastEngine& engine = sim->getFastEngine();
        // Every thread asked for, even for the small crafted states and
        // beyond the machine's cores.
        if (threads > 1) {
            engine.atomsPerThread = 0;
            engine.pairsPerThread = 0;
            engine.cores = threads;
        }
        if (kernel == kPortable) engine.useAvx2 = false;
        if (kernel == kFourLanes) engine.useAvx512 = false;
        if (layout == kFlat) engine.flatBelowRowLength = 1e9;
        if (layout == kByRows) engine.flatBelowRowLength = 0.0;
    }
};

// The first field in which the two simulations differ in any bit, or "".
std::string firstDifference(const CSimulation& a, const CSimulation& b)
{
#define SAME(field) \
    if (!sameBits(a.state().field, b.state().field)) return #field
    SAME(atoms.number);
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < a.state().atoms.number[t]; i++) {
            std::string at = "[" + std::to_string(t) + "][" + std::to_string(i) + "]";
            if (!sameBits(a.state().atoms.loc[t][i].v, b.state().atoms.loc[t][i].v)) return "loc" + at;
            if (!sameBits(a.state().atoms.vel[t][i].v, b.state().atoms.vel[t][i].v)) return "vel" + at;
            if (!sameBits(a.state().atoms.acc[t][i].v, b.state().atoms.acc[t][i].v)) return "acc" + at;
            if (!sameBits(a.state().atoms.aKEnergy[t][i], b.state().atoms.aKEnergy[t][i])) return "aKEnergy" + at;
            if (!sameBits(a.state().atoms.aPEnergy[t][i], b.state().atoms.aPEnergy[t][i])) return "aPEnergy" + at;
            if (!sameBits(a.state().atoms.aTEnergy[t][i], b.state().atoms.aTEnergy[t][i])) return "aTEnergy" + at;
            if (!sameBits(a.state().atoms.paTEnergy[t][i], b.state().atoms.paTEnergy[t][i])) return "paTEnergy" + at;
            if (!sameBits(a.state().atoms.nvel[t][i], b.state().atoms.nvel[t][i])) return "nvel" + at;
            if (!sameBits(a.state().atoms.dE[t][i], b.state().atoms.dE[t][i])) return "dE" + at;
            if (!sameBits(a.state().atoms.image[t][i], b.state().atoms.image[t][i])) return "image" + at;
        }
    SAME(clock.iterations);
    SAME(clock.elapsedTime);
    SAME(box.pistonZ);
    SAME(box.pistonV);
    SAME(outputs.dptot);
    SAME(outputs.area);
    SAME(outputs.volume);
    SAME(outputs.pressure);
    SAME(outputs.virial);
    SAME(outputs.temperature);
    SAME(outputs.KEnergy);
    SAME(outputs.PEnergy);
    SAME(outputs.TEnergy);
    SAME(outputs.vsq);
    SAME(outputs.avgvsq);
    SAME(outputs.TCVolume);
    SAME(outputs.TCPressure);
    SAME(outputs.TCTemperature);
    SAME(outputs.TCKEnergy);
    SAME(outputs.TCPEnergy);
    SAME(outputs.TCTEnergy);
    SAME(outputs.TCavgvsq);
    SAME(outputs.sqrtTCavgvsq);
    SAME(outputs.histogram);
    SAME(outputs.TCHistogram);
    SAME(outputs.record);
    SAME(outputs.oldPart);
    SAME(outputs.newPart);
    SAME(conservation.tdE);
    SAME(conservation.tdEPercent);
    SAME(conservation.tdENotConserved);
#undef SAME
    CEnergyBalance ledgerA = a.getLedgerBalance(), ledgerB = b.getLedgerBalance();
    for (int k = 0; k < CEnergyBalance::kTerms; k++)
        if (!sameBits(ledgerA.term(k), ledgerB.term(k))) return std::string("ledger ") + CEnergyBalance::names()[k];
    return "";
}

// The reference, the fast engine on one thread and on two (each with the
// kernel it chooses), and with the four-lane flat kernel, the portable
// kernel by rows and, on two threads, the portable flat kernel and the
// four-lane and portable kernels by rows; on three and eight threads, with
// the kernel chosen, the flat kernel and the kernel by rows of every width.
struct SideBySide {
    static constexpr int kRuns = 14;
    EngineRun runs[kRuns] = {EngineRun(0, 1),
                             EngineRun(1, 1),
                             EngineRun(1, 2),
                             EngineRun(1, 1, EngineRun::kFourLanes, EngineRun::kFlat),
                             EngineRun(1, 1, EngineRun::kPortable, EngineRun::kByRows),
                             EngineRun(1, 2, EngineRun::kPortable, EngineRun::kFlat),
                             EngineRun(1, 2, EngineRun::kFourLanes, EngineRun::kByRows),
                             EngineRun(1, 2, EngineRun::kPortable, EngineRun::kByRows),
                             EngineRun(1, 3),
                             EngineRun(1, 8),
                             EngineRun(1, 3, EngineRun::kBest, EngineRun::kFlat),
                             EngineRun(1, 8, EngineRun::kFourLanes, EngineRun::kFlat),
                             EngineRun(1, 3, EngineRun::kPortable, EngineRun::kByRows),
                             EngineRun(1, 8, EngineRun::kBest, EngineRun::kByRows)};

    template <class Prepare>
    explicit SideBySide(Prepare prepare)
    {
        for (EngineRun& run : runs) prepare(*run.sim);
    }

    // Runs the given number of steps, ticks of stepsPerTick, comparing after
    // every tick. Each tick starts every engine from the same random state,
    // so the heat bath draws the same numbers.
    void expectIdentical(unsigned totalSteps, unsigned stepsPerTick, const std::string& what)
    {
        for (EngineRun& run : runs) run.sim->setIPD(stepsPerTick);
        for (unsigned tick = 0; tick * stepsPerTick < totalSteps; tick++) {
            for (EngineRun& run : runs) {
                srandom(1000 + tick);
                run.sim->MDCALCIterate();
            }
            static const char* const names[kRuns] = {"",
                                                     "one thread",
                                                     "two threads",
                                                     "the four-lane flat kernel",
                                                     "the portable kernel by rows",
                                                     "two threads with the portable flat kernel",
                                                     "two threads with the four-lane kernel by rows",
                                                     "two threads with the portable kernel by rows",
                                                     "three threads",
                                                     "eight threads",
                                                     "three threads with the flat kernel",
                                                     "eight threads with the four-lane flat kernel",
                                                     "three threads with the portable kernel by rows",
                                                     "eight threads with the kernel by rows"};
            for (int k = 1; k < kRuns; k++) {
                std::string diff = firstDifference(*runs[0].sim, *runs[k].sim);
                ASSERT_EQ(diff, "") << what << ": fast engine on " << names[k] << " differs after step "
                                    << runs[0].sim->state().clock.iterations;
            }
        }
    }
};

void load(CSimulation& s, const std::string& file)
{
    s.setOpenPath(std::string(QUORVEL_BENCH_DIR) + "/" + file);
    ASSERT_TRUE(s.readInputFile()) << file;
}

}  // namespace

// ---------------------------------------------------------------- identity

TEST(FastEngineIdentity, EveryBenchScenario)
{
    struct Case {
        const char* file;
        unsigned steps;
    } cases[] = {{"liquid-1600.txt", 300}, {"lj-gas-1600.txt", 300}, {"gas-1600.txt", 300},
                 {"liquid-400.txt", 2000}, {"charged-800.txt", 600}, {"piston-bath-800.txt", 1000}};
    for (const Case& c : cases) {
        SideBySide runs([&](CSimulation& s) { load(s, c.file); });
        runs.expectIdentical(steps(c.steps), 100, c.file);
        if (HasFatalFailure()) return;
    }
}

// Every combination of the switches that change what the step does, on a
// crowded random state with overlaps, where atoms cross cells and the lists
// are rebuilt often.
TEST(FastEngineIdentity, EverySettingOnACrowdedRandomState)
{
    for (int setting = 0; setting < 32; setting++) {
        bool potentials = setting & 1, conserve = setting & 2, charged = setting & 4, bath = setting & 8,
             piston = setting & 16;
        SideBySide runs([&](CSimulation& s) {
            scatter(s, 60, 7 + setting);
            StateEdit(s)->forces.potentialUsed = potentials;
            StateEdit(s)->conservation.conserve = conserve;
            if (charged) {
                StateEdit(s)->forces.charge[0] = 1.6e-20;
                StateEdit(s)->forces.charge[2] = -1.6e-20;
                StateEdit(s)->forces.charge[3] = 0.8e-20;
            }
            StateEdit(s)->forces.LJepsFloor[1] = 2e-21;
            StateEdit(s)->forces.LJepsFloor[2] = 1e-21;
            StateEdit(s)->forces.floorTempUsed = bath;
            StateEdit(s)->forces.floorTemp = 300;
            StateEdit(s)->box.pistonUsed = piston;
            StateEdit(s)->box.pistonZ = 1.2e-9;
            StateEdit(s)->box.pistonM = 2e-25;
            StateEdit(s)->box.pistonA = -1e13;
            StateEdit(s)->clock.iterations = 0;
        });
        runs.expectIdentical(steps(200), 50, "setting " + std::to_string(setting));
        if (HasFatalFailure()) return;
    }
}

// Engines are made on first use, in whatever memory the allocator hands out.
// Made where earlier allocations left bytes other than zeros, they still give
// the reference's bits (the flat kernel once read marks past a block's last
// pair, where such bytes made pairs within energy-pairing reach of others).
TEST(FastEngineIdentity, EnginesMadeInMemoryLeftDirty)
{
    // Large blocks from the heap, and a freed block kept there to be handed out again.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    auto prepare = [](CSimulation& s) {
        scatter(s, 3, 11);  // 12 atoms: blocks of the flat kernel that end inside a word of marks
        StateEdit(s)->forces.potentialUsed = 1;
        StateEdit(s)->conservation.conserve = 1;
    };
    for (EngineRun::Kernel kernel : {EngineRun::kFourLanes, EngineRun::kPortable}) {
        {
            std::vector<unsigned char> dirty(8 << 20, 0xA5);
            asm volatile("" : : "r"(dirty.data()) : "memory");  // the bytes are written before the block is freed
        }
        auto run = std::make_unique<EngineRun>(1, 1, kernel, EngineRun::kFlat);  // made in the freed block
        prepare(*run->sim);
        EngineRun reference(0, 1);
        prepare(*reference.sim);
        for (int tick = 0; tick < 20; tick++) {
            srandom(2000 + tick);
            reference.sim->MDCALCIterate();
            srandom(2000 + tick);
            run->sim->MDCALCIterate();
            ASSERT_EQ(firstDifference(*reference.sim, *run->sim), "") << "kernel " << kernel << ", tick " << tick;
        }
    }
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
}

TEST(FastEngineIdentity, CraftedStates)
{
    struct Crafted {
        const char* what;
        void (*prepare)(CSimulation&);
    } crafted[] = {
        {"atoms on a lattice of likely cell boundaries, at the walls and beyond them",
         [](CSimulation& s) {
             scatter(s, 0, 1);
             StateEdit(s)->forces.potentialUsed = 1;
             double hw = s.state().box.halfWidth;
             int n = 0;
             for (int a = 0; a <= 12 && n < 1600; a++)
                 for (int b = 0; b <= 12 && n < 1600; b += 3)
                     for (int c = 0; c <= 12 && n < 1600; c += 4, n++)
                         s.addOneAtomAtLocationWithVelocity(n % 4, -hw + a * hw / 6, -hw + b * hw / 6,
                                                            -hw + c * hw / 6, (a - 6) * 50.0, 100.0, -80.0);
             s.addOneAtomAtLocationWithVelocity(0, hw + 1e-10, 0, 0, 300, 0, 0);
             s.addOneAtomAtLocationWithVelocity(1, 0, -hw - 2e-10, 0, 0, -300, 0);
         }},
        {"pairs exactly touching, exactly at the cut-off, overlapping and coincident",
         [](CSimulation& s) {
             scatter(s, 0, 2);
             StateEdit(s)->forces.potentialUsed = 1;
             for (int t = 0; t < 4; t++) StateEdit(s)->types.diam[t] = 3e-10;
             double m = 3e-10;
             double xs[] = {0, m, 2 * m, 5 * m, -3 * m, -3 * m + 0.3 * m, 0.5e-9, 0.5e-9};
             for (int k = 0; k < 8; k++) s.addOneAtomAtLocationWithVelocity(k % 2, xs[k], 0.1e-9 * (k / 6), 0, 10, 0, 0);
         }},
        {"a lone atom", [](CSimulation& s) {
             scatter(s, 0, 3);
             StateEdit(s)->forces.potentialUsed = 1;
             StateEdit(s)->forces.LJepsFloor[0] = 1e-21;
             s.addOneAtomAtLocationWithVelocity(0, 0.2e-9, -0.1e-9, -1.3e-9, 100, -50, -200);
         }},
        {"a full type of 400 in a small box", [](CSimulation& s) {
             scatter(s, 0, 4);
             StateEdit(s)->forces.potentialUsed = 1;
             std::mt19937_64 rng(4);
             std::uniform_real_distribution<double> where(-1.4e-9, 1.4e-9), speed(-300, 300);
             for (int i = 0; i < 400; i++)
                 s.addOneAtomAtLocationWithVelocity(0, where(rng), where(rng), where(rng), speed(rng), speed(rng),
                                                    speed(rng));
         }},
        {"clusters of ten, whose rows hold 9 down to 0 partners, some on the floor", [](CSimulation& s) {
             scatter(s, 0, 6);
             StateEdit(s)->forces.potentialUsed = 1;
             s.setHalfWidth(3e-9);
             for (int t = 0; t < 4; t++) StateEdit(s)->forces.LJepsFloor[t] = 1e-21 * (1 + t);
             const double centres[3] = {-2e-9, 0.0, 2e-9};
             const double heights[3] = {-3e-9 + 0.25e-9, 0.0, 2e-9};
             int cluster = 0;
             for (double z : heights)
                 for (double y : centres)
                     for (double x : centres) {
                         int t = cluster++ % 4;
                         double step = 1.05 * s.state().types.diam[t];
                         for (int k = 0; k < 10; k++)
                             s.addOneAtomAtLocationWithVelocity(t, x + step * (k % 3), y + step * (k / 3 % 2),
                                                                z + step * (k / 6), 20.0 * k, -10.0 * k, 5.0);
                     }
         }},
        {"hard spheres heavily overlapping", [](CSimulation& s) {
             scatter(s, 150, 5);
             StateEdit(s)->forces.potentialUsed = 0;
             s.setHalfWidth(1.2e-9);
         }},
        {"a crowd of hard spheres in one cell, rows of over 64 contacts", [](CSimulation& s) {
             scatter(s, 0, 6);
             StateEdit(s)->forces.potentialUsed = 0;
             StateEdit(s)->conservation.conserve = 1;
             s.setHalfWidth(0.5e-9);
             std::mt19937_64 rng(6);
             std::uniform_real_distribution<double> where(-0.3e-9, 0.3e-9), speed(-300, 300);
             for (int n = 0; n < 160; n++)
                 s.addOneAtomAtLocationWithVelocity(n % 4, where(rng), where(rng), where(rng), speed(rng), speed(rng),
                                                    speed(rng));
         }},
        // Two threads share the atoms by the median x: the rows of the last
        // atoms of the first type hold partners of the other side only, and
        // the rebuilds move atoms from one side to the other.
        {"two clusters of different types meeting at the middle plane and passing into each other",
         [](CSimulation& s) {
             scatter(s, 0, 8);
             StateEdit(s)->forces.potentialUsed = 1;
             StateEdit(s)->conservation.conserve = 1;
             s.setHalfWidth(2e-9);
             for (int a = 0; a < 4; a++)
                 for (int b = 0; b < 5; b++)
                     for (int c = 0; c < 5; c++)
                         for (int t = 0; t < 2; t++) {
                             double side = t == 0 ? -1.0 : 1.0;
                             s.addOneAtomAtLocationWithVelocity(t, side * (0.16e-9 + a * 0.32e-9), -0.64e-9 + b * 0.32e-9,
                                                                -0.64e-9 + c * 0.32e-9, -side * 600.0, 0.0, 0.0);
                         }
         }},
        {"alike atoms, uncharged, with no Lennard-Jones well: every pair term a zero of the other sign",
         [](CSimulation& s) {
             scatter(s, 100, 13);
             StateEdit(s)->forces.potentialUsed = 1;
             StateEdit(s)->conservation.conserve = 1;
             for (int t = 0; t < 4; t++) {
                 StateEdit(s)->types.diam[t] = 3e-10;
                 StateEdit(s)->types.mass[t] = 5e-26;
                 StateEdit(s)->types.invm[t] = 1.0 / s.state().types.mass[t];
                 for (int u = t; u < 4; u++) StateEdit(s)->forces.LJeps[t][u] = 0.0;
             }
         }},
        {"steps that carry atoms many box widths past the walls, folded back in", [](CSimulation& s) {
             scatter(s, 40, 21);
             StateEdit(s)->forces.potentialUsed = 0;
             StateEdit(s)->forces.floorTempUsed = 1;
             StateEdit(s)->forces.floorTemp = 300;
             StateEdit(s)->clock.timeStep = 3e-11;
         }},
        {"soft atoms under a piston thrown out of the box by their steps", [](CSimulation& s) {
             scatter(s, 40, 22);
             StateEdit(s)->forces.potentialUsed = 1;
             StateEdit(s)->conservation.conserve = 1;
             StateEdit(s)->box.pistonUsed = 1;
             StateEdit(s)->box.pistonZ = 1.2e-9;
             StateEdit(s)->box.pistonM = 2e-25;
             StateEdit(s)->clock.timeStep = 3e-11;
         }},
        {"a dense crowd in one cell, rows of over 64 partners", [](CSimulation& s) {
             scatter(s, 0, 7);
             StateEdit(s)->forces.potentialUsed = 1;
             StateEdit(s)->conservation.conserve = 1;
             s.setHalfWidth(0.6e-9);
             for (int a = 0; a < 5; a++)
                 for (int b = 0; b < 5; b++)
                     for (int c = 0; c < 5; c++)
                         s.addOneAtomAtLocationWithVelocity((a + b + c) % 4, -0.46e-9 + a * 0.23e-9,
                                                            -0.46e-9 + b * 0.23e-9, -0.46e-9 + c * 0.23e-9,
                                                            (a - 2) * 90.0, (b - 2) * 70.0, (c - 2) * 50.0);
         }},
    };
    for (const Crafted& c : crafted) {
        SideBySide runs([&](CSimulation& s) {
            c.prepare(s);
            StateEdit(s)->clock.iterations = 0;
        });
        runs.expectIdentical(steps(400), 40, c.what);
        if (HasFatalFailure()) return;
    }
}

// Periodic boxes and contact-free pairs in every combination with
// potentials and conservation (the closed box with contacts is everywhere
// above): boxes of two, three and four cells along each axis, atoms leaving
// through faces, edges and corners and one starting a little outside, four
// types or two. The atoms sit on a jittered lattice, so that without
// contacts no pair starts deep inside the other's diameter.
TEST(FastEngineIdentity, PeriodicBoxesAndContactFreePairs)
{
    const double halfWidths[] = {1.5e-9, 2.2e-9, 3.1e-9};
    for (int setting = 0; setting < 16; setting++) {
        bool periodic = setting & 1, contactsOff = setting & 2, potentials = setting & 4, conserve = setting & 8;
        if (!periodic && !contactsOff) continue;
        const double hw = halfWidths[setting % 3];
        const int types = setting % 5 == 0 ? 2 : 4;
        SideBySide runs([&](CSimulation& s) {
            scatter(s, 0, 50 + setting);
            s.setHalfWidth(hw);
            std::mt19937_64 rng(setting);
            std::uniform_real_distribution<double> jitter(-4e-11, 4e-11), speed(-600, 600);
            const int sites = static_cast<int>(2 * hw / 4.4e-10);
            const double spacing = 2 * hw / sites;
            for (int a = 0; a < sites; a++)
                for (int b = 0; b < sites; b++)
                    for (int c = 0; c < sites; c++)
                        if ((a + 2 * b + 3 * c + setting) % 3 == 0)
                            s.addOneAtomAtLocationWithVelocity((a + b + c) % types, -hw + (a + 0.5) * spacing + jitter(rng),
                                                               -hw + (b + 0.5) * spacing + jitter(rng),
                                                               -hw + (c + 0.5) * spacing + jitter(rng), speed(rng),
                                                               speed(rng), speed(rng));
            // Through a corner, an edge and a face within the first steps, and one just outside.
            const double edge = hw - 2e-12;
            s.addOneAtomAtLocationWithVelocity(0, edge, edge, edge, 900, 800, 700);
            s.addOneAtomAtLocationWithVelocity(1, -edge, edge, 0, -900, 800, 0);
            s.addOneAtomAtLocationWithVelocity(0, 0, 0, -edge, 0, 0, -900);
            s.addOneAtomAtLocationWithVelocity(1, hw + 1e-11, -0.5 * hw, 0.5 * hw, 100, 0, 0);
            StateEdit(s)->forces.potentialUsed = potentials;
            StateEdit(s)->conservation.conserve = conserve;
            StateEdit(s)->forces.LJepsFloor[1] = 2e-21;  // a floor that acts in the closed box only
            if (periodic) ASSERT_TRUE(static_cast<bool>(s.setBoundaries(CBoundaries::periodic))) << setting;
            s.setContactsUsed(!contactsOff);
            StateEdit(s)->clock.iterations = 0;
        });
        if (HasFatalFailure()) return;
        // These states choose the flat kernel: with conservation the widest
        // kernel runs by rows instead, on one thread and by sides on two.
        if (conserve)
            for (int k : {1, 2}) runs.runs[k].sim->getFastEngine().flatBelowRowLength = 0.0;
        runs.expectIdentical(steps(300), 50, "periodic " + std::to_string(periodic) + ", contacts " +
                                                 std::to_string(!contactsOff) + ", potentials " +
                                                 std::to_string(potentials) + ", conservation " + std::to_string(conserve));
        if (HasFatalFailure()) return;
        if (periodic) {
            const CSimulationState& state = runs.runs[0].sim->state();
            int wrapped = 0;
            for (int t = 0; t < CSimulation::kTypes; t++)
                for (int i = 0; i < state.atoms.number[t]; i++)
                    for (int n : state.atoms.image[t][i]) wrapped += n != 0;
            EXPECT_GT(wrapped, 3) << "atoms left through the faces, setting " << setting;
            if (potentials) EXPECT_NE(state.outputs.virial[CSimulation::kAllAtoms], 0.0) << setting;
        }
    }
}

// Parameters changed between ticks must reach the fast engine's lists.
TEST(FastEngineIdentity, ParametersChangedBetweenTicks)
{
    SideBySide runs([](CSimulation& s) { load(s, "liquid-400.txt"); });
    runs.expectIdentical(steps(200), 100, "before the changes");
    for (EngineRun& run : runs.runs) {
        CSimulation& s = *run.sim;
        s.setDiam(1, 2.2e-10);
        s.setCharge(2, 1e-20);
        s.setCharge(3, -1e-20);
        s.setHalfWidth(s.state().box.halfWidth * 0.97);
    }
    runs.expectIdentical(steps(400), 100, "after the changes");
}

// A display run in several calls (the window's slices, the diffusion
// measurement's samples) keeps the lists from one call to the next: an edit,
// an earlier state restored or a file read between two calls, within a
// display, must reach them.
TEST(FastEngineIdentity, DisplaysInSlicesWithChangesBetweenThem)
{
    SideBySide runs([](CSimulation& s) { load(s, "liquid-400.txt"); });
    std::vector<CSimulationState> earlier;
    for (EngineRun& run : runs.runs) {
        run.sim->setIPD(100);
        earlier.push_back(run.sim->state());
    }
    const unsigned slices[] = {7, 30, 1, 62, 100, 13};
    const char* const changes[] = {"nothing", "an atom moved", "an earlier state restored", "the file read again"};
    for (int change = 0; change < 4; change++) {
        for (size_t k = 0; k < std::size(runs.runs); k++) {
            CSimulation& s = *runs.runs[k].sim;
            if (change == 1) {
                CVector near = s.state().atoms.loc[1][7];
                near.v[0] += 0.9 * s.state().types.diam[0];
                StateEdit(s)->atoms.loc[0][5] = near;
            }
            if (change == 2) s.restoreState(earlier[k]);
            if (change == 3) load(s, "liquid-400.txt");
        }
        for (unsigned slice : slices) {
            bool finite[SideBySide::kRuns];
            for (int k = 0; k < SideBySide::kRuns; k++) {
                srandom(2000 + slice);
                finite[k] = runs.runs[k].sim->runDisplaySteps(slice);
            }
            for (int k = 1; k < SideBySide::kRuns; k++) {
                ASSERT_EQ(finite[k], finite[0]);
                ASSERT_EQ(firstDifference(*runs.runs[0].sim, *runs.runs[k].sim), "")
                    << "run " << k << " after " << changes[change] << ", slice of " << slice;
            }
        }
    }
}

// The ledger only reads: a run whose ledger is sampled every display (as a
// chart and the batch CSV do) ends bit for bit where one without ends, on
// both engines, with the heat bath, the piston, potentials and conservation.
TEST(FastEngineIdentity, ReadingTheLedgerChangesNoTrajectory)
{
    for (int kind : {0, 1}) {
        EngineRun read(kind, 1), unread(kind, 1);
        CEnergyLedgerSeries series;
        for (EngineRun* run : {&read, &unread}) {
            CSimulation& s = *run->sim;
            load(s, "piston-bath-800.txt");
            s.setConserve(1);
            s.setIPD(50);
        }
        for (int tick = 0; tick < (sanitized() ? 2 : 20); tick++) {
            srandom(500 + tick);
            read.sim->MDCALCIterate();
            series.sample(*read.sim);
            srandom(500 + tick);
            unread.sim->MDCALCIterate();
        }
        EXPECT_EQ(firstDifference(*read.sim, *unread.sim), "") << "engine " << kind;
        ASSERT_FALSE(series.samples().empty());
        EXPECT_NE(series.samples().back().balance.heat, 0.0);
        EXPECT_NE(series.samples().back().balance.work, 0.0);
    }
}
