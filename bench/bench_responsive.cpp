// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long the window's event loop waits at most while a heavy display
// runs (the running window checked every millisecond by a timer), the steps
// per second it reaches meanwhile against the steps run with no event loop,
// and how long a Stop asked at an arbitrary moment (posted from another
// thread, as a key press arrives) takes to land.
//   build/bench/bench_responsive [simulation file [steps per display [seconds [slice budget in ms]]]]
#include <QApplication>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "BenchTiming.h"
#include "SIM/model/CSimulation.h"
#include "UI/CQtPlatform.h"
#include "UI/CUIWindow.h"

using bench::Clock;
using bench::millisecondsSince;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUORVEL_BENCH_DIR "/liquid-1600.txt");
    const unsigned stepsPerDisplay = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1000000u;
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 4;

    CQtPlatform platform;
    CUIWindow window(platform);
    platform.setParentWidget(&window);
    window.show();
    if (!window.openSimulationFile(path)) return 1;
    CSimulation& s = window.Simulation;
    if (argc > 4) window.Document.sliceBudgetMs = std::atoi(argv[4]);

    // The steps alone, for the cost of running them in slices.
    const unsigned probeSteps = 200;
    s.setIPD(probeSteps);
    auto start = Clock::now();
    s.runDisplay();
    const double bareRate = probeSteps / (millisecondsSince(start) / 1000.0);
    if (!s.setIPD(stepsPerDisplay)) return 1;
    // What a slice boundary costs the steps: 50 steps in one part and in 50.
    start = Clock::now();
    s.runDisplaySteps(50);
    const double inOne = millisecondsSince(start);
    start = Clock::now();
    for (int k = 0; k < 50; k++) s.runDisplaySteps(1);
    const double inFifty = millisecondsSince(start);
    s.endDisplayEarly();

    double longestWait = 0.0;
    auto lastTurn = Clock::now();
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        longestWait = std::max(longestWait, std::chrono::duration<double, std::milli>(now - lastTurn).count() - 1.0);
        lastTurn = now;
    });

    const unsigned startedAt = s.getIterations();
    std::atomic<Clock::rep> stopAsked{0};
    double stopTook = -1.0;
    unsigned stepsRun = 0;
    std::thread user([&] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        stopAsked = Clock::now().time_since_epoch().count();
        QMetaObject::invokeMethod(&window, [&] {
            window.stop();
            stopTook = std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch() -
                                                                 Clock::duration(stopAsked.load()))
                           .count();
            stepsRun = s.getIterations() - startedAt;
            app.quit();
        }, Qt::QueuedConnection);
    });
    window.run();
    lastTurn = Clock::now();
    probe.start(1);
    app.exec();
    user.join();

    std::printf("%s, %u atoms, %u steps per display, %d s of running\n", qPrintable(path), s.state().atoms.totalAtoms,
                stepsPerDisplay, seconds);
    std::printf("longest wait of the event loop: %.1f ms (slice budget %d ms, last slice %u steps)\n", longestWait,
                window.Document.sliceBudgetMs, window.Document.sliceSteps);
    std::printf("steps per second: %.0f in slices, %.0f with no event loop (%.1f %%)\n", stepsRun / double(seconds),
                bareRate, 100.0 * stepsRun / seconds / bareRate);
    std::printf("a slice boundary costs %.2f ms (50 steps: %.1f ms in one part, %.1f ms in 50)\n",
                (inFifty - inOne) / 49.0, inOne, inFifty);
    std::printf("Stop took %.1f ms; the display was cut short after %u of its %u steps\n", stopTook, stepsRun,
                stepsPerDisplay);
    return 0;
}
