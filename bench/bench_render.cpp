// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long one picture of a scene takes on the QPainter surface, how
// much of it the depth sort takes, and what a picture costs at device pixel
// ratio 2 (a scaled screen) against ratio 1, both measured in the same run.
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "RENDER/CQPainterSurface.h"
#include "RENDER/CScene.h"
#include "SIM/model/CSimulation.h"

namespace {
using bench::Clock;
using bench::median;
using bench::millisecondsSince;

constexpr int kWidth = 1000, kHeight = 700, kRounds = 50;

struct CPictureTimes {
    std::vector<double> mono, stereo, sorting, atoms, shadows;
};

// One round at the given ratio: the image holds ratio times the pixels of the
// logical size, as the view's frame does on a scaled screen.
void timeRound(CScene& scene, QImage& image, CPictureTimes& times)
{
    QPainter painter(&image);
    CQPainterSurface surface(painter, kHeight);
    auto start = Clock::now();
    scene.drawPicture(surface, kWidth, kHeight, false);
    times.mono.push_back(millisecondsSince(start));
    start = Clock::now();
    scene.drawPicture(surface, kWidth, kHeight, true);
    times.stereo.push_back(millisecondsSince(start));
    start = Clock::now();
    scene.project();
    times.sorting.push_back(millisecondsSince(start));
    surface.translateOrigin(kWidth / 2, kHeight / 2);
    start = Clock::now();
    scene.drawAtoms(surface);
    times.atoms.push_back(millisecondsSince(start));
    start = Clock::now();
    scene.drawAtomShadows(surface);
    times.shadows.push_back(millisecondsSince(start));
}

QImage imageAtRatio(int ratio)
{
    QImage image(kWidth * ratio, kHeight * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

double best(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }
}  // namespace

int main(int argc, char** argv)
{
    std::string path = argc > 1 ? argv[1] : std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt";
    CClock clock;
    auto simulation = std::make_unique<CSimulation>(clock);
    CSimulation& s = *simulation;
    s.initWithDefaults();
    s.setOpenPath(path);
    if (!s.readInputFile()) return 1;
    CScene scene(s.state());

    // The two ratios take turns, so a changing load weighs on both alike.
    QImage single = imageAtRatio(1), doubled = imageAtRatio(2);
    CPictureTimes atOne, atTwo;
    for (int k = 0; k < kRounds; k++) {
        timeRound(scene, single, atOne);
        timeRound(scene, doubled, atTwo);
    }
    const double monoMs = median(atOne.mono), sortMs = median(atOne.sorting), doubledMs = median(atTwo.mono);
    std::printf("%s: %d atoms, %dx%d points on the QPainter surface, median of %d\n", path.c_str(), s.state().atoms.totalAtoms,
                kWidth, kHeight, kRounds);
    std::printf("  ratio 1: mono picture %7.2f ms (best %.2f ms)\n", monoMs, best(atOne.mono));
    std::printf("           stereo pair  %7.2f ms\n", median(atOne.stereo));
    std::printf("           of which atoms %.2f ms, shadows %.2f ms\n", median(atOne.atoms), median(atOne.shadows));
    std::printf("           depth sort   %7.3f ms = %.1f %% of a mono picture\n", sortMs, 100.0 * sortMs / monoMs);
    std::printf("  ratio 2: mono picture %7.2f ms (best %.2f ms) = %.0f pictures per second\n", doubledMs,
                best(atTwo.mono), 1000.0 / doubledMs);
    std::printf("           stereo pair  %7.2f ms\n", median(atTwo.stereo));
    std::printf("           of which atoms %.2f ms, shadows %.2f ms\n", median(atTwo.atoms), median(atTwo.shadows));
    std::printf("  ratio 2 / ratio 1: %.2fx the time for 4x the pixels\n", doubledMs / monoMs);
    return 0;
}
