// SPDX-License-Identifier: GPL-3.0-or-later
// The measurements: the speed distribution of the state as it stands, and
// g(r) and diffusion, which sample while run steps once measure switched
// them on, as the batch runner's --rdf and --msd sample them.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <string>
#include <vector>

#include "CPySimulation.h"
#include "SIM/measure/CSpeedDistribution.h"

namespace {

template <class Container>
py::array_t<double> arrayOf(const Container& values)
{
    py::array_t<double> out(static_cast<py::ssize_t>(values.size()));
    std::copy(values.begin(), values.end(), out.mutable_data());
    return out;
}

int typeLetter(char c, const char* argument)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= 'A' && upper < 'A' + CSimulation::kTypes) return upper - 'A';
    raise(PyExc_ValueError, std::string(argument) + " holds letters of the types A to D, not '" + c + "'");
}

const char* windowWord(CDiffusionWindow window)
{
    switch (window) {
    case CDiffusionWindow::found: return "found";
    case CDiffusionWindow::noAtoms: return "no atoms";
    case CDiffusionWindow::tooEarly: return "too early";
    case CDiffusionWindow::boxTooSmall: return "box too small";
    }
    return "";
}

}  // namespace

void bindMeasurements(CPyClass& cls)
{
    cls.def(
        "measure",
        [](CPySimulation& self, const py::args& names) {
            if (names.size() == 0) raise(PyExc_TypeError, "measure needs \"rdf\", \"diffusion\" or both");
            std::vector<std::string> wanted;
            for (const py::handle& name : names) {
                if (!py::isinstance<py::str>(name)) raise(PyExc_TypeError, "measure takes the names \"rdf\" and \"diffusion\"");
                wanted.push_back(name.cast<std::string>());
                if (wanted.back() != "rdf" && wanted.back() != "diffusion")
                    raise(PyExc_ValueError, "measure takes \"rdf\" and \"diffusion\", not \"" + wanted.back() + "\"");
            }
            for (const std::string& name : wanted) {
                if (name == "rdf") self.measureRdf();
                else self.measureDiffusion();
            }
        },
        "Switches measurements on: \"rdf\" samples g(r) after every display of each run (of all atoms and\n"
        "of every pair of types), \"diffusion\" the mean squared displacement and velocity autocorrelation\n"
        "during the steps. They go on until the simulation is closed; sim.rdf() and sim.diffusion() read them.");
    cls.def(
        "speed_distribution",
        [](const CPySimulation& self, const std::string& slot) {
            const CSimulation& s = self.simulation();
            const CSpeedDistribution d = measureSpeedDistribution(s.state(), slotOf(slot));
            std::vector<double> low, high;
            for (int b = 0; b < kSpeedBins; b++) low.push_back(d.binLow(b)), high.push_back(d.binHigh(b));
            py::dict out;
            out["low"] = arrayOf(low);
            out["high"] = arrayOf(high);
            out["fraction"] = arrayOf(d.fraction);
            out["maxwell"] = arrayOf(d.maxwellMeasured);
            out["maxwell_fitted"] = arrayOf(d.maxwellFitted);
            out["temperature"] = d.measuredTemperature;
            out["fitted_temperature"] = d.fittedTemperature;
            out["total_variation"] = d.totalVariation;
            out["atoms"] = d.atoms;
            return out;
        },
        py::arg("slot") = "all",
        "The speed histogram of a slot (\"A\" to \"D\" or \"all\") as the application shows it: per bin its\n"
        "`low` and `high` speed (m/s) and `fraction` of the atoms, the Maxwell-Boltzmann fractions at the\n"
        "measured `temperature` (K) and at the `fitted_temperature`, and the `total_variation` distance.");
    cls.def(
        "rdf",
        [](const CPySimulation& self, const std::string& types) {
            self.simulation();
            int first = -1, second = -1;
            if (types != "all") {
                if (types.size() != 2) raise(PyExc_ValueError, "types is two letters such as \"AB\", or \"all\"");
                first = typeLetter(types[0], "types");
                second = typeLetter(types[1], "types");
            }
            const CRadialDistribution* rdf = self.rdf(first, second);
            if (!rdf) raise(PyExc_RuntimeError, "g(r) is sampled while run steps: call sim.measure(\"rdf\") before run");
            std::vector<double> r, g;
            for (int b = 0; b < rdf->bins(); b++) r.push_back(rdf->radius(b)), g.push_back(rdf->g(b));
            py::dict out;
            out["r"] = arrayOf(r);
            out["g"] = arrayOf(g);
            out["displays"] = rdf->displays();
            return out;
        },
        py::arg("types") = "all",
        "g(r) averaged over the displays run since measure(\"rdf\"), of all atoms or of a pair of types\n"
        "(\"AB\", \"AA\", ...): `r` the bins' centres in m, `g` the values, `displays` how many were averaged.");
    cls.def(
        "diffusion",
        [](const CPySimulation& self, const std::string& types) {
            self.simulation();
            const CDiffusion* diffusion = self.diffusion();
            if (!diffusion)
                raise(PyExc_RuntimeError, "diffusion is sampled while run steps: call sim.measure(\"diffusion\") before run");
            CTypeMask mask = 0;
            if (types == "all") mask = kAllTypesMask;
            else
                for (char c : types) mask |= 1u << typeLetter(c, "types");
            const CDiffusionResult r = diffusion->result(mask);
            py::dict out;
            out["D"] = r.einsteinD;
            out["error"] = r.einsteinError;
            out["green_kubo_D"] = r.greenKuboD;
            out["window"] = py::make_tuple(r.windowStart(), r.windowEnd());
            out["found"] = r.hasWindow();
            out["reason"] = r.reason();
            out["state"] = windowWord(r.window);
            out["time"] = arrayOf(r.time);
            out["msd"] = arrayOf(r.msd);
            out["vacf"] = arrayOf(r.vacf);
            out["vacf_integral"] = arrayOf(r.integral);
            out["samples"] = r.samples;
            out["atoms"] = r.atoms;
            return out;
        },
        py::arg("types") = "all",
        "The diffusion of the atoms of `types` (\"A\", \"AB\", ... or \"all\") since measure(\"diffusion\"):\n"
        "`D` (m2/s) from the Einstein fit over `window` (s, start and end) with its standard `error` (below\n"
        "0 when too few blocks), `green_kubo_D`, and the curves against `time` (s): `msd` (m2), `vacf`\n"
        "(m2/s2) and its running integral. Without a window `found` is False and `reason` says why.");
}
