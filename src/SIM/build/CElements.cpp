// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/build/CElements.h"

#include <array>
#include <cctype>
#include <cmath>

#include "SIM/model/CPhysicalConstants.h"
#include "SIM/build/CSubstances.h"

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); k++)
        if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

}  // namespace

const CElement* elements::spelledLike(std::string_view word)
{
    for (const CElement& e : kTable)
        if (sameIgnoringCase(word, e.symbol) || sameIgnoringCase(word, e.name)) return &e;
    return nullptr;
}

const CElement& elements::nearestInWeight(double weight)
{
    const CElement* best = &kTable[0];
    for (const CElement& e : kTable)
        if (std::fabs(e.weight - weight) < std::fabs(best->weight - weight)) best = &e;
    return *best;
}

const CElement& elements::forType(std::string_view typeName, double massKg)
{
    if (const CElement* named = spelledLike(typeName)) return *named;
    return nearestInWeight(daltonsOf(massKg));
}

const CElementPotential* elements::potentialOf(const CElement& element)
{
    static const auto potentials = [] {
        std::array<CElementPotential, kSubstanceCount> table{};
        for (int k = 0; k < kSubstanceCount; k++)
            table[k] = {kSubstances[k].sigma, kSubstances[k].epsilonOverK * quorvel::kBoltzmann};
        return table;
    }();
    for (int k = 0; k < kSubstanceCount; k++)
        if (std::string_view(element.symbol) == kSubstances[k].symbol) return &potentials[k];
    return nullptr;
}

double elements::kilogramsOf(double weight)
{
    return weight * quorvel::kAtomicMassUnit;
}

double elements::daltonsOf(double kilograms)
{
    return kilograms / quorvel::kAtomicMassUnit;
}
