// SPDX-License-Identifier: GPL-3.0-or-later
// Trajectories read by the programs people analyse them with (ASE reads the
// extended XYZ, LAMMPS reruns the dump against the exported data file),
// structures brought back to the last digit, and the refusals of the import.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BASE/CAtomicFile.h"
#include "SIM/build/CElements.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/build/CNewSimulation.h"
#include "SIM/io/CStructureImport.h"
#include "SIM/io/CTrajectoryWriter.h"
#include "support/BatchProcess.h"
#include "support/LammpsFiles.h"
#include "support/SimulationFixture.h"

namespace {

bool succeeds(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// A Python that has ASE (the Debian package installs it for the system's).
std::string pythonWithAse()
{
    for (const char* python : {"python3", "/usr/bin/python3"})
        if (succeeds(std::string(python) + " -c 'import ase.io'")) return python;
    return {};
}

std::string bench(const char* name) { return std::string(QUORVEL_BENCH_DIR) + "/" + name; }

class TrajectoryTest : public SimulationTest {
protected:
    void load(const std::string& path)
    {
        s.setOpenPath(path);
        ASSERT_TRUE(s.readInputFile());
    }
    // Positions to 1e-9 of the box, velocities to 1e-9 of their size.
    void expectSameAtoms(const CSimulation& a, const CSimulation& b)
    {
        const double box = a.getHalfWidth();
        for (int t = 0; t < CSimulation::kTypes; t++) {
            ASSERT_EQ(a.getNumber(t), b.getNumber(t)) << "type " << t;
            for (int i = 0; i < a.getNumber(t); i++)
                for (int axis = 0; axis < 3; axis++) {
                    const double x = a.state().atoms.loc[t][i].v[axis], v = a.state().atoms.vel[t][i].v[axis];
                    EXPECT_NEAR(b.state().atoms.loc[t][i].v[axis], x, 1e-9 * box);
                    EXPECT_NEAR(b.state().atoms.vel[t][i].v[axis], v, 1e-9 * std::fabs(v) + 1e-300);
                }
        }
        EXPECT_DOUBLE_EQ(b.getHalfWidth(), a.getHalfWidth());
    }
};

}  // namespace

// The batch runner records a mixture of four types; ASE reads every frame
// with its cell, species, positions, velocities and the type column.
TEST_F(TrajectoryTest, AseReadsEveryFrameOfTheExtendedXyz)
{
    const std::string python = pythonWithAse();
    if (python.empty()) GTEST_SKIP() << "ASE (python3-ase) is not installed";
    const std::string xyz = scratch("liquid.xyz");
    ASSERT_EQ(runBatch(bench("liquid-400.txt") + " --ticks 4 --every 2 --trajectory " + xyz), 0)
        << readText(scratch("stderr.txt"));
    const std::string script = scratch("read.py");
    std::ofstream(script) << "import sys, ase.io\n"
                             "frames = ase.io.read(sys.argv[1], index=':')\n"
                             "print(len(frames))\n"
                             "for a in frames:\n"
                             "    c = a.get_cell()\n"
                             "    print('%.17g %.17g %.17g %d %s' % (c[0][0], c[1][1], c[2][2], len(a), a.info['Step']))\n"
                             "a = frames[0]\n"
                             "print(' '.join(sorted(set(a.get_chemical_symbols()))), ''.join(a.arrays['type'][::100]))\n"
                             "print(' '.join('%.17g' % x for x in list(a.positions[-1]) + list(a.arrays['velo'][-1])))\n"
                             "print('%.17g %d' % (a.get_masses()[0], len(set(a.get_masses()))))\n"
                             "print(a.info['quorvel_diameters'][3], a.info['quorvel_potential'])\n";
    const std::string out = scratch("ase.txt");
    ASSERT_EQ(std::system((python + " " + script + " " + xyz + " >" + out + " 2>&1").c_str()), 0) << readText(out);

    load(bench("liquid-400.txt"));
    std::istringstream in(readText(out));
    int frames = 0;
    in >> frames;
    ASSERT_EQ(frames, 3);  // the start, then every second of four displays
    const double edge = 2.0 * s.getHalfWidth() / 1e-10;
    for (int k = 0; k < frames; k++) {
        double a = 0, b = 0, c = 0;
        int atoms = 0;
        unsigned step = 0;
        in >> a >> b >> c >> atoms >> step;
        EXPECT_NEAR(a, edge, 1e-12 * edge);
        EXPECT_EQ(b, a);
        EXPECT_EQ(c, a);
        EXPECT_EQ(atoms, 400);
        EXPECT_EQ(step, s.getIterations() + 2u * k * s.getIPD());
    }
    std::string species, types;
    in >> species >> types;
    EXPECT_EQ(species, "P");  // 5e-26 kg: phosphorus is the nearest element in mass
    EXPECT_EQ(types, "ABCD");
    double last[6];
    for (double& value : last) in >> value;
    const CVector& x = s.state().atoms.loc[3][99];
    const CVector& v = s.state().atoms.vel[3][99];
    for (int axis = 0; axis < 3; axis++) {
        EXPECT_NEAR(last[axis], x.v[axis] / 1e-10 + edge / 2.0, 1e-12 * edge);
        EXPECT_NEAR(last[3 + axis], v.v[axis] / 100.0, 1e-12 * std::fabs(v.v[axis] / 100.0));
    }
    // The masses column: ASE weighs the atoms as Quorvel does, not as phosphorus.
    double mass = 0.0;
    int masses = 0;
    in >> mass >> masses;
    EXPECT_NEAR(mass, 5e-26 / 1.66053906660e-27, 1e-12 * mass);
    EXPECT_EQ(masses, 1);
    // Quorvel's keys reach ASE each whole, as numbers and a switch.
    std::string diameter, potential;
    in >> diameter >> potential;
    EXPECT_EQ(diameter, "3");
    EXPECT_EQ(potential, "True");
}

// LAMMPS reads the exported data file and reruns the dump: every frame's
// kinetic energy is the simulation's at that frame.
TEST_F(TrajectoryTest, LammpsRerunsTheDumpAgainstTheExportedDataFile)
{
    if (!succeeds("command -v lmp")) GTEST_SKIP() << "lmp is not installed";
    load(bench("charged-800.txt"));
    char pattern[] = "/tmp/quorvel-dump-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    ASSERT_EQ(exportForLammps(s.state(), folder, 1), "");
    CTrajectoryWriter writer;
    ASSERT_EQ(writer.open(folder + "/run.lammpstrj", trajectory::formatOfPath("run.lammpstrj"), 1, s.state()), "");
    std::vector<double> kinetic;
    auto kineticNow = [&] {
        double sum = 0.0;
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.getNumber(t); i++) {
                const CVector& v = s.state().atoms.vel[t][i];
                sum += 0.5 * s.getMass(t) * (v.v[0] * v.v[0] + v.v[1] * v.v[1] + v.v[2] * v.v[2]);
            }
        return lammps::energyOf(sum);
    };
    kinetic.push_back(kineticNow());
    for (int k = 0; k < 3; k++) {
        ASSERT_TRUE(s.runDisplay());
        ASSERT_EQ(writer.afterDisplay(s.state()), "");
        kinetic.push_back(kineticNow());
    }
    writer.close();
    EXPECT_EQ(writer.framesWritten(), 4u);
    std::ofstream(folder + "/in.rerun") << "units metal\natom_style charge\nboundary f f f\n"
                                           "read_data data.quorvel\npair_style zero 10.0\npair_coeff * *\n"
                                           "thermo_style custom step ke\nthermo_modify norm no\nthermo 1\n"
                                           "rerun run.lammpstrj dump x y z vx vy vz box yes\n";
    ASSERT_TRUE(succeeds("cd '" + folder + "' && lmp -in in.rerun -log log.lammps -screen none"));
    std::string log;
    ASSERT_EQ(readWholeFile(folder + "/log.lammps", log), "");
    auto rows = parseThermoRows(log);
    ASSERT_EQ(rows.size(), kinetic.size()) << log;
    for (size_t k = 0; k < rows.size(); k++) {
        EXPECT_EQ(rows[k][0], static_cast<double>(k * s.getIPD()) + rows[0][0]);
        EXPECT_NEAR(rows[k][1], kinetic[k], 1e-6 * kinetic[k]);
    }
}

// Quorvel to LAMMPS data and back, and to extended XYZ and back, keep every
// position and velocity; the data file also keeps masses and charges, and the
// extended XYZ the whole physics of every type and the clock.
TEST_F(TrajectoryTest, StructuresComeBackAsTheyWent)
{
    ScriptedPlatform quiet;
    for (const char* scenario : {"charged-800.txt", "liquid-400.txt"}) {
        SCOPED_TRACE(scenario);
        load(bench(scenario));
        auto back = std::make_unique<CSimulation>(quiet);
        std::string notice;
        ASSERT_EQ(structureImport::buildFromLammpsData(lammpsDataText(s.state()), *back, notice), "");
        EXPECT_EQ(notice, "");
        expectSameAtoms(s, *back);
        for (int t = 0; t < CSimulation::kTypes; t++) {
            EXPECT_NEAR(back->getMass(t), s.getMass(t), 1e-12 * s.getMass(t));
            EXPECT_NEAR(back->getCharge(t), s.getCharge(t), 1e-12 * std::fabs(s.getCharge(t)));
        }
        // Names a comment line must quote and escape, wells told apart by
        // their order, a clock that ran.
        s.setName(0, "Liquid \"A\" = \\ 1");
        s.setName(2, "Xe");
        ASSERT_TRUE(s.setLJeps(0, 1, 2.5e-21));
        ASSERT_TRUE(s.setDiam(3, 2.5e-10));
        ASSERT_TRUE(s.runDisplay());
        ASSERT_GT(s.getIterations(), 0u);
        back = std::make_unique<CSimulation>(quiet);
        ASSERT_EQ(structureImport::buildFromExtendedXyz(trajectory::extendedXyzFrame(s.state()), 0, *back, notice), "");
        EXPECT_EQ(notice, "");  // its species P stands for a type whose parameters the frame gives
        expectSameAtoms(s, *back);
        auto close = [](double a, double b) { return std::fabs(a - b) <= 1e-15 * std::fabs(a); };
        for (int t = 0; t < CSimulation::kTypes; t++) {
            SCOPED_TRACE(t);
            EXPECT_EQ(back->getName(t), s.getName(t));
            EXPECT_PRED2(close, s.getMass(t), back->getMass(t));
            EXPECT_PRED2(close, s.getDiam(t), back->getDiam(t));
            EXPECT_PRED2(close, s.getCharge(t), back->getCharge(t));
            for (int u = 0; u < CSimulation::kTypes; u++) EXPECT_PRED2(close, s.getLJeps(t, u), back->getLJeps(t, u));
        }
        EXPECT_EQ(back->getPotentialUsed(), s.getPotentialUsed());
        EXPECT_EQ(back->getIterations(), s.getIterations());
        EXPECT_PRED2(close, s.getElapsedTime(), back->getElapsedTime());
    }
    EXPECT_TRUE(quiet.alerts.empty());
}

// Every element of the periodic table imports under its symbol with its
// atomic weight, argon with the very mass a new simulation gives it; a word
// that is no symbol is refused.
TEST_F(TrajectoryTest, EveryElementImportsWithItsAtomicWeight)
{
    constexpr int kElements = sizeof elements::kTable / sizeof elements::kTable[0];
    ASSERT_EQ(kElements, 118);
    ScriptedPlatform quiet;
    std::map<std::string, double> weights;
    for (int first = 0; first < kElements; first += CSimulation::kTypes) {
        std::string text;
        int atoms = 0;
        for (int k = first; k < std::min(first + CSimulation::kTypes, kElements); k++, atoms++)
            text += std::string(elements::kTable[k].symbol) + " " + std::to_string(5 + 10 * atoms) + " 5 5\n";
        text = std::to_string(atoms) + "\nLattice=\"50 0 0 0 50 0 0 0 50\"\n" + text;
        auto back = std::make_unique<CSimulation>(quiet);
        std::string notice;
        ASSERT_EQ(structureImport::buildFromExtendedXyz(text, 0, *back, notice), "") << text;
        if (first == 0) {
            EXPECT_EQ(notice, "Quorvel knows no Lennard-Jones well for Hydrogen, Helium, Lithium and Beryllium: their "
                              "atoms are hard spheres of the default diameter, 3 Angstrom, without a well.");
        }
        for (int t = 0; t < atoms; t++) {
            const CElement& element = elements::kTable[first + t];
            EXPECT_EQ(back->getName(t), element.name);
            weights[element.symbol] = back->getMass(t) / 1.66053906660e-27;
        }
    }
    EXPECT_EQ(weights.size(), 118u);  // no symbol twice
    const std::pair<const char*, double> spot[] = {{"H", 1.008}, {"C", 12.011}, {"Fe", 55.845}, {"Xe", 131.293},
                                                   {"Pb", 207.2}, {"U", 238.03}, {"Pu", 244}, {"Og", 294}};
    for (const auto& [symbol, weight] : spot) EXPECT_NEAR(weights[symbol], weight, 1e-9) << symbol;
    for (const auto& [symbol, weight] : weights) EXPECT_GT(weight, 0.9) << symbol;

    auto back = std::make_unique<CSimulation>(quiet);
    std::string notice;
    ASSERT_EQ(structureImport::buildFromExtendedXyz("1\nLattice=\"20 0 0 0 20 0 0 0 20\"\nAr 5 5 5\n", 0, *back, notice), "");
    EXPECT_EQ(back->getMass(0), newSimulation::substanceType(kSubstances[0]).mass);
    EXPECT_TRUE(quiet.alerts.empty());
}

// Each refusal names the line and the reason, and the live simulation keeps
// its state; a box that is no cube is used only when its atoms fit a cube.
TEST_F(TrajectoryTest, ImportRefusesWithTheLineAndLosesNothing)
{
    auto xyz = [](const std::string& lattice, const std::vector<std::string>& atoms) {
        std::string text = std::to_string(atoms.size()) + "\nLattice=\"" + lattice +
                           "\" Properties=species:S:1:pos:R:3:velo:R:3\n";
        for (const std::string& atom : atoms) text += atom + "\n";
        return text;
    };
    const std::string cube = "20 0 0 0 20 0 0 0 20";
    const std::string five = xyz(cube, {"Ar 1 1 1 0 0 0", "Ne 3 3 3 0 0 0", "Kr 5 5 5 0 0 0", "Xe 7 7 7 0 0 0",
                                        "He 9 9 9 0 0 0"});
    std::string crowd = "401\nLattice=\"200 0 0 0 200 0 0 0 200\"\n";
    for (int k = 0; k < 401; k++)
        crowd += "Ar " + std::to_string(5 + (k % 20) * 9) + " " + std::to_string(5 + (k / 20) * 9) + " 50\n";
    std::string short40 = "40\nLattice=\"200 0 0 0 200 0 0 0 200\"\n";
    for (int k = 0; k < 50; k++) short40 += "Ar " + std::to_string(5 + k * 3) + " 5 5\n";
    const std::string data = "title\n\n2 atoms\n1 atom types\n-10 10 xlo xhi\n-10 10 ylo yhi\n-10 10 zlo zhi\n\n"
                             "Masses\n\n1 39.948\n\nAtoms # charge\n\n1 1 0 0 0 0\n2 1 0.5 3 3 3\n";
    const struct {
        std::string text, refusal;
    } refused[] = {
        {five, "line 7: a fifth species, \"He\""},
        {crowd, "line 403: a 401th atom of type A"},
        {xyz(cube, {"Ar 1 1 1 0 0 0", "Ar 21 1 1 0 0 0"}), "line 4: the atom at (21, 1, 1) Angstrom is outside the box"},
        {xyz(cube, {"Ar 1 1 1 0 0 0", "Ar 2 2 x 0 0 0"}), "line 4: \"x\" is not a position"},
        {xyz(cube, {"Ar 1 1 1 0 0"}), "line 3: an atom needs 7 values"},
        {xyz("20 0 0 0 30 0 0 0 20", {"Ar 1 1 1 0 0 0", "Ar 2 25 2 0 0 0"}),
         "line 2: the box is 20 x 30 x 20 Angstrom, not a cube"},
        {"2\nno box\nAr 0 0 0\n", "line 2: no Lattice= gives the box"},
        {xyz("0 0 0 0 20 0 0 0 20", {"Ar 1 1 1 0 0 0"}), "line 2: the box's edges, the 1st, 5th and 9th numbers of "
                                                          "Lattice=, must be above 0 Angstrom, not 0, 20 and 20"},
        {xyz("20 0 0 0 -20 0 0 0 20", {"Ar 1 1 1 0 0 0"}), "line 2: the box's edges"},
        {xyz(cube, {"Ar 1 1 1 0 0 0", "Qq 2 2 2 0 0 0"}), "line 4: \"Qq\" is not the symbol of an element"},
        {xyz(cube, {"ar 1 1 1 0 0 0"}), "line 3: \"ar\" is not the symbol of an element (symbols are case-sensitive: "
                                        "did you mean \"Ar\"?)"},
        {short40, "line 43: one more atom line than the 40 that line 1 gives the frame"},
        {data, "line 16: the atom's charge, 0.5 e, differs from 0 e"},
        {"title\n\n1 atoms\n1 atom types\n-10 10 xlo xhi\n-10 10 ylo yhi\n-10 20 zlo zhi\n\nAtoms # full\n",
         "line 9: atom style \"full\""},
    };
    load(bench("liquid-400.txt"));
    const unsigned revision = s.getStateRevision();
    const CVector first = s.state().atoms.loc[0][0];
    const std::string path = scratch("structure.in");
    for (const auto& [text, refusal] : refused) {
        SCOPED_TRACE(refusal);
        ASSERT_EQ(writeFileAtomically(path, text), "");
        const auto opened = structureImport::openAnyFile(s, path);
        EXPECT_EQ(opened.refusal.substr(0, refusal.size()), refusal);
        EXPECT_EQ(s.getStateRevision(), revision);
        EXPECT_EQ(s.getNumber(0), 100);
        EXPECT_EQ(s.state().atoms.loc[0][0].v[0], first.v[0]);
    }
    ASSERT_EQ(writeFileAtomically(path, "a host name\n"), "");
    EXPECT_NE(structureImport::openAnyFile(s, path).refusal.find(structureImport::kNotAFileQuorvelReads), std::string::npos);

    // Atoms that fit a cube inside a longer box: that cube, said, with the
    // noble gases' wells.
    ASSERT_EQ(writeFileAtomically(path, xyz("20 0 0 0 30 0 0 0 20", {"Ar 1 21 1 0 0 0", "Ar 5 25 5 1 2 3"})), "");
    const auto opened = structureImport::openAnyFile(s, path);
    ASSERT_EQ(opened.refusal, "");
    EXPECT_NE(opened.notice.find("cube of 20 Angstrom"), std::string::npos);
    EXPECT_EQ(s.getNumber(0), 2);
    EXPECT_EQ(s.getNumber(1), 0);
    EXPECT_EQ(s.getName(0), "Argon");
    EXPECT_DOUBLE_EQ(s.getHalfWidth(), 10e-10);
    EXPECT_NEAR(s.state().atoms.loc[0][1].v[1], (25.0 - 20.0) * 1e-10, 1e-20);
    EXPECT_NEAR(s.state().atoms.vel[0][1].v[2], 300.0, 1e-9);
    EXPECT_GT(s.getLJeps(0, 0), 0.0);
    EXPECT_TRUE(s.getPotentialUsed());
}
