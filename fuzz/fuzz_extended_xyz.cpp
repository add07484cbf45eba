// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the extended XYZ reader, on any bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "SIM/model/CClock.h"
#include "SIM/model/CSimulation.h"
#include "SIM/io/CStructureImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CClock fuzzClock;  // the model asks the readers nothing: what they answer is dropped
    static auto scratch = std::make_unique<CSimulation>(fuzzClock);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    structureImport::kindOfText(text);
    const int frames = structureImport::extendedXyzFrames(text);
    std::string notice;
    structureImport::buildFromExtendedXyz(text, frames > 1 ? frames - 1 : 0, *scratch, notice);
    return 0;
}
