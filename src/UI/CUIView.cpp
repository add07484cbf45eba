// SPDX-License-Identifier: GPL-3.0-or-later
#include "CUIView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <numbers>

#include "RENDER/CQPainterSurface.h"
#include "RENDER/CScene.h"
#include "CDocument.h"
#include "CUIDisplay.h"
#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"

namespace {
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier, kCommand = Qt::ControlModifier,
                                kOption = Qt::AltModifier, kControl = Qt::MetaModifier;

bool only(Qt::KeyboardModifiers mod, Qt::KeyboardModifiers wanted)
{
    return (mod & (kShift | kCommand | kOption | kControl)) == wanted;
}

constexpr double kPi = std::numbers::pi;
constexpr double kDragAngle = 0.005 * kPi;   // per point of pointer movement
constexpr double kArrowAngle = 0.025 * kPi;  // per arrow key
constexpr double kZoomStep = 10.0;           // points of an arrow zoom, against the view height
}  // namespace

bool isShiftKeyOnlyDown(Qt::KeyboardModifiers mod) { return only(mod, kShift); }
bool isCommandKeyOnlyDown(Qt::KeyboardModifiers mod) { return only(mod, kCommand); }
bool isOptionKeyOnlyDown(Qt::KeyboardModifiers mod) { return only(mod, kOption); }
bool isControlKeyOnlyDown(Qt::KeyboardModifiers mod) { return only(mod, kControl); }
bool isCommandOptionKeyOnlyDown(Qt::KeyboardModifiers mod) { return only(mod, kCommand | kOption); }

CUIView::CUIView(CSimulation& simulation, CScene& scene, CPlatform& platform, QWidget* parent)
    : QWidget(parent), Simulation(simulation), Scene(scene), Platform(platform)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(250, 250);
    calculateDimensions();
}

void CUIView::calculateDimensions()
{
    viewRect = QRectF(0, 0, width(), height());
    centerPt = QPointF(static_cast<float>(std::floor(width() * 0.5)), static_cast<float>(std::floor(height() * 0.5)));
    icenterPt = -centerPt;
}

void CUIView::setDisplayTextSize(int size)
{
    calculateDimensions();
    if (UIDisplay) UIDisplay->setDisplayTextSize(size, width(), height());
    Simulation.setDisplayTextSize(size);
    setNeedsDisplay();
}

void CUIView::listenTo(CDocument& followed)
{
    document = &followed;
    followed.onAnyChange(this, [this] { setNeedsDisplay(); });
    connect(&followed, &CDocument::displayDone, this, &CUIView::setNeedsDisplay);
    // What the next slice draws while its steps run: the readouts and the
    // state shown are taken before they start, the scene over that state is
    // painted (with the readouts and the graph) while they run.
    followed.sliceDrawing.beforeSteps = [this] {
        if (drawReadoutsLeft()) paintPending = true;
        if (paintPending) document->takeShownState();
    };
    followed.sliceDrawing.whileSteps = [this] {
        if (paintPending) repaint();
    };
    followed.sliceDrawing.drawNow = [this] {
        if (drawReadoutsLeft()) update();
    };
}

bool CUIView::drawReadoutsLeft()
{
    if (!drawingLeftForSlice) return false;
    drawingLeftForSlice = false;
    if (UIDisplay) UIDisplay->drawDisplays();
    return true;
}

void CUIView::drawLeftNow()
{
    drawReadoutsLeft();
    if (paintPending && isVisible()) repaint();
}

void CUIView::changed(unsigned parts)
{
    if (document && parts != CDocument::noChange) document->announce(parts);
    else setNeedsDisplay();
}

void CUIView::setNeedsDisplay()
{
    paintPending = true;
    // A slice that follows at once draws it while its steps run; until
    // then the readouts stay as they are, or a label changed now would ask
    // the event loop for a pass over the scene beneath it.
    if (document && document->nextSliceDraws()) {
        drawingLeftForSlice = true;
        return;
    }
    drawingLeftForSlice = false;
    // Texts change here rather than in paintEvent: a label changed while its
    // parent paints would ask for a second pass over the scene beneath it.
    if (UIDisplay) UIDisplay->drawDisplays();
    update();
}

void CUIView::resizeEvent(QResizeEvent*)
{
    // Every size change, by the user or by a stored size or aspect ratio:
    // recentre the scene and lay the fields out for the new size.
    calculateDimensions();
    if (UIDisplay) UIDisplay->followViewSize(Simulation.getDisplayTextSize(), width(), height());
    emit viewResized();
}

void CUIView::changeEvent(QEvent* event)
{
    // The readouts follow the system's text size and the screen's density.
    const QEvent::Type type = event->type();
    if (UIDisplay && (type == QEvent::ApplicationFontChange || type == QEvent::FontChange))
        UIDisplay->setDisplayTextSize(Simulation.getDisplayTextSize(), width(), height());
    QWidget::changeEvent(event);
}

void CUIView::drawSelectionBox(CDrawingSurface& surface)
{
    if (!selectionBoxFlag) return;
    static const double dash[2] = {10.0, 3.0};
    surface.setColor(1.0, 1.0, 1.0, 1.0, CColorSpace::device);
    surface.beginPath();
    surface.addRect(selectRect.x, selectRect.y, selectRect.width, selectRect.height);
    surface.setLineWidth(2.0);
    surface.setLineDash(dash, 2, 0.0);
    surface.stroke();
}

void CUIView::paintEvent(QPaintEvent*)
{
    // Painted into an image of the view's size first: atoms are stamped
    // straight into its pixels, far faster than painting them one by one.
    // On a scaled screen the image has the screen's pixels (ratio times the
    // points), so the scene is drawn as sharp as at ratio 1, not scaled up.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio)));
    if (frame.size() != pixels) frame = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    // The scene reads the document's shown state: the state as it stands,
    // except while a slice's steps run, when it is the one taken before them.
    if (document) document->takeShownState();
    {
        QPainter painter(&frame);
        CQPainterSurface surface(painter, height());
        Scene.drawPicture(surface, width(), height(), stereoFlag != 0,
                          [this](CDrawingSurface& s) { drawSelectionBox(s); });
    }
    paintPending = false;
    QPainter painter(this);
    painter.drawImage(0, 0, frame);
}

QPointF CUIView::toScene(QPointF widgetPos) const
{
    return QPointF(widgetPos.x() - centerPt.x(), (height() - widgetPos.y()) - centerPt.y());
}

void CUIView::mousePressEvent(QMouseEvent* event)
{
    mod = event->modifiers();
    lastPos = event->position();
    if (event->buttons() == event->button()) {
        movedAtoms = false;
        emit gestureBegan();
    }
    if (event->button() != Qt::LeftButton) return;
    pressedAtom.reset();
    if (isShiftKeyOnlyDown(mod) && !stereoFlag) {
        beginPt = toScene(event->position());
        pressedAtom = Scene.atomAt(static_cast<int>(beginPt.x()), static_cast<int>(beginPt.y()));
    }
}

void CUIView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    dx = static_cast<float>(pos.x() - lastPos.x());
    dy = static_cast<float>(pos.y() - lastPos.y());
    lastPos = pos;
    mod = event->modifiers();
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton) {
        leftDrag();
    } else if (buttons & Qt::MiddleButton) {
        // Control-drag for window managers that keep the Super key to themselves.
        if (stereoFlag) return;
        Simulation.moveSelectedBy(dx, dy);
        movedAtoms = true;
        changed(CDocument::atoms);
    } else if (buttons & Qt::RightButton) {
        // Command-drag, without the modifier.
        Simulation.setScale(Simulation.getScale() * static_cast<float>(1.0f - dy / static_cast<float>(viewRect.height())));
        changed(CDocument::display);
    }
}

void CUIView::leftDrag()
{
    const float H = static_cast<float>(viewRect.height());
    unsigned parts = CDocument::display;
    if (isShiftKeyOnlyDown(mod)) {
        if (stereoFlag) return;
        w += dx;
        h -= dy;
        selectRect = {static_cast<float>(beginPt.x()), static_cast<float>(beginPt.y()), w, h};
        Simulation.selectAtoms(Scene.atomsInRect(selectRect.x, selectRect.y, selectRect.width, selectRect.height));
        selectionBoxFlag = 1;
        parts = CDocument::selection;
    } else if (isControlKeyOnlyDown(mod)) {
        if (stereoFlag) return;
        Simulation.moveSelectedBy(dx, dy);
        movedAtoms = true;
        parts = CDocument::atoms;
    } else if (isCommandKeyOnlyDown(mod)) {
        Simulation.setScale(Simulation.getScale() * static_cast<float>(1.0f - dy / H));
    } else if (isOptionKeyOnlyDown(mod)) {
        const float f = 1.0f + dy / H;
        if (!valueRules::isViewScale(Simulation.getScale() * f) || !showOutcome(Platform, Simulation.setEyeR(Simulation.getEyeR() * f)))
            return;
        Simulation.setScale(Simulation.getScale() * f);
    } else if (selectionBoxFlag) {
        removeSelectionBox();
        parts = CDocument::noChange;
    } else {
        Simulation.changeAngles(-kDragAngle * dx, -kDragAngle * dy);
    }
    changed(parts);
}

void CUIView::removeSelectionBox()
{
    selectionBoxFlag = 0;
    w = h = 0;
}

void CUIView::mouseReleaseEvent(QMouseEvent* event)
{
    mod = event->modifiers();
    if (event->buttons() == Qt::NoButton) emit gestureEnded(movedAtoms);
    if (event->button() != Qt::LeftButton) return;
    if (isShiftKeyOnlyDown(mod)) {
        if (stereoFlag) return;
        currentPt = toScene(event->position());
        if (pressedAtom && Scene.atomCovers(*pressedAtom, static_cast<int>(currentPt.x()), static_cast<int>(currentPt.y()))) {
            Simulation.toggleSelection(*pressedAtom);
            changed(CDocument::selection);
        }
    }
    pressedAtom.reset();
    if (selectionBoxFlag) {
        removeSelectionBox();
        setNeedsDisplay();
    }
}

void CUIView::zoomBy(double step)
{
    Simulation.setScale(Simulation.getScale() * static_cast<float>(1.0 + step / viewRect.height()));
    changed(CDocument::display);
}

bool CUIView::moveEyeBy(double step)
{
    const float f = static_cast<float>(1.0 + step / viewRect.height());
    // The eye and the scale move together: both stay within their ranges or neither moves.
    if (!valueRules::isViewScale(Simulation.getScale() * f) || !showOutcome(Platform, Simulation.setEyeR(Simulation.getEyeR() * f)))
        return false;
    Simulation.setScale(Simulation.getScale() * f);
    changed(CDocument::display);
    return true;
}

// The wheel zooms, one arrow-key step per notch; with Shift it moves the eye
// (the Option gesture), away when the wheel turns towards the user.
void CUIView::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    // Some platforms turn a Shift-wheel into a horizontal one.
    wheelRemainder += (angle.y() != 0 ? angle.y() : angle.x()) / 120.0;
    const int notches = static_cast<int>(wheelRemainder);
    if (notches == 0) return;
    wheelRemainder -= notches;
    const bool eye = isShiftKeyOnlyDown(event->modifiers());
    for (int k = 0; k < std::abs(notches); k++) {
        const double step = notches > 0 ? kZoomStep : -kZoomStep;
        if (eye) {
            if (!moveEyeBy(-step)) break;
        } else {
            zoomBy(step);
        }
    }
    event->accept();
}

void CUIView::keyPressEvent(QKeyEvent* event)
{
    key = event->key();
    mod = event->modifiers();
    const double H = viewRect.height();
    unsigned parts = CDocument::display;
    switch (key) {
    case Qt::Key_Space:
        Simulation.setAngles(0.0, kPi / 2);
        break;
    case Qt::Key_Escape:
        Simulation.selectAll(0);
        parts = CDocument::selection;
        break;
    case Qt::Key_Left:
        Simulation.changeAngles(kArrowAngle, 0.0);
        break;
    case Qt::Key_Right:
        Simulation.changeAngles(-kArrowAngle, 0.0);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const double sign = key == Qt::Key_Up ? 1.0 : -1.0;
        if (isCommandKeyOnlyDown(mod)) {
            Simulation.setScale(Simulation.getScale() * static_cast<float>(1.0 + sign * kZoomStep / H));
        } else if (isOptionKeyOnlyDown(mod)) {
            const float f = static_cast<float>(1.0 - sign * kZoomStep / H);
            if (!valueRules::isViewScale(Simulation.getScale() * f) || !showOutcome(Platform, Simulation.setEyeR(Simulation.getEyeR() * f)))
            return;
            Simulation.setScale(Simulation.getScale() * f);
        } else {
            Simulation.changeAngles(0.0, sign * kArrowAngle);
        }
        break;
    }
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    changed(parts);
}
