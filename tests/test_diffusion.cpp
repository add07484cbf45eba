// SPDX-License-Identifier: GPL-3.0-or-later
// How fast atoms wander: the MSD and VACF of atoms in free flight are known
// exactly at every lag; sampling between steps changes no trajectory; a
// change by a person starts the measurement again; quorvel-batch writes the
// files and the D lines; and on the liquid the Einstein and Green-Kubo D
// agree.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "SIM/measure/CDiffusion.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"
#include "SIM/engine/CSampledRun.h"
#include "support/BatchProcess.h"
#include "support/ScriptedPlatform.h"

namespace {
std::unique_ptr<CSimulation> loaded(ScriptedPlatform& platform, const std::string& path)
{
    auto s = std::make_unique<CSimulation>(platform);
    s->initWithDefaults();
    s->setOpenPath(path);
    bool notSimulation = false;
    EXPECT_EQ(s->loadInputFile(notSimulation), "") << path;
    return s;
}

std::vector<std::vector<std::string>> cells(const std::string& csv)
{
    std::vector<std::vector<std::string>> out;
    std::stringstream text(csv);
    for (std::string line; std::getline(text, line);) {
        std::vector<std::string> row;
        std::stringstream parts(line);
        for (std::string cell; std::getline(parts, cell, ',');) row.push_back(cell);
        if (!line.empty() && line.back() == ',') row.push_back("");
        out.push_back(row);
    }
    return out;
}

void runDisplays(CSimulation& s, CDiffusion& d, int displays)
{
    for (int k = 0; k < displays; k++) ASSERT_TRUE(runDisplayStepsSampled(s, &d, s.getIPD()));
}
}  // namespace

// Slow atoms of type B drift freely (no potentials, diameters too small to
// meet) while one fast atom of type A sets a short stride: the MSD of B is
// v^2 t^2 and its VACF v^2 at every lag of every level reached.
TEST(Diffusion, FreeFlightGivesExactCurvesAtEveryLag)
{
    ScriptedPlatform platform;
    CSimulation s(platform);
    s.initWithDefaults();
    s.setPotentialUsed(false);
    s.setConserve(false);
    s.setFloorTempUsed(false);
    for (int t = 0; t < CSimulation::kTypes; t++) ASSERT_TRUE(s.setNumber(t, 0));
    ASSERT_TRUE(s.setHalfWidth(1e-8));
    ASSERT_TRUE(s.setTimeStep(1e-12));
    for (int t = 0; t < 2; t++) ASSERT_TRUE(s.setDiam(t, 1e-11));
    ASSERT_TRUE(s.addOneAtomAtLocationWithVelocity(0, 0.0, 0.0, 0.0, 2000.0, 0.0, 0.0));
    const double speed = 0.1;  // m/s: none reaches a wall
    for (int i = 0; i < 20; i++) {
        const double phi = 0.7 * i, z = -0.9 + 0.09 * i, r = std::sqrt(1.0 - z * z);
        ASSERT_TRUE(s.addOneAtomAtLocationWithVelocity(1, 3e-9 * std::cos(phi), 3e-9 * std::sin(phi), 5e-10 * i - 5e-9,
                                                       speed * r * std::cos(phi), speed * r * std::sin(phi), speed * z));
    }
    CDiffusion d;
    runDisplays(s, d, 80);
    ASSERT_GE(d.samples(), 300u);
    const CDiffusionResult r = d.result(1u << 1);
    EXPECT_EQ(r.atoms, 20);
    ASSERT_GT(r.time.size(), std::size_t(CDiffusion::kLagsPerLevel + 4 * CDiffusion::kLagsPerLevel / 2))
        << "lags of several levels";
    for (std::size_t k = 0; k < r.time.size(); k++) {
        const double t = r.time[k];
        EXPECT_DOUBLE_EQ(t, CDiffusion::lagSamples(static_cast<int>(k)) * d.stride() * 1e-12);
        EXPECT_NEAR(r.msd[k], speed * speed * t * t, 1e-9 * speed * speed * t * t + 1e-40) << "lag " << k;
        EXPECT_NEAR(r.vacf[k], speed * speed, 1e-12 * speed * speed) << "lag " << k;
        EXPECT_NEAR(r.integral[k], speed * speed * t, 1e-9 * t + 1e-30) << "lag " << k;
    }
    EXPECT_EQ(r.window, CDiffusionWindow::tooEarly) << "the velocities never forget in free flight";
    EXPECT_EQ(d.result(1u << 2).window, CDiffusionWindow::noAtoms);
}

// The measurement's parts give the steps of a whole display bit for bit; a
// change booked by a person, or a new time step, starts it again.
TEST(Diffusion, SamplingChangesNoTrajectoryAndAChangeRestartsIt)
{
    ScriptedPlatform platform;
    const std::string liquid = std::string(QUORVEL_BENCH_DIR) + "/liquid-400.txt";
    auto plain = loaded(platform, liquid), sampled = loaded(platform, liquid);
    CDiffusion d;
    for (int k = 0; k < 6; k++) {
        ASSERT_TRUE(plain->runDisplay());
        ASSERT_TRUE(runDisplayStepsSampled(*sampled, &d, sampled->getIPD()));
    }
    ASSERT_GT(d.stride(), 0u);
    EXPECT_LT(d.stride(), sampled->getIPD()) << "several samples per display";
    EXPECT_EQ(sampled->getIterations(), plain->getIterations());
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < plain->getNumber(t); i++)
            for (int axis = 0; axis < 3; axis++) {
                ASSERT_EQ(sampled->state().atoms.loc[t][i].v[axis], plain->state().atoms.loc[t][i].v[axis]);
                ASSERT_EQ(sampled->state().atoms.vel[t][i].v[axis], plain->state().atoms.vel[t][i].v[axis]);
            }
    const unsigned long before = d.samples();
    EXPECT_EQ(d.restarts(), 0u);
    sampled->changeKEnergy(0.01 * sampled->getTEnergy(CSimulation::kAllAtoms));
    runDisplays(*sampled, d, 1);
    EXPECT_EQ(d.restarts(), 1u);
    EXPECT_LT(d.samples(), before);
    ASSERT_TRUE(sampled->setTimeStep(0.5 * sampled->getTimeStep()));
    runDisplays(*sampled, d, 1);
    EXPECT_EQ(d.restarts(), 2u);
}

// The liquid: a window between the ballistic regime and confinement, the
// Einstein D with its block error, and the Green-Kubo D within 20% of it.
TEST(Diffusion, EinsteinAndGreenKuboAgreeOnTheLiquid)
{
    ScriptedPlatform platform;
    auto s = loaded(platform, std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt");
    CDiffusion d;
    runDisplays(*s, d, 150);
    const CDiffusionResult r = d.result(kAllTypesMask);
    ASSERT_TRUE(r.hasWindow()) << r.reason();
    EXPECT_GT(r.windowEnd(), CDiffusion::kMinWindowSpan * r.windowStart());
    EXPECT_GT(r.einsteinD, 1e-10);
    EXPECT_LT(r.einsteinD, 1e-8);
    EXPECT_NEAR(r.greenKuboD, r.einsteinD, 0.2 * r.einsteinD);
    ASSERT_GE(r.einsteinError, 0.0) << r.blocks << " blocks";
    EXPECT_LT(r.einsteinError, 0.1 * r.einsteinD);
    std::printf("liquid: Einstein D %.4g +- %.2g (%d blocks), Green-Kubo D %.4g m^2/s, window %.3g to %.3g s, stride %u\n",
                r.einsteinD, r.einsteinError, r.blocks, r.greenKuboD, r.windowStart(), r.windowEnd(), d.stride());
    // Each type alone is a quarter of the atoms, with the same D within the noise.
    const CDiffusionResult a = d.result(1u << 0);
    ASSERT_TRUE(a.hasWindow()) << a.reason();
    EXPECT_NEAR(a.einsteinD, r.einsteinD, 0.25 * r.einsteinD);
}

TEST(Diffusion, BatchWritesTheCurvesAndTheDLines)
{
    const std::string liquid = std::string(QUORVEL_BENCH_DIR) + "/liquid-400.txt";
    ASSERT_EQ(runBatch(liquid + " --ticks 40 --msd " + scratch("msd.csv") + " --vacf " + scratch("vacf.csv") +
                       " --msd-types ab"),
              0);
    const auto msd = cells(readText(scratch("msd.csv")));
    ASSERT_GT(msd.size(), 20u);
    EXPECT_EQ(msd[0], (std::vector<std::string>{"time_s", "msd_m2", "fit_m2"}));
    EXPECT_EQ(msd[1][0], "0");
    const auto vacf = cells(readText(scratch("vacf.csv")));
    ASSERT_EQ(vacf.size(), msd.size());
    EXPECT_EQ(vacf[0], (std::vector<std::string>{"time_s", "vacf_m2_s2", "integral_m2_s"}));
    EXPECT_GT(std::strtod(vacf[1][1].c_str(), nullptr), 0.0);
    const std::string said = readText(scratch("stderr.txt"));
    EXPECT_NE(said.find("diffusion coefficient D"), std::string::npos) << said;
    EXPECT_NE(said.find("Einstein"), std::string::npos) << said;
    EXPECT_NE(said.find("Green-Kubo"), std::string::npos) << said;
    int fitted = 0;
    for (std::size_t k = 1; k < msd.size(); k++) fitted += msd[k].size() == 3 && !msd[k][2].empty();
    if (said.find("D = ") != std::string::npos) EXPECT_GE(fitted, CDiffusion::kMinWindowLags) << said;
    else EXPECT_EQ(fitted, 0) << said;

    // A gas a few free paths wide meets the walls before its velocities forget: no D, and no fit.
    const std::string gas = std::string(QUORVEL_EXAMPLES_DIR) + "/1-hard-sphere-gas-reaching-Maxwell.txt";
    ASSERT_EQ(runBatch(gas + " --ticks 60 --msd " + scratch("gas.csv")), 0);
    EXPECT_NE(readText(scratch("stderr.txt")).find("D: none (Einstein): the box is too small"), std::string::npos)
        << readText(scratch("stderr.txt"));
    const auto gasRows = cells(readText(scratch("gas.csv")));
    ASSERT_GT(gasRows.size(), 2u);
    for (std::size_t k = 1; k < gasRows.size(); k++) EXPECT_TRUE(gasRows[k].size() < 3 || gasRows[k][2].empty());

    EXPECT_EQ(runBatch(liquid + " --msd-types AB"), 2) << "types without a curve to write";
    EXPECT_EQ(runBatch(liquid + " --msd " + scratch("m.csv") + " --msd-types AA"), 2);
    EXPECT_EQ(runBatch(liquid + " --msd " + scratch("m.csv") + " --msd-types E"), 2);
    EXPECT_EQ(runBatch(liquid + " --msd /nonexistent-folder/m.csv --ticks 1"), 1);
}

// LAMMPS's own MSD (compute msd) of the liquid's trajectory, read back by
// rerun from a dump of every sample: one origin per exported state, an
// origin every window's end, written by fix ave/time at every sample. Its
// Einstein D over the same lags of the same window is ours within 15%.
// The trajectory is ours because LAMMPS's dynamics differ: it keeps the
// Lennard-Jones force where this model resolves a contact at the mean
// diameter, and on this liquid its own run diffuses about 30% faster.
TEST(Diffusion, LammpsFindsTheSameEinsteinDOnTheLiquidsTrajectory)
{
    if (std::system("command -v lmp >/dev/null 2>&1") != 0) GTEST_SKIP() << "lmp is not installed";
    ScriptedPlatform platform;
    auto s = loaded(platform, std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt");
    char pattern[] = "/tmp/quorvel-msd-XXXXXX";
    const std::string folder = mkdtemp(pattern);

    // A first run finds the window; the second, from the same state, is dumped.
    CDiffusion d;
    runDisplays(*s, d, 30);
    const CDiffusionResult probe = d.result(kAllTypesMask);
    ASSERT_TRUE(probe.hasWindow()) << probe.reason();
    s = loaded(platform, std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt");
    d.reset();
    std::string dump;
    const auto snapshot = [&](const CSimulation& sim) {
        appendFormatC(dump, "ITEM: TIMESTEP\n%u\nITEM: NUMBER OF ATOMS\n%d\nITEM: BOX BOUNDS ff ff ff\n",
                      sim.getIterations(), sim.getNumber(0) + sim.getNumber(1) + sim.getNumber(2) + sim.getNumber(3));
        for (int axis = 0; axis < 3; axis++)
            appendFormatC(dump, "%.17g %.17g\n", -sim.getHalfWidth() / lammps::kAngstrom, sim.getHalfWidth() / lammps::kAngstrom);
        dump += "ITEM: ATOMS id x y z\n";
        int id = 0;
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < sim.getNumber(t); i++) {
                const CVector& r = sim.state().atoms.loc[t][i];
                appendFormatC(dump, "%d %.17g %.17g %.17g\n", ++id, r.v[0] / lammps::kAngstrom, r.v[1] / lammps::kAngstrom,
                              r.v[2] / lammps::kAngstrom);
            }
    };
    const long originsWanted = 6;
    long spacing = 0, origins = 0;
    while (origins < originsWanted || s->getIterations() < origins * spacing + 2 * probe.windowEnd() / s->getTimeStep()) {
        if (d.stepsToNextSample(*s) == 0 && d.sample(*s)) {
            if (spacing == 0) spacing = (CDiffusion::lagSamples(probe.last) + 1) * d.stride();
            if (s->getIterations() % spacing == 0 && origins < originsWanted) {
                ASSERT_EQ(exportForLammps(s->state(), folder + "/o" + std::to_string(++origins), 1), "");
            }
            snapshot(*s);
        }
        ASSERT_TRUE(s->runDisplaySteps(std::max(1u, d.stepsToNextSample(*s))));
    }
    const CDiffusionResult r = d.result(kAllTypesMask);
    ASSERT_TRUE(r.hasWindow()) << r.reason();
    ASSERT_EQ(writeFileAtomically(folder + "/dump.txt", dump), "");

    std::string input = formatC("variable        k loop %ld\nlabel           origins\n", origins);
    input += "clear\nunits           metal\natom_style      charge\nboundary        f f f\n"
             "read_data       o${k}/data.quorvel\npair_style      zero 10.0\npair_coeff      * *\n"
             "compute         msd all msd\n";
    input += formatC("variable        first equal (${k}-1)*%ld\nvariable        last equal ${first}+%ld\n"
                     "fix             out all ave/time %u 1 %u c_msd[4] file msd${k}.txt\n"
                     "rerun           dump.txt first ${first} last ${last} dump x y z box no\n"
                     "next            k\njump            SELF origins\n",
                     spacing, spacing, d.stride(), d.stride());
    ASSERT_EQ(writeFileAtomically(folder + "/in.rerun", input), "");
    const std::string command = "cd '" + folder + "' && lmp -in in.rerun -log log.lammps -screen none >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << folder;

    // The mean over the origins of LAMMPS's MSD (Angstrom^2) at every sample lag of the window.
    std::vector<double> sums(static_cast<std::size_t>(spacing / d.stride() + 1), 0.0);
    std::vector<int> counts(sums.size(), 0);
    for (long k = 1; k <= origins; k++) {
        std::string text;
        ASSERT_EQ(readWholeFile(folder + "/msd" + std::to_string(k) + ".txt", text), "") << folder;
        std::stringstream lines(text);
        const long origin = (k - 1) * spacing;
        for (std::string line; std::getline(lines, line);) {
            long step = 0;
            double value = 0.0;
            if (line.empty() || line[0] == '#' || std::sscanf(line.c_str(), "%ld %lf", &step, &value) != 2) continue;
            const long lag = (step - origin) / static_cast<long>(d.stride());
            if (lag >= 0 && lag < static_cast<long>(sums.size())) {
                sums[static_cast<std::size_t>(lag)] += value;
                counts[static_cast<std::size_t>(lag)]++;
            }
        }
    }
    std::vector<double> time, msd;
    for (int k = r.first; k <= r.last; k++) {
        const std::size_t lag = static_cast<std::size_t>(CDiffusion::lagSamples(k));
        ASSERT_LT(lag, sums.size());
        ASSERT_GT(counts[lag], 0) << "lag " << lag << " in " << folder;
        time.push_back(r.time[static_cast<std::size_t>(k)]);
        msd.push_back(sums[lag] / counts[lag] * lammps::kAngstrom * lammps::kAngstrom);
    }
    double mt = 0.0, mm = 0.0, sxy = 0.0, sxx = 0.0;
    for (std::size_t k = 0; k < time.size(); k++) mt += time[k] / time.size(), mm += msd[k] / time.size();
    for (std::size_t k = 0; k < time.size(); k++) sxy += (time[k] - mt) * (msd[k] - mm), sxx += (time[k] - mt) * (time[k] - mt);
    const double lammpsD = sxy / sxx / 6.0;
    std::printf("liquid: Einstein D %.4g (Quorvel, %lu samples) and %.4g m^2/s (LAMMPS, %ld origins), window %.3g to %.3g s\n",
                r.einsteinD, r.samples, lammpsD, origins, r.windowStart(), r.windowEnd());
    EXPECT_NEAR(r.einsteinD, lammpsD, 0.15 * lammpsD);
}

// In a periodic box the atoms' paths are unwrapped by their image counts:
// atoms in free flight that cross the box many times give MSD = v^2 t^2.
TEST(Diffusion, PeriodicFreeFlightIsMeasuredFromTheUnwrappedPaths)
{
    ScriptedPlatform platform;
    CSimulation s(platform);
    s.initWithDefaults();
    s.setPotentialUsed(false);
    s.setConserve(false);
    s.setContactsUsed(false);
    for (int t = 0; t < CSimulation::kTypes; t++) ASSERT_TRUE(s.setNumber(t, 0));
    ASSERT_TRUE(s.setHalfWidth(1e-9));
    ASSERT_TRUE(s.setTimeStep(1e-13));
    ASSERT_TRUE(s.setDiam(0, 1e-11));
    const double speed = 300.0;
    for (int i = 0; i < 20; i++) {
        const double phi = 0.7 * i, z = -0.9 + 0.09 * i, r = std::sqrt(1.0 - z * z);
        ASSERT_TRUE(s.addOneAtomAtLocationWithVelocity(0, 0.5e-9 * std::cos(phi), 0.5e-9 * std::sin(phi), 0.9e-10 * i - 0.9e-9,
                                                       speed * r * std::cos(phi), speed * r * std::sin(phi), speed * z));
    }
    ASSERT_TRUE(s.setBoundaries(CBoundaries::periodic));
    CDiffusion d;
    runDisplays(s, d, 40);
    const CDiffusionResult r = d.result(kAllTypesMask);
    ASSERT_GT(speed * r.time.back(), 20e-9) << "many widths crossed";
    int wrapped = 0;
    for (int i = 0; i < 20; i++) wrapped += std::abs(s.state().atoms.image[0][i][0]) > 2;
    EXPECT_GT(wrapped, 5);
    for (std::size_t k = 0; k < r.time.size(); k++) {
        const double t = r.time[k];
        EXPECT_NEAR(r.msd[k], speed * speed * t * t, 1e-9 * speed * speed * t * t + 1e-40) << "lag " << k;
    }
    EXPECT_EQ(r.window, CDiffusionWindow::tooEarly) << "the velocities never forget in free flight";
}
