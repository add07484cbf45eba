// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation a Python script holds: the model with its clock, the
// measurements sampled while it runs and the trajectories it records. It runs
// displays exactly as the batch runner does, with the interpreter's lock
// released while the steps run, and hands control back between parts of a
// display so that Ctrl+C stops the run between steps.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <pybind11/pybind11.h>

#include "SIM/measure/CDiffusion.h"
#include "SIM/measure/CRadialDistribution.h"
#include "SIM/model/CSimulation.h"
#include "SIM/io/CTrajectoryWriter.h"
#include "BASE/CRandomStream.h"

namespace py = pybind11;

// Raises the Python exception of the given type with the message.
[[noreturn]] void raise(PyObject* type, const std::string& message);
// The exception a question of the model raises (a ValueError).
PyObject* questionError();
// "A".."D" or "all" (any case) as an output slot; ValueError otherwise.
int slotOf(const std::string& name);

class CPySimulation {
public:
    // g(r) of all atoms, then of each pair of types (lower type first).
    static constexpr int kPairs = 1 + CSimulation::kTypes * (CSimulation::kTypes + 1) / 2;
    static int pairIndex(int first, int second);  // -1, -1: all atoms

    // Notes where the C library's random stream stands before anything
    // draws from it: where each new simulation's stream starts.
    static void keepFreshStream();

    CPySimulation();
    ~CPySimulation();
    CPySimulation(const CPySimulation&) = delete;
    CPySimulation& operator=(const CPySimulation&) = delete;
    // The model to read or change; refused while another thread runs it.
    CSimulation& simulation();
    const CSimulation& simulation() const;
    // The same, for an operation that draws from the random stream (the
    // heat bath, atoms added) or saves where it stands. Each simulation has
    // a stream of its own, which starts where a new process's starts, so
    // that it runs as quorvel-batch runs its file whatever ran before it;
    // refused while another simulation runs, whose steps draw from it.
    CSimulation& drawing();

    // Runs whole displays, or a number of steps across displays (a display
    // left under way by a step count or a Ctrl+C is finished first).
    void runDisplays(unsigned long displays);
    void runSteps(unsigned long long steps);

    void measureRdf();
    void measureDiffusion();
    const CRadialDistribution* rdf(int first, int second) const;
    const CDiffusion* diffusion() const { return diffusion_.get(); }
    // The measurements start again: the simulation is another.
    void forgetMeasurements();

    // A trajectory written after every display while it is attached.
    void attach(CTrajectoryWriter* writer) { recordings_.push_back(writer); }
    void detach(CTrajectoryWriter* writer);

private:
    // Runs up to steps of the display under way; answers the steps run and
    // whether a display ended.
    unsigned runPart(unsigned steps, bool& displayEnded);
    void afterDisplay();
    void checkRunning() const;

    void takeStream();

    randomStream::CWords stream_{};
    CClock clock_;
    std::unique_ptr<CSimulation> simulation_;
    bool running_ = false;
    std::unique_ptr<CDiffusion> diffusion_;
    std::array<std::unique_ptr<CRadialDistribution>, kPairs> rdfs_;
    std::vector<CTrajectoryWriter*> recordings_;
};

// The parts of the module, each binding its concern on the class.
using CPyClass = py::class_<CPySimulation>;
void bindRun(CPyClass& cls);
void bindParameters(py::module_& module, CPyClass& cls);
void bindMeasurements(CPyClass& cls);
void bindFiles(py::module_& module, CPyClass& cls);
