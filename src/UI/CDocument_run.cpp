// SPDX-License-Identifier: GPL-3.0-or-later
// CDocument: the run loop. A timer runs the displays of the run in slices
// and says when one is under way, how far it is and when it is done.
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <future>

#include "BASE/CTextNumbers.h"
#include "CDocument.h"
#include "CQtPlatform.h"
#include "SIM/engine/CSampledRun.h"
#include "SIM/measure/CDiffusion.h"
#include "SIM/model/CSimulation.h"

namespace {
// A slice due within a frame of a 60 Hz screen draws what was asked for
// before it; one due later leaves it to the event loop, so that a display
// is seen for the time between displays a person set.
constexpr int kDrawnByNextSliceMs = 16;
}  // namespace

int CDocument::intervalBetweenDisplays() const
{
    const double seconds = Simulation.getRunTimerInterval();
    return std::max(0, static_cast<int>(std::lround(seconds * 1000.0)));
}

void CDocument::startRunTimer()
{
    startedInterval = intervalBetweenDisplays();
    runTimer.start(startedInterval);
    // A picture left for a slice that now comes later is drawn now.
    if (startedInterval > kDrawnByNextSliceMs && sliceDrawing.drawNow) sliceDrawing.drawNow();
}

void CDocument::restartRunTimer()
{
    if (runTimerActive) startRunTimer();
}

void CDocument::followRunInterval()
{
    if (intervalBetweenDisplays() != startedInterval) restartRunTimer();
}

void CDocument::run()
{
    Simulation.setRunState(CRunState::running);
    runTimerActive = true;
    startRunTimer();
    emit runStateChanged(true);
}

void CDocument::stop()
{
    // A display cut short ends where its steps left the atoms: the readouts
    // and the histogram are those of the last step run (the charts keep one
    // sample per whole display).
    Simulation.endDisplayEarly();
    Simulation.setRunState(CRunState::stopped);
    runTimerActive = false;
    runTimer.stop();
    emit runStateChanged(false);
}

void CDocument::endRunLoop()
{
    runTimer.stop();
    runTimerActive = false;
}

void CDocument::followStateRunState()
{
    // The display under way was the previous simulation's.
    Simulation.endDisplayEarly();
    const bool running = Simulation.getRunState() == CRunState::running;
    if (!running && runTimerActive) {
        runTimer.stop();
        runTimerActive = false;
    } else if (running && !runTimerActive) {
        startRunTimer();
        runTimerActive = true;
    }
}

// The run loop. A display's steps run in slices of about sliceBudgetMs,
// handing control back to the event loop between two slices (a
// zero-interval timer carries the display on). The view, the scene, the
// dialogs and the Plots window read and write the simulation directly
// between two slices, so every change they make lands between two steps,
// never half-way through one, with no locks. Within a slice the steps run
// on a worker thread while this thread draws the state shown, a copy taken
// before they began: the picture of the display just done costs the steps
// nothing, and this thread touches neither the simulation nor the event
// loop until they are done. The same steps run in the same order as a
// display run whole, so the results are the same bit for bit.
void CDocument::runTimerMethod()
{
    // The simulation never advances while the user answers a dialog, an
    // alert or a file panel, even though their event loops fire timers.
    if (isModalSessionActive()) {
        // Waiting in the middle of a display: no need to ask at every turn.
        runTimer.setInterval(intervalBetweenDisplays());
        // What was left for this slice to draw is drawn under the dialog.
        if (sliceDrawing.drawNow) sliceDrawing.drawNow();
        return;
    }
    if (!Simulation.isDisplayUnderway()) {
        emit displayStarting();
        displayClock.start();
        progressClock.invalidate();
    }
    runSlice();
}

bool CDocument::drawsWhileStepping()
{
    static const bool overlapped = std::getenv("QUORVEL_SERIAL_DRAWING") == nullptr;
    return overlapped;
}

bool CDocument::nextSliceDraws() const
{
    return drawsWhileStepping() && sliceDrawing.whileSteps && runTimerActive && runTimer.isActive() &&
           runTimer.interval() <= kDrawnByNextSliceMs && !isModalSessionActive();
}

void CDocument::takeShownState()
{
    if (!stepsRunning_) *shown = Simulation.state();
}

void CDocument::runSlice()
{
    QElapsedTimer sliceClock;
    sliceClock.start();
    CDiffusion* sampler = sampledDiffusion ? sampledDiffusion() : nullptr;
    bool finite = true;
    if (drawsWhileStepping() && sliceDrawing.whileSteps) {
        if (sliceDrawing.beforeSteps) sliceDrawing.beforeSteps();
        stepsRunning_ = true;
        // The future waits for the steps even if drawing throws.
        struct CEndOfSteps {
            bool& running;
            ~CEndOfSteps() { running = false; }
        } endOfSteps{stepsRunning_};
        const unsigned steps = sliceSteps;
        std::future<bool> stepped = std::async(std::launch::async, [this, sampler, steps] {
            return runDisplayStepsSampled(Simulation, sampler, steps);
        });
        sliceDrawing.whileSteps();
        finite = stepped.get();
    } else {
        finite = runDisplayStepsSampled(Simulation, sampler, sliceSteps);
    }
    noteRunAdvanced();
    // The slice's time on the clock, drawing included: it is what holds the
    // event loop back.
    const double budget = sliceBudgetMs * 1e6, took = std::max<double>(1.0, sliceClock.nsecsElapsed());
    if (Simulation.isDisplayUnderway() || took > budget) {
        // Only a slice that the display did not cut short says how many fit.
        const double fit = std::floor(sliceSteps * std::min(2.0, budget / took));
        sliceSteps = static_cast<unsigned>(std::clamp(fit, 1.0, 1e9));
    }
    if (!finite) {
        stop();
        emit runFailed();
        return;
    }
    if (Simulation.isDisplayUnderway()) {
        showDisplayProgress();
        // (Setting the interval never starts a stopped timer.)
        if (runTimer.interval() != 0) runTimer.setInterval(0);
        return;
    }
    if (runTimer.interval() != intervalBetweenDisplays()) runTimer.setInterval(intervalBetweenDisplays());
    emit displayDone();
}

void CDocument::showDisplayProgress()
{
    // New text repaints the view under the line: a few times a second is
    // enough to read it and costs the steps little.
    constexpr qint64 kShownAfterMs = 500, kRedrawnEveryMs = 250;
    const qint64 elapsed = displayClock.elapsed();
    if (elapsed < kShownAfterMs || (progressClock.isValid() && progressClock.elapsed() < kRedrawnEveryMs)) return;
    progressClock.start();
    const unsigned done = Simulation.getStepsDoneInDisplay(), total = Simulation.getIPD();
    const double secondsLeft = done > 0 ? elapsed / 1000.0 / done * (total - std::min(done, total)) : -1.0;
    emit displayProgress(QString::fromStdString(progressText(done, total) + ", " + timeLeftText(secondsLeft) +
                                                " left"));
}
