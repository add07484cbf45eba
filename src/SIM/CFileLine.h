// SPDX-License-Identifier: GPL-3.0-or-later
// One line of a simulation file split into its fields.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "BASE/CTextNumbers.h"

// The fields of one line, split at single spaces; the last one keeps the line end.
struct CLineFields {
    std::vector<std::string> fields;

    explicit CLineFields(std::string_view line)
    {
        size_t start = 0;
        while (true) {
            size_t space = line.find(' ', start);
            fields.emplace_back(line.substr(start, space == std::string_view::npos ? std::string_view::npos : space - start));
            if (space == std::string_view::npos) break;
            start = space + 1;
        }
    }
    size_t size() const { return fields.size(); }
    double real(size_t k) const { return parseDoubleC(fields[k]); }
    int integer(size_t k) const
    {
        long long value = parseIntegerC(fields[k]);
        if (value > INT32_MAX) return INT32_MAX;
        if (value < INT32_MIN) return INT32_MIN;
        return static_cast<int>(value);
    }
    // A double truncated toward zero to 64 bits, of which the low 32 are kept.
    unsigned unsignedLow32(size_t k) const
    {
        double value = real(k);
        if (!(std::fabs(value) < 9.2e18)) return 0;
        return static_cast<unsigned>(static_cast<uint64_t>(static_cast<int64_t>(value)) & 0xffffffffu);
    }
    char flag(size_t k) const { return static_cast<char>(static_cast<unsigned>(integer(k)) & 0xffu); }
    bool indexIn(size_t k, int limit, int& out) const
    {
        out = integer(k);
        return out >= 0 && out < limit;
    }
};

