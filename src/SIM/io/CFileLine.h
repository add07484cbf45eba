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
    // Exactly so many lowercase hexadecimal digits (the line's end aside).
    bool hex(size_t k, size_t digits, std::uint64_t& out) const
    {
        std::string_view text = fields[k];
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
        if (text.size() != digits || digits > 16) return false;
        out = 0;
        for (char c : text) {
            int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0) return false;
            out = out << 4 | static_cast<std::uint64_t>(digit);
        }
        return true;
    }
    bool hexWord(size_t k, std::uint32_t& out) const
    {
        std::uint64_t value = 0;
        if (!hex(k, 8, value)) return false;
        out = static_cast<std::uint32_t>(value);
        return true;
    }
    bool indexIn(size_t k, int limit, int& out) const
    {
        out = integer(k);
        return out >= 0 && out < limit;
    }
};

