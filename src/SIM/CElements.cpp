// SPDX-License-Identifier: GPL-3.0-or-later
#include "CElements.h"

#include <cctype>
#include <cmath>
#include <iterator>
#include <string>

#include "CLammpsExport.h"

namespace {

// Standard atomic weights (g/mol), hydrogen to radon; for elements without a
// stable isotope, the mass number of the longest-lived one.
constexpr CElement kElements[] = {
    {"H", "Hydrogen", 1.008},      {"He", "Helium", 4.0026},      {"Li", "Lithium", 6.94},
    {"Be", "Beryllium", 9.0122},   {"B", "Boron", 10.81},         {"C", "Carbon", 12.011},
    {"N", "Nitrogen", 14.007},     {"O", "Oxygen", 15.999},       {"F", "Fluorine", 18.998},
    {"Ne", "Neon", 20.180},        {"Na", "Sodium", 22.990},      {"Mg", "Magnesium", 24.305},
    {"Al", "Aluminium", 26.982},   {"Si", "Silicon", 28.085},     {"P", "Phosphorus", 30.974},
    {"S", "Sulfur", 32.06},        {"Cl", "Chlorine", 35.45},     {"Ar", "Argon", 39.948},
    {"K", "Potassium", 39.098},    {"Ca", "Calcium", 40.078},     {"Sc", "Scandium", 44.956},
    {"Ti", "Titanium", 47.867},    {"V", "Vanadium", 50.942},     {"Cr", "Chromium", 51.996},
    {"Mn", "Manganese", 54.938},   {"Fe", "Iron", 55.845},        {"Co", "Cobalt", 58.933},
    {"Ni", "Nickel", 58.693},      {"Cu", "Copper", 63.546},      {"Zn", "Zinc", 65.38},
    {"Ga", "Gallium", 69.723},     {"Ge", "Germanium", 72.630},   {"As", "Arsenic", 74.922},
    {"Se", "Selenium", 78.971},    {"Br", "Bromine", 79.904},     {"Kr", "Krypton", 83.798},
    {"Rb", "Rubidium", 85.468},    {"Sr", "Strontium", 87.62},    {"Y", "Yttrium", 88.906},
    {"Zr", "Zirconium", 91.224},   {"Nb", "Niobium", 92.906},     {"Mo", "Molybdenum", 95.95},
    {"Tc", "Technetium", 98.0},    {"Ru", "Ruthenium", 101.07},   {"Rh", "Rhodium", 102.91},
    {"Pd", "Palladium", 106.42},   {"Ag", "Silver", 107.87},      {"Cd", "Cadmium", 112.41},
    {"In", "Indium", 114.82},      {"Sn", "Tin", 118.71},         {"Sb", "Antimony", 121.76},
    {"Te", "Tellurium", 127.60},   {"I", "Iodine", 126.90},       {"Xe", "Xenon", 131.29},
    {"Cs", "Caesium", 132.91},     {"Ba", "Barium", 137.33},      {"La", "Lanthanum", 138.91},
    {"Ce", "Cerium", 140.12},      {"Pr", "Praseodymium", 140.91}, {"Nd", "Neodymium", 144.24},
    {"Pm", "Promethium", 145.0},   {"Sm", "Samarium", 150.36},    {"Eu", "Europium", 151.96},
    {"Gd", "Gadolinium", 157.25},  {"Tb", "Terbium", 158.93},     {"Dy", "Dysprosium", 162.50},
    {"Ho", "Holmium", 164.93},     {"Er", "Erbium", 167.26},      {"Tm", "Thulium", 168.93},
    {"Yb", "Ytterbium", 173.05},   {"Lu", "Lutetium", 174.97},    {"Hf", "Hafnium", 178.49},
    {"Ta", "Tantalum", 180.95},    {"W", "Tungsten", 183.84},     {"Re", "Rhenium", 186.21},
    {"Os", "Osmium", 190.23},      {"Ir", "Iridium", 192.22},     {"Pt", "Platinum", 195.08},
    {"Au", "Gold", 196.97},        {"Hg", "Mercury", 200.59},     {"Tl", "Thallium", 204.38},
    {"Pb", "Lead", 207.2},         {"Bi", "Bismuth", 208.98},     {"Po", "Polonium", 209.0},
    {"At", "Astatine", 210.0},     {"Rn", "Radon", 222.0},
};

constexpr double kBoltzmann = 1.380649e-23;  // J/K

// The noble gases' 12-6 parameters (sigma, epsilon/k_B) as fitted to their
// second virial coefficients and liquid densities.
struct CNobleGas {
    const char* symbol;
    double sigmaAngstrom, wellKelvin;
};
constexpr CNobleGas kNobleGases[] = {
    {"Ne", 2.75, 35.6}, {"Ar", 3.405, 119.8}, {"Kr", 3.60, 171.0}, {"Xe", 4.10, 221.0}};

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); k++)
        if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

}  // namespace

const CElement* elements::bySymbol(std::string_view symbol)
{
    for (const CElement& e : kElements)
        if (symbol == e.symbol) return &e;
    return nullptr;
}

const CElement& elements::nearestInMass(double gramsPerMole)
{
    const CElement* best = &kElements[0];
    for (const CElement& e : kElements)
        if (std::fabs(e.mass - gramsPerMole) < std::fabs(best->mass - gramsPerMole)) best = &e;
    return *best;
}

const CElement& elements::forType(std::string_view typeName, double massKg)
{
    for (const CElement& e : kElements)
        if (sameIgnoringCase(typeName, e.symbol) || sameIgnoringCase(typeName, e.name)) return e;
    return nearestInMass(lammps::massOf(massKg));
}

const CElementPotential* elements::potentialOf(const CElement& element)
{
    static const auto potentials = [] {
        struct {
            CElementPotential of[std::size(kNobleGases)];
        } table{};
        for (size_t k = 0; k < std::size(kNobleGases); k++)
            table.of[k] = {kNobleGases[k].sigmaAngstrom * lammps::kAngstrom, kNobleGases[k].wellKelvin * kBoltzmann};
        return table;
    }();
    for (size_t k = 0; k < std::size(kNobleGases); k++)
        if (std::string_view(element.symbol) == kNobleGases[k].symbol) return &potentials.of[k];
    return nullptr;
}

double elements::kilogramsOf(double gramsPerMole)
{
    return gramsPerMole / (1e3 * lammps::kAvogadro);
}
