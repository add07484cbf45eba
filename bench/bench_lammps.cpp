// SPDX-License-Identifier: GPL-3.0-or-later
// The LAMMPS export against the application itself: mean temperature and
// potential energy of the Lennard-Jones liquid and gas over the same number of
// steps in both (the application with its energy conservation off and on; the
// trajectories part chaotically, the means are compared), and the time of the 2 x 2 x 2
// replicate of the liquid (12,800 atoms) in LAMMPS on one and on two MPI ranks.
//
//   build/bench/bench_lammps [steps] [replicate-steps]     (default 1000 and 500)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "BASE/CAtomicFile.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"

namespace {

const std::string kDir = QUORVEL_BENCH_DIR;
constexpr double kJoulePerElectronVolt = lammps::kElectronVolt;

std::unique_ptr<CSimulation> load(CClock& clock, const std::string& file)
{
    auto s = std::make_unique<CSimulation>(clock);
    s->initWithDefaults();
    s->setOpenPath(kDir + "/" + file);
    if (!s->readInputFile()) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        std::exit(1);
    }
    return s;
}

struct Means {
    double temperature = 0.0, potential = 0.0;  // K, J
};

// The application's means, one sample after every step.
Means applicationMeans(CSimulation& s, unsigned steps, char conserve)
{
    s.setConserve(conserve);
    s.setIPD(1);
    Means m;
    for (unsigned k = 0; k < steps; k++) {
        s.MDCALCIterate();
        m.temperature += s.state().outputs.temperature[4];
        m.potential += s.state().outputs.PEnergy[4];
    }
    m.temperature /= steps;
    m.potential /= steps;
    return m;
}

std::string exportFolder(CSimulation& s, int replicate)
{
    char pattern[] = "/tmp/quorvel-bench-lmp-XXXXXX";
    std::string folder = mkdtemp(pattern);
    std::string error = exportForLammps(s.state(), folder, replicate);
    if (!error.empty()) {
        std::fprintf(stderr, "export failed: %s\n", error.c_str());
        std::exit(1);
    }
    return folder;
}

// Runs the folder's input; answers the log text, empty when LAMMPS failed.
std::string runLammps(const std::string& folder, unsigned steps, int ranks)
{
    std::string launcher;
    if (ranks > 1) {
        launcher = "mpirun -np " + std::to_string(ranks) + " --oversubscribe ";
        if (geteuid() == 0) launcher += "--allow-run-as-root ";
    }
    std::string command = "cd '" + folder + "' && " + launcher + "lmp -in in.quorvel -var steps " +
                          std::to_string(steps) + " -log log.lammps -screen none >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return {};
    std::string log;
    readWholeFile(folder + "/log.lammps", log);
    return log;
}

// Means of temp and pe over the thermo rows after step 0, sampled every step.
Means lammpsMeans(CSimulation& s, unsigned steps)
{
    std::string folder = exportFolder(s, 1);
    std::string input;
    readWholeFile(folder + "/in.quorvel", input);
    std::string every = "thermo          100";
    input.replace(input.find(every), every.size(), "thermo          1");
    writeFileAtomically(folder + "/in.quorvel", input);
    std::string log = runLammps(folder, steps, 1);
    Means m;
    unsigned rows = 0;
    long step;
    double temp, pe;
    bool inTable = false;
    for (size_t at = 0; at < log.size();) {
        size_t end = log.find('\n', at);
        std::string line = log.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? log.size() : end + 1;
        if (line.find("Step") != std::string::npos) inTable = true;
        else if (inTable && std::sscanf(line.c_str(), "%ld %lf %lf", &step, &temp, &pe) == 3 && step > 0) {
            m.temperature += temp;
            m.potential += pe * kJoulePerElectronVolt;
            rows++;
        }
    }
    if (rows == 0) return m;
    m.temperature /= rows;
    m.potential /= rows;
    return m;
}

double loopSeconds(const std::string& log)
{
    size_t at = log.find("Loop time of ");
    return at == std::string::npos ? 0.0 : std::atof(log.c_str() + at + 13);
}

// The slowest rank's seconds in a section of LAMMPS's timing breakdown ("Pair", "Comm").
double sectionSeconds(const std::string& log, const char* section)
{
    size_t at = log.find(std::string("\n") + section + " ");
    if (at == std::string::npos) return 0.0;
    double min = 0, avg = 0, max = 0;
    size_t bar = log.find('|', at);
    return std::sscanf(log.c_str() + bar, "| %lf | %lf | %lf", &min, &avg, &max) == 3 ? max : 0.0;
}

}  // namespace

int main(int argc, char** argv)
{
    unsigned steps = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 1000;
    unsigned replicateSteps = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 500;
    if (std::system("command -v lmp >/dev/null 2>&1") != 0) {
        std::printf("lmp is not installed (Debian package lammps)\n");
        return 0;
    }
    static CClock clock;
    std::printf("means over %u steps; ratios LAMMPS / Quorvel\n", steps);
    std::printf("%-16s %-13s %12s %12s %7s   %14s %14s %7s\n", "scenario", "conservation", "T Quorvel",
                "T LAMMPS", "ratio", "PE Quorvel", "PE LAMMPS", "ratio");
    for (const char* file : {"liquid-1600.txt", "lj-gas-1600.txt"}) {
        auto forLammps = load(clock, file);
        Means theirs = lammpsMeans(*forLammps, steps);
        for (char conserve : {0, 1}) {
            auto own = load(clock, file);
            Means ours = applicationMeans(*own, steps, conserve);
            std::printf("%-16s %-13s %10.2f K %10.2f K %7.4f   %12.4e J %12.4e J %7.4f\n", file,
                        conserve ? "on" : "off", ours.temperature, theirs.temperature,
                        theirs.temperature / ours.temperature, ours.potential, theirs.potential,
                        theirs.potential / ours.potential);
        }
    }

    auto liquid = load(clock, "liquid-1600.txt");
    std::string folder = exportFolder(*liquid, 2);
    std::string oneLog = runLammps(folder, replicateSteps, 1);
    bool mpi = std::system("command -v mpirun >/dev/null 2>&1") == 0;
    std::string twoLog = mpi ? runLammps(folder, replicateSteps, 2) : std::string();
    double one = loopSeconds(oneLog), two = loopSeconds(twoLog);
    auto perStep = [&](double s) { return 1000.0 * s / replicateSteps; };
    std::printf("liquid-1600 replicated 2 x 2 x 2 (12,800 atoms), %u steps in LAMMPS, ms per step:\n",
                replicateSteps);
    std::printf("  1 rank : %8.3f   (pair forces %.3f, communication %.3f)\n", perStep(one),
                perStep(sectionSeconds(oneLog, "Pair")), perStep(sectionSeconds(oneLog, "Comm")));
    if (two > 0)
        std::printf("  2 ranks: %8.3f   (pair forces %.3f, communication %.3f)   speed-up %.2f\n", perStep(two),
                    perStep(sectionSeconds(twoLog, "Pair")), perStep(sectionSeconds(twoLog, "Comm")), one / two);
    else
        std::printf("  2 ranks: not run (mpirun missing or failed)\n");
    return 0;
}
