// SPDX-License-Identifier: GPL-3.0-or-later
// The machine a benchmark ran on, for the figures it prints.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

// The processor's model name, as Linux reports it.
inline std::string processorName()
{
    FILE* f = std::fopen("/proc/cpuinfo", "r");
    if (!f) return "unknown";
    char line[512];
    std::string name = "unknown";
    while (std::fgets(line, sizeof line, f)) {
        const char* colon = std::strchr(line, ':');
        if (std::strncmp(line, "model name", 10) == 0 && colon) {
            name = colon + 2;
            name.erase(name.find_last_not_of("\n") + 1);
            break;
        }
    }
    std::fclose(f);
    return name;
}
