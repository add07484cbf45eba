// SPDX-License-Identifier: GPL-3.0-or-later
// Steps per second of the reference engine, the fast engine on one and on two
// threads and, where `lmp` is installed, LAMMPS on the same system; then the
// time of a refit at 1,600 atoms. Everything in one run, with the ratios.
//
//   build/bench/bench_engine [steps] [--engine-only | --skin]
//   (default 2000 fast-engine steps; --engine-only leaves out the refit;
//   --skin measures the list skin's choices instead, on one thread)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "SIM/CFastEngine.h"
#include "SIM/CSimulation.h"
#include "support/StateEdit.h"

namespace {

const std::string kDir = QUORVEL_BENCH_DIR;
double otherKernelRowLength = 0.0;  // the fast engine's switch to the kernel it did not choose
double skinVariant = 0.0;           // the skin fraction tried by the skin sweep

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::unique_ptr<CSimulation> load(CConsolePlatform& platform, const std::string& file, int kind, int threads)
{
    auto s = std::make_unique<CSimulation>(platform);
    s->initWithDefaults();
    s->setOpenPath(kDir + "/" + file);
    if (!s->readInputFile()) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        std::exit(1);
    }
    s->setEngineKind(static_cast<CEngineKind>(kind));
    s->setEngineThreads(threads);
    return s;
}

// Milliseconds per step over the given number of steps, after one warm-up tick.
// A variant of the fast engine set up before its first step.
using EngineSetup = void (*)(CFastEngine&);

double msPerStep(const std::string& file, int kind, int threads, unsigned steps, CSimulation** keep = nullptr,
                 EngineSetup setup = nullptr)
{
    static CConsolePlatform platform;
    static std::unique_ptr<CSimulation> kept;
    auto s = load(platform, file, kind, threads);
    if (setup) {
        setup(s->getFastEngine());
    }
    s->setIPD(50);
    s->MDCALCIterate();
    s->setIPD(steps);
    auto start = std::chrono::steady_clock::now();
    s->MDCALCIterate();
    double ms = 1000.0 * seconds(start) / steps;
    if (keep) {
        kept = std::move(s);
        *keep = kept.get();
    }
    return ms;
}

// LAMMPS on the same state (lammps/in.timed); 0 when lmp is not installed.
double lammpsMsPerStep(const char* lammpsCase, unsigned steps)
{
    if (std::system("command -v lmp >/dev/null 2>&1") != 0) return 0.0;
    std::string log = "/tmp/quorvel-bench-lammps-" + std::string(lammpsCase) + ".log";
    std::string command = "cd '" + kDir + "/lammps' && lmp -in in.timed -var case " + lammpsCase +
                          " -var nsteps " + std::to_string(steps) + " -log " + log + " -screen none >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return 0.0;
    FILE* f = std::fopen(log.c_str(), "r");
    if (!f) return 0.0;
    char line[512];
    double loop = 0.0;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "Loop time of %lf", &loop) == 1) break;
    std::fclose(f);
    return loop > 0 ? 1000.0 * loop / steps : 0.0;
}

// One thread, the engine's skin against a few others (as fractions of the
// largest diameter), each ratio from the best of three turns in one run.
void skinSweep(unsigned steps)
{
    const char* files[] = {"liquid-1600.txt", "lj-gas-1600.txt", "gas-1600.txt"};
    const double fractions[] = {0.2, 0.25, 0.3, 0.35, 0.45, 0.6, 0.8};
    EngineSetup variant = [](CFastEngine& e) { e.skinFraction = e.sparseSkinFraction = skinVariant; };
    std::printf("skin sweep, one thread: ms per step by skin (fraction of the largest diameter), and the chosen skin's speed-up\n");
    for (const char* file : files) {
        double chosen = 1e9;
        double best[std::size(fractions)];
        std::fill(std::begin(best), std::end(best), 1e9);
        for (int round = 0; round < 3; round++) {
            chosen = std::min(chosen, msPerStep(file, 1, 1, steps));
            for (size_t k = 0; k < std::size(fractions); k++) {
                skinVariant = fractions[k];
                best[k] = std::min(best[k], msPerStep(file, 1, 1, steps, nullptr, variant));
            }
        }
        std::printf("%-16s chosen %.3f ms |", file, chosen);
        for (size_t k = 0; k < std::size(fractions); k++)
            std::printf(" %.2f: %.3f (%.2f)", fractions[k], best[k], best[k] / chosen);
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    unsigned steps = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 2000;
    if (argc > 2 && std::strcmp(argv[2], "--skin") == 0) {
        skinSweep(steps);
        return 0;
    }
    unsigned referenceSteps = steps / 10 > 0 ? steps / 10 : 1;
    struct Scenario {
        const char* file;
        const char* lammpsCase;
    } scenarios[] = {{"liquid-1600.txt", "liquid"}, {"lj-gas-1600.txt", "gas"}, {"gas-1600.txt", "gas"}};

    std::printf("ms per step (steps per second); ratios are speed-ups, higher is faster\n");
    std::printf("%-16s %18s %18s %18s %18s   %8s %8s %8s %8s\n", "scenario", "reference", "fast 1 thread",
                "fast 2 threads", "LAMMPS serial", "f1/ref", "f1/lmp", "f2/lmp", "f2/f1");
    for (const Scenario& sc : scenarios) {
        double ref = msPerStep(sc.file, 0, 1, referenceSteps);
        CSimulation* one = nullptr;
        double fast1 = msPerStep(sc.file, 1, 1, steps, &one);
        long long rebuilds = one->getFastEngine().rebuildCount();
        long long forcePairs = one->getFastEngine().forcePairCount(), contactPairs = one->getFastEngine().contactPairCount();
        double fast2 = msPerStep(sc.file, 1, 2, steps);
        double lmp = lammpsMsPerStep(sc.lammpsCase, steps);
        // The force pass's other kernel (flat where it runs by rows and the
        // reverse), and two threads wherever they may run, for comparison.
        EngineSetup otherKernel = [](CFastEngine& e) { e.flatBelowRowLength = otherKernelRowLength; };
        EngineSetup twoAlways = [](CFastEngine& e) { e.twoThreadPairs = 0; };
        otherKernelRowLength = one->getFastEngine().flatKernel() ? 0.0 : 1e9;
        double other1 = msPerStep(sc.file, 1, 1, steps, nullptr, otherKernel);
        double forced2 = msPerStep(sc.file, 1, 2, steps, nullptr, twoAlways);
        // On a shared machine the load changes during a run: the engines take
        // turns three times and each keeps its best time.
        for (int round = 1; round < 3; round++) {
            fast1 = std::min(fast1, msPerStep(sc.file, 1, 1, steps));
            fast2 = std::min(fast2, msPerStep(sc.file, 1, 2, steps));
            double again = lammpsMsPerStep(sc.lammpsCase, steps);
            if (again > 0) lmp = std::min(lmp, again);
            other1 = std::min(other1, msPerStep(sc.file, 1, 1, steps, nullptr, otherKernel));
            forced2 = std::min(forced2, msPerStep(sc.file, 1, 2, steps, nullptr, twoAlways));
        }
        auto cell = [](double ms) {
            static char text[4][40];
            static int k = 0;
            char* out = text[k++ % 4];
            if (ms > 0) std::snprintf(out, 40, "%.3f (%6.0f/s)", ms, 1000.0 / ms);
            else std::snprintf(out, 40, "not installed");
            return out;
        };
        auto ratio = [](double a, double b) { return a > 0 && b > 0 ? a / b : 0.0; };
        std::printf("%-16s %18s %18s %18s %18s   %8.2f %8.2f %8.2f %8.2f\n", sc.file, cell(ref), cell(fast1),
                    cell(fast2), cell(lmp), ratio(ref, fast1), ratio(lmp, fast1), ratio(lmp, fast2),
                    ratio(fast1, fast2));
        std::printf("%-16s   lists: %lld pairs, %lld contact pairs, %.1f steps per rebuild\n", "", forcePairs,
                    contactPairs, rebuilds > 0 ? (steps + 50.0) / rebuilds : 0.0);
        std::printf("%-16s   force pass %s (chosen); %s instead, 1 thread: %.3f ms (chosen's speed-up %.2f); two "
                    "threads whatever the pairs: %.3f ms (f2/f1 %.2f)\n",
                    "", otherKernelRowLength == 0.0 ? "flat" : "by rows", otherKernelRowLength == 0.0 ? "by rows" : "flat",
                    other1, ratio(other1, fast1), forced2, ratio(fast1, forced2));
    }
    if (std::system("command -v lmp >/dev/null 2>&1") == 0)
        std::printf("LAMMPS runs lammps/in.timed; gas-1600 (hard spheres) is set against its Lennard-Jones gas.\n");

    if (argc > 2 && std::strcmp(argv[2], "--engine-only") == 0) return 0;

    // The refit, at 1,600 atoms: a box that already fits (one pass), a box
    // shrunk by 2% (atoms pushed in from the walls), and one too small to
    // hold the atoms (every one of the 100 passes, then failure).
    static CConsolePlatform platform;
    struct Refit {
        const char* what;
        double shrink;
    } refits[] = {{"fits already", 1.0}, {"box 2% smaller", 0.98}, {"box too small (fails)", 0.5}};
    for (const Refit& r : refits) {
        auto s = load(platform, "liquid-1600.txt", 1, 1);
        StateEdit(*s)->box.halfWidth *= r.shrink;
        auto start = std::chrono::steady_clock::now();
        bool fitted = s->shiftAtomsToFit(100);
        std::printf("refit of liquid-1600, %-22s: %8.1f ms (%s)\n", r.what, 1000.0 * seconds(start),
                    fitted ? "fitted" : "did not fit");
    }
    return 0;
}
