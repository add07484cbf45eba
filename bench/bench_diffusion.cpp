// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the diffusion measurement costs per step on a simulation (by
// default the 1,600-atom liquid): displays run plainly and displays run with
// the samples between their parts take turns in one run, on two copies of
// the same state, so the ratio shares the machine's load. Processor time of
// this thread.
//   build/bench/bench_diffusion [DISPLAYS [simulation file]]
// With --gas it is the check of a hard-sphere gas against Chapman-Enskog:
// gas-1600 squeezed into a box of the given half width, run until it has
// settled, then measured; it prints the gas's density, mean free path and
// both D against D = 3 / (8 n d^2) sqrt(kT / (pi m)).
//   build/bench/bench_diffusion --gas HALF-WIDTH-M [DISPLAYS]
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <cstdlib>
#include <memory>
#include <string>

#include "BenchTiming.h"
#include "SIM/measure/CDiffusion.h"
#include "SIM/model/CPhysicalConstants.h"
#include "SIM/model/CSimulation.h"
#include "SIM/engine/CSampledRun.h"

namespace {
std::unique_ptr<CSimulation> load(CClock& clock, const std::string& path)
{
    auto s = std::make_unique<CSimulation>(clock);
    s->initWithDefaults();
    s->setOpenPath(path);
    bool notSimulation = false;
    const std::string reason = s->loadInputFile(notSimulation);
    if (!reason.empty()) {
        std::fprintf(stderr, "cannot read %s: %s\n", path.c_str(), reason.c_str());
        std::exit(1);
    }
    return s;
}
int checkGas(double halfWidth, int displays)
{
    CClock clock;
    auto s = load(clock, std::string(QUORVEL_BENCH_DIR) + "/gas-1600.txt");
    if (!s->setHalfWidth(halfWidth)) return 1;
    for (int k = 0; k < 100; k++) s->runDisplay();
    CDiffusion diffusion;
    for (int k = 0; k < displays; k++) runDisplayStepsSampled(*s, &diffusion, s->getIPD());
    int atoms = 0;
    for (int t = 0; t < CSimulation::kTypes; t++) atoms += s->getNumber(t);
    const double d = s->getDiam(0), m = s->getMass(0), temperature = s->getTemperature(CSimulation::kAllAtoms);
    const double width = 2.0 * halfWidth, n = atoms / (width * width * width);
    const double freePath = 1.0 / (std::numbers::sqrt2 * std::numbers::pi * d * d * n);
    const double chapmanEnskog = 3.0 / (8.0 * n * d * d) * std::sqrt(quorvel::kBoltzmann * temperature / (std::numbers::pi * m));
    const CDiffusionResult r = diffusion.result(kAllTypesMask);
    double plateau = 0.0;
    for (double integral : r.integral) plateau = std::max(plateau, integral / 3.0);
    std::printf("hard-sphere gas, %d atoms, T %.1f K: packing fraction %.3f, mean free path %.3g m, box %.1f free paths\n",
                atoms, temperature, n * std::numbers::pi * d * d * d / 6.0, freePath, width / freePath);
    std::printf("Chapman-Enskog D = %.3g m^2/s; highest running integral / 3: %.3g m^2/s (%.0f %%)\n", chapmanEnskog,
                plateau, 100.0 * plateau / chapmanEnskog);
    std::printf("%s\n%s\n", einsteinLine(r).c_str(), greenKuboLine(r).c_str());
    if (r.hasWindow()) std::printf("Einstein D / Chapman-Enskog D = %.3f\n", r.einsteinD / chapmanEnskog);
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--gas") == 0)
        return checkGas(std::atof(argv[2]), argc > 3 ? std::atoi(argv[3]) : 400);
    const int displays = argc > 1 ? std::atoi(argv[1]) : 100;
    const std::string path = argc > 2 ? argv[2] : std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt";
    CClock clock;
    auto plain = load(clock, path), sampled = load(clock, path);
    CDiffusion diffusion;
    double plainMs = 0.0, sampledMs = 0.0;
    for (int k = 0; k < displays + 2; k++) {
        double start = bench::threadCpuMilliseconds();
        plain->runDisplay();
        const double a = bench::threadCpuMilliseconds() - start;
        start = bench::threadCpuMilliseconds();
        runDisplayStepsSampled(*sampled, &diffusion, sampled->getIPD());
        const double b = bench::threadCpuMilliseconds() - start;
        if (k < 2) continue;  // the first displays build lists and buffers
        plainMs += a;
        sampledMs += b;
    }
    const double steps = static_cast<double>(displays) * plain->getIPD();
    const CDiffusionResult r = diffusion.result(kAllTypesMask);
    std::printf("%s: %d displays of %u steps; a sample every %u steps, %lu samples\n", path.c_str(), displays,
                plain->getIPD(), diffusion.stride(), diffusion.samples());
    std::printf("per step: %.4f ms plain, %.4f ms with the diffusion measurement: %+.2f %%\n", plainMs / steps,
                sampledMs / steps, 100.0 * (sampledMs / plainMs - 1.0));
    std::printf("%s\n%s\n", einsteinLine(r).c_str(), greenKuboLine(r).c_str());
    return 0;
}
