// SPDX-License-Identifier: GPL-3.0-or-later
// Keys, mouse gestures and the wheel in the simulation view.
#include <numbers>

#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"

namespace {
constexpr double kPi = std::numbers::pi;

class ViewInputTest : public UiWindowTest {
protected:
    void SetUp() override
    {
        UiWindowTest::SetUp();
        s->setAngles(1.0, 1.0);
        project();
    }
    double phi() const { return s->state().display.View.getPhi(); }
    double theta() const { return s->state().display.View.getTheta(); }
    double H() const { return view->height(); }
    const CDepthEntry& depthEntry(int entry) const { return window->Scene.depthEntry(entry); }
    QPointF atomAt(int entry) const { return widgetPoint(depthEntry(entry).centre.x, depthEntry(entry).centre.y); }
    char selectedFlag(int entry) const { return s->state().atoms.sel[depthEntry(entry).atom.type][depthEntry(entry).atom.index]; }
};

TEST_F(ViewInputTest, ArrowKeysTurnByOneStepWhateverTheOtherModifiers)
{
    key(Qt::Key_Left);
    EXPECT_DOUBLE_EQ(phi(), 1.0 + 0.025 * kPi);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(phi(), 1.0 + 0.025 * kPi - 0.025 * kPi);
    key(Qt::Key_Up);
    EXPECT_DOUBLE_EQ(theta(), 1.0 + 0.025 * kPi);
    key(Qt::Key_Down);
    EXPECT_DOUBLE_EQ(theta(), 1.0 + 0.025 * kPi - 0.025 * kPi);
    // Command with Shift is not Command alone: the arrow turns instead of zooming.
    const double scale = s->getScale();
    key(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(s->getScale(), scale);
    EXPECT_DOUBLE_EQ(theta(), 1.0 + 0.025 * kPi - 0.025 * kPi + 0.025 * kPi);
    // Right from phi 0 wraps into 0..2 pi.
    s->setAngles(0.0, 1.0);
    key(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(phi(), 2.0 * kPi - 0.025 * kPi);
}

TEST_F(ViewInputTest, CommandArrowsZoomAndOptionArrowsMoveTheEye)
{
    const double scale = s->getScale(), eye = s->getEyeR();
    key(Qt::Key_Up, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(s->getScale(), scale * static_cast<float>(1.0 + 10.0 / H()));
    key(Qt::Key_Down, Qt::ControlModifier);
    const double zoomed = scale * static_cast<float>(1.0 + 10.0 / H()) * static_cast<float>(1.0 - 10.0 / H());
    EXPECT_DOUBLE_EQ(s->getScale(), zoomed);

    key(Qt::Key_Down, Qt::AltModifier);
    const float away = static_cast<float>(1.0 + 10.0 / H());
    EXPECT_DOUBLE_EQ(s->getEyeR(), eye * away);
    EXPECT_DOUBLE_EQ(s->getScale(), zoomed * away);
    EXPECT_DOUBLE_EQ(phi(), 1.0);
    EXPECT_DOUBLE_EQ(theta(), 1.0);

    // Option-Up brings the eye closer until the box would reach the plane;
    // that press is refused with an alert and changes neither eye nor scale.
    double before = 0.0, eyeBefore = 0.0;
    for (int k = 0; k < 2000 && platform.alerts.empty(); k++) {
        before = s->getScale();
        eyeBefore = s->getEyeR();
        key(Qt::Key_Up, Qt::AltModifier);
    }
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Operation Incomplete.");
    EXPECT_DOUBLE_EQ(s->getScale(), before);
    EXPECT_DOUBLE_EQ(s->getEyeR(), eyeBefore);
}

TEST_F(ViewInputTest, SpaceRestoresTheStandardOrientationAndEscapeDeselects)
{
    key(Qt::Key_Up, Qt::ControlModifier);
    const double scale = s->getScale();
    s->selectAll(1);
    key(Qt::Key_Space);
    EXPECT_DOUBLE_EQ(phi(), 0.0);
    EXPECT_DOUBLE_EQ(theta(), kPi / 2);
    EXPECT_DOUBLE_EQ(s->getScale(), scale);
    ASSERT_GT(s->countSelected(), 0);
    key(Qt::Key_Escape);
    EXPECT_EQ(s->countSelected(), 0);
}

TEST_F(ViewInputTest, PlainDragRotatesByTheDragAnglePerPoint)
{
    drag(QPointF(50, 50), {QPointF(10, 0), QPointF(0, 4), QPointF(-3, -2)}, Qt::NoModifier);
    double p = 1.0, t = 1.0;
    const double step = 0.005 * kPi;
    p += -step * 10; t += -step * 0;
    p += -step * 0;  t += -step * 4;
    p += -step * -3; t += -step * -2;
    EXPECT_DOUBLE_EQ(phi(), p);
    EXPECT_DOUBLE_EQ(theta(), t);
}

TEST_F(ViewInputTest, CommandDragAndTheWheelZoom)
{
    const double scale = s->getScale();
    drag(QPointF(50, 50), {QPointF(0, 10)}, Qt::ControlModifier);
    const double shrunk = scale * static_cast<float>(1.0f - 10.0f / static_cast<float>(H()));
    EXPECT_DOUBLE_EQ(s->getScale(), shrunk);
    EXPECT_DOUBLE_EQ(phi(), 1.0);
    // The right button does the same without a modifier; the wheel zooms by arrow steps.
    drag(QPointF(50, 50), {QPointF(0, -10)}, Qt::NoModifier, Qt::RightButton);
    const double back = shrunk * static_cast<float>(1.0f + 10.0f / static_cast<float>(H()));
    EXPECT_DOUBLE_EQ(s->getScale(), back);
    wheel(120);
    EXPECT_DOUBLE_EQ(s->getScale(), back * static_cast<float>(1.0 + 10.0 / H()));
    const double eye = s->getEyeR();
    wheel(-120, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(s->getEyeR(), eye * static_cast<float>(1.0 + 10.0 / H()));
}

TEST_F(ViewInputTest, ShiftDragSelectsInsideABoxOfEitherSign)
{
    ASSERT_GT(s->state().atoms.totalAtoms, 0);
    const int entry = s->state().atoms.totalAtoms - 1;
    const CPoint c = depthEntry(entry).centre;
    // Up and to the left of a point below-right of the atom: negative width, positive height.
    const QPointF start = widgetPoint(c.x + 3, c.y - 3);
    mouse(QEvent::MouseButtonPress, start, Qt::ShiftModifier);
    mouse(QEvent::MouseMove, start + QPointF(-6, -6), Qt::ShiftModifier);
    EXPECT_TRUE(view->selectionBoxFlag);
    EXPECT_FLOAT_EQ(view->selectRect.width, -6.0f);
    EXPECT_FLOAT_EQ(view->selectRect.height, 6.0f);
    EXPECT_TRUE(selectedFlag(entry)) << "selected while dragging";
    mouse(QEvent::MouseButtonRelease, start + QPointF(-6, -6), Qt::ShiftModifier);
    EXPECT_FALSE(view->selectionBoxFlag);
    EXPECT_EQ(view->w, 0.0f);

    // Down and to the right, from above-left: positive width, negative height.
    s->selectAll(0);
    const QPointF other = widgetPoint(c.x - 3, c.y + 3);
    mouse(QEvent::MouseButtonPress, other, Qt::ShiftModifier);
    mouse(QEvent::MouseMove, other + QPointF(6, 6), Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(view->selectRect.height, -6.0f);
    EXPECT_TRUE(selectedFlag(entry));
    // Letting go of Shift mid-drag removes the box; the next move rotates.
    mouse(QEvent::MouseMove, other + QPointF(7, 6), Qt::NoModifier);
    EXPECT_FALSE(view->selectionBoxFlag);
    EXPECT_DOUBLE_EQ(phi(), 1.0);
    mouse(QEvent::MouseMove, other + QPointF(8, 6), Qt::NoModifier);
    EXPECT_DOUBLE_EQ(phi(), 1.0 - 0.005 * kPi);
}

TEST_F(ViewInputTest, ShiftClickTogglesTheAtomUnderThePointer)
{
    const int entry = s->state().atoms.totalAtoms - 1;
    const QPointF at = atomAt(entry);
    drag(at, {}, Qt::ShiftModifier);
    EXPECT_TRUE(selectedFlag(entry));
    EXPECT_EQ(s->countSelected(), 1);
    drag(at, {}, Qt::ShiftModifier);
    EXPECT_EQ(s->countSelected(), 0);
    drag(QPointF(1, 1), {}, Qt::ShiftModifier);  // a corner of the view: no atom
    EXPECT_EQ(s->countSelected(), 0);
}

TEST_F(ViewInputTest, StereoIgnoresSelectionGesturesAndMoving)
{
    view->setStereoFlag(1);
    const int entry = s->state().atoms.totalAtoms - 1;
    const QPointF at = atomAt(entry);
    drag(at, {}, Qt::ShiftModifier);
    drag(at + QPointF(4, 4), {QPointF(-8, -8)}, Qt::ShiftModifier);
    EXPECT_EQ(s->countSelected(), 0);
    EXPECT_FALSE(view->selectionBoxFlag);
    s->selectAll(1);
    const CVector before = s->state().atoms.loc[0][0];
    drag(QPointF(50, 50), {QPointF(10, 5)}, Qt::MetaModifier);
    drag(QPointF(50, 50), {QPointF(10, 5)}, Qt::NoModifier, Qt::MiddleButton);
    EXPECT_EQ(s->state().atoms.loc[0][0].getX(), before.getX());
    EXPECT_EQ(s->state().atoms.loc[0][0].getZ(), before.getZ());
    // Turning still works in stereo.
    drag(QPointF(50, 50), {QPointF(2, 0)}, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(phi(), 1.0 - 0.01 * kPi);
}

TEST_F(ViewInputTest, ControlDragAndMiddleDragMoveTheSelectedAtoms)
{
    // One atom at the centre, so a move there and back meets no wall and no
    // neighbour, whatever places random() gave the default atoms.
    for (int t = 0; t < CSimulation::kTypes; t++) StateEdit(*s)->atoms.number[t] = 0;
    StateEdit(*s)->atoms.number[0] = 1;
    StateEdit(*s)->atoms.totalAtoms = 1;
    StateEdit(*s)->atoms.loc[0][0].setXYZ(0, 0, 0);
    s->selectType(0);
    const CVector start = s->state().atoms.loc[0][0];
    drag(QPointF(50, 50), {QPointF(10, 0)}, Qt::MetaModifier);
    const CVector moved = s->state().atoms.loc[0][0];
    EXPECT_NE(moved.getX() - start.getX() + moved.getY() - start.getY() + moved.getZ() - start.getZ(), 0.0);
    drag(QPointF(50, 50), {QPointF(-10, 0)}, Qt::NoModifier, Qt::MiddleButton);
    EXPECT_NEAR(s->state().atoms.loc[0][0].getX(), start.getX(), 1e-20);
    EXPECT_NEAR(s->state().atoms.loc[0][0].getY(), start.getY(), 1e-20);
    EXPECT_DOUBLE_EQ(phi(), 1.0);
}
}  // namespace
