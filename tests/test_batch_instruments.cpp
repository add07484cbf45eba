// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch's instruments as a user calls them: the speed distribution
// and g(r) files, their headers and numbers, and refused arguments.
#include <gtest/gtest.h>

#include "support/BatchProcess.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {
std::vector<std::vector<double>> rows(const std::string& csv, std::string& header)
{
    std::stringstream text(csv);
    std::getline(text, header);
    std::vector<std::vector<double>> out;
    for (std::string line; std::getline(text, line);) {
        std::vector<double> row;
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) row.push_back(std::strtod(cell.c_str(), nullptr));
        out.push_back(row);
    }
    return out;
}
}  // namespace

TEST(BatchInstruments, HistogramAndGofRFilesAfterARun)
{
    const std::string example = std::string(QUORVEL_EXAMPLES_DIR) + "/1-hard-sphere-gas-reaching-Maxwell.txt";
    ASSERT_EQ(runBatch(example + " --ticks 60 --histogram " + scratch("speeds.csv") + " --rdf " + scratch("gofr.csv")),
              0);
    std::string header;
    const auto speeds = rows(readText(scratch("speeds.csv")), header);
    EXPECT_EQ(header, "speed_low_m_s,speed_high_m_s,fraction,maxwell_measured,maxwell_fitted");
    ASSERT_EQ(speeds.size(), 40u);
    double held = 0.0;
    for (std::size_t b = 0; b < speeds.size(); b++) {
        ASSERT_EQ(speeds[b].size(), 5u);
        EXPECT_DOUBLE_EQ(speeds[b][0], 1500.0 * b / 40);
        held += speeds[b][2];
    }
    EXPECT_NEAR(held, 1.0, 0.02) << "fractions of all 400 atoms";
    const std::string said = readText(scratch("stderr.txt"));
    EXPECT_NE(said.find("measured temperature"), std::string::npos) << said;
    EXPECT_NE(said.find("fitted temperature"), std::string::npos) << said;

    const auto gofr = rows(readText(scratch("gofr.csv")), header);
    EXPECT_EQ(header, "r_m,g");
    ASSERT_EQ(gofr.size(), 200u) << "3 nm half width in bins of 0.3 nm / 20";
    EXPECT_DOUBLE_EQ(gofr[0][0], 0.5 * 0.3e-9 / 20);
    EXPECT_EQ(gofr[5][1], 0.0) << "hard spheres never overlap";
    double far = 0.0;
    for (std::size_t b = 100; b < 200; b++) far += gofr[b][1] / 100;
    EXPECT_NEAR(far, 1.0, 0.1) << "a dilute gas is nearly uniform at long range";
}

TEST(BatchInstruments, PairsOfTypesAndRefusedArguments)
{
    const std::string mixture = std::string(QUORVEL_EXAMPLES_DIR) + "/4-mixture-of-two-sizes.txt";
    ASSERT_EQ(runBatch(mixture + " --ticks 3 --rdf " + scratch("ab.csv") + " --rdf-types ba"), 0);
    std::string header;
    EXPECT_GT(rows(readText(scratch("ab.csv")), header).size(), 10u);
    EXPECT_EQ(runBatch("--ticks 1 --rdf-types AE --rdf " + scratch("bad.csv")), 2);
    EXPECT_NE(readText(scratch("stderr.txt")).find("--rdf-types needs two type letters"), std::string::npos);
    EXPECT_EQ(runBatch("--ticks 1 --rdf-types AB"), 2) << "a pair without --rdf";
    EXPECT_EQ(runBatch("--ticks 1 --histogram " + scratch("missing-folder/out.csv")), 1);
    struct stat info {};
    EXPECT_NE(stat(scratch("bad.csv").c_str(), &info), 0) << "nothing written after a refusal";
}
