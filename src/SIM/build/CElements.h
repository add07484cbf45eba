// SPDX-License-Identifier: GPL-3.0-or-later
// The chemical elements as the trajectory and structure files name them:
// symbol, name and atomic weight, and the Lennard-Jones parameters of the
// noble gases a structure may bring in.
#pragma once

#include <string_view>

struct CElement {
    const char* symbol;
    const char* name;
    double weight;  // relative atomic mass: the atom's mass in daltons (u)
};

// Lennard-Jones parameters of an element: sigma, the atom's diameter, and the
// well depth.
struct CElementPotential {
    double diameter;  // m
    double wellDepth; // J
};

namespace elements {
// Hydrogen to oganesson, in the order of their atomic numbers (Z = index + 1).
// Weights: IUPAC's standard atomic weights of 2021 (T. Prohaska et al., Pure
// Appl. Chem. 94 (2022) 573), abridged as that report abridges them (to five
// significant figures at most; for an element whose weight is an interval,
// the single value it gives). Two noble gases keep the digits their
// Lennard-Jones fits have always been built with: xenon its standard weight
// in full (131.293), argon 39.948, its standard weight until 2017 and inside
// the interval [39.792, 39.963] given since. An element with no standard
// atomic weight (no stable isotope, no characteristic terrestrial
// composition) has the mass number of its longest-lived isotope, the value
// IUPAC's table prints in brackets.
inline constexpr CElement kTable[] = {
    {"H", "Hydrogen", 1.0080},        {"He", "Helium", 4.0026},         {"Li", "Lithium", 6.94},
    {"Be", "Beryllium", 9.0122},      {"B", "Boron", 10.81},            {"C", "Carbon", 12.011},
    {"N", "Nitrogen", 14.007},        {"O", "Oxygen", 15.999},          {"F", "Fluorine", 18.998},
    {"Ne", "Neon", 20.180},           {"Na", "Sodium", 22.990},         {"Mg", "Magnesium", 24.305},
    {"Al", "Aluminium", 26.982},      {"Si", "Silicon", 28.085},        {"P", "Phosphorus", 30.974},
    {"S", "Sulfur", 32.06},           {"Cl", "Chlorine", 35.45},        {"Ar", "Argon", 39.948},
    {"K", "Potassium", 39.098},       {"Ca", "Calcium", 40.078},        {"Sc", "Scandium", 44.956},
    {"Ti", "Titanium", 47.867},       {"V", "Vanadium", 50.942},        {"Cr", "Chromium", 51.996},
    {"Mn", "Manganese", 54.938},      {"Fe", "Iron", 55.845},           {"Co", "Cobalt", 58.933},
    {"Ni", "Nickel", 58.693},         {"Cu", "Copper", 63.546},         {"Zn", "Zinc", 65.38},
    {"Ga", "Gallium", 69.723},        {"Ge", "Germanium", 72.630},      {"As", "Arsenic", 74.922},
    {"Se", "Selenium", 78.971},       {"Br", "Bromine", 79.904},        {"Kr", "Krypton", 83.798},
    {"Rb", "Rubidium", 85.468},       {"Sr", "Strontium", 87.62},       {"Y", "Yttrium", 88.906},
    {"Zr", "Zirconium", 91.222},      {"Nb", "Niobium", 92.906},        {"Mo", "Molybdenum", 95.95},
    {"Tc", "Technetium", 97.0},       {"Ru", "Ruthenium", 101.07},      {"Rh", "Rhodium", 102.91},
    {"Pd", "Palladium", 106.42},      {"Ag", "Silver", 107.87},         {"Cd", "Cadmium", 112.41},
    {"In", "Indium", 114.82},         {"Sn", "Tin", 118.71},            {"Sb", "Antimony", 121.76},
    {"Te", "Tellurium", 127.60},      {"I", "Iodine", 126.90},          {"Xe", "Xenon", 131.293},
    {"Cs", "Caesium", 132.91},        {"Ba", "Barium", 137.33},         {"La", "Lanthanum", 138.91},
    {"Ce", "Cerium", 140.12},         {"Pr", "Praseodymium", 140.91},   {"Nd", "Neodymium", 144.24},
    {"Pm", "Promethium", 145.0},      {"Sm", "Samarium", 150.36},       {"Eu", "Europium", 151.96},
    {"Gd", "Gadolinium", 157.25},     {"Tb", "Terbium", 158.93},        {"Dy", "Dysprosium", 162.50},
    {"Ho", "Holmium", 164.93},        {"Er", "Erbium", 167.26},         {"Tm", "Thulium", 168.93},
    {"Yb", "Ytterbium", 173.05},      {"Lu", "Lutetium", 174.97},       {"Hf", "Hafnium", 178.49},
    {"Ta", "Tantalum", 180.95},       {"W", "Tungsten", 183.84},        {"Re", "Rhenium", 186.21},
    {"Os", "Osmium", 190.23},         {"Ir", "Iridium", 192.22},        {"Pt", "Platinum", 195.08},
    {"Au", "Gold", 196.97},           {"Hg", "Mercury", 200.59},        {"Tl", "Thallium", 204.38},
    {"Pb", "Lead", 207.2},            {"Bi", "Bismuth", 208.98},        {"Po", "Polonium", 209.0},
    {"At", "Astatine", 210.0},        {"Rn", "Radon", 222.0},           {"Fr", "Francium", 223.0},
    {"Ra", "Radium", 226.0},          {"Ac", "Actinium", 227.0},        {"Th", "Thorium", 232.04},
    {"Pa", "Protactinium", 231.04},   {"U", "Uranium", 238.03},         {"Np", "Neptunium", 237.0},
    {"Pu", "Plutonium", 244.0},       {"Am", "Americium", 243.0},       {"Cm", "Curium", 247.0},
    {"Bk", "Berkelium", 247.0},       {"Cf", "Californium", 251.0},     {"Es", "Einsteinium", 252.0},
    {"Fm", "Fermium", 257.0},         {"Md", "Mendelevium", 258.0},     {"No", "Nobelium", 259.0},
    {"Lr", "Lawrencium", 266.0},      {"Rf", "Rutherfordium", 267.0},   {"Db", "Dubnium", 268.0},
    {"Sg", "Seaborgium", 269.0},      {"Bh", "Bohrium", 270.0},         {"Hs", "Hassium", 269.0},
    {"Mt", "Meitnerium", 278.0},      {"Ds", "Darmstadtium", 281.0},    {"Rg", "Roentgenium", 282.0},
    {"Cn", "Copernicium", 285.0},     {"Nh", "Nihonium", 286.0},        {"Fl", "Flerovium", 289.0},
    {"Mc", "Moscovium", 290.0},       {"Lv", "Livermorium", 293.0},     {"Ts", "Tennessine", 294.0},
    {"Og", "Oganesson", 294.0},
};

// The element with this symbol, case as chemistry writes it ("Ar", not
// "ar"), or nullptr.
constexpr const CElement* bySymbol(std::string_view symbol)
{
    for (const CElement& e : kTable)
        if (symbol == e.symbol) return &e;
    return nullptr;
}
// The atomic weight of the element with this symbol (for tables built at
// compile time: an unknown symbol does not compile).
consteval double weightOf(std::string_view symbol) { return bySymbol(symbol)->weight; }
// The element a word spells in another case, or by its name ("ar", "AR",
// "argon"): the hint for a symbol that is not one. nullptr if none.
const CElement* spelledLike(std::string_view word);
// The element an atom type stands for: the one its name spells (symbol or
// name, any case), otherwise the one nearest in mass.
const CElement& forType(std::string_view typeName, double massKg);
// The element nearest in atomic weight.
const CElement& nearestInWeight(double weight);
// The Lennard-Jones parameters known for the element, or nullptr.
const CElementPotential* potentialOf(const CElement& element);
// Conversions between an atom's mass and its atomic weight (daltons).
double kilogramsOf(double weight);
double daltonsOf(double kilograms);
}  // namespace elements
