// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters as properties, one per name of the parameter table (its
// dashes written as underscores): the simulation's on Simulation, each
// type's on the Type that sim.type("A") gives. Values pass as text, numbers
// in Python's repr, which reads back to the same bits.
#include <cctype>
#include <string>

#include "CPySimulation.h"
#include "SIM/model/CParameters.h"

namespace {

using parameters::CParameter;
using parameters::CParameterRef;
using parameters::CScope;
using parameters::CValueKind;

std::string pythonName(std::string name)
{
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

CParameterRef refOf(const std::string& name)
{
    CParameterRef ref;
    const std::string problem = parameters::find(name, ref);
    if (!problem.empty()) raise(PyExc_ValueError, problem);
    return ref;
}

py::object valueOf(const CSimulation& s, const CParameterRef& ref)
{
    switch (ref.parameter->kind) {
    case CValueKind::real: return py::float_(parameters::value(s, ref));
    case CValueKind::whole: return py::int_(static_cast<long long>(parameters::value(s, ref)));
    case CValueKind::flag: return py::bool_(parameters::value(s, ref) != 0.0);
    default: return py::str(parameters::valueText(s, ref));
    }
}

// The text the table reads for a Python value; a value of the wrong kind
// raises TypeError naming the parameter.
std::string textOf(const CParameterRef& ref, const py::handle& value, const std::string& name)
{
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    const bool isBool = py::isinstance<py::bool_>(value);
    const bool isNumber = !isBool && (py::isinstance<py::int_>(value) || py::isinstance<py::float_>(value));
    const CParameter& p = *ref.parameter;
    std::string wanted;
    switch (p.kind) {
    case CValueKind::real:
        if (isNumber) return py::repr(py::float_(py::reinterpret_borrow<py::object>(value))).cast<std::string>();
        wanted = "a number";
        break;
    case CValueKind::whole:
        if (isNumber) return py::isinstance<py::int_>(value) ? py::str(value).cast<std::string>()
                                                            : py::repr(value).cast<std::string>();
        wanted = "a whole number";
        break;
    case CValueKind::flag:
        if (isBool) return value.cast<bool>() ? "on" : "off";
        wanted = "True or False";
        break;
    case CValueKind::choice:
        wanted = "a str, one of";
        for (const char* word : p.choices) wanted += std::string(" \"") + word + "\"";
        break;
    case CValueKind::text: wanted = "a str"; break;
    }
    raise(PyExc_TypeError, name + " takes " + wanted + ", not " + std::string(py::str(value.get_type().attr("__name__"))));
}

// Sets through the table; a refusal raises ValueError with its message, a
// question raises Question unless accepted, and either leaves all as it was.
void setValue(CSimulation& s, const CParameterRef& ref, const py::handle& value, bool accept, const std::string& name)
{
    const COutcome outcome = parameters::set(s, ref, textOf(ref, value, name), accept);
    if (outcome.isRefused()) raise(PyExc_ValueError, outcome.message());
    if (!outcome.isQuestion() || (outcome.workKept() && accept)) return;
    if (outcome.workKept()) s.takeBackPartialWork();
    raise(questionError(), name + ": " + outcome.message() + " (sim.set(\"" + name + "\", value, accept=True) takes it)");
}

std::string docOf(const CParameter& p)
{
    std::string doc = std::string(p.help) + ".";
    doc[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(doc[0])));
    if (p.range && p.kind == CValueKind::real) doc += std::string(" In ") + p.range->unit + ".";
    if (p.kind == CValueKind::flag) doc += " True or False.";
    if (p.kind == CValueKind::choice) {
        doc += " One of";
        for (const char* word : p.choices) doc += std::string(" \"") + word + "\"";
        doc += ".";
    }
    return doc + "\nA refused value raises ValueError with the reason and changes nothing.";
}

// One atom type of a simulation, by its letter.
struct CPyType {
    py::object owner;  // the Simulation, kept alive
    int type = 0;
    CPySimulation& simulation() const { return owner.cast<CPySimulation&>(); }
    std::string letter() const { return std::string(1, static_cast<char>('A' + type)); }
};

int typeOf(const std::string& letter)
{
    if (letter.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0])));
        if (c >= 'A' && c < 'A' + CSimulation::kTypes) return c - 'A';
    }
    raise(PyExc_ValueError, "a type is one of \"A\", \"B\", \"C\" and \"D\", not \"" + letter + "\"");
}

}  // namespace

void bindParameters(py::module_& m, CPyClass& cls)
{
    py::class_<CPyType> type(m, "Type",
                             "One atom type of a simulation (sim.type(\"A\")): its parameters as properties, set\n"
                             "with the same rules and messages as the application's dialogs.");
    for (const CParameter& p : parameters::table()) {
        const std::string name = pythonName(p.name);
        if (p.scope == CScope::simulation) {
            cls.def_property(
                name.c_str(),
                [&p](const CPySimulation& self) { return valueOf(self.simulation(), refOf(p.name)); },
                [&p, name](CPySimulation& self, const py::object& value) {
                    setValue(self.drawing(), refOf(p.name), value, false, name);
                },
                docOf(p).c_str());
        } else if (p.scope == CScope::type) {
            type.def_property(
                name.c_str(),
                [&p](const CPyType& self) {
                    return valueOf(self.simulation().simulation(), refOf(std::string(p.name) + "." + self.letter()));
                },
                [&p, name](CPyType& self, const py::object& value) {
                    const std::string full = std::string(p.name) + "." + self.letter();
                    setValue(self.simulation().drawing(), refOf(full), value, false, pythonName(full));
                },
                docOf(p).c_str());
        } else {
            type.def(
                name.c_str(),
                [&p](CPyType& self, const std::string& other, const py::object& value) -> py::object {
                    const std::string full = std::string(p.name) + "." + self.letter() + static_cast<char>('A' + typeOf(other));
                    CSimulation& s = self.simulation().drawing();
                    if (!value.is_none()) setValue(s, refOf(full), value, false, pythonName(full));
                    return valueOf(s, refOf(full));
                },
                py::arg("other"), py::arg("value") = py::none(),
                (docOf(p) + "\nOf this type and `other` (\"A\" to \"D\"); given a `value`, sets it first.").c_str());
        }
    }
    type.def("__repr__", [](const CPyType& self) { return "<quorvel.Type " + self.letter() + ">"; });

    cls.def(
        "type",
        [](py::object self, const std::string& letter) { return CPyType{self, typeOf(letter)}; },
        py::arg("letter"), "The atom type \"A\", \"B\", \"C\" or \"D\", whose parameters are its properties.");
    cls.def(
        "set",
        [](CPySimulation& self, const std::string& name, const py::object& value, bool accept) {
            setValue(self.drawing(), refOf(name), value, accept, name);
        },
        py::arg("name"), py::arg("value"), py::kw_only(), py::arg("accept") = false,
        "Sets a parameter by its name (\"time_step\", \"mass.A\", \"well_depth.AB\"; sim.parameters() lists\n"
        "them). A refused value raises ValueError with its reason; a question (a time step too long for\n"
        "the atoms' speeds) raises quorvel.Question unless accept=True. Either way nothing changes.");
    cls.def(
        "get", [](const CPySimulation& self, const std::string& name) { return valueOf(self.simulation(), refOf(name)); },
        py::arg("name"), "The value of a parameter by its name, as its property gives it.");
    cls.def_static(
        "parameters",
        []() {
            py::dict out;
            for (const CParameter& p : parameters::table()) {
                std::string name = pythonName(p.name);
                if (p.scope == CScope::type) name += ".A";
                if (p.scope == CScope::pair) name += ".AB";
                out[py::str(name)] = docOf(p);
            }
            return out;
        },
        "Every parameter's name (for a type's, as of type A or the pair AB) with what it does.");
}
