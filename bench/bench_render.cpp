// Prints how long one picture of a scene takes on the QPainter surface, and
// how much of it the depth sort takes.
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "SIM/CSimulation.h"
#include "RENDER/CQPainterSurface.h"

namespace {
using bench::Clock;
using bench::median;
using bench::millisecondsSince;
}  // namespace

int main(int argc, char** argv)
{
    std::string path = argc > 1 ? argv[1] : std::string(QUORVEL_BENCH_DIR) + "/liquid-1600.txt";
    CConsolePlatform platform;
    auto simulation = std::make_unique<CSimulation>(platform);
    CSimulation& s = *simulation;
    s.initWithDefaults();
    s.setOpenPath(path);
    if (!s.readInputFile()) return 1;

    const int width = 1000, height = 700, rounds = 50;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> mono, stereo, sorting, atoms, shadows;
    for (int k = 0; k < rounds; k++) {
        QPainter painter(&image);
        CQPainterSurface surface(painter, height);
        auto start = Clock::now();
        s.drawPicture(surface, width, height, false);
        mono.push_back(millisecondsSince(start));
        start = Clock::now();
        s.drawPicture(surface, width, height, true);
        stereo.push_back(millisecondsSince(start));
        start = Clock::now();
        s.updateZBuffer();
        sorting.push_back(millisecondsSince(start));
        surface.translateOrigin(width / 2, height / 2);
        start = Clock::now();
        s.drawAtoms(surface);
        atoms.push_back(millisecondsSince(start));
        start = Clock::now();
        s.drawAtomShadows(surface);
        shadows.push_back(millisecondsSince(start));
    }
    double monoMs = median(mono), sortMs = median(sorting);
    std::printf("%s: %d atoms, %dx%d picture on the QPainter surface, median of %d\n", path.c_str(), s.totalAtoms,
                width, height, rounds);
    std::printf("  mono picture   %7.2f ms (best %.2f ms)\n", monoMs, *std::min_element(mono.begin(), mono.end()));
    std::printf("  stereo pair    %7.2f ms\n", median(stereo));
    std::printf("  of which atoms %7.2f ms, shadows %.2f ms\n", median(atoms), median(shadows));
    std::printf("  depth sort     %7.3f ms = %.1f %% of a mono picture\n", sortMs, 100.0 * sortMs / monoMs);
    return 0;
}
