// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPySimulation.h"

#include <algorithm>

#include <pybind11/stl.h>

#include "SIM/engine/CSampledRun.h"

namespace {
// The steps run between two looks at Ctrl+C: long enough that setting up the
// engine's lists again for each part costs nothing worth measuring, short
// enough that a large display still stops at once.
constexpr unsigned kStepsPerPart = 200;

// Where a new process's random stream starts, and whether the C library's
// stream is one whose place can be kept; the simulation whose place the
// stream holds now, and the one running.
randomStream::CWords gFreshStream{};
bool gStreamsKept = false;
CPySimulation* gStreamOwner = nullptr;
const CPySimulation* gRunning = nullptr;
}  // namespace

void CPySimulation::keepFreshStream() { gStreamsKept = randomStream::capture(gFreshStream); }

void CPySimulation::takeStream()
{
    if (!gStreamsKept || gStreamOwner == this) return;
    if (gStreamOwner) randomStream::capture(gStreamOwner->stream_);
    randomStream::restore(stream_);
    gStreamOwner = this;
}

CSimulation& CPySimulation::drawing()
{
    CSimulation& s = simulation();
    if (gRunning && gRunning != this)
        raise(PyExc_RuntimeError, "another simulation is running in another thread; its steps draw from the random "
                                  "stream this one needs: wait until its run returns");
    takeStream();
    return s;
}

CPySimulation::~CPySimulation()
{
    if (gStreamOwner == this) gStreamOwner = nullptr;
}

void raise(PyObject* type, const std::string& message)
{
    PyErr_SetString(type, message.c_str());
    throw py::error_already_set();
}

int CPySimulation::pairIndex(int first, int second)
{
    if (first < 0) return 0;
    if (first > second) std::swap(first, second);
    // Pairs (0,0), (0,1), ... (0,3), (1,1), ... after the all-atoms slot.
    int index = 1;
    for (int t = 0; t < first; t++) index += CSimulation::kTypes - t;
    return index + second - first;
}

CPySimulation::CPySimulation() : stream_(gFreshStream), simulation_(std::make_unique<CSimulation>(clock_))
{
    drawing().initWithDefaults();
    // The batch runner's engine unless a run asks for another.
    simulation_->setEngineKind(CEngineKind::fast);
    simulation_->setEngineThreads(1);
}

void CPySimulation::checkRunning() const
{
    if (running_) raise(PyExc_RuntimeError, "the simulation is running in another thread; wait until run returns");
}

CSimulation& CPySimulation::simulation()
{
    checkRunning();
    return *simulation_;
}

const CSimulation& CPySimulation::simulation() const
{
    checkRunning();
    return *simulation_;
}

unsigned CPySimulation::runPart(unsigned steps, bool& displayEnded)
{
    CSimulation& s = *simulation_;
    const unsigned before = s.getIterations();
    bool finite;
    {
        py::gil_scoped_release unlocked;
        finite = runDisplayStepsSampled(s, diffusion_.get(), steps);
    }
    // Nothing of a run that broke down goes on: the atoms are back where
    // the part started.
    if (!finite) raise(PyExc_FloatingPointError, s.getRunStopReason());
    displayEnded = !s.isDisplayUnderway();
    if (displayEnded) afterDisplay();
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    return s.getIterations() - before;
}

void CPySimulation::afterDisplay()
{
    const CSimulation& s = *simulation_;
    for (auto& rdf : rdfs_)
        if (rdf) rdf->accumulate(s.state());
    for (CTrajectoryWriter* writer : recordings_) {
        const std::string reason = writer->afterDisplay(s.state());
        if (!reason.empty() && PyErr_WarnEx(PyExc_RuntimeWarning, (writer->path() + ": " + reason).c_str(), 1) != 0)
            throw py::error_already_set();
    }
}

namespace {
// Marks the simulation as running for the run's length, in the run state
// the batch runner steps it in.
class CRunning {
public:
    CRunning(CSimulation& s, bool& running, const CPySimulation* owner)
        : s_(s), running_(running), stored_(s.getRunState())
    {
        running_ = true;
        gRunning = owner;
        s_.setRunState(CRunState::running);
    }
    ~CRunning()
    {
        s_.setRunState(stored_);
        running_ = false;
        gRunning = nullptr;
    }

private:
    CSimulation& s_;
    bool& running_;
    CRunState stored_;
};
}  // namespace

void CPySimulation::runDisplays(unsigned long displays)
{
    CSimulation& s = drawing();
    CRunning running(s, running_, this);
    for (unsigned long done = 0; done < displays;) {
        const unsigned left = s.getIPD() - std::min(s.getIPD(), s.getStepsDoneInDisplay());
        bool ended = false;
        runPart(std::clamp(left, 1u, kStepsPerPart), ended);
        if (ended) done++;
    }
}

void CPySimulation::runSteps(unsigned long long steps)
{
    CSimulation& s = drawing();
    CRunning running(s, running_, this);
    while (steps > 0) {
        bool ended = false;
        const unsigned ran = runPart(static_cast<unsigned>(std::min<unsigned long long>(steps, kStepsPerPart)), ended);
        steps -= std::min<unsigned long long>(steps, std::max(ran, 1u));
    }
}

void CPySimulation::measureRdf()
{
    checkRunning();
    if (rdfs_[0]) return;
    rdfs_[0] = std::make_unique<CRadialDistribution>();
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int u = t; u < CSimulation::kTypes; u++) {
            auto& rdf = rdfs_[static_cast<std::size_t>(pairIndex(t, u))];
            rdf = std::make_unique<CRadialDistribution>();
            rdf->setPair(t, u);
        }
}

void CPySimulation::measureDiffusion()
{
    checkRunning();
    if (!diffusion_) diffusion_ = std::make_unique<CDiffusion>();
}

const CRadialDistribution* CPySimulation::rdf(int first, int second) const
{
    return rdfs_[static_cast<std::size_t>(pairIndex(first, second))].get();
}

void CPySimulation::forgetMeasurements()
{
    for (auto& rdf : rdfs_)
        if (rdf) rdf->reset();
    if (diffusion_) diffusion_->reset();
}

void CPySimulation::detach(CTrajectoryWriter* writer)
{
    recordings_.erase(std::remove(recordings_.begin(), recordings_.end(), writer), recordings_.end());
}
