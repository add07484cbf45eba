// SPDX-License-Identifier: GPL-3.0-or-later
// The headless runner as a user calls it.
#include <gtest/gtest.h>

#include "support/BatchProcess.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

bool exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

std::string bench(const char* name) { return std::string(QUORVEL_BENCH_DIR) + "/" + name; }
std::string example(const char* name) { return std::string(QUORVEL_EXAMPLES_DIR) + "/" + name; }

}  // namespace

TEST(BatchRunner, TheSameFileAndTicksGiveByteIdenticalOutputs)
{
    for (int k = 0; k < 2; k++) {
        std::string n = std::to_string(k);
        ASSERT_EQ(runBatch(bench("piston-bath-800.txt") + " --ticks 3 --output " + scratch("run" + n + ".txt") +
                                  " --csv " + scratch("run" + n + ".csv")),
                  0);
    }
    EXPECT_EQ(readText(scratch("run0.txt")), readText(scratch("run1.txt")));
    EXPECT_EQ(readText(scratch("run0.csv")), readText(scratch("run1.csv")));
    std::string summary = readText(scratch("stderr.txt"));
    EXPECT_NE(summary.find("300 integration steps"), std::string::npos) << summary;
}

TEST(BatchRunner, CsvHasAHeaderAndOneRowPerDisplayStep)
{
    ASSERT_EQ(runBatch("--ticks 4 --csv " + scratch("default.csv")), 0);
    std::stringstream csv(readText(scratch("default.csv")));
    std::string header, row;
    std::getline(csv, header);
    EXPECT_EQ(header.rfind("iterations,elapsed_time,kinetic_energy_A,", 0), 0u);
    EXPECT_NE(header.find(",rms_speed_all,volume,energy_difference,energy_not_conserved"), std::string::npos);
    auto cells = [](const std::string& line) {
        std::vector<std::string> out;
        std::stringstream in(line);
        for (std::string cell; std::getline(in, cell, ',');) out.push_back(cell);
        if (!line.empty() && line.back() == ',') out.emplace_back();
        return out;
    };
    const std::vector<std::string> names = cells(header);
    auto column = [&names](const char* name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    int rows = 0;
    while (std::getline(csv, row)) {
        rows++;
        EXPECT_EQ(row.rfind(std::to_string(rows * 100) + ",", 0), 0u) << row;
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), std::count(header.begin(), header.end(), ','));
        // Type B has no atoms: no temperature and no rms speed (empty
        // cells), a pressure of 0.
        const std::vector<std::string> values = cells(row);
        ASSERT_EQ(values.size(), names.size());
        EXPECT_EQ(values[column("temperature_B")], "");
        EXPECT_EQ(values[column("rms_speed_B")], "");
        EXPECT_EQ(values[column("pressure_B")], "0");
        EXPECT_NE(values[column("temperature_A")], "");
    }
    EXPECT_EQ(rows, 4);
}

// The ledger's columns close the row; on a piston with a heat bath the bath
// and the pressure both book, and the residual is what makes dE balance.
TEST(BatchRunner, CsvEndsWithTheEnergyLedger)
{
    ASSERT_EQ(runBatch(bench("piston-bath-800.txt") + " --ticks 2 --csv " + scratch("ledger.csv")), 0);
    std::stringstream csv(readText(scratch("ledger.csv")));
    std::string header, row, last;
    std::getline(csv, header);
    const std::string columns = ",ledger_dE_J,ledger_heat_J,ledger_work_J,ledger_user_J,ledger_correction_J,"
                                "ledger_residual_J,ledger_piston_stop_J";
    ASSERT_GE(header.size(), columns.size());
    EXPECT_EQ(header.substr(header.size() - columns.size()), columns);
    while (std::getline(csv, row)) last = row;
    std::vector<double> fields;
    std::stringstream cells(last);
    for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(std::strtod(cell.c_str(), nullptr));
    ASSERT_GE(fields.size(), 7u);
    const double* ledger = &fields[fields.size() - 7];
    double dE = ledger[0], heat = ledger[1], work = ledger[2], user = ledger[3], correction = ledger[4],
           residual = ledger[5], stop = ledger[6];
    EXPECT_NE(heat, 0.0);
    EXPECT_NE(work, 0.0);
    EXPECT_EQ(user, 0.0);  // the file restarted the ledger and nothing was changed after
    EXPECT_NEAR(dE, heat + work + user + correction + residual + stop, 1e-12 * std::fabs(heat));
}

TEST(BatchRunner, TheStoredRunFlagIsKeptAndTheDefaultSimulationIsTheStartingOne)
{
    ASSERT_EQ(runBatch("--ticks 2 --output " + scratch("default-run.txt")), 0);
    std::string text = readText(scratch("default-run.txt"));
    EXPECT_NE(text.find("\nTRNF 0\n"), std::string::npos);
    EXPECT_NE(text.find("\nTITR 200\n"), std::string::npos);
    EXPECT_NE(text.find("\nANUM 0 4\n"), std::string::npos);
}

TEST(BatchRunner, BadArgumentsAndUnreadableFilesFailWithoutOutput)
{
    EXPECT_NE(runBatch("--ticks many --output " + scratch("never1.txt")), 0);
    EXPECT_NE(runBatch("--frobnicate"), 0);
    EXPECT_NE(runBatch("--ticks"), 0);
    EXPECT_NE(runBatch("--ticks -3"), 0);
    EXPECT_NE(runBatch(scratch("missing.txt") + " --ticks 1 --csv " + scratch("never2.csv")), 0);
    EXPECT_EQ(readText(scratch("stderr.txt")),
              "quorvel-batch: cannot read " + scratch("missing.txt") + ": No such file or directory\n");
    // A text file that is no simulation is refused, not run as an empty one.
    std::ofstream(scratch("hostname.txt")) << "build-server-7\n";
    EXPECT_EQ(runBatch(scratch("hostname.txt") + " --ticks 1 --csv " + scratch("never2.csv")), 1);
    EXPECT_NE(readText(scratch("stderr.txt")).find("cannot read " + scratch("hostname.txt") + ": not a simulation file"),
              std::string::npos);
    // So is one whose atoms are wider than its box.
    std::ofstream(scratch("unfit.txt")) << "ADIA 0 3e-9\nBHWD 1e-9\n";
    EXPECT_EQ(runBatch(scratch("unfit.txt") + " --ticks 1 --csv " + scratch("never2.csv")), 1);
    EXPECT_FALSE(exists(scratch("never1.txt")));
    EXPECT_FALSE(exists(scratch("never2.csv")));
    EXPECT_NE(runBatch("--ticks 1 --output " + scratch("no-folder/out.txt")), 0);
    // A parameter set by name: an unknown name or a value a dialog refuses writes nothing.
    EXPECT_EQ(runBatch("--set heat=3 --output " + scratch("never3.txt")), 2);
    EXPECT_EQ(runBatch("--set mass.B=-1 --output " + scratch("never3.txt")), 2);
    EXPECT_NE(readText(scratch("stderr.txt")).find("Mass of type B must be between 1e-30 and 1e-20 kg."), std::string::npos);
    EXPECT_FALSE(exists(scratch("never3.txt")));
    ASSERT_EQ(runBatch("--set well-depth.CA=2e-21 --set floor-bath=on --output " + scratch("set.txt")), 0);
    const std::string set = readText(scratch("set.txt"));
    EXPECT_NE(set.find("ULJE 0 2 2.0000000000e-21"), std::string::npos);
    EXPECT_NE(set.find("UFTU 1"), std::string::npos);
}

// Every output is checked before the run: a typo in one costs no simulation
// time, and nothing else is written.
TEST(BatchRunner, AnUnwritableOutputIsRefusedBeforeTheRun)
{
    const auto refused = [](const std::string& arguments, const std::string& path) {
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(runBatch(bench("liquid-1600.txt") + " --ticks 100000 --output " + scratch("never3.txt") + " " +
                           arguments),
                  1)
            << arguments;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << "no step was run";
        const std::string error = readText(scratch("stderr.txt"));
        EXPECT_EQ(error.rfind("quorvel-batch: cannot write " + path + ": ", 0), 0u) << error;
        EXPECT_EQ(error.find("steps per second"), std::string::npos) << error;
        EXPECT_FALSE(exists(scratch("never3.txt")));
    };
    refused("--csv " + scratch("missing-folder/x.csv"), scratch("missing-folder/x.csv"));
    refused("--render " + scratch(""), scratch(""));
    std::ofstream(scratch("plain-file")) << "x\n";
    refused("--lammps " + scratch("plain-file"), scratch("plain-file"));
    refused("--histogram " + scratch("plain-file/h.csv"), scratch("plain-file/h.csv"));
    // An empty box has no frame to record.
    std::ofstream(scratch("empty.txt")) << "ANUM 0 0\n";
    EXPECT_EQ(runBatch(scratch("empty.txt") + " --ticks 100 --trajectory " + scratch("never4.xyz")), 1);
    EXPECT_EQ(readText(scratch("stderr.txt")), "quorvel-batch: trajectory: the simulation has no atoms to record\n");
    EXPECT_FALSE(exists(scratch("never4.xyz")));
    // A folder that does not exist yet is made for the LAMMPS files.
    ASSERT_EQ(runBatch("--ticks 1 --lammps " + scratch("new-lammps")), 0);
    EXPECT_TRUE(exists(scratch("new-lammps")));
}

TEST(BatchRunner, OptionsComeInAnyOrderAndOnlyOneFile)
{
    ASSERT_EQ(runBatch("--csv " + scratch("order.csv") + " " + bench("liquid-400.txt") + " --ticks 1"), 0);
    EXPECT_TRUE(exists(scratch("order.csv")));
    EXPECT_NE(runBatch(bench("liquid-400.txt") + " " + bench("gas-1600.txt")), 0);
}

// A run saved half way and opened again goes on as if it had never stopped,
// to the last bit of every value and of the heat bath's draws: hard spheres
// (which amplify any rounding within a few thousand steps), the liquid, a
// piston with the floor's heat bath, and charges with the bath.
TEST(BatchRunner, AHalfRunSavedAndResumedEndsAsTheWholeRun)
{
    for (const std::string& file : {example("1-hard-sphere-gas-reaching-Maxwell.txt"), bench("liquid-400.txt"),
                                    bench("piston-bath-800.txt"), example("5-oppositely-charged-types.txt")}) {
        ASSERT_EQ(runBatch(file + " --ticks 6 --output " + scratch("whole.txt")), 0) << file;
        ASSERT_EQ(runBatch(file + " --ticks 3 --output " + scratch("half.txt")), 0) << file;
        ASSERT_EQ(runBatch(scratch("half.txt") + " --ticks 3 --output " + scratch("resumed.txt")), 0) << file;
        const std::string whole = readText(scratch("whole.txt"));
        EXPECT_EQ(readText(scratch("resumed.txt")), whole) << file;
        EXPECT_NE(whole.find("\nQRND "), std::string::npos) << file;
    }
}

// A file that opens but holds a line the reader skips: the run goes on with
// what the file could set, standard error names the line and why, and the
// exit status says the run is not all the file asked for.
TEST(BatchRunner, ASkippedLineIsNamedAndTheStatusIsOne)
{
    std::ofstream(scratch("skipped.txt")) << readText(example("5-oppositely-charged-types.txt"))
                                          << "ULJE 0 0 -1.0e-21\n";
    EXPECT_EQ(runBatch(scratch("skipped.txt") + " --ticks 1 --output " + scratch("skipped-out.txt")), 1);
    const std::string error = readText(scratch("stderr.txt"));
    EXPECT_EQ(error.rfind("quorvel-batch: " + scratch("skipped.txt") + ": 1 line was skipped, and what it sets is left "
                          "as it was:\n  line ",
                          0),
              0u)
        << error;
    EXPECT_NE(error.find(" \"ULJE 0 0 -1.0e-21\": ULJE, the Lennard-Jones well depth between the two types, takes 0 "
                         "to 1e-18 J\n"),
              std::string::npos)
        << error;
    EXPECT_TRUE(exists(scratch("skipped-out.txt")));
}
