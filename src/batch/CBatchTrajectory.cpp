// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBatchTrajectory.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CSimulation.h"

bool takeTrajectoryOption(const std::string& option, const std::string& value, CTrajectoryOptions& options,
                          std::string& error)
{
    if (option == "--trajectory") {
        options.xyzPath = value;
        return true;
    }
    if (option == "--dump") {
        options.dumpPath = value;
        return true;
    }
    char* end = nullptr;
    errno = 0;
    const unsigned long n = value[0] >= '0' && value[0] <= '9' ? std::strtoul(value.c_str(), &end, 10) : 0;
    const bool whole = errno == 0 && end && *end == '\0' && n >= 1 && n <= 1000000000UL;
    if (!whole) {
        error = option + " needs a whole number from 1, not \"" + value + "\"";
        return false;
    }
    if (option == "--every") {
        options.every = n;
        options.everyGiven = true;
    } else {
        options.frame = static_cast<int>(n - 1);
    }
    return true;
}

bool checkTrajectoryOptions(const CTrajectoryOptions& options, std::string& error)
{
    if (options.everyGiven && options.xyzPath.empty() && options.dumpPath.empty()) {
        error = "--every needs --trajectory OUT.xyz or --dump OUT.lammpstrj";
        return false;
    }
    return true;
}

bool CBatchTrajectories::start(const CSimulation& simulation)
{
    const unsigned every = static_cast<unsigned>(options_.every);
    if (!options_.xyzPath.empty()) {
        std::string failure = xyz_.open(options_.xyzPath, CTrajectoryFormat::extendedXyz, every, simulation.state());
        if (!failure.empty()) {
            std::fprintf(stderr, "quorvel-batch: trajectory: %s\n", failure.c_str());
            succeeded_ = false;
        }
    }
    if (!options_.dumpPath.empty()) {
        std::string failure = dump_.open(options_.dumpPath, CTrajectoryFormat::lammpsDump, every, simulation.state());
        if (!failure.empty()) {
            std::fprintf(stderr, "quorvel-batch: dump: %s\n", failure.c_str());
            succeeded_ = false;
        }
    }
    return succeeded_;
}

void CBatchTrajectories::afterDisplay(const CSimulation& simulation)
{
    for (CTrajectoryWriter* writer : {&xyz_, &dump_}) {
        // A failed file is closed with its whole frames; the run goes on.
        std::string failure = writer->afterDisplay(simulation.state());
        if (failure.empty()) continue;
        std::fprintf(stderr, "quorvel-batch: recording stopped: %s\n", failure.c_str());
        succeeded_ = false;
    }
}
