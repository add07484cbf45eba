// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what one movie frame costs at 1000 x 700 points, for each codec and
// quality, beside what one display of the run costs: how long a frame holds
// the run up as recorded (the picture the view last painted, with its fields
// and graph drawn over a copy, handed to the recorder's thread), and, for
// comparison, reading the view back and encoding on the run's thread.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_movie [simulation file]
//   (default: the hard-sphere gas example)
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchPlatform.h"
#include "BenchTiming.h"
#include "SIM/model/CSimulation.h"
#include "UI/CMovieRecorder.h"
#include "UI/CMovieWriter.h"
#include "UI/CUIView.h"
#include "UI/CUIWindow.h"
#include "UI/CViewCapture.h"

namespace {
using bench::Clock;
using bench::median;
using bench::millisecondsSince;

double worst(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

constexpr int kFrames = 40;
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral(QUORVEL_EXAMPLES_DIR "/1-hard-sphere-gas-reaching-Maxwell.txt");
    CBenchPlatform platform;
    CUIWindow window(platform);
    window.show();
    if (!window.openSimulationFile(path)) return 1;
    window.stop();
    CUIView& view = *window.UIView;
    window.resize(1000, 700 + (window.height() - view.height()));
    QApplication::processEvents();
    CSimulation& s = window.Simulation;
    std::printf("scene %s, view %d x %d, %u steps per display\n", qPrintable(QFileInfo(path).fileName()),
                view.width(), view.height(), s.getIPD());

    // One display of the run: the steps and the drawing pass.
    std::vector<double> display, grab, copy;
    std::vector<QImage> pictures;
    const CViewCapture& capture = *window.UIViewCapture;
    for (int k = 0; k < kFrames; k++) {
        auto start = Clock::now();
        s.MDCALCIterate();
        view.setNeedsDisplay();
        view.repaint();
        display.push_back(millisecondsSince(start));
        // The painted picture first: reading back paints the view again.
        start = Clock::now();
        QImage kept = capture.lastShownImage();
        copy.push_back(millisecondsSince(start));
        start = Clock::now();
        pictures.push_back(capture.viewImage());
        grab.push_back(millisecondsSince(start));
    }
    std::printf("%-28s median %7.2f ms   worst %7.2f ms\n", "one display (steps + draw)", median(display),
                worst(display));
    std::printf("%-28s median %7.2f ms   worst %7.2f ms\n", "reading the view back", median(grab), worst(grab));
    std::printf("%-28s median %7.2f ms   worst %7.2f ms\n", "the last painted picture", median(copy), worst(copy));

    QTemporaryDir dir;
    struct Case {
        const char* name;
        int codec, quality;
    } cases[] = {{"H.264, quality maximum", 0, 0}, {"H.264, quality normal", 0, 2},
                 {"H.264, quality minimum", 0, 4}, {"uncompressed RGB", 1, 2}};
    for (const Case& c : cases) {
        CMovieWriter writer;
        CMovieFormat format;
        format.codec = c.codec;
        format.quality = c.quality;
        format.width = pictures[0].width();
        format.height = pictures[0].height();
        const std::string file = dir.filePath(QStringLiteral("bench-%1-%2.mov").arg(c.codec).arg(c.quality)).toStdString();
        if (const std::string error = writer.open(file, format); !error.empty()) {
            std::printf("%s: %s\n", c.name, error.c_str());
            return 1;
        }
        std::vector<double> append;
        for (const QImage& picture : pictures) {
            const auto start = Clock::now();
            if (const std::string error = writer.addFrame(picture); !error.empty()) {
                std::printf("%s: %s\n", c.name, error.c_str());
                return 1;
            }
            append.push_back(millisecondsSince(start));
        }
        writer.close();
        const double kib = QFileInfo(QString::fromStdString(file)).size() / 1024.0 / kFrames;
        std::printf("%-28s encode median %7.2f ms   worst %7.2f ms   (read back + encode: %6.2f ms)   %8.1f KiB per frame\n",
                    c.name, median(append), worst(append), median(grab) + median(append), kib);

        // As recorded, twice. Paced: each display starts once the recorder
        // has written the frames before it, as when the encoder keeps up with
        // the run; the hold-up is then what taking the frame and queueing it
        // costs the tick. Back to back: displays follow each other at once,
        // so a slower encoder makes the run wait for it (the queue is bounded);
        // the displays per second show that pace beside the unrecorded one.
        CMovieRecorder recorder;
        if (const std::string error = recorder.open(file, format); !error.empty()) {
            std::printf("%s: %s\n", c.name, error.c_str());
            return 1;
        }
        std::vector<double> holdUp, holdUpCpu;
        for (int k = 0; k < kFrames; k++) {
            recorder.waitUntilWritten();
            s.MDCALCIterate();
            view.setNeedsDisplay();
            view.repaint();
            const auto start = Clock::now();
            const double cpuStart = bench::threadCpuMilliseconds();
            recorder.addFrame(capture.lastShownImage());
            holdUpCpu.push_back(bench::threadCpuMilliseconds() - cpuStart);
            holdUp.push_back(millisecondsSince(start));
        }
        recorder.waitUntilWritten();
        const auto backToBack = Clock::now();
        for (int k = 0; k < kFrames; k++) {
            s.MDCALCIterate();
            view.setNeedsDisplay();
            view.repaint();
            recorder.addFrame(capture.lastShownImage());
        }
        recorder.waitUntilWritten();
        const double recordedPace = kFrames / (millisecondsSince(backToBack) / 1000.0);
        const std::string error = recorder.close();
        std::printf("%-28s hold-up median %7.2f ms   worst %7.2f ms   (encoder keeping up; processor time %.2f ms median)\n",
                    "", median(holdUp), worst(holdUp), median(holdUpCpu));
        std::printf("%-28s back to back %6.1f displays/s recorded, %6.1f unrecorded   (%d frames written%s%s)\n", "",
                    recordedPace, 1000.0 / median(display), recorder.framesWritten(), error.empty() ? "" : ", ",
                    error.c_str());
    }
    return 0;
}
