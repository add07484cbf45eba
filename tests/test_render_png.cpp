// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures on the QPainter surface, looked at pixel by pixel: one atom of
// each colour at known places, the floor and a shadow, the stereo halves,
// the written files and the batch runner's --render.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "RENDER/CQPainterSurface.h"
#include "RENDER/CScene.h"
#include "RENDER/CScenePicture.h"
#include "support/SimulationFixture.h"

namespace {
// In the default view 1e-10 m level with the centre is 20 points on the
// screen, and atoms there are 60 points across.
constexpr double kStep = 1e-10;

// The four known atoms are all a little farther from the eye than the centre.
double knownShade()
{
    return 0.6 - 0.3 * (std::sqrt(2.5e-9 * 2.5e-9 + 15.25e-20) - 2.5e-9) / 6e-10;
}

// Channels of a pixel within a few levels of the expected 0..1 values.
void expectPixel(const QImage& image, int x, int y, double r, double g, double b, int tolerance = 3)
{
    const QColor c = image.pixelColor(x, y);
    EXPECT_NEAR(c.red(), r * 255, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(c.green(), g * 255, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(c.blue(), b * 255, tolerance) << "at " << x << "," << y;
    EXPECT_EQ(c.alpha(), 255) << "at " << x << "," << y;
}
}  // namespace

class RenderTest : public SimulationTest {
protected:
    // Atom centres on a 400x300 picture (origin at pixel 200,150, y down):
    // A (140,100), B (260,100), C (140,200), D (260,200).
    void SetUp() override
    {
        SimulationTest::SetUp();
        removeAllAtoms();
        place(0, 0, -3 * kStep, 2.5 * kStep);
        place(1, 0, 3 * kStep, 2.5 * kStep);
        place(2, 0, -3 * kStep, -2.5 * kStep);
        place(3, 0, 3 * kStep, -2.5 * kStep);
    }
};

TEST_F(RenderTest, KnownSceneHasShadedAtomsHighlightsFloorAndShadowAtTheirPlaces)
{
    const QImage image = renderScenePicture(s.state(), QSize(400, 300), false);
    ASSERT_EQ(image.size(), QSize(400, 300));
    expectPixel(image, 2, 2, 0, 0, 0);  // opaque black background
    expectPixel(image, 397, 297, 0, 0, 0);

    // Shade 0.5848.
    const double shade = knownShade();
    CScene scene(s.state());
    scene.project();
    ASSERT_NEAR(scene.depthEntry(0).shade, shade, 1e-9);
    // Bodies, away from the highlight (up and to the right).
    expectPixel(image, 140 - 8, 100 + 8, shade, 0, 0);
    expectPixel(image, 260 - 8, 100 + 8, 0, 0, shade);
    expectPixel(image, 140 - 8, 200 + 8, 0, shade, 0);
    expectPixel(image, 260 - 8, 200 + 8, shade, shade, 0);
    // Highlights: 1.5 times the shade, centred 10.5 points up and right.
    expectPixel(image, 140 + 10, 100 - 10, 1.5 * shade, 0, 0);
    expectPixel(image, 260 + 10, 200 - 10, 1.5 * shade, 1.5 * shade, 0);
    // Just outside a disc of radius 30 nothing of the atom is drawn.
    expectPixel(image, 140 - 33, 100, 0, 0, 0);

    // The floor, seen from just above, spans 83 to 125 points below the
    // centre; it is opaque grey 0.2 and C's shadow darkens it 100 below C.
    expectPixel(image, 200, 150 + 105, 0.2, 0.2, 0.2);
    expectPixel(image, 140, 150 + 100, 0.1625, 0.1625, 0.1625);
}

namespace {
// The 400x300 point scene painted at a device pixel ratio, as the view paints
// it on a scaled screen. Stamping needs a premultiplied image; on a plain
// ARGB32 image every disc goes through QPainter's own ellipse.
QImage pictureAtRatio(const CSimulation& s, qreal ratio, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage image(static_cast<int>(std::lround(400 * ratio)), static_cast<int>(std::lround(300 * ratio)), format);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    CQPainterSurface surface(painter, 300);
    CScene(s.state()).drawPicture(surface, 400, 300, false);
    return image;
}

// Pixels of a region that are neither background nor a disc's flat colour:
// the edges. A sharp picture at twice the ratio has twice the edge pixels (the
// edge is twice as long in pixels); one scaled up from ratio 1 has four times.
int partlyCoveredPixels(const QImage& image, QRect region)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); y++)
        for (int x = region.left(); x <= region.right(); x++) {
            const int red = image.pixelColor(x, y).red();
            if (red > 12 && red < 136) count++;  // the body is about 149, its highlight brighter
        }
    return count;
}
}  // namespace

TEST_F(RenderTest, DiscsStampedIntoTheImageMatchThePaintersOwnEllipsesAtEveryRatio)
{
    StateEdit(s)->atoms.sel[1][0] = 1;
    s.setAngles(0.4, 1.1);
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage stamped = pictureAtRatio(s, ratio);
        const QImage painted = pictureAtRatio(s, ratio, QImage::Format_ARGB32);
        int differing = 0;
        for (int y = 0; y < stamped.height(); y++)
            for (int x = 0; x < stamped.width(); x++) {
                const QColor a = stamped.pixelColor(x, y), b = painted.pixelColor(x, y);
                const int d = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                        std::abs(a.blue() - b.blue())});
                // Only edge pixels differ, by at most a quarter-pixel shift of the edge.
                ASSERT_LE(d, 32) << "at " << x << "," << y;
                if (d > 4) differing++;
            }
        EXPECT_LT(differing, stamped.width() * stamped.height() / 100);
    }
}

TEST_F(RenderTest, AtRatioTwoTheSceneHasTwiceThePixelsInTheSamePlacesWithSharpEdges)
{
    const QImage single = pictureAtRatio(s, 1.0), doubled = pictureAtRatio(s, 2.0);
    ASSERT_EQ(doubled.size(), QSize(800, 600));
    const double shade = knownShade();
    expectPixel(doubled, 2 * (140 - 8), 2 * (100 + 8), shade, 0, 0);
    expectPixel(doubled, 2 * (260 - 8), 2 * (200 + 8), shade, shade, 0);
    expectPixel(doubled, 2 * (140 + 10), 2 * (100 - 10), 1.5 * shade, 0, 0);
    expectPixel(doubled, 2 * (140 - 33), 2 * 100, 0, 0, 0);
    expectPixel(doubled, 2 * 140, 2 * 250, 0.1625, 0.1625, 0.1625);  // C's shadow on the floor

    // Atom A and its highlight, alone on black.
    const int singleEdges = partlyCoveredPixels(single, QRect(105, 65, 70, 70));
    const int doubledEdges = partlyCoveredPixels(doubled, QRect(210, 130, 140, 140));
    ASSERT_GT(singleEdges, 50);
    EXPECT_GT(doubledEdges, 1.6 * singleEdges);
    EXPECT_LT(doubledEdges, 2.6 * singleEdges) << "the edges are blurred, as if scaled up";
}

TEST_F(RenderTest, SelectedBlackAtomIsOutlinedInWhite)
{
    s.setRed(3, 0);
    s.setGreen(3, 0);
    StateEdit(s)->atoms.sel[3][0] = 1;
    const QImage image = renderScenePicture(s.state(), QSize(400, 300), false);
    expectPixel(image, 260 - 8, 200 + 8, 0, 0, 0);
    // The outline is 4.5 points wide, centred on the disc's edge.
    expectPixel(image, 260 - 30, 200, 1, 1, 1, 40);
}

TEST_F(RenderTest, AtomsWithoutAPlaceOrFarOffTheScreenPaintNothing)
{
    StateEdit(s)->atoms.loc[0][0].setXYZ(NAN, NAN, NAN);
    StateEdit(s)->atoms.loc[1][0].setXYZ(0, 1e-6, 0);
    const QImage image = renderScenePicture(s.state(), QSize(400, 300), false);
    expectPixel(image, 140 - 8, 100 + 8, 0, 0, 0);
    expectPixel(image, 260 - 8, 100 + 8, 0, 0, 0);
    expectPixel(image, 140 - 8, 200 + 8, 0, knownShade(), 0);
}

TEST_F(RenderTest, StereoPairCentresEachViewInItsHalf)
{
    removeAllAtoms();
    place(0, 0, 0, 0);
    const QImage image = renderScenePicture(s.state(), QSize(800, 300), true);
    expectPixel(image, 200 - 8, 150 + 8, 0.6, 0, 0);  // left: the current view
    expectPixel(image, 400, 150, 0, 0, 0);
    // Right: turning the view by -0.04 rad leaves the centre atom in place.
    expectPixel(image, 600 - 8, 150 + 8, 0.6, 0, 0);
}

TEST_F(RenderTest, PicturesAreWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage image = renderScenePicture(s.state(), QSize(120, 80), false);
    const QString png = dir.filePath("scene.png");
    EXPECT_TRUE(writeImageAtomically(image, png).isEmpty());
    QImage back(png);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), QSize(120, 80));
    EXPECT_EQ(back.convertToFormat(image.format()), image);  // lossless, every pixel

    EXPECT_FALSE(writeImageAtomically(image, dir.filePath("missing/scene.png")).isEmpty());
    EXPECT_FALSE(writeImageAtomically(image, dir.filePath("scene.unknownformat")).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("scene.unknownformat")));
}

TEST(RenderBatch, RenderOptionWritesThePictureAfterTheRun)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string mono = dir.filePath("mono.png").toStdString();
    const std::string stereo = dir.filePath("stereo.png").toStdString();
    const std::string batch = QUORVEL_BATCH;
    const std::string scenario = std::string(QUORVEL_BENCH_DIR) + "/liquid-400.txt";
    ASSERT_EQ(std::system((batch + " " + scenario + " --ticks 1 --render " + mono + " 2>/dev/null").c_str()), 0);
    ASSERT_EQ(std::system((batch + " --render " + stereo + " --size 300x200 --stereo 2>/dev/null").c_str()), 0);
    EXPECT_EQ(QImage(QString::fromStdString(mono)).size(), QSize(1000, 700));
    EXPECT_EQ(QImage(QString::fromStdString(stereo)).size(), QSize(300, 200));
    EXPECT_NE(std::system((batch + " --render " + mono + " --size 0x5 2>/dev/null").c_str()), 0);
}
