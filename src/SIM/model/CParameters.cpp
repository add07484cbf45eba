// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/model/CParameters.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "SIM/model/CSimulation.h"

namespace parameters {

namespace {

using K = CValueKind;
using S = CScope;
namespace rules = valueRules;

constexpr rules::CRange kAtomCount{0.0, modelLimits::kMaxPerType, "atoms"};
constexpr rules::CRange kNameLength{0.0, CSimulation::kMaxNameLength, "characters"};

const std::vector<CParameter> kTable = {
    {"floor-bath", "The heat bath at the floor", K::flag, S::simulation, nullptr, {},
     "the floor gives atoms that touch it the speeds of a bath at floor-temperature"},
    {"floor-temperature", "Floor temperature", K::real, S::simulation, &rules::kFloorTemperature, {},
     "the heat bath's temperature"},
    {"floor-attraction", "The floor's attraction", K::flag, S::simulation, nullptr, {},
     "the floor attracts each type with its floor-well-depth"},
    {"floor-well-depth", "Floor well depth of type %1", K::real, S::type, &rules::kWellDepth, {},
     "the depth of the floor's Lennard-Jones well for the type"},
    {"potentials", "The pair potentials", K::flag, S::simulation, nullptr, {},
     "atoms attract and repel by Lennard-Jones and Coulomb forces; off, they are hard spheres"},
    {"contacts", "The contacts", K::flag, S::simulation, nullptr, {},
     "atoms meet as hard cores at their mean diameter; off, the pair potentials alone act (plain Lennard-Jones)"},
    {"well-depth", "Well depth %1-%2", K::real, S::pair, &rules::kWellDepth, {},
     "the Lennard-Jones well depth between two types"},
    {"charge", "Charge of type %1", K::real, S::type, &rules::kCharge, {}, "the charge of each atom of the type"},
    {"mass", "Mass of type %1", K::real, S::type, &rules::kMass, {}, "the mass of each atom of the type"},
    {"diameter", "Diameter of type %1", K::real, S::type, &rules::kDiameter, {},
     "the diameter of each atom of the type (its Lennard-Jones sigma)"},
    {"number", "Number of atoms of type %1", K::whole, S::type, &kAtomCount, {},
     "how many atoms of the type the box holds; new ones are placed where there is room"},
    {"name", "Name of type %1", K::text, S::type, &kNameLength, {}, "the type's name, as the status display shows it"},
    {"piston", "The piston", K::flag, S::simulation, nullptr, {}, "the box's lid is a piston pushed down by applied-pressure"},
    {"applied-pressure", "Applied pressure", K::real, S::simulation, &rules::kAppliedPressure, {},
     "the pressure the piston pushes down with"},
    {"piston-mass", "Piston mass", K::real, S::simulation, &rules::kPistonMass, {}, "the piston's mass"},
    {"box-width", "Box width", K::real, S::simulation, &rules::kBoxWidth, {}, "the box's inner width, the same along each axis"},
    {"boundaries", "The kind of box", K::choice, S::simulation, nullptr, {"closed", "periodic"},
     "closed: walls, a floor and a piston; periodic: an atom leaving through a face comes back through the opposite one "
     "(no charges, and the box wider than twice the longest cut-off)"},
    {"time-step", "Time step", K::real, S::simulation, &rules::kTimeStep, {}, "the time each step advances"},
    {"steps-per-display", "Steps per display", K::whole, S::simulation, &rules::kStepsPerDisplay, {},
     "the steps between two pictures"},
    {"conserve-energy", "Energy conservation", K::flag, S::simulation, nullptr, {},
     "the atoms' speeds are scaled after each step so that the total energy stays as it was"},
    {"averaging", "The averages", K::choice, S::simulation, nullptr, {"instant", "time-constant", "accumulated"},
     "how the readouts average: the last display, a running average over time-constant steps, or all displays since the start"},
    {"time-constant", "Time constant", K::real, S::simulation, &rules::kTimeConstant, {},
     "the steps a running average reaches back"},
    {"displayed-type", "The displayed type", K::choice, S::simulation, nullptr, {"A", "B", "C", "D", "all"},
     "the atom type the readouts and the histogram show"},
};

std::string canonical(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

char letter(int t) { return static_cast<char>('A' + t); }

int typeIndex(char c)
{
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c < 'A' + modelLimits::kTypes ? c - 'A' : -1;
}

std::string exactText(double x)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

std::string trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return std::string(text);
}

COutcome refusal(const std::string& message) { return COutcome::refused("Alert.", message); }

// The number text says, or a refusal that names the parameter.
COutcome readNumber(const CParameterRef& ref, const std::string& text, double& number)
{
    double read = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        return refusal(ref.label() + ": \"" + text + "\" is not a number.");
    if (!std::isfinite(read)) return refusal(rules::finiteMessage(ref.label().c_str()));
    number = read;
    return {};
}

COutcome readFlag(const CParameterRef& ref, std::string text, bool& flag)
{
    text = canonical(text);
    for (const char* on : {"on", "true", "yes", "1"})
        if (text == on) return flag = true, COutcome{};
    for (const char* off : {"off", "false", "no", "0"})
        if (text == off) return flag = false, COutcome{};
    return refusal(ref.label() + ": \"" + text + "\" is neither on nor off.");
}

COutcome readChoice(const CParameterRef& ref, const std::string& text, int& index)
{
    const auto& choices = ref.parameter->choices;
    for (std::size_t k = 0; k < choices.size(); k++)
        if (canonical(text) == canonical(choices[k])) return index = static_cast<int>(k), COutcome{};
    std::string words;
    for (const char* choice : choices) words += std::string(words.empty() ? "" : ", ") + choice;
    return refusal(ref.label() + ": \"" + text + "\" is none of " + words + ".");
}

// A setter's own refusal keeps its message; one without a message broke the
// rule the range states.
COutcome named(COutcome outcome, const CParameterRef& ref)
{
    if (outcome.isRefused() && outcome.message().empty())
        return refusal(rules::rangeMessage(ref.label().c_str(), *ref.parameter->range));
    return outcome;
}

COutcome fromBool(bool applied, const CParameterRef& ref)
{
    return named(applied ? COutcome{} : COutcome::refused(), ref);
}

COutcome setReal(CSimulation& s, const CParameterRef& ref, double x, bool accepted)
{
    const std::string name = ref.parameter->name;
    const int t = ref.first;
    if (!rules::within(x, *ref.parameter->range)) return named(COutcome::refused(), ref);
    if (name == "floor-temperature") return fromBool(s.setFloorTemp(x), ref);
    if (name == "floor-well-depth") return fromBool(s.setLJepsFloor(t, x), ref);
    if (name == "well-depth") return fromBool(s.setLJeps(t, ref.second, x), ref);
    if (name == "charge") return named(s.setCharge(t, x), ref);
    if (name == "mass") return named(s.setMass(t, x), ref);
    if (name == "diameter") return named(s.setDiam(t, x), ref);
    if (name == "applied-pressure") return fromBool(s.setAppliedPressure(x), ref);
    if (name == "piston-mass") return named(s.setPistonMass(x), ref);
    if (name == "box-width") return named(s.setHalfWidth(x / 2.0), ref);
    if (name == "time-constant") return fromBool(s.setDisplayTimeConstant(x), ref);
    if (name == "time-step") {
        if (x != s.getTimeStep() && !accepted) {
            COutcome question = timeStepQuestion(s, x);
            if (question.isQuestion()) return question;
        }
        return fromBool(s.setTimeStep(x), ref);
    }
    return refusal(ref.name() + " is not a number.");
}

}  // namespace

const std::vector<CParameter>& table() { return kTable; }

std::string CParameterRef::name() const
{
    std::string out = parameter->name;
    if (parameter->scope != CScope::simulation) out += std::string(".") + letter(first);
    if (parameter->scope == CScope::pair) out += letter(second);
    return out;
}

std::string CParameterRef::label() const
{
    std::string out = parameter->label;
    for (const auto& [mark, t] : {std::pair{"%1", first}, std::pair{"%2", second}}) {
        const std::size_t at = out.find(mark);
        if (at != std::string::npos) out.replace(at, 2, std::string(1, letter(t)));
    }
    return out;
}

std::string find(std::string_view written, CParameterRef& ref)
{
    const std::string text = canonical(trimmed(written));
    const std::size_t dot = text.find('.');
    const std::string base = text.substr(0, dot);
    const std::string types = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    const auto found = std::find_if(kTable.begin(), kTable.end(), [&](const CParameter& p) { return base == p.name; });
    if (found == kTable.end()) return "There is no parameter \"" + std::string(written) + "\".";
    const std::size_t wanted = found->scope == CScope::simulation ? 0 : found->scope == CScope::type ? 1 : 2;
    const char* example = wanted == 1 ? ".A" : ".AB";
    if (types.size() != wanted || std::any_of(types.begin(), types.end(), [](char c) { return typeIndex(c) < 0; })) {
        if (wanted == 0) return std::string(found->name) + " is one value for the whole simulation: no type follows it.";
        return std::string(found->name) + " needs " + (wanted == 1 ? "a type" : "two types") + " of A to D, as in " +
               found->name + example + ".";
    }
    ref.parameter = &*found;
    ref.first = wanted > 0 ? typeIndex(types[0]) : 0;
    ref.second = wanted > 1 ? typeIndex(types[1]) : 0;
    // The pair's well is kept once, with the lower type first.
    if (wanted == 2 && ref.first > ref.second) std::swap(ref.first, ref.second);
    return {};
}

double value(const CSimulation& simulation, const CParameterRef& ref)
{
    const CSimulationState& s = simulation.state();
    const std::string name = ref.parameter->name;
    const int t = ref.first;
    if (name == "floor-bath") return s.forces.floorTempUsed;
    if (name == "floor-temperature") return s.forces.floorTemp;
    if (name == "floor-attraction") return s.forces.floorPotentialUsed;
    if (name == "floor-well-depth") return s.forces.LJepsFloor[t];
    if (name == "potentials") return s.forces.potentialUsed;
    if (name == "contacts") return s.forces.contactsUsed;
    if (name == "well-depth") return s.forces.LJeps[t][ref.second];
    if (name == "charge") return s.forces.charge[t];
    if (name == "mass") return s.types.mass[t];
    if (name == "diameter") return s.types.diam[t];
    if (name == "number") return s.atoms.number[t];
    if (name == "piston") return s.box.pistonUsed;
    if (name == "applied-pressure") return s.box.appliedPressure;
    if (name == "piston-mass") return s.box.pistonM;
    if (name == "box-width") return 2.0 * s.box.halfWidth;
    if (name == "boundaries") return modeIndex(s.box.boundaries);
    if (name == "time-step") return s.clock.timeStep;
    if (name == "steps-per-display") return s.clock.iterationsPerDisplay;
    if (name == "conserve-energy") return s.conservation.conserve;
    if (name == "averaging") return modeIndex(s.outputs.recordType);
    if (name == "time-constant") return s.outputs.displayTC;
    if (name == "displayed-type") return s.outputs.displayType;
    return 0.0;
}

std::string valueText(const CSimulation& simulation, const CParameterRef& ref)
{
    const double x = value(simulation, ref);
    switch (ref.parameter->kind) {
    case CValueKind::flag: return x != 0.0 ? "on" : "off";
    case CValueKind::choice: return ref.parameter->choices.at(static_cast<std::size_t>(x));
    case CValueKind::text: return simulation.state().types.name[ref.first];
    case CValueKind::whole:
    case CValueKind::real: break;
    }
    return exactText(x);
}

COutcome set(CSimulation& s, const CParameterRef& ref, std::string_view written, bool accepted)
{
    const std::string text = trimmed(written);
    const std::string name = ref.parameter->name;
    const int t = ref.first;
    switch (ref.parameter->kind) {
    case CValueKind::flag: {
        bool on = false;
        if (COutcome read = readFlag(ref, text, on); !read) return read;
        if (name == "floor-bath") s.setFloorTempUsed(on);
        else if (name == "floor-attraction") s.setFloorPotentialUsed(on);
        else if (name == "potentials") s.setPotentialUsed(on);
        else if (name == "contacts") s.setContactsUsed(on);
        else if (name == "piston") s.setPistonUsed(on);
        else if (name == "conserve-energy") { if (on != s.getConserve()) s.setConserve(on); }
        return {};
    }
    case CValueKind::choice: {
        int index = 0;
        if (COutcome read = readChoice(ref, text, index); !read) return read;
        if (name == "averaging") return fromBool(s.setRecordType(static_cast<CRecordKind>(index)), ref);
        if (name == "boundaries") return s.setBoundaries(static_cast<CBoundaries>(index));
        return fromBool(s.setDisplayType(index), ref);
    }
    case CValueKind::text:
        if (text.size() > CSimulation::kMaxNameLength)
            return refusal(ref.label() + " may be at most " + std::to_string(CSimulation::kMaxNameLength) +
                           " characters long.");
        s.setName(t, text);
        return {};
    case CValueKind::whole: {
        double x = 0.0;
        if (COutcome read = readNumber(ref, text, x); !read) return read;
        if (x != std::floor(x)) return refusal(ref.label() + ": \"" + text + "\" is not a whole number.");
        if (!rules::within(x, *ref.parameter->range)) return named(COutcome::refused(), ref);
        if (name == "number") return s.setNumber(t, static_cast<int>(x), accepted);
        return fromBool(s.setIPD(static_cast<unsigned>(x)), ref);
    }
    case CValueKind::real: {
        double x = 0.0;
        if (COutcome read = readNumber(ref, text, x); !read) return read;
        return setReal(s, ref, x, accepted);
    }
    }
    return {};
}

std::string markdownTable()
{
    std::string out = "| name | value | meaning |\n|---|---|---|\n";
    for (const CParameter& p : kTable) {
        std::string name = p.name;
        if (p.scope == CScope::type) name += ".A";
        if (p.scope == CScope::pair) name += ".AB";
        std::string holds;
        switch (p.kind) {
        case CValueKind::real: holds = std::string("number, ") + p.range->unit; break;
        case CValueKind::whole: holds = std::string("whole number, ") + p.range->unit; break;
        case CValueKind::flag: holds = "on or off"; break;
        case CValueKind::text: holds = "text"; break;
        case CValueKind::choice:
            for (const char* choice : p.choices) holds += std::string(holds.empty() ? "" : ", ") + choice;
            break;
        }
        if (p.range && p.kind != CValueKind::text)
            holds += " (" + rules::shortNumber(p.range->low) + " to " + rules::shortNumber(p.range->high) + ")";
        out += "| `" + name + "` | " + holds + " | " + p.help + " |\n";
    }
    return out;
}

COutcome timeStepQuestion(const CSimulation& simulation, double timeStep, double deltaE)
{
    const double largest = simulation.largestSoundTimeStep(deltaE);
    if (!(timeStep > largest)) return {};
    return COutcome::question("Alert.",
                              "The time step is too large for these speeds: at most " + rules::shortNumber(largest, 2) +
                                  " s. Atoms will miss one another and the energy will drift. Run with it all the same?",
                              {"Accept", "Cancel"});
}

}  // namespace parameters
