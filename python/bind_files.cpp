// SPDX-License-Identifier: GPL-3.0-or-later
// What leaves a simulation and what comes in: the simulation file, an
// extended XYZ frame, the LAMMPS input and data, trajectories recorded
// during runs, ASE's Atoms both ways, and a picture of the scene.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "CPySimulation.h"
#include "RENDER/CScenePicture.h"
#include "SIM/build/CElements.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/io/CStructureImport.h"

namespace {

// A trajectory recorded while the simulation runs inside a with block.
struct CPyRecording {
    py::object owner;  // the Simulation, kept alive while attached
    std::string path;
    unsigned every = 1;
    std::unique_ptr<CTrajectoryWriter> writer = std::make_unique<CTrajectoryWriter>();
    bool attached = false;

    CPySimulation& simulation() const { return owner.cast<CPySimulation&>(); }
    void stop()
    {
        if (!attached) return;
        simulation().detach(writer.get());
        writer->close();
        attached = false;
    }
    ~CPyRecording() { stop(); }
};

py::module_ importAse(const char* what)
{
    try {
        return py::module_::import("ase");
    } catch (const py::error_already_set&) {
        raise(PyExc_ImportError, std::string(what) + " needs ASE, the Atomic Simulation Environment (python3-ase)");
    }
}

// ASE's velocity unit is an Angstrom per its own unit of time.
double aseVelocityPerMetrePerSecond()
{
    const double fs = py::module_::import("ase.units").attr("fs").cast<double>();
    return 1e-5 / fs;  // 1 m/s is 1e-5 Angstrom/fs, and a femtosecond is fs of ASE's unit
}

py::object toAse(const CPySimulation& self)
{
    const CSimulation& s = self.simulation();
    py::module_ ase = importAse("to_ase");
    const CSimulationState& state = s.state();
    const int n = state.atoms.totalAtoms;
    const double corner = lammps::lengthOf(state.box.halfWidth), edge = 2.0 * corner;
    const double velocityUnit = aseVelocityPerMetrePerSecond();
    py::array_t<double> positions({n, 3}), velocities({n, 3}), masses(n);
    py::array_t<int> types(n);
    py::list symbols;
    double *x = positions.mutable_data(), *v = velocities.mutable_data(), *m = masses.mutable_data();
    int* type = types.mutable_data();
    for (int t = 0; t < CSimulation::kTypes; t++) {
        const char* symbol = elements::forType(s.getName(t), s.getMass(t)).symbol;
        for (int i = 0; i < s.getNumber(t); i++) {
            for (int a = 0; a < 3; a++) {
                *x++ = lammps::lengthOf(s.state().atoms.loc[t][i].v[a]) + corner;
                *v++ = s.state().atoms.vel[t][i].v[a] * velocityUnit;
            }
            *m++ = elements::daltonsOf(s.getMass(t));
            *type++ = t;
            symbols.append(symbol);
        }
    }
    py::object atoms = ase.attr("Atoms")(py::arg("symbols") = symbols, py::arg("positions") = positions,
                                         py::arg("cell") = py::make_tuple(edge, edge, edge), py::arg("pbc") = s.isPeriodic(),
                                         py::arg("masses") = masses);
    atoms.attr("set_velocities")(velocities);
    atoms.attr("set_array")("quorvel_types", types);
    return atoms;
}

// The Atoms as an extended XYZ frame, read as a file of that kind is read.
std::unique_ptr<CPySimulation> fromAse(const py::object& atoms)
{
    py::module_ ase = importAse("from_ase");
    if (!py::isinstance(atoms, ase.attr("Atoms"))) raise(PyExc_TypeError, "atoms must be an ase.Atoms");
    using CArray = py::array_t<double, py::array::c_style | py::array::forcecast>;
    const auto cell = atoms.attr("cell").attr("array").cast<CArray>();
    const auto positions = atoms.attr("get_positions")().cast<CArray>();
    const auto velocities = atoms.attr("get_velocities")().cast<CArray>();
    const auto masses = atoms.attr("get_masses")().cast<CArray>();
    const std::vector<std::string> symbols = atoms.attr("get_chemical_symbols")().cast<std::vector<std::string>>();
    const py::dict arrays = atoms.attr("arrays").cast<py::dict>();
    py::object types = arrays.contains("quorvel_types") ? arrays["quorvel_types"] : py::object(py::none());
    const std::size_t n = symbols.size();
    const double velocityUnit = 1e-2 / aseVelocityPerMetrePerSecond();  // Angstrom/ps per ASE unit
    std::string text = formatC("%zu\nLattice=\"", n);
    for (int k = 0; k < 9; k++) appendFormatC(text, k ? " %.17g" : "%.17g", cell.data()[k]);
    text += "\" Properties=species:S:1:pos:R:3:velo:R:3:masses:R:1";
    text += types.is_none() ? "" : ":type:S:1";
    text += " pbc=\"F F F\"\n";
    const py::array_t<int, py::array::forcecast> typeArray =
        types.is_none() ? py::array_t<int, py::array::forcecast>(0) : types.cast<py::array_t<int, py::array::forcecast>>();
    for (std::size_t k = 0; k < n; k++) {
        const double* x = positions.data() + 3 * k;
        const double* v = velocities.data() + 3 * k;
        appendFormatC(text, "%s %.17g %.17g %.17g %.17g %.17g %.17g %.17g", symbols[k].c_str(), x[0], x[1], x[2],
                      v[0] * velocityUnit, v[1] * velocityUnit, v[2] * velocityUnit, masses.data()[k]);
        if (!types.is_none()) appendFormatC(text, " %c", 'A' + typeArray.data()[k]);
        text += "\n";
    }
    auto out = std::make_unique<CPySimulation>();
    CSimulation& live = out->drawing();
    CClock clock;
    auto scratch = std::make_unique<CSimulation>(clock);
    std::string notice;
    const std::string refusal = structureImport::buildFromExtendedXyz(text, 0, *scratch, notice);
    if (!refusal.empty()) raise(PyExc_ValueError, "atoms: " + refusal);
    live.adoptState(*scratch);
    live.measureStateNow();
    live.startAveragesFromState(false);
    if (!notice.empty() && PyErr_WarnEx(PyExc_UserWarning, ("atoms: " + notice).c_str(), 1) != 0)
        throw py::error_already_set();
    return out;
}

py::bytes picture(const CPySimulation& self, int width, int height)
{
    const CSimulation& s = self.simulation();
    if (width < 1 || height < 1 || width > 10000 || height > 10000)
        raise(PyExc_ValueError, "width and height are from 1 to 10000 points");
    const QImage image = renderScenePicture(s.state(), QSize(width, height), false);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return py::bytes(png.constData(), static_cast<std::size_t>(png.size()));
}

void failIf(const std::string& failure)
{
    if (!failure.empty()) raise(PyExc_OSError, failure);
}

}  // namespace

void bindFiles(py::module_& m, CPyClass& cls)
{
    cls.def(
        "save",
        [](CPySimulation& self, const std::string& path) {
            CSimulation& s = self.drawing();
            const std::string before = s.getSavePath();
            s.setSavePath(path);
            const COutcome written = s.writeOutputFile();
            s.setSavePath(before);
            if (!written) raise(PyExc_OSError, written.message());
        },
        py::arg("path"), "Writes the simulation file, which the application and quorvel-batch open.");
    cls.def(
        "write_xyz",
        [](const CPySimulation& self, const std::string& path) {
            failIf(writeFileAtomically(path, trajectory::extendedXyzFrame(self.simulation().state())));
        },
        py::arg("path"), "Writes the state as one extended XYZ frame (Angstrom, ps), for ASE, OVITO and VMD.");
    cls.def(
        "write_lammps",
        [](const CPySimulation& self, const std::string& folder, int replicate) {
            const CSimulationState& state = self.simulation().state();
            const std::string problem = checkLammpsExport(state, replicate);
            if (!problem.empty()) raise(PyExc_ValueError, problem);
            failIf(exportForLammps(state, folder, replicate));
        },
        py::arg("folder"), py::arg("replicate") = 1,
        "Writes in.quorvel and data.quorvel into folder, for lmp -in in.quorvel; `replicate` copies of\n"
        "the box along each edge (1 to 100).");

    py::class_<CPyRecording>(m, "Recording", "A trajectory recorded while the simulation runs (sim.record).")
        .def("__enter__",
             [](CPyRecording& self) -> CPyRecording& {
                 if (self.attached) raise(PyExc_RuntimeError, "the recording is already under way");
                 CPySimulation& sim = self.simulation();
                 failIf(self.writer->open(self.path, trajectory::formatOfPath(self.path), self.every,
                                          sim.simulation().state()));
                 sim.attach(self.writer.get());
                 self.attached = true;
                 return self;
             })
        .def("__exit__", [](CPyRecording& self, const py::args&) { self.stop(); return false; })
        .def_property_readonly(
            "frames", [](const CPyRecording& self) { return self.writer->framesWritten(); }, "The frames written so far.")
        .def_property_readonly("path", [](const CPyRecording& self) { return self.path; }, "The file written.");
    cls.def(
        "record",
        [](py::object self, const std::string& path, unsigned every) {
            if (every < 1) raise(PyExc_ValueError, "every is a number of displays from 1");
            auto recording = std::make_unique<CPyRecording>();
            recording->owner = self;
            recording->path = path;
            recording->every = every;
            return recording;
        },
        py::arg("path"), py::arg("every") = 1,
        "A trajectory for a with block: `with sim.record(\"run.xyz\", every=1): sim.run(100)` writes the\n"
        "state at the start, then a frame every `every` displays: extended XYZ, or a LAMMPS dump for a\n"
        "name ending in .lammpstrj or .dump.");

    cls.def("to_ase", &toAse,
            "The state as an ase.Atoms: the box as its cell (from the corner at 0), positions, velocities and\n"
            "masses in ASE's units, the element each type stands for, the types in arrays[\"quorvel_types\"].");
    cls.def_static("from_ase", &fromAse, py::arg("atoms"),
                   "A simulation of an ase.Atoms with a rectangular cell (the box's walls), read as an extended\n"
                   "XYZ frame is read: its symbols (the types, or arrays[\"quorvel_types\"]), positions,\n"
                   "velocities and masses.");
    cls.def("picture", &picture, py::arg("width") = 800, py::arg("height") = 600,
            "The scene as the view draws it, a PNG of width x height points (bytes).");
    cls.def(
        "_repr_png_", [](const CPySimulation& self) { return picture(self, 800, 600); },
        "The picture a notebook shows.");
}
