// SPDX-License-Identifier: GPL-3.0-or-later
// Exports run in LAMMPS itself (where `lmp` is installed): the state it reads
// has the simulation's own potential and kinetic energy, every bundled
// example runs, and a replicate runs on two MPI ranks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "BASE/CAtomicFile.h"
#include "SIM/io/CLammpsExport.h"
#include "support/LammpsFiles.h"
#include "support/SimulationFixture.h"

namespace {

bool haveCommand(const char* name)
{
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

bool sanitizedBuild()
{
    const char* flag = std::getenv("QUORVEL_SANITIZED");
    return flag && std::string(flag) == "1";
}

// Runs LAMMPS in the folder; answers its thermo rows (empty when it failed).
std::vector<std::vector<double>> runLammps(const std::string& folder, int steps, int ranks = 1)
{
    std::string launcher;
    if (ranks > 1) {
        launcher = "mpirun -np " + std::to_string(ranks) + " --oversubscribe ";
        if (geteuid() == 0) launcher += "--allow-run-as-root ";
    }
    std::string command = "cd '" + folder + "' && " + launcher + "lmp -in in.quorvel -var steps " +
                          std::to_string(steps) + " -log log.lammps -screen none >/dev/null 2>&1";
    int status = std::system(command.c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    std::string log;
    readWholeFile(folder + "/log.lammps", log);
    return parseThermoRows(log);
}

std::string exportTo(CSimulation& s, int replicate = 1)
{
    char pattern[] = "/tmp/quorvel-lmp-XXXXXX";
    std::string folder = mkdtemp(pattern);
    std::string error = exportForLammps(s.state(), folder, replicate);
    EXPECT_EQ(error, "");
    return folder;
}

class LammpsRunTest : public SimulationTest {
protected:
    void SetUp() override
    {
        SimulationTest::SetUp();
        if (!haveCommand("lmp")) GTEST_SKIP() << "lmp is not installed";
    }
    void load(const std::string& path)
    {
        s.setOpenPath(path);
        ASSERT_TRUE(s.readInputFile());
    }
};

}  // namespace

// States without overlapping atoms, so that every pair the simulation counts
// is one LAMMPS counts: the lattice start and a charged mixture.
TEST_F(LammpsRunTest, StepZeroHasTheSimulationsPotentialAndKineticEnergy)
{
    for (const char* scenario : {"liquid-400.txt", "charged-800.txt"}) {
        SCOPED_TRACE(scenario);
        load(std::string(QUORVEL_BENCH_DIR) + "/" + scenario);
        s.initSimulationEnergies();
        s.calculateTypedEnergies();
        auto rows = runLammps(exportTo(s), 0);
        ASSERT_FALSE(rows.empty());
        ASSERT_GE(rows[0].size(), 4u);
        double pe = lammps::energyOf(s.state().outputs.PEnergy[4]), ke = lammps::energyOf(s.state().outputs.KEnergy[4]);
        EXPECT_NEAR(rows[0][2], pe, 1e-6 * std::fabs(pe));
        EXPECT_NEAR(rows[0][3], ke, 1e-6 * std::fabs(ke));
    }
}

TEST_F(LammpsRunTest, EveryBundledExampleRuns)
{
    const char* examples[] = {"1-hard-sphere-gas-reaching-Maxwell.txt", "2-condensing-on-a-cold-floor.txt",
                              "3-gas-compressed-by-piston.txt", "4-mixture-of-two-sizes.txt",
                              "5-oppositely-charged-types.txt"};
    for (const char* example : examples) {
        SCOPED_TRACE(example);
        load(std::string(QUORVEL_BENCH_DIR) + "/../../examples/" + example);
        auto rows = runLammps(exportTo(s), 200);
        ASSERT_EQ(rows.size(), 3u);  // steps 0, 100, 200
        for (double value : rows.back()) EXPECT_TRUE(std::isfinite(value));
    }
}

TEST_F(LammpsRunTest, ReplicatedLiquidRunsOnTwoRanks)
{
    if (sanitizedBuild()) GTEST_SKIP() << "the MPI run is left to the release build";
    if (!haveCommand("mpirun")) GTEST_SKIP() << "mpirun is not installed";
    load(std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt");
    auto rows = runLammps(exportTo(s, 2), 200, 2);
    ASSERT_EQ(rows.size(), 3u);
    // Eight copies of the same state: eight times the kinetic energy at step 0.
    s.initSimulationEnergies();
    s.calculateTypedEnergies();
    double ke = 8.0 * lammps::energyOf(s.state().outputs.KEnergy[4]);
    EXPECT_NEAR(rows[0][3], ke, 1e-6 * ke);
    EXPECT_TRUE(std::isfinite(rows.back()[4]));
}

// The plate carries the piston's mass and the applied pressure: it squeezes the
// hard-sphere gas of the piston example and heats it, as in the application.
TEST_F(LammpsRunTest, PistonPlateCompressesAndHeatsTheGas)
{
    load(std::string(QUORVEL_BENCH_DIR) + "/../../examples/3-gas-compressed-by-piston.txt");
    ASSERT_TRUE(s.state().box.pistonUsed);
    auto rows = runLammps(exportTo(s), 1000);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_GT(rows.back()[1], 1.5 * rows.front()[1]);
}
