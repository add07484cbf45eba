// SPDX-License-Identifier: GPL-3.0-or-later
// The instruments of the headless runner: g(r) over every display of the
// run, and the speed distribution against Maxwell-Boltzmann after it.
#pragma once

#include <memory>
#include <string>

#include "SIM/measure/CDiffusion.h"
#include "SIM/measure/CRadialDistribution.h"

class CSimulation;
struct CBatchOptions;

// Reads "AB" (letters A to D, either order) into two type indices.
bool parseTypePair(const std::string& text, int& first, int& second);
// Reads "A", "AB", ... (different letters A to D) into a bit per type.
bool parseTypeSet(const std::string& text, unsigned& types);

class CBatchInstruments {
public:
    explicit CBatchInstruments(const CBatchOptions& options);
    // One display step of the run, sampled where the instruments need it.
    bool runDisplay(CSimulation& simulation);
    // After every display step of the run.
    void afterDisplay(const CSimulation& simulation);
    // Writes the files asked for; false (with a message on standard error) when one fails.
    bool writeAfterRun(const CSimulation& simulation);

private:
    const CBatchOptions& options_;
    std::unique_ptr<CRadialDistribution> rdf_;
    std::unique_ptr<CDiffusion> diffusion_;
};
