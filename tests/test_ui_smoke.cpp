// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window after a few ticks, as the user sees it; and the speed the
// running application reaches (a measurement, run on request only).
#include <QElapsedTimer>
#include <QImage>

#include <cstdio>

#include "support/ui/UiWindowFixture.h"
#include "UI/CUIGraph.h"

namespace {
class SmokeTest : public UiWindowTest {};

// Pixels of clearly coloured (not grey) paint: the atoms; the box, the axes
// and the texts are grey, white or blue-grey.
int colouredPixels(const QImage& image, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); y++)
        for (int x = area.left(); x <= area.right(); x++) {
            const QColor c = image.pixelColor(x, y);
            const int high = std::max({c.red(), c.green(), c.blue()});
            const int low = std::min({c.red(), c.green(), c.blue()});
            if (high - low > 80) count++;
        }
    return count;
}

TEST_F(SmokeTest, RunningWindowShowsAtomsAndItsNumbers)
{
    window->run();
    settle(200);
    window->stop();
    EXPECT_GT(s->getIterations(), 0u);
    const QImage shot = window->grab().toImage();
    if (const QByteArray path = qgetenv("QUORVEL_UI_SHOT"); !path.isEmpty()) shot.save(QString::fromLocal8Bit(path));
    const QRect viewArea = view->geometry();
    const QRect middle(viewArea.center() - QPoint(150, 150), QSize(300, 300));
    EXPECT_GT(colouredPixels(shot, middle), 50) << "atoms drawn in the middle of the view";
    EXPECT_EQ(window->UIDisplay->runFlagField->text(), "STOPPED");
    EXPECT_TRUE(window->windowTitle().startsWith("Quorvel"));
}

// Displays per second, read from the application's own speed meter:
//   QUORVEL_SPEED_FILE=bench/scenarios/liquid-1600.txt
//     build/tests/quorvel_ui_tests --gtest_also_run_disabled_tests --gtest_filter='ApplicationSpeed.*'
TEST(ApplicationSpeed, DISABLED_DisplaysPerSecond)
{
    struct RealClock : ScriptedPlatform {
        double now() override { return CPlatform::now(); }
    } platform;
    CUIWindow window(platform);
    window.show();
    CSimulation& s = window.Simulation;
    const QByteArray file = qgetenv("QUORVEL_SPEED_FILE");
    if (!file.isEmpty()) {
        ASSERT_TRUE(window.openSimulationFile(QString::fromLocal8Bit(file)));
    }
    s.setIPD(100);
    window.run();
    UiWindowTest::settle(8000);
    const QString ips = window.UIDisplay->ipsField->text();
    if (const QByteArray path = qgetenv("QUORVEL_UI_SHOT"); !path.isEmpty())
        window.grab().save(QString::fromLocal8Bit(path));
    std::printf("%s: %s, %.1f displays per second\n", file.isEmpty() ? "default simulation" : file.constData(),
                qPrintable(ips), s.getIPS() / s.getIPD());
    window.stop();
}
}  // namespace
