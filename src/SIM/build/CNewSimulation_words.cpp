// SPDX-License-Identifier: GPL-3.0-or-later
// New Simulation's words: the types of a substance or the custom one, the
// arrangements by name and a command line's list of types.
#include <algorithm>
#include <cctype>

#include "BASE/CTextNumbers.h"
#include "SIM/build/CNewSimulation.h"
#include "SIM/model/CPhysicalConstants.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CSimulationDefaults.h"

namespace newSimulation {

namespace {
constexpr int kTypes = CSimulation::kTypes;
constexpr int kMaxPerType = CSimulation::kMaxPerType;
}  // namespace

CTypeSpec substanceType(const CSubstance& substance, int count)
{
    return {substance.name, count, substance.sigma, substance.massInU * quorvel::kAtomicMassUnit,
            substance.epsilonOverK * quorvel::kBoltzmann};
}

CTypeSpec customType(int count)
{
    return {"", count, simulationDefaults::kDiameter, simulationDefaults::kMass, simulationDefaults::kPairWellDepth};
}

bool arrangementFromWord(const std::string& word, CArrangement& out)
{
    for (CArrangement a : {CArrangement::simpleCubic, CArrangement::bodyCentredCubic, CArrangement::faceCentredCubic,
                           CArrangement::random})
        if (word == arrangementWord(a)) {
            out = a;
            return true;
        }
    return false;
}

const char* arrangementWord(CArrangement a)
{
    switch (a) {
    case CArrangement::simpleCubic: return "sc";
    case CArrangement::bodyCentredCubic: return "bcc";
    case CArrangement::faceCentredCubic: return "fcc";
    case CArrangement::random: return "random";
    }
    return "";
}

bool parseTypes(const std::string& text, std::vector<CTypeSpec>& types, std::string& error)
{
    types.clear();
    auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::size_t start = 0;
    while (true) {
        std::size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        std::size_t colon = item.find(':');
        std::string symbol = lower(item.substr(0, colon));
        std::string count = colon == std::string::npos ? "" : item.substr(colon + 1);
        bool digits = !count.empty() && count.size() <= 9 &&
                      std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits) {
            error = "--new needs types such as Ar:256,Ne:100 (a symbol, a colon and a count), not \"" + item + "\"";
            return false;
        }
        int n = std::stoi(count);
        if (n > kMaxPerType) {
            error = formatC("at most %d atoms of a type can be built, not %d (%s)", kMaxPerType, n, item.c_str());
            return false;
        }
        if (symbol == lower(kCustomSymbol)) {
            types.push_back(customType(n));
        } else {
            const CSubstance* found = nullptr;
            for (const CSubstance& s : kSubstances)
                if (symbol == lower(s.symbol)) found = &s;
            if (!found) {
                std::string known;
                for (const CSubstance& s : kSubstances) known += std::string(s.symbol) + ", ";
                error = "unknown type \"" + item.substr(0, colon) + "\" in --new: the types are " + known + "and " +
                        kCustomSymbol + " (the default custom type)";
                return false;
            }
            types.push_back(substanceType(*found, n));
        }
        if (types.size() > static_cast<std::size_t>(kTypes)) {
            error = formatC("at most %d types can be built, not more", kTypes);
            return false;
        }
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

}  // namespace newSimulation
