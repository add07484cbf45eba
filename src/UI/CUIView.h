// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation view: draws the scene (mono or as a stereo pair) with the
// status fields and the histogram over it, and turns mouse gestures, the
// wheel and keys into rotation, zoom, eye distance, selection and moving of
// atoms. The scene works in y-up points with the origin at the lower left;
// the painter maps them onto the widget once.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <optional>

#include "SIM/model/CAtomRef.h"

class CDocument;
class CPlatform;
class CScene;
class CSimulation;
class CUIDisplay;

// Which of Shift, Command, Option and Control are down, from Qt's modifiers:
// Command is Qt's Control modifier, Option its Alt, Control its Meta (Qt maps
// them to the physical keys on macOS; on Linux they are Ctrl, Alt and Super).
// Keypad and other bits are ignored; Caps Lock never reaches Qt's modifiers.
bool isShiftKeyOnlyDown(Qt::KeyboardModifiers mod);
bool isCommandKeyOnlyDown(Qt::KeyboardModifiers mod);
bool isOptionKeyOnlyDown(Qt::KeyboardModifiers mod);
bool isControlKeyOnlyDown(Qt::KeyboardModifiers mod);
bool isCommandOptionKeyOnlyDown(Qt::KeyboardModifiers mod);

// A rectangle whose width and height may be negative (a box dragged up or left).
struct CSignedRect {
    float x = 0, y = 0, width = 0, height = 0;
};

class CUIView : public QWidget {
    Q_OBJECT
public:
    CUIView(CSimulation& simulation, CScene& scene, CPlatform& platform, QWidget* parent = nullptr);
    void setDisplay(CUIDisplay* display) { UIDisplay = display; }

    CSimulation& Simulation;
    CScene& Scene;
    CPlatform& Platform;  // says why a zoom is refused
    CUIDisplay* UIDisplay = nullptr;
    QRectF viewRect;
    QPointF centerPt, icenterPt;
    int key = 0;
    Qt::KeyboardModifiers mod;
    char selectionBoxFlag = 0;
    CSignedRect selectRect;  // scene coordinates, origin at the view centre
    float dx = 0, dy = 0;    // pointer movement; dy positive downwards
    float w = 0, h = 0;      // the selection box's accumulated size
    QPointF beginPt, currentPt;
    char stereoFlag = 0;

    void calculateDimensions();
    void setDisplayTextSize(int size);
    char getStereoFlag() const { return stereoFlag; }
    void setStereoFlag(char flag) { stereoFlag = flag; }
    // Refreshes the status fields and schedules a drawing pass (left to the
    // run's next slice when one comes at once).
    void setNeedsDisplay();
    // Follows the document: drawn again after every change it announces
    // and every display of the run.
    void listenTo(CDocument& document);
    // What was left for the run's next slice, or asked for and not yet
    // painted, drawn now (a movie frame of it is due).
    void drawLeftNow();

    // The gestures that need Command or Option, reachable from menus and the wheel.
    void zoomBy(double step);      // scale x (1 + step / H)
    bool moveEyeBy(double step);   // eye distance and scale x (1 + step / H); false if refused

    // The scene as last painted, without the fields and the graph that lie
    // over it; null before the first paint. pictureCurrent(): nothing has
    // asked for a new paint since.
    const QImage& lastPicture() const { return frame; }
    bool pictureCurrent() const { return !frame.isNull() && !paintPending; }

signals:
    void viewResized();
    // A mouse gesture: a button went down; the last one came up, after
    // movingAtoms moved the selected atoms or not.
    void gestureBegan();
    void gestureEnded(bool movedAtoms);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointF toScene(QPointF widgetPos) const;
    // A gesture changed these parts of the simulation (CDocument::Changes):
    // the document says so, and the view is drawn again as it follows it.
    void changed(unsigned parts);
    CDocument* document = nullptr;  // the one followed, once listenTo was called
    void drawSelectionBox(class CDrawingSurface& surface);
    void leftDrag();
    void removeSelectionBox();

    QPointF lastPos;   // pointer position of the previous event, widget coordinates
    std::optional<CAtomRef> pressedAtom;  // under a Shift-press; a release on it toggles it
    QImage frame;      // the picture is painted here, then shown in one copy
    bool paintPending = true;
    bool drawingLeftForSlice = false;  // readouts and picture the next slice draws
    // The readouts left for the next slice written now; false if none were.
    bool drawReadoutsLeft();
    double wheelRemainder = 0.0;
    bool movedAtoms = false;  // in the gesture under way
};
