// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of Quorvel's own in the comment line of the extended XYZ frames it
// writes: every type's name, diameter and charge, the well depths between the
// types and the potentials' switch, in the frame's units (Angstrom, e, eV).
// With the masses column and the frame's Step= and Time= they make a frame
// read back the simulation it was written from; other programs keep such
// keys as they are (ASE reads them into Atoms.info) and skip them.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "SIM/model/CModelLimits.h"

struct CSimulationState;

namespace extendedXyz {

inline constexpr int kTypes = modelLimits::kTypes;

// What a frame's keys of Quorvel's own say, in SI units.
struct CQuorvelKeys {
    bool given = false;  // the frame carries Quorvel's keys: its Step= and Time= are Quorvel's too
    bool hasDiameters = false, hasCharges = false, hasWells = false, hasPotential = false;
    std::string names[kTypes];  // a type without a name has no key
    double diameters[kTypes] = {};      // m
    double charges[kTypes] = {};        // C
    double wells[kTypes][kTypes] = {};  // J
    bool potentialUsed = false;
    unsigned step = 0;
    double time = 0.0;  // s
};

// The comment line's key=value pairs, keys in lower case (as the reader
// looks them up).
using CKeyValues = std::map<std::string, std::string, std::less<>>;

// " quorvel_name_A=... quorvel_potential=T": the keys of sim's types, to
// follow the frame's standard keys.
std::string quorvelKeysOf(const CSimulationState& sim);
// Reads Quorvel's keys (and then Step= and Time=) from a frame's pairs.
// Answers the refusal, empty when the keys were read or absent.
std::string readQuorvelKeys(const CKeyValues& pairs, CQuorvelKeys& out);

}  // namespace extendedXyz
