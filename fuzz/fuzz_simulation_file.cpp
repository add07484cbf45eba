// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the simulation file reader, as File > Open and the batch
// runner call it (the file of any kind, told from its content), on any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "SIM/model/CClock.h"
#include "SIM/model/CSimulation.h"
#include "SIM/io/CStructureImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CClock fuzzClock;  // the model asks the readers nothing: what they answer is dropped
    static auto live = [] {
        auto simulation = std::make_unique<CSimulation>(fuzzClock);
        simulation->initWithDefaults();
        return simulation;
    }();
    // The reader takes a path: each input goes through one file of this process.
    static const std::string path = [] {
        char pattern[] = "/tmp/quorvel-fuzz-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd >= 0) close(fd);
        return std::string(pattern);
    }();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    structureImport::openAnyFile(*live, path);
    // A state read must survive a display of the engine as well.
    if (live->stateIsFinite() && live->getIPD() <= 5) live->runDisplay();
    return 0;
}
