// SPDX-License-Identifier: GPL-3.0-or-later
// The quorvel module: a Simulation to build or open, run, read as NumPy
// arrays, set by its parameters' names, measure, save and draw.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <variant>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include "CPySimulation.h"
#include "QuorvelVersion.h"
#include "SIM/build/CNewSimulation.h"
#include "SIM/io/CStructureImport.h"
#include "SIM/model/CModelLimits.h"
#include "SIM/model/CValueRules.h"

namespace {

PyObject* gQuestion = nullptr;

using CArray = py::array_t<double>;

// Each atom's row of values, type A's atoms first.
template <class Row>
CArray atomRows(const CSimulation& s, py::ssize_t columns, Row row)
{
    const int n = s.state().atoms.totalAtoms;
    CArray out = columns == 1 ? CArray(n) : CArray({static_cast<py::ssize_t>(n), columns});
    double* data = out.mutable_data();
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < s.getNumber(t); i++, data += columns) row(t, i, data);
    return out;
}

CArray vectors(const CSimulation& s, bool velocities)
{
    return atomRows(s, 3, [&](int t, int i, double* row) {
        const CVector& v = velocities ? s.state().atoms.vel[t][i] : s.state().atoms.loc[t][i];
        for (int a = 0; a < 3; a++) row[a] = v.v[a];
    });
}

// Sets every atom's velocity as Edit Atoms sets one atom's: each component
// within its rule, the change booked once as the person's, the energies
// started again from the new speeds. A refused array changes nothing.
void setVelocities(CSimulation& s, const py::object& value)
{
    py::array_t<double, py::array::c_style | py::array::forcecast> v;
    try {
        v = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(value);
    } catch (const py::error_already_set&) {
    }
    if (!v) raise(PyExc_TypeError, "velocities must be an N x 3 array of numbers (m/s)");
    const int n = s.state().atoms.totalAtoms;
    if (v.ndim() != 2 || v.shape(0) != n || v.shape(1) != 3)
        raise(PyExc_ValueError, "velocities must be " + std::to_string(n) + " x 3 (one row per atom)");
    const char* axes[] = {"vx", "vy", "vz"};
    const double* data = v.data();
    for (int k = 0; k < 3 * n; k++)
        if (!valueRules::within(data[k], valueRules::kVelocity))
            raise(PyExc_ValueError, "velocities, atom " + std::to_string(k / 3) + ": " +
                                        valueRules::rangeMessage(axes[k % 3], valueRules::kVelocity));
    std::vector<CAtomRef> selected;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < s.getNumber(t); i++)
            if (s.state().atoms.sel[t][i]) selected.push_back({t, i});
    {
        CSimulation::UserChange change(s);
        for (int t = 0, row = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.getNumber(t); i++, row++) {
                s.selectAll(0);
                s.toggleSelection({t, i});
                s.countSelected();
                for (int a = 0; a < 3; a++) s.setSelectedVelocity(a, data[3 * row + a]);
            }
        s.selectAll(0);
        s.selectAtoms(selected);
        s.countSelected();
    }
    s.initSimulationEnergies();
}

// Says what a file or a build left out, as the batch runner says it on
// standard error.
void warn(const std::string& text)
{
    if (PyErr_WarnEx(PyExc_UserWarning, text.c_str(), 2) != 0) throw py::error_already_set();
}

std::unique_ptr<CPySimulation> openFile(const std::string& path, int frame)
{
    if (!std::ifstream(path)) raise(PyExc_FileNotFoundError, "cannot read " + path);
    if (frame < 1) raise(PyExc_ValueError, "frame counts from 1, not " + std::to_string(frame));
    auto out = std::make_unique<CPySimulation>();
    CSimulation& s = out->drawing();
    const structureImport::COpened opened =
        structureImport::openAnyFile(s, path, [frame](int) { return frame - 1; });
    if (!opened.refusal.empty()) raise(PyExc_ValueError, "cannot read " + path + ": " + opened.refusal);
    if (!opened.notice.empty()) warn(path + ": " + opened.notice);
    const std::vector<CSkippedLine> skipped = s.takeSkippedLines();
    if (!skipped.empty()) {
        std::string text = path + ": " + skippedLinesHeading(skipped.size()) + ":";
        for (const std::string& note : skippedLineNotes(skipped)) text += "\n  " + note;
        warn(text);
    }
    return out;
}

std::unique_ptr<CPySimulation> newSimulationOf(const std::string& types, const std::string& lattice,
                                               std::optional<double> density, std::optional<double> packingFraction,
                                               std::optional<double> boxWidth, double temperature, unsigned long seed,
                                               std::optional<double> floorBath, bool floorAttraction, bool periodic,
                                               bool contacts)
{
    newSimulation::CSpec spec;
    std::string problem;
    if (!newSimulation::parseTypes(types, spec.types, problem)) raise(PyExc_ValueError, "types: " + problem);
    if (!newSimulation::arrangementFromWord(lattice, spec.arrangement))
        raise(PyExc_ValueError, "lattice is \"sc\", \"bcc\", \"fcc\" or \"random\", not \"" + lattice + "\"");
    spec.periodic = periodic;  // before the default density, which depends on it
    spec.contacts = contacts;
    const int given = density.has_value() + packingFraction.has_value() + boxWidth.has_value();
    if (given > 1) raise(PyExc_ValueError, "give one of density, packing_fraction and box_width");
    if (density) spec.measure = newSimulation::CDensityMeasure::massDensity, spec.density = *density;
    if (boxWidth) spec.measure = newSimulation::CDensityMeasure::boxWidth, spec.density = *boxWidth;
    if (packingFraction) spec.density = *packingFraction;
    if (given == 0) spec.density = newSimulation::defaultPackingFraction(spec);
    spec.temperature = temperature;
    spec.seed = seed;
    spec.floorBath = floorBath.has_value();
    spec.floorTemperature = floorBath.value_or(0.0);
    spec.floorAttraction = floorAttraction;
    auto out = std::make_unique<CPySimulation>();
    CSimulation& s = out->drawing();
    auto scratch = std::make_unique<CSimulation>(s.getClock());
    problem = newSimulation::build(spec, *scratch);
    if (!problem.empty()) raise(PyExc_ValueError, problem);
    s.adoptState(*scratch);
    return out;
}

}  // namespace

PyObject* questionError() { return gQuestion; }

int slotOf(const std::string& name)
{
    std::string word;
    for (char c : name) word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "all") return CSimulation::kAllAtoms;
    if (word.size() == 1 && word[0] >= 'a' && word[0] < 'a' + CSimulation::kTypes) return word[0] - 'a';
    raise(PyExc_ValueError, "slot must be one of \"A\", \"B\", \"C\", \"D\" or \"all\", not \"" + name + "\"");
}

void bindRun(CPyClass& cls)
{
    cls.def(
        "run",
        [](CPySimulation& self, std::optional<unsigned long> displays, std::optional<unsigned long long> steps,
           std::optional<std::variant<int, std::string>> threads, std::optional<std::string> engine) {
            CSimulation& s = self.simulation();
            if (displays && steps) raise(PyExc_ValueError, "give displays or steps, not both");
            int threadCount = 1;
            if (threads) {
                const int* count = std::get_if<int>(&*threads);
                const std::string* word = std::get_if<std::string>(&*threads);
                threadCount = count ? *count : modelLimits::kAutomaticThreads;
                if ((word && *word != "auto") || (count && (*count < 1 || *count > modelLimits::kMaxEngineThreads)))
                    raise(PyExc_ValueError, "threads is \"auto\" or a whole number from 1 to " +
                                                std::to_string(modelLimits::kMaxEngineThreads) + ", not " +
                                                (word ? "\"" + *word + "\"" : std::to_string(*count)));
            }
            if (engine && *engine != "fast" && *engine != "reference")
                raise(PyExc_ValueError, "engine is \"fast\" or \"reference\", not \"" + *engine + "\"");
            if (threads) s.setEngineThreads(threadCount);
            if (engine) s.setEngineKind(*engine == "fast" ? CEngineKind::fast : CEngineKind::reference);
            if (steps) self.runSteps(*steps);
            else self.runDisplays(displays.value_or(1));
        },
        py::arg("displays") = py::none(), py::kw_only(), py::arg("steps") = py::none(), py::arg("threads") = py::none(),
        py::arg("engine") = py::none(),
        "Runs the simulation: `displays` display steps (each `steps_per_display` integration steps, 1 by\n"
        "default), or `steps` integration steps. The same engine as quorvel-batch, with the same results bit\n"
        "for bit. Other Python threads run meanwhile; Ctrl+C stops the run between steps (KeyboardInterrupt).\n"
        "`engine` is \"fast\" (the default) or \"reference\", `threads` 1 to 64 or \"auto\" (every\n"
        "core): both are kept for later runs, and any number of threads gives the bits of one.\n"
        "A run whose atoms reach a value that is not finite is taken back to the start of its last part and\n"
        "raises FloatingPointError.");
}

PYBIND11_MODULE(quorvel, m)
{
    CPySimulation::keepFreshStream();
    m.doc() = "Quorvel's molecular dynamics in a closed box: the engine of the desktop application and of\n"
              "quorvel-batch, bit for bit, for scripts and notebooks. Start with quorvel.Simulation.";
    gQuestion = PyErr_NewExceptionWithDoc(
        "quorvel.Question",
        "A value the model asks about before it takes it (a time step too long for the atoms' speeds).\n"
        "Nothing has changed; sim.set(name, value, accept=True) takes it all the same.",
        PyExc_ValueError, nullptr);
    m.attr("Question") = py::handle(gQuestion);
    m.attr("__version__") = QUORVEL_VERSION;

    CPyClass cls(m, "Simulation",
                 "A simulation of up to 1,600 atoms of four types (A to D) in a closed box, in SI units.\n\n"
                 "Simulation() is the default simulation; Simulation.open(path) reads any file Quorvel opens;\n"
                 "Simulation.new(\"Ar:256\", ...) builds one as quorvel-batch --new does. Every array it gives\n"
                 "is a copy: changing it changes nothing in the simulation.");
    cls.def(py::init<>(), "The default simulation, the one the application opens with.");
    cls.def_static("open", &openFile, py::arg("path"), py::arg("frame") = 1,
                   "Reads a simulation file, an extended XYZ file (its `frame`, from 1) or a LAMMPS data file.\n"
                   "Raises FileNotFoundError or ValueError (the reason) when it cannot; lines it skipped are\n"
                   "warned about (UserWarning).");
    cls.def_static("new", &newSimulationOf, py::arg("types"), py::kw_only(), py::arg("lattice") = "fcc",
                   py::arg("density") = py::none(), py::arg("packing_fraction") = py::none(),
                   py::arg("box_width") = py::none(), py::arg("temperature") = newSimulation::kDefaultTemperature,
                   py::arg("seed") = newSimulation::CSpec().seed, py::arg("floor_bath") = py::none(),
                   py::arg("floor_attraction") = false, py::arg("periodic") = false,
                   py::arg("contacts") = newSimulation::CSpec().contacts,
                   "Builds a new simulation as quorvel-batch --new does. `types` is a comma list such as \"Ar:256\"\n"
                   "or \"Kr:100,Ar:300\" of Ar, Ne, Kr, Xe or A; `lattice` \"sc\", \"bcc\", \"fcc\" or \"random\"; at most\n"
                   "one of `density` (kg/m3), `packing_fraction` and `box_width` (m); `temperature` in K;\n"
                   "`floor_bath` a bath temperature in K for the floor; `floor_attraction` the floor's wells;\n"
                   "`periodic` a periodic box (no walls, floor or piston); `contacts` False for plain Lennard-Jones.");
    bindRun(cls);

    cls.def_property_readonly(
        "positions", [](const CPySimulation& self) { return vectors(self.simulation(), false); },
        "The atoms' positions, N x 3, in m, from the box's centre (a copy). Type A's atoms come first.");
    cls.def_property(
        "velocities", [](const CPySimulation& self) { return vectors(self.simulation(), true); },
        [](CPySimulation& self, const py::object& v) { setVelocities(self.simulation(), v); },
        "The atoms' velocities, N x 3, in m/s (a copy). Set it with an N x 3 array: each component\n"
        "within the rule of Edit Atoms, the change booked in the energy ledger as the user's.");
    cls.def_property_readonly(
        "types",
        [](const CPySimulation& self) {
            const CSimulation& s = self.simulation();
            py::array_t<int> out(s.state().atoms.totalAtoms);
            int* data = out.mutable_data();
            for (int t = 0; t < CSimulation::kTypes; t++)
                for (int i = 0; i < s.getNumber(t); i++) *data++ = t;
            return out;
        },
        "Each atom's type, 0 for A to 3 for D (a copy).");
    cls.def_property_readonly(
        "masses",
        [](const CPySimulation& self) {
            const CSimulation& s = self.simulation();
            return atomRows(s, 1, [&](int t, int, double* row) { *row = s.getMass(t); });
        },
        "Each atom's mass in kg (a copy).");
    cls.def_property_readonly(
        "time", [](const CPySimulation& self) { return self.simulation().getElapsedTime(); },
        "The simulated time in s.");
    cls.def_property_readonly(
        "steps", [](const CPySimulation& self) { return self.simulation().getIterations(); },
        "The integration steps taken.");
    cls.def(
        "outputs",
        [](const CPySimulation& self, const std::string& slot) {
            const CSimulation& s = self.simulation();
            const int k = slotOf(slot);
            py::dict out;
            out["kinetic_energy"] = s.getTCKEnergy(k);
            out["potential_energy"] = s.getTCPEnergy(k);
            out["total_energy"] = s.getTCTEnergy(k);
            out["temperature"] = s.getTCTemperature(k);
            out["pressure"] = s.getTCPressure(k);
            out["volume"] = s.getTCVolume();
            out["vrms"] = s.getTCVrms(k);
            return out;
        },
        py::arg("slot") = "all",
        "The outputs of a slot (\"A\" to \"D\" or \"all\") averaged as the simulation's `averaging` says: energies\n"
        "in J, temperature in K, pressure in Pa, volume in m3, vrms (root mean square speed) in m/s.");
    cls.def(
        "ledger",
        [](const CPySimulation& self) {
            const CEnergyBalance balance = self.simulation().getLedgerBalance();
            py::dict out;
            for (int k = 0; k < CEnergyBalance::kTerms; k++) {
                std::string name = CEnergyBalance::names()[k];
                std::replace(name.begin(), name.end(), ' ', '_');
                out[py::str(name)] = balance.term(k);
            }
            return out;
        },
        "The energy ledger's terms in J since it started: dE, the change of the system's energy, and what\n"
        "it is made of (heat from the floor bath, work of the applied pressure, the user's changes, the\n"
        "conservation's correction, the residual, the piston's stops).");

    bindParameters(m, cls);
    bindMeasurements(cls);
    bindFiles(m, cls);
}
