// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real window on a simulation for a fixed time and prints, side by
// side: the pictures it paints per second, the steps its engine makes per
// second in the window, what drawing one picture of the view takes, and the
// engine alone (the same file stepped display by display on the same
// threads) as a ratio. At one thread and at automatic, each with the picture
// drawn while the steps run and drawn after them (QUORVEL_SERIAL_DRAWING),
// each window in a process of its own, since the switch is read once.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_app [simulation file] [seconds]
//   (default: bench/scenarios/liquid-1600.txt, 100 steps per display, 6 s)
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "BenchPlatform.h"
#include "BenchMachine.h"
#include "BenchTiming.h"
#include "SIM/model/CClock.h"
#include "SIM/model/CModelLimits.h"
#include "SIM/model/CSimulation.h"
#include "UI/CDocument.h"
#include "UI/CUIView.h"
#include "UI/CUIWindow.h"

namespace {
constexpr unsigned kStepsPerDisplay = 100;
constexpr int kViewWidth = 1000, kViewHeight = 700;
constexpr double kWarmUpSeconds = 1.0;


// What one window measured.
struct CWindowFigures {
    double pictures = 0, steps = 0, drawMs = 0, snapshotMs = 0;
    bool valid = false;
};

// Counts and times the view's own paint (the scene, without the fields and
// the graph over it), by handing the paint event to the view from here.
class CPaintTimer : public QObject {
public:
    explicit CPaintTimer(QWidget* view) : view(view) { view->installEventFilter(this); }
    int count = 0;
    double totalMs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != view || event->type() != QEvent::Paint || inside) return false;
        inside = true;
        const auto start = bench::Clock::now();
        QCoreApplication::sendEvent(view, event);
        totalMs += bench::millisecondsSince(start);
        count++;
        inside = false;
        return true;
    }

private:
    QWidget* view;
    bool inside = false;
};

// In a process of its own: the window runs the file for the given time.
int measureWindow(QApplication& app, const QString& path, int threads, double seconds)
{
    CBenchPlatform platform;
    CUIWindow window(platform);
    window.show();
    if (!window.openSimulationFile(path)) return 1;
    window.stop();
    CSimulation& s = window.Simulation;
    s.setIPD(kStepsPerDisplay);
    s.setEngineThreads(threads);
    CUIView& view = *window.UIView;
    window.resize(kViewWidth, kViewHeight + (window.height() - view.height()));
    QApplication::processEvents();
    CPaintTimer paints(&view);

    // The copy the view draws from while the steps run.
    QElapsedTimer copyClock;
    copyClock.start();
    constexpr int kCopies = 50;
    for (int k = 0; k < kCopies; k++) window.Document.takeShownState();
    const double snapshotMs = copyClock.nsecsElapsed() / 1e6 / kCopies;

    unsigned startSteps = 0;
    int startPictures = 0;
    double startDrawMs = 0;
    QElapsedTimer clock;
    QTimer::singleShot(static_cast<int>(kWarmUpSeconds * 1000), [&] {
        startSteps = s.getIterations();
        startPictures = paints.count;
        startDrawMs = paints.totalMs;
        clock.start();
    });
    QTimer::singleShot(static_cast<int>((kWarmUpSeconds + seconds) * 1000), [&] {
        const double elapsed = clock.nsecsElapsed() / 1e9;
        const int pictures = paints.count - startPictures;
        std::printf("figures %.3f %.1f %.3f %.3f\n", pictures / elapsed, (s.getIterations() - startSteps) / elapsed,
                    pictures > 0 ? (paints.totalMs - startDrawMs) / pictures : 0.0, snapshotMs);
        std::fflush(stdout);
        window.stop();
        // Nothing to save: the window closes without asking.
        window.Document.markSaved();
        app.quit();
    });
    window.run();
    app.exec();
    return 0;
}

CWindowFigures runWindow(const QString& program, const QString& path, int threads, double seconds, bool serial)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (serial) environment.insert(QStringLiteral("QUORVEL_SERIAL_DRAWING"), QStringLiteral("1"));
    else environment.remove(QStringLiteral("QUORVEL_SERIAL_DRAWING"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {QStringLiteral("--window"), path, QString::number(threads), QString::number(seconds)});
    CWindowFigures figures;
    if (!child.waitForFinished(static_cast<int>((seconds + 60) * 1000))) return figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
        if (line.startsWith("figures "))
            figures.valid = std::sscanf(line.constData() + 8, "%lf %lf %lf %lf", &figures.pictures, &figures.steps,
                                        &figures.drawMs, &figures.snapshotMs) == 4;
    return figures;
}

// The engine alone: whole displays of the same file, on the same threads.
double engineStepsPerSecond(CClock& clock, const QString& path, int threads, double seconds)
{
    CSimulation s(clock);
    s.initWithDefaults();
    s.setOpenPath(path.toStdString());
    if (!s.readInputFile()) return 0.0;
    s.setIPD(kStepsPerDisplay);
    s.setEngineThreads(threads);
    for (int k = 0; k < 5; k++) s.runDisplay();
    const unsigned start = s.getIterations();
    const auto began = bench::Clock::now();
    double elapsed = 0;
    do {
        s.runDisplay();
        elapsed = bench::millisecondsSince(began) / 1000.0;
    } while (elapsed < seconds);
    return (s.getIterations() - start) / elapsed;
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "--window") == 0)
        return measureWindow(app, QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atof(argv[4]));

    const QString path = argc > 1 && argv[1][0] ? QString::fromLocal8Bit(argv[1])
                                                : QStringLiteral(QUORVEL_BENCH_DIR "/liquid-1600.txt");
    const double seconds = argc > 2 ? std::atof(argv[2]) : 6.0;
    const unsigned cores = std::thread::hardware_concurrency();
    std::printf("machine: %s, %u cores\n", processorName().c_str(), cores);
    std::printf("scene %s, %u steps per display, view %d x %d, %s, %.0f s per window\n",
                qPrintable(QFileInfo(path).fileName()), kStepsPerDisplay, kViewWidth, kViewHeight,
                qgetenv("QT_QPA_PLATFORM").constData(), seconds);
    std::printf("%-10s %-16s %10s %12s %10s %12s %8s\n", "threads", "drawing", "pictures/s", "steps/s", "draw ms",
                "engine alone", "window/");
    std::printf("%-10s %-16s %10s %12s %10s %12s %8s\n", "", "", "", "(window)", "(picture)", "steps/s", "alone");
    CClock clock;
    const QString program = QCoreApplication::applicationFilePath();
    double snapshotMs = 0;
    for (const int threads : {1, modelLimits::kAutomaticThreads}) {
        const double alone = engineStepsPerSecond(clock, path, threads, seconds / 2);
        const QString name = threads == modelLimits::kAutomaticThreads
                                 ? QStringLiteral("auto (%1)").arg(std::max(1u, cores))
                                 : QString::number(threads);
        double pictures[2] = {0, 0};
        for (const bool serial : {false, true}) {
            const CWindowFigures f = runWindow(program, path, threads, seconds, serial);
            if (!f.valid) {
                std::printf("%-10s %-16s (the window gave no figures)\n", qPrintable(name), serial ? "after steps" : "while stepping");
                continue;
            }
            pictures[serial] = f.pictures;
            snapshotMs = f.snapshotMs;
            std::printf("%-10s %-16s %10.1f %12.0f %10.2f %12.0f %8.2f\n", qPrintable(name),
                        serial ? "after steps" : "while stepping", f.pictures, f.steps, f.drawMs, alone,
                        alone > 0 ? f.steps / alone : 0.0);
        }
        if (pictures[1] > 0)
            std::printf("%-10s pictures/s while stepping / after steps: %.2f\n", qPrintable(name), pictures[0] / pictures[1]);
    }
    std::printf("copying the state the view draws from (%zu bytes): %.3f ms\n", sizeof(CSimulationState), snapshotMs);
    return 0;
}
