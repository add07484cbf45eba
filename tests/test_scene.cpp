// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's geometry, colours and painter's order, checked on a recording
// surface: depth order, atom discs, outlines and highlights, floor shadows,
// box and piston layers, and the axes overlay.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "RENDER/CScene.h"
#include "support/RecordingSurface.h"
#include "support/SimulationFixture.h"

namespace {
// Default view: eye 2.5e-9 m away on the +x axis, eye plane 1e-10 m, scale
// 5e12, atoms 3e-10 m across, box half width 5e-10 m.
constexpr double kEyeR = 2.5e-9, kHalf = 5e-10;

void expectColour(const RecordedShape& shape, double r, double g, double b, double a, CColorSpace space)
{
    EXPECT_NEAR(shape.r, r, 1e-6);
    EXPECT_NEAR(shape.g, g, 1e-6);
    EXPECT_NEAR(shape.b, b, 1e-6);
    EXPECT_NEAR(shape.a, a, 1e-6);
    EXPECT_EQ(shape.space, space);
}

void expectOval(const RecordedShape& shape, double x, double y, double w, double h, double tolerance = 1e-9)
{
    ASSERT_TRUE(shape.isOval());
    EXPECT_NEAR(shape.element(0).x, x, tolerance);
    EXPECT_NEAR(shape.element(0).y, y, tolerance);
    EXPECT_NEAR(shape.element(0).width, w, tolerance);
    EXPECT_NEAR(shape.element(0).height, h, tolerance);
}

bool sameColour(const RecordedShape& shape, double r, double g, double b, double a)
{
    return std::fabs(shape.r - r) < 1e-9 && std::fabs(shape.g - g) < 1e-9 && std::fabs(shape.b - b) < 1e-9 &&
           std::fabs(shape.a - a) < 1e-9;
}

int indexOfColour(const RecordingSurface& surface, double r, double g, double b, double a)
{
    for (size_t k = 0; k < surface.shapes.size(); k++)
        if (sameColour(surface.shapes[k], r, g, b, a)) return static_cast<int>(k);
    return -1;
}
}  // namespace

class SceneTest : public SimulationTest {
protected:
    RecordingSurface surface;
    CScene scene{s.state()};

    const CDepthEntry& entry(int k) const { return scene.depthEntry(k); }

    void SetUp() override
    {
        SimulationTest::SetUp();
        removeAllAtoms();
    }
};

// ------------------------------------------------------------------ depth order

TEST_F(SceneTest, DepthOrderIsFarthestFirstWithTiesInTypeMajorOrder)
{
    place(1, 0, 1e-10, 0);   // B, level with the centre
    place(0, 0, -1e-10, 0);  // A, at the same distance as B
    place(3, -2e-10, 0, 0);  // D, farthest
    place(2, 2e-10, 0, 0);   // C, nearest
    scene.project();
    EXPECT_EQ(entry(0).atom.type, 3);
    EXPECT_EQ(entry(1).atom.type, 0);  // the tie keeps type A under type B
    EXPECT_EQ(entry(2).atom.type, 1);
    EXPECT_EQ(entry(3).atom.type, 2);
    EXPECT_GE(entry(0).distance, entry(1).distance);
}

// Many equal distances, in shuffled types and slots: the order must be the
// one an exchange sort that never swaps equal keys leaves behind.
TEST_F(SceneTest, DepthOrderMatchesAnExchangeSortOnManyTies)
{
    srandom(7);
    for (int k = 0; k < 600; k++) {
        double shell = 1e-10 * static_cast<double>(random() % 5);
        double sign = random() % 2 ? 1.0 : -1.0;
        place(static_cast<int>(random() % 4), shell * (random() % 2 ? 1 : -1), sign * 1e-10, 0);
    }
    s.changeAngles(0.3, -0.2);
    scene.project();

    // The reference: type-major start, swaps only where strictly nearer.
    std::vector<std::pair<int, int>> atoms;
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) atoms.push_back({t, i});
    auto distance = [&](const std::pair<int, int>& a) {
        CVector d;
        return d.equalsSub(s.state().display.View.getEye(), s.state().atoms.loc[a.first][a.second]).length();
    };
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t i = 0; i + 1 < atoms.size(); i++)
            if (distance(atoms[i]) < distance(atoms[i + 1])) {
                std::swap(atoms[i], atoms[i + 1]);
                swapped = true;
            }
    }
    for (size_t i = 0; i < atoms.size(); i++) {
        ASSERT_EQ(entry(static_cast<int>(i)).atom.type, atoms[i].first) << "entry " << i;
        ASSERT_EQ(entry(static_cast<int>(i)).atom.index, atoms[i].second) << "entry " << i;
    }
}

TEST_F(SceneTest, AtomsWithoutAPlaceSortLastAndLeaveTheOthersInOrder)
{
    for (int k = 0; k < 200; k++) place(k % 4, 1e-12 * (k % 7), 1e-12 * (k % 3), 0);
    StateEdit(s)->atoms.loc[2][10].setXYZ(NAN, 0, 0);
    scene.project();
    EXPECT_EQ(entry(199).atom.type, 2);
    EXPECT_EQ(entry(199).atom.index, 10);
    for (int k = 0; k + 2 < 200; k++) ASSERT_GE(entry(k).distance, entry(k + 1).distance) << "entry " << k;
}

// ------------------------------------------------------------------ atoms

TEST_F(SceneTest, AtomAtTheCentreIsSixtyPointsAcrossAtShadeSixTenthsWithItsHighlight)
{
    place(0, 0, 0, 0);
    scene.project();
    EXPECT_EQ(entry(0).diameter, 60);
    EXPECT_DOUBLE_EQ(entry(0).shade, 0.6);
    scene.drawAtoms(surface);

    ASSERT_EQ(surface.shapes.size(), 2u);  // body and highlight, no outline
    const RecordedShape& body = surface.shapes[0];
    EXPECT_EQ(body.paint, RecordedShape::fill);
    expectOval(body, -30, -30, 60, 60);
    expectColour(body, 0.6, 0, 0, 1, CColorSpace::calibrated);
    // A quarter of the diameter, centred 0.175 D above and right of the centre.
    const RecordedShape& highlight = surface.shapes[1];
    expectOval(highlight, 10.5 - 7.5, 10.5 - 7.5, 15, 15);
    expectColour(highlight, 0.9, 0, 0, 1, CColorSpace::calibrated);
}

TEST_F(SceneTest, ShadesFollowTheDistanceFromTheEyeAndHighlightsClampAtOne)
{
    s.setRed(3, 0.8f);
    place(3, 4e-10, 0, 0);  // 0.8 of the way from the centre towards the near edge of w
    scene.project();
    EXPECT_NEAR(entry(0).shade, 0.8, 1e-12);
    EXPECT_DOUBLE_EQ(scene.atomShade(kEyeR - 1.2 * kHalf), 0.9);
    EXPECT_NEAR(scene.atomShade(kEyeR + 1.2 * kHalf), 0.3, 1e-15);
    scene.drawAtoms(surface);
    ASSERT_EQ(surface.shapes.size(), 2u);
    expectColour(surface.shapes[0], 0.64, 0.8, 0, 1, CColorSpace::calibrated);
    expectColour(surface.shapes[1], 0.96, 1.0, 0, 1, CColorSpace::calibrated);  // green 1.2 counts as 1
}

TEST_F(SceneTest, SelectionOutlinesAreTheHueAtFullBrightnessAndAtLeastTwoPointsWide)
{
    StateEdit(s)->types.diam[1] = 1e-10;      // 20 points across at the centre's depth
    place(0, 0, 0, 0);      // A, red, 60 points
    place(1, 0, 2e-10, 0);  // B, blue, 20 points
    {
        StateEdit edit(s);
        edit->atoms.sel[0][0] = edit->atoms.sel[1][0] = 1;
    }
    scene.project();
    ASSERT_EQ(entry(0).atom.type, 1);
    ASSERT_EQ(entry(0).diameter, 20);
    ASSERT_EQ(entry(1).diameter, 60);
    scene.drawAtoms(surface);

    ASSERT_EQ(surface.shapes.size(), 6u);
    const RecordedShape& smallOutline = surface.shapes[1];
    EXPECT_EQ(smallOutline.paint, RecordedShape::stroke);
    EXPECT_EQ(smallOutline.lineWidth, 2.0);
    expectColour(smallOutline, 0, 0, 1, 1, CColorSpace::calibrated);
    expectOval(smallOutline, surface.shapes[0].element(0).x, surface.shapes[0].element(0).y, 20, 20);
    const RecordedShape& largeOutline = surface.shapes[4];
    EXPECT_EQ(largeOutline.paint, RecordedShape::stroke);
    EXPECT_DOUBLE_EQ(largeOutline.lineWidth, 4.5);
    expectColour(largeOutline, 1, 0, 0, 1, CColorSpace::calibrated);

    // The factor that brings a shaded colour to full brightness.
    EXPECT_EQ(CScene::outlineFactor(0.5, 1.0f, 0.0f, 0.0f), 2.0f);
    EXPECT_EQ(CScene::outlineFactor(0.5, 0.5f, 0.0f, 0.25f), 4.0f);
}

TEST_F(SceneTest, BlackAtomsGetAWhiteSelectionOutline)
{
    s.setRed(2, 0);
    s.setGreen(2, 0);
    s.setBlue(2, 0);
    place(2, 0, 0, 0);
    StateEdit(s)->atoms.sel[2][0] = 1;
    scene.project();
    scene.drawAtoms(surface);
    ASSERT_EQ(surface.shapes.size(), 3u);
    expectColour(surface.shapes[0], 0, 0, 0, 1, CColorSpace::calibrated);
    EXPECT_EQ(surface.shapes[1].paint, RecordedShape::stroke);
    expectColour(surface.shapes[1], 1, 1, 1, 1, CColorSpace::calibrated);
}

TEST_F(SceneTest, NoAtomsDrawNothing)
{
    scene.project();
    scene.drawAtoms(surface);
    scene.drawAtomShadows(surface);
    EXPECT_TRUE(surface.shapes.empty());
}

// ------------------------------------------------------------------ shadows

TEST_F(SceneTest, ShadowLiesStraightBelowTheAtomFlattenedByTheViewingAngle)
{
    place(0, 0, 0, 0);
    scene.project();
    scene.drawAtomShadows(surface);
    ASSERT_EQ(surface.shapes.size(), 1u);
    const RecordedShape& shadow = surface.shapes[0];
    // The floor point below the centre is h below it on the screen: 100 points.
    const double floorDistance = std::sqrt(kEyeR * kEyeR + kHalf * kHalf);
    const double width = 60 * kEyeR / floorDistance, height = width * kHalf / floorDistance;
    expectOval(shadow, -0.5 * width, -100 - 0.5 * height, width, height, 1e-5);
    expectColour(shadow, 0.15, 0.15, 0.15, 0.75, CColorSpace::calibrated);

    // Seen from straight above the shadow is a circle.
    surface.shapes.clear();
    s.setAngles(0, 0);
    scene.project();
    scene.drawAtomShadows(surface);
    ASSERT_EQ(surface.shapes.size(), 1u);
    EXPECT_DOUBLE_EQ(surface.shapes[0].element(0).width, surface.shapes[0].element(0).height);
}

// ------------------------------------------------------------------ box and piston

TEST_F(SceneTest, DefaultViewHasOnlyTheNearSideInFrontAndTheFloorBehind)
{
    place(0, 0, 0, 0);
    scene.project();
    EXPECT_EQ(scene.boxFaceLayer(0), CSceneLayer::inFrontOfAtoms);
    for (int face = 1; face < 6; face++) EXPECT_EQ(scene.boxFaceLayer(face), CSceneLayer::behindAtoms) << "face " << face;

    scene.drawBox(surface, CSceneLayer::inFrontOfAtoms);
    ASSERT_EQ(surface.shapes.size(), 4u);  // the four edges of x = +h, nothing filled
    for (const RecordedShape& edge : surface.shapes) {
        EXPECT_EQ(edge.paint, RecordedShape::stroke);
        EXPECT_EQ(edge.lineWidth, 1.0);
        EXPECT_EQ(edge.space, CColorSpace::device);
        EXPECT_GT(edge.r, 0.7);  // nearer than the centre: brighter than 0.7
        EXPECT_LE(edge.r, 1.0);
    }

    surface.shapes.clear();
    scene.drawBox(surface, CSceneLayer::behindAtoms);
    // Faces 1 to 4 edges, then the floor fill, the shadow, the floor's edges.
    ASSERT_EQ(surface.shapes.size(), 16u + 1 + 1 + 4);
    const RecordedShape& floor = surface.shapes[16];
    EXPECT_EQ(floor.paint, RecordedShape::fill);
    expectColour(floor, 0.2, 0.2, 0.2, 1, CColorSpace::device);
    ASSERT_EQ(floor.path.size(), 5u);
    const int corners[5] = {1, 2, 6, 5, 1};
    for (int k = 0; k < 5; k++) {
        EXPECT_EQ(floor.element(k).x, scene.boxCorner(corners[k]).x);
        EXPECT_EQ(floor.element(k).y, scene.boxCorner(corners[k]).y);
    }
    expectColour(surface.shapes[17], 0.15, 0.15, 0.15, 0.75, CColorSpace::calibrated);
    EXPECT_DOUBLE_EQ(scene.edgeShade(kEyeR), 0.7);
    EXPECT_DOUBLE_EQ(scene.edgeShade(kEyeR - 1.2 * kHalf), 1.0);
}

TEST_F(SceneTest, FromBelowTheOpaqueFloorIsPaintedOverTheAtoms)
{
    place(0, 0, 0, 0);
    s.setAngles(0, M_PI);
    scene.drawScene(surface);
    for (int face = 0; face < 5; face++) EXPECT_EQ(scene.boxFaceLayer(face), CSceneLayer::behindAtoms) << "face " << face;
    EXPECT_EQ(scene.boxFaceLayer(5), CSceneLayer::inFrontOfAtoms);
    const int atom = indexOfColour(surface, entry(0).shade, 0, 0, 1);
    const int floor = indexOfColour(surface, 0.2, 0.2, 0.2, 1);
    ASSERT_GE(atom, 0);
    EXPECT_GT(floor, atom);

    // With box and floor hidden the shadows still lie on the floor's side.
    CScene fresh(s.state());
    s.setBoxShowFlag(0);
    s.setBoxFloorShowFlag(0);
    surface.shapes.clear();
    fresh.drawScene(surface);
    const int shadow = indexOfColour(surface, 0.15, 0.15, 0.15, 0.75);
    EXPECT_GT(shadow, indexOfColour(surface, fresh.depthEntry(0).shade, 0, 0, 1));
}

TEST_F(SceneTest, PistonIsBehindTheAtomsFromBelowItAndInFrontFromAbove)
{
    place(0, 0, 0, 0);
    s.setPistonUsed(1);
    scene.project();
    EXPECT_EQ(scene.pistonLayer(), CSceneLayer::behindAtoms);  // the eye is level with the centre, below the piston
    scene.drawPiston(surface, CSceneLayer::inFrontOfAtoms);
    EXPECT_TRUE(surface.shapes.empty());
    scene.drawPiston(surface, CSceneLayer::behindAtoms);
    ASSERT_EQ(surface.shapes.size(), 5u);
    expectColour(surface.shapes[0], 0.7, 0.7, 0.7, 0.6, CColorSpace::device);
    ASSERT_EQ(surface.shapes[0].path.size(), 5u);
    EXPECT_EQ(surface.shapes[0].element(4).x, scene.pistonCorner(0).x);

    surface.shapes.clear();
    s.setAngles(0, 0.3);
    scene.drawScene(surface);
    EXPECT_EQ(scene.pistonLayer(), CSceneLayer::inFrontOfAtoms);
    const int atom = indexOfColour(surface, entry(0).shade, 0, 0, 1);
    const int piston = indexOfColour(surface, 0.7, 0.7, 0.7, 0.6);
    ASSERT_GE(atom, 0);
    EXPECT_GT(piston, atom);
}

// ------------------------------------------------------------------ axes

TEST_F(SceneTest, AxesAreEightyPointsLongWithTheirLetters)
{
    s.setAxesShowFlag(1);
    scene.project();
    scene.drawAxes(surface);
    ASSERT_EQ(surface.shapes.size(), 3u);
    for (const RecordedShape& axis : surface.shapes) {
        EXPECT_EQ(axis.paint, RecordedShape::stroke);
        EXPECT_EQ(axis.lineWidth, 2.0);
        expectColour(axis, 0.65, 0.65, 1.0, 1.0, CColorSpace::device);
        EXPECT_EQ(axis.element(0).kind, RecordedElement::move);
        EXPECT_EQ(axis.element(0).x, 0.0);
    }
    // x points at the eye: a point, its letter on the centre.
    EXPECT_NEAR(surface.shapes[0].element(1).x, 0, 1e-4);
    EXPECT_NEAR(surface.shapes[0].element(2).x, -7, 1e-4);
    EXPECT_NEAR(surface.shapes[0].element(2).y, -10, 1e-4);
    // y runs to the right, z upwards; letters centred 1.25 times further out.
    EXPECT_NEAR(surface.shapes[1].element(1).x, 80, 1e-4);
    EXPECT_NEAR(surface.shapes[1].element(1).y, 0, 1e-4);
    EXPECT_NEAR(surface.shapes[1].element(2).x, 100 - 7, 1e-4);
    EXPECT_NEAR(surface.shapes[1].element(2).y, 10, 1e-4);
    ASSERT_EQ(surface.shapes[1].path.size(), 7u);
    EXPECT_NEAR(surface.shapes[2].element(1).x, 0, 1e-4);
    EXPECT_NEAR(surface.shapes[2].element(1).y, 80, 1e-4);
    ASSERT_EQ(surface.shapes[2].path.size(), 6u);

    // The length does not follow the zoom.
    surface.shapes.clear();
    s.setScale(3 * s.getScale());
    scene.project();
    scene.drawAxes(surface);
    EXPECT_NEAR(surface.shapes[2].element(1).y, 80, 1e-4);

    // Seen from the other side, x points away and is drawn darker.
    surface.shapes.clear();
    s.setAngles(M_PI, M_PI / 2);
    scene.project();
    scene.drawAxes(surface);
    expectColour(surface.shapes[0], 0.45, 0.45, 1.0, 1.0, CColorSpace::device);
    expectColour(surface.shapes[1], 0.65, 0.65, 1.0, 1.0, CColorSpace::device);

    surface.shapes.clear();
    s.setAxesShowFlag(0);
    scene.drawAxes(surface);
    EXPECT_TRUE(surface.shapes.empty());
}

// ------------------------------------------------------------------ whole pictures

TEST_F(SceneTest, PictureIsBlackWithTheSceneCentredAndTheOverlayUnderTheFrontFaces)
{
    place(0, 0, 0, 0);
    s.setAxesShowFlag(1);
    int overlayAt = -1;
    scene.drawPicture(surface, 501, 300, false, [&](CDrawingSurface& over) {
        overlayAt = static_cast<int>(surface.shapes.size());
        over.beginPath();
        over.addRect(-5, -5, 10, 10);
        over.stroke();
    });
    ASSERT_FALSE(surface.shapes.empty());
    const RecordedShape& background = surface.shapes[0];
    expectColour(background, 0, 0, 0, 1, CColorSpace::device);
    EXPECT_EQ(background.element(0).kind, RecordedElement::rect);
    EXPECT_EQ(background.element(0).width, 501);
    EXPECT_EQ(background.originX, 0);
    EXPECT_EQ(surface.shapes[1].originX, 250);
    EXPECT_EQ(surface.shapes[1].originY, 150);
    EXPECT_EQ(surface.originX, 0);  // shifted back afterwards

    const int atom = indexOfColour(surface, 0.6, 0, 0, 1);
    ASSERT_GE(atom, 0);
    EXPECT_GT(overlayAt, atom);
    // Front faces (x = +h) and the axes come after the overlay.
    EXPECT_EQ(surface.shapes.size() - overlayAt, 1u + 4 + 3);
}

TEST_F(SceneTest, StereoPairDrawsTheTurnedViewOnTheRightAndRestoresTheAngles)
{
    place(0, 0, 2e-10, 0);
    s.setAngles(1.0, 1.2);
    scene.drawPicture(surface, 800, 400, true);
    EXPECT_EQ(s.state().display.View.getPhi(), 1.0);
    EXPECT_EQ(s.state().display.View.getTheta(), 1.2);

    std::vector<const RecordedShape*> bodies;
    for (const RecordedShape& shape : surface.shapes)
        if (shape.isOval() && shape.g == 0 && shape.r > 0.3 && shape.r < 0.9) bodies.push_back(&shape);
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_EQ(bodies[0]->originX, 200);
    EXPECT_EQ(bodies[1]->originX, 600);
    EXPECT_EQ(bodies[1]->originY, 200);
    EXPECT_NE(bodies[0]->element(0).x, bodies[1]->element(0).x);  // turned by -0.04 rad
}
