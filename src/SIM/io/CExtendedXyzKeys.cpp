// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/io/CExtendedXyzKeys.h"

#include <climits>
#include <vector>

#include "BASE/CTextNumbers.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"
#include "SIM/io/CStructureRead.h"
#include "SIM/model/CValueRules.h"

namespace {

constexpr int kTypes = extendedXyz::kTypes;
constexpr const char* kPrefix = "quorvel_";
constexpr const char* kName = "quorvel_name_";  // followed by the type's letter
constexpr const char* kDiameters = "quorvel_diameters";
constexpr const char* kCharges = "quorvel_charges";
constexpr const char* kWellDepths = "quorvel_well_depths";
constexpr const char* kPotential = "quorvel_potential";

std::string nameKey(int t, char firstLetter) { return kName + std::string(1, static_cast<char>(firstLetter + t)); }

// A name as a quoted value: the quote and the backslash escaped, as extended
// XYZ readers unescape them; a line break would end the comment line.
std::string quotedName(const std::string& name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\') out += '\\';
        out += c == '\n' || c == '\r' ? ' ' : c;
    }
    return out + "\"";
}

void appendNumbers(std::string& out, const char* key, const std::vector<double>& values)
{
    out += " " + std::string(key) + "=\"";
    for (size_t k = 0; k < values.size(); k++) appendFormatC(out, k ? " %.17g" : "%.17g", values[k]);
    out += "\"";
}

// n numbers in the frame's unit, each times scale within its rule.
std::string readNumbers(const extendedXyz::CKeyValues& pairs, const char* key, size_t n, const char* what,
                        double scale, const valueRules::CRange& rule, const char* ruled, double* out, bool& has)
{
    auto found = pairs.find(key);
    if (found == pairs.end()) return {};
    auto words = structureRead::wordsOf(found->second);
    if (words.size() != n) return formatC("%s= needs %zu numbers, %s, not %zu", key, n, what, words.size());
    for (size_t k = 0; k < n; k++) {
        double value = 0.0;
        if (!structureRead::numberOf(words[k], value))
            return std::string(key) + "= holds " + structureRead::quoted(words[k]) + ", not a number";
        out[k] = value * scale;
        if (!valueRules::within(out[k], rule)) return std::string(key) + "=: " + valueRules::rangeMessage(ruled, rule);
    }
    has = true;
    return {};
}

}  // namespace

std::string extendedXyz::quorvelKeysOf(const CSimulationState& sim)
{
    std::string out;
    // A type without a name has no key: an empty value ("") runs into the
    // next key in ASE's reading of the line.
    for (int t = 0; t < kTypes; t++)
        if (!sim.types.name[t].empty()) out += " " + nameKey(t, 'A') + "=" + quotedName(sim.types.name[t]);
    std::vector<double> diameters, charges, wells;
    for (int t = 0; t < kTypes; t++) {
        diameters.push_back(lammps::lengthOf(sim.types.diam[t]));
        charges.push_back(lammps::chargeOf(sim.forces.charge[t]));
        for (int u = 0; u < kTypes; u++) wells.push_back(lammps::energyOf(sim.forces.LJeps[t][u]));
    }
    appendNumbers(out, kDiameters, diameters);
    appendNumbers(out, kCharges, charges);
    appendNumbers(out, kWellDepths, wells);
    out += " " + std::string(kPotential) + (sim.forces.potentialUsed ? "=T" : "=F");
    return out;
}

std::string extendedXyz::readQuorvelKeys(const CKeyValues& pairs, CQuorvelKeys& out)
{
    out = CQuorvelKeys();
    for (const auto& [key, value] : pairs)
        if (key.compare(0, std::string(kPrefix).size(), kPrefix) == 0) out.given = true;
    if (!out.given) return {};
    for (int t = 0; t < kTypes; t++)
        if (auto name = pairs.find(nameKey(t, 'a')); name != pairs.end())
            out.names[t] = name->second.substr(0, CSimulation::kMaxNameLength);
    std::string problem =
        readNumbers(pairs, kDiameters, kTypes, "the types' diameters in Angstrom", lammps::kAngstrom,
                    valueRules::kDiameter, "The diameter of an atom", out.diameters, out.hasDiameters);
    if (problem.empty())
        problem = readNumbers(pairs, kCharges, kTypes, "the types' charges in e", lammps::kElectronVolt,
                              valueRules::kCharge, "The charge of an atom", out.charges, out.hasCharges);
    if (problem.empty())
        problem = readNumbers(pairs, kWellDepths, kTypes * kTypes, "the well depths between the types in eV, row by row",
                              lammps::kElectronVolt, valueRules::kWellDepth, "The well depth", &out.wells[0][0],
                              out.hasWells);
    if (!problem.empty()) return problem;
    if (auto potential = pairs.find(kPotential); potential != pairs.end()) {
        if (potential->second != "T" && potential->second != "F")
            return std::string(kPotential) + "= is T or F, not " + structureRead::quoted(potential->second);
        out.hasPotential = true;
        out.potentialUsed = potential->second == "T";
    }
    // The clock of the frame, in the units Quorvel writes it.
    if (auto step = pairs.find("step"); step != pairs.end()) {
        long long n = 0;
        if (!structureRead::wholeOf(step->second, n) || n < 0 || n > UINT_MAX)
            return "Step= is a whole number of steps from 0, not " + structureRead::quoted(step->second);
        out.step = static_cast<unsigned>(n);
    }
    if (auto time = pairs.find("time"); time != pairs.end()) {
        double ps = 0.0;
        if (!structureRead::numberOf(time->second, ps) || ps < 0.0)
            return "Time= is a time from 0 in picoseconds, not " + structureRead::quoted(time->second);
        out.time = ps * lammps::kPicosecond;
    }
    return {};
}
