// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the diffusion measurement costs per step on a simulation (by
// default the 1,600-atom liquid): displays run plainly and displays run with
// the samples between their parts take turns in one run, on two copies of
// the same state, so the ratio shares the machine's load. Processor time of
// this thread.
//   build/bench/bench_diffusion [DISPLAYS [simulation file]]
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "BenchTiming.h"
#include "SIM/CDiffusion.h"
#include "SIM/CPlatform.h"
#include "SIM/CSimulation.h"

namespace {
std::unique_ptr<CSimulation> load(CConsolePlatform& platform, const std::string& path)
{
    auto s = std::make_unique<CSimulation>(platform);
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
}  // namespace

int main(int argc, char** argv)
{
    const int displays = argc > 1 ? std::atoi(argv[1]) : 100;
    const std::string path = argc > 2 ? argv[2] : std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt";
    CConsolePlatform platform;
    auto plain = load(platform, path), sampled = load(platform, path);
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
