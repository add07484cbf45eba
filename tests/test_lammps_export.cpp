// SPDX-License-Identifier: GPL-3.0-or-later
// The LAMMPS export: the data file reads back to the state, the pair
// coefficients reproduce the simulation's pair energy, and bad requests
// write nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BASE/CAtomicFile.h"
#include "SIM/model/CForceConstants.h"
#include "SIM/io/CLammpsExport.h"
#include "support/LammpsFiles.h"
#include "support/SimulationFixture.h"

namespace {

std::string freshFolder()
{
    char pattern[] = "/tmp/quorvel-lammps-XXXXXX";
    return std::string(mkdtemp(pattern));
}

bool exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

std::string readFile(const std::string& path)
{
    std::string text;
    readWholeFile(path, text);
    return text;
}

void expectRelative(double expected, double actual, double tolerance)
{
    EXPECT_LE(std::fabs(actual - expected), tolerance * std::fabs(expected)) << expected << " vs " << actual;
}

class LammpsExportTest : public SimulationTest {
protected:
    void load(const std::string& scenario)
    {
        s.setOpenPath(std::string(QUORVEL_BENCH_DIR) + "/" + scenario);
        ASSERT_TRUE(s.readInputFile());
    }
};

}  // namespace

TEST_F(LammpsExportTest, DataFileReadsBackToTheSameTypesMassesChargesPositionsAndVelocities)
{
    load("charged-800.txt");
    s.setNumber(2, 0);  // an empty type gets no LAMMPS type
    s.setMass(3, 7e-26);
    std::string folder = freshFolder();
    ASSERT_EQ(exportForLammps(s.state(), folder, 1), "");

    LammpsData d = parseLammpsData(readFile(folder + "/data.quorvel"));
    ASSERT_EQ(d.atoms, s.state().atoms.totalAtoms);
    ASSERT_EQ(d.types, 3);
    ASSERT_EQ(static_cast<long>(d.byId.size()), s.state().atoms.totalAtoms);
    const int lammpsType[4] = {1, 2, 0, 3};
    for (int t : {0, 1, 3}) expectRelative(s.state().types.mass[t] * 1e3 * 6.02214076e23, d.masses[lammpsType[t]], 1e-12);
    for (int axis = 0; axis < 3; axis++) {
        expectRelative(-s.state().box.halfWidth * 1e10, d.lo[axis], 1e-12);
        expectRelative(s.state().box.halfWidth * 1e10, d.hi[axis], 1e-12);
    }
    long id = 0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) {
            const LammpsAtom& a = d.byId[++id];
            ASSERT_EQ(a.type, lammpsType[t]) << id;
            if (s.state().forces.charge[t] != 0.0) expectRelative(s.state().forces.charge[t] / 1.602176634e-19, a.q, 1e-12);
            else EXPECT_EQ(a.q, 0.0);
            expectRelative(s.state().atoms.loc[t][i].v[0] * 1e10, a.x, 1e-12);
            expectRelative(s.state().atoms.loc[t][i].v[1] * 1e10, a.y, 1e-12);
            expectRelative(s.state().atoms.loc[t][i].v[2] * 1e10, a.z, 1e-12);
            expectRelative(s.state().atoms.vel[t][i].v[0] * 1e-2, a.vx, 1e-12);
            expectRelative(s.state().atoms.vel[t][i].v[2] * 1e-2, a.vz, 1e-12);
        }
}

// The 12-6 coefficients written for each pair give the simulation's own pair
// energy without its Coulomb part (Lennard-Jones plus the folded core term).
TEST_F(LammpsExportTest, PairCoefficientsReproduceThePairEnergyWithTheCoreFoldedIn)
{
    load("charged-800.txt");
    s.setLJeps(0, 0, 0.0);  // a charged pair without a well: a pure core term
    s.setDiam(1, 2.5e-10);
    auto pairs = parsePairCoefficients(lammpsInputText(s.state(), 1));
    ASSERT_EQ(pairs.size(), 10u);
    for (int t = 0; t < 4; t++)
        for (int u = t; u < 4; u++) {
            const std::vector<double>& c = pairs[std::to_string(t + 1) + " " + std::to_string(u + 1)];
            ASSERT_GE(c.size(), 3u);
            double mean = (s.state().types.diam[t] + s.state().types.diam[u]) / 2.0;
            bool bothCharged = s.state().forces.charge[t] != 0.0 && s.state().forces.charge[u] != 0.0;
            for (double r : {1.05 * mean, 1.6 * mean, 2.9 * mean}) {
                double force, energy;
                CSimulation::MDCALCpot(1.0 / r, mean, s.state().forces.LJeps[t][u], s.state().forces.charge[t], s.state().forces.charge[u], force, energy);
                double coulomb = s.state().forces.charge[t] * s.state().forces.charge[u] * quorvel::kCoulomb / r;
                double sr6 = std::pow(c[1] / (r * 1e10), 6.0);
                double lammpsEnergy = 4.0 * c[0] * (sr6 * sr6 - sr6) * 1.602176634e-19;
                EXPECT_NEAR(lammpsEnergy, energy - coulomb, 1e-9 * std::fabs(energy - coulomb) + 1e-40)
                    << t << u << " r/m " << r / mean;
            }
            // Only pairs of charged types reach beyond 3 mean diameters.
            if (bothCharged) EXPECT_GT(c[2], 2.0 * std::sqrt(3.0) * s.state().box.halfWidth * 1e10);
            else EXPECT_NEAR(c[2], 3.0 * mean * 1e10, 1e-9);
        }
}

TEST_F(LammpsExportTest, RefusedRequestsWriteNoFile)
{
    load("liquid-400.txt");
    std::string folder = freshFolder();
    for (int n : {0, -3, 101}) {
        std::string error = exportForLammps(s.state(), folder, n);
        EXPECT_NE(error.find("between 1 and 100"), std::string::npos) << error;
    }
    // A folder inside a regular file can be neither made nor written.
    std::string file = folder + "/plain";
    ASSERT_EQ(writeFileAtomically(file, "x"), "");
    EXPECT_NE(exportForLammps(s.state(), file + "/sub", 1), "");
    EXPECT_NE(exportForLammps(s.state(), file, 1).find("is not a folder"), std::string::npos);
    EXPECT_FALSE(exists(folder + "/in.quorvel"));
    EXPECT_FALSE(exists(folder + "/data.quorvel"));

    removeAllAtoms();
    EXPECT_NE(exportForLammps(s.state(), folder, 1), "");
    EXPECT_FALSE(exists(folder + "/data.quorvel"));
}

TEST_F(LammpsExportTest, AMissingFolderIsMadeAndTheReplicateIsInTheInput)
{
    load("liquid-400.txt");
    std::string folder = freshFolder() + "/new";
    ASSERT_EQ(exportForLammps(s.state(), folder, 3), "");
    std::string input = readFile(folder + "/in.quorvel");
    EXPECT_NE(input.find("replicate       3 3 3"), std::string::npos);
    EXPECT_NE(input.find("run             ${steps}"), std::string::npos);
    EXPECT_NE(input.find("thermo_modify   norm no"), std::string::npos);
    // The walls of the last type close the box three copies wide.
    double hw = s.state().box.halfWidth * 1e10, half = s.state().types.diam[3] * 1e10 / 2.0;
    char expected[200];
    std::snprintf(expected, sizeof expected, "xhi %.12g", -hw + 6.0 * hw - half);
    EXPECT_NE(input.find(expected), std::string::npos) << expected;
}

// A periodic box is exported periodic, with neither walls nor the piston
// its setting may hold, and the same unshifted cut-off; contacts off say so,
// and with the potentials off too no pair acts at all. A closed box keeps
// its walls.
TEST_F(LammpsExportTest, APeriodicBoxHasNoWallsAndContactsOffNoStandIn)
{
    load("liquid-400.txt");
    const std::string closed = lammpsInputText(s.state(), 1);
    EXPECT_NE(closed.find("boundary        f f f"), std::string::npos);
    EXPECT_NE(closed.find("wall/reflect"), std::string::npos);
    s.setPistonUsed(true);
    ASSERT_TRUE(s.setHalfWidth(4e-9));
    ASSERT_TRUE(s.setBoundaries(CBoundaries::periodic)) << s.periodicBoxRefusal().message();
    s.setContactsUsed(false);
    const std::string bulk = lammpsInputText(s.state(), 2);
    EXPECT_NE(bulk.find("boundary        p p p"), std::string::npos);
    for (const char* absent : {"wall/", "langevin", "rigid", "soft", "hybrid", "Quorvel resolves atoms closer"})
        EXPECT_EQ(bulk.find(absent), std::string::npos) << absent;
    EXPECT_NE(bulk.find("pair_modify     shift no"), std::string::npos);
    EXPECT_NE(bulk.find("Contacts are off"), std::string::npos);
    CLammpsTypes types(s.state());
    EXPECT_EQ(types.plate, 0);
    s.setPotentialUsed(false);
    const std::string free = lammpsInputText(s.state(), 1);
    EXPECT_NE(free.find("pair_style      zero "), std::string::npos);
    EXPECT_NE(free.find("pair_coeff      * *"), std::string::npos);
    EXPECT_EQ(free.find("kT (eV), sigma (A), contact (A)"), std::string::npos);
}

TEST(LammpsBatch, FlagsWriteBothFilesAndRefuseBadCounts)
{
    std::string folder = freshFolder();
    std::string scenario = std::string(QUORVEL_BENCH_DIR) + "/liquid-400.txt";
    auto run = [&](const std::string& arguments) {
        int status = std::system((std::string(QUORVEL_BATCH) + " " + arguments + " 2>/dev/null").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_NE(run(scenario + " --lammps " + folder + " --replicate 0"), 0);
    EXPECT_NE(run(scenario + " --lammps " + folder + " --replicate 101"), 0);
    EXPECT_NE(run(scenario + " --replicate 2"), 0);
    EXPECT_FALSE(exists(folder + "/in.quorvel"));
    EXPECT_NE(run(scenario + " --lammps /proc/quorvel-cannot-be-made"), 0);

    ASSERT_EQ(run(scenario + " --lammps " + folder + " --replicate 2"), 0);
    EXPECT_EQ(parseLammpsData(readFile(folder + "/data.quorvel")).atoms, 400);
    EXPECT_NE(readFile(folder + "/in.quorvel").find("replicate       2 2 2"), std::string::npos);
}
