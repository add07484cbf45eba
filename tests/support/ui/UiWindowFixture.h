// SPDX-License-Identifier: GPL-3.0-or-later
// A shown main window on the default simulation with a scripted platform,
// and helpers that deliver mouse, wheel and key events as the window system
// would.
#pragma once

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

#include "RENDER/CScene.h"
#include "SIM/model/CSimulation.h"
#include "UI/CUIDisplay.h"
#include "UI/CUIView.h"
#include "UI/CUIWindow.h"
#include "support/ScriptedPlatform.h"

// The window's menu command of this text (its '&' left out); null, and the
// test failed, where the window has none.
inline QAction* findCommand(CUIWindow& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (QString(action->text()).remove('&') == text) return action;
    ADD_FAILURE() << "the window has no command " << text.toStdString();
    return nullptr;
}

// Chooses that command, as a person does.
inline void chooseCommand(CUIWindow& window, const QString& text)
{
    if (QAction* action = findCommand(window, text)) action->trigger();
}

class UiWindowTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    std::unique_ptr<CUIWindow> window;
    CSimulation* s = nullptr;
    CUIView* view = nullptr;

    void SetUp() override
    {
        window = std::make_unique<CUIWindow>(platform);
        window->show();
        s = &window->Simulation;
        view = window->UIView;
        settle();
    }

    void TearDown() override { window.reset(); }

public:
    // Lets the event loop run (timers, paints) for at least this long.
    static void settle(int milliseconds = 0)
    {
        QElapsedTimer clock;
        clock.start();
        do QApplication::processEvents(QEventLoop::AllEvents, 5);
        while (clock.elapsed() < milliseconds);
    }

protected:

    // Widget coordinates of a point given in scene coordinates (y up, origin at the view centre).
    QPointF widgetPoint(double sceneX, double sceneY) const
    {
        return QPointF(view->centerPt.x() + sceneX, view->height() - (view->centerPt.y() + sceneY));
    }

    void mouse(QEvent::Type type, QPointF at, Qt::KeyboardModifiers mods, Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
        QMouseEvent event(type, at, view->mapToGlobal(at), changed, held, mods);
        QApplication::sendEvent(view, &event);
    }

    // Press at from, move through the given offsets (each relative to the previous point), release.
    void drag(QPointF from, std::initializer_list<QPointF> steps, Qt::KeyboardModifiers mods,
              Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonPress, from, mods, button);
        QPointF at = from;
        for (QPointF step : steps) mouse(QEvent::MouseMove, at += step, mods, button);
        mouse(QEvent::MouseButtonRelease, at, mods, button);
    }

    void key(int code, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, code, mods);
        QApplication::sendEvent(view, &event);
    }

    void wheel(int angle, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QPointF at(view->width() / 2.0, view->height() / 2.0);
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }

    // Projects the scene as the next drawing pass will, so atoms can be hit.
    void project() { window->Scene.project(); }
};
