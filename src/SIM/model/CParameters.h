// SPDX-License-Identifier: GPL-3.0-or-later
// Every parameter a person may set, by one name: the names a lesson's links,
// the Python module and the Controls panel all use ("floor-temperature",
// "mass.A", "well-depth.AB"; Python writes the dashes as underscores). Each
// is read and set as text in the "C" locale through the same setters and
// value rules as the dialogs, so a value refused here is refused there, with
// the same message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SIM/model/COutcome.h"
#include "SIM/model/CValueRules.h"

class CSimulation;

namespace parameters {

enum class CValueKind {
    real,    // a number in its unit, within its range
    whole,   // a whole number within its range
    flag,    // on or off
    choice,  // one of its words
    text,
};
// What a parameter belongs to: the simulation, one atom type (".A"), or a
// pair of types (".AB").
enum class CScope { simulation, type, pair };

struct CParameter {
    const char* name;
    // What the messages call it, with %1 (and %2) where the type letters go.
    const char* label;
    CValueKind kind;
    CScope scope;
    const valueRules::CRange* range;  // real and whole; the unit is the range's
    std::vector<const char*> choices;  // choice
    const char* help;
};

// Every parameter, in the order the documentation lists them.
const std::vector<CParameter>& table();

// A parameter with the types it is of.
struct CParameterRef {
    const CParameter* parameter = nullptr;
    int first = 0, second = 0;  // the types, 0 for A
    std::string name() const;   // "mass.A"
    std::string label() const;  // "Mass of type A"
};

// Finds a name as written ("mass.A", "mass.a", "floor_temperature"); the
// reason it names nothing otherwise.
std::string find(std::string_view name, CParameterRef& ref);

// The value as text: numbers so that reading them back gives the same bits,
// flags "on" or "off", choices their word.
std::string valueText(const CSimulation& simulation, const CParameterRef& ref);
// The value as a number: flags 1 or 0, choices their index; 0 for text.
double value(const CSimulation& simulation, const CParameterRef& ref);

// Reads text as the parameter's value and sets it through its setter. A
// value that cannot be read or breaks its rule is refused with the message
// that says why; a time step too long for the atoms' speeds is a question
// (asked again with accepted, it is set). Nothing changes unless applied.
// Flags read on/off, true/false, yes/no, 1/0; choices their word or index.
COutcome set(CSimulation& simulation, const CParameterRef& ref, std::string_view text, bool accepted = false);

// Every parameter as a Markdown table: its name, what it holds and its unit
// or words, and what it does.
std::string markdownTable();

// Applied when timeStep is no longer than the atoms' speeds allow after a
// change of the kinetic energy by deltaE, and otherwise the question whether
// to run with it all the same ("Accept" first).
COutcome timeStepQuestion(const CSimulation& simulation, double timeStep, double deltaE = 0.0);

}  // namespace parameters
