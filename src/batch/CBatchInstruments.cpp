// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBatchInstruments.h"

#include <cstdio>

#include "BASE/CAtomicFile.h"
#include "CBatchRun.h"
#include "SIM/model/CSimulation.h"
#include "SIM/measure/CSpeedDistribution.h"
#include "SIM/engine/CSampledRun.h"

bool parseTypePair(const std::string& text, int& first, int& second)
{
    if (text.size() != 2) return false;
    auto type = [](char letter) {
        if (letter >= 'a' && letter <= 'd') return letter - 'a';
        return letter >= 'A' && letter <= 'D' ? letter - 'A' : -1;
    };
    first = type(text[0]);
    second = type(text[1]);
    return first >= 0 && second >= 0;
}

bool parseTypeSet(const std::string& text, unsigned& types)
{
    types = 0;
    if (text.empty() || text.size() > 4) return false;
    for (char letter : text) {
        const int t = letter >= 'a' && letter <= 'd' ? letter - 'a' : letter >= 'A' && letter <= 'D' ? letter - 'A' : -1;
        if (t < 0 || (types >> t) & 1u) return false;
        types |= 1u << t;
    }
    return true;
}

CBatchInstruments::CBatchInstruments(const CBatchOptions& options) : options_(options)
{
    if (!options.msdPath.empty() || !options.vacfPath.empty()) diffusion_ = std::make_unique<CDiffusion>();
    if (options.rdfPath.empty()) return;
    rdf_ = std::make_unique<CRadialDistribution>();
    rdf_->setPair(options.rdfFirstType, options.rdfSecondType);
}

bool CBatchInstruments::runDisplay(CSimulation& simulation)
{
    if (!diffusion_) return simulation.runDisplay();
    return runDisplayStepsSampled(simulation, diffusion_.get(), simulation.getIPD());
}

void CBatchInstruments::afterDisplay(const CSimulation& simulation)
{
    if (rdf_) rdf_->accumulate(simulation.state());
}

static bool writeCsv(const std::string& path, const std::string& csv)
{
    const std::string failure = writeFileAtomically(path, csv);
    if (failure.empty()) return true;
    std::fprintf(stderr, "quorvel-batch: cannot write %s: %s\n", path.c_str(), failure.c_str());
    return false;
}

bool CBatchInstruments::writeAfterRun(const CSimulation& simulation)
{
    bool written = true;
    if (!options_.histogramPath.empty()) {
        const CSpeedDistribution d = measureSpeedDistribution(simulation.state(), simulation.getDisplayType());
        std::string csv;
        appendSpeedDistributionCsv(csv, d);
        std::fprintf(stderr,
                     "speed distribution of %s: measured temperature %.6g K, fitted temperature %.6g K, "
                     "total variation distance %.4f\n",
                     d.slot == CSimulation::kAllAtoms ? "all atoms" : std::string(1, static_cast<char>('A' + d.slot)).c_str(),
                     d.measuredTemperature, d.fittedTemperature, d.totalVariation);
        written = writeCsv(options_.histogramPath, csv) && written;
    }
    if (rdf_) {
        if (rdf_->displays() == 0)
            std::fprintf(stderr, "quorvel-batch: g(r) has no displays to average (--ticks 0, or no pairs)\n");
        std::string csv;
        appendRadialDistributionCsv(csv, *rdf_);
        written = writeCsv(options_.rdfPath, csv) && written;
    }
    if (diffusion_) {
        const CDiffusionResult result = diffusion_->result(options_.msdTypes);
        if (!options_.msdPath.empty()) {
            std::fprintf(stderr, "%s\n", einsteinLine(result).c_str());
            std::string csv;
            appendMsdCsv(csv, result);
            written = writeCsv(options_.msdPath, csv) && written;
        }
        if (!options_.vacfPath.empty()) {
            std::fprintf(stderr, "%s\n", greenKuboLine(result).c_str());
            std::string csv;
            appendVacfCsv(csv, result);
            written = writeCsv(options_.vacfPath, csv) && written;
        }
    }
    return written;
}
