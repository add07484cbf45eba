// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long loading, and writing, a simulation file takes.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "SIM/model/CSimulation.h"

int main(int argc, char** argv)
{
    std::string path = argc > 1 ? argv[1] : std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt";
    CClock clock;
    auto simulation = std::make_unique<CSimulation>(clock);
    simulation->initWithDefaults();
    const int rounds = 20;
    double best = 1e9, total = 0;
    for (int k = 0; k < rounds; k++) {
        simulation->setOpenPath(path);
        auto start = std::chrono::steady_clock::now();
        if (!simulation->readInputFile()) return 1;
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = ms < best ? ms : best;
        total += ms;
    }
    std::printf("load %s (%d atoms): best %.2f ms, mean %.2f ms over %d loads (includes the energy rebuild)\n",
                path.c_str(), simulation->state().atoms.totalAtoms, best, total / rounds, rounds);
    auto start = std::chrono::steady_clock::now();
    simulation->generateOutputFileContent();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("generate the text of the same simulation: %.2f ms (%zu bytes)\n", ms, simulation->getFileContent().size());
    return 0;
}
