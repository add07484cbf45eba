// SPDX-License-Identifier: GPL-3.0-or-later
// CUIWindow: the Controls panel's dock, where it was left and whether it is
// shown (kept in the settings, not in the simulation file), and
// presentation mode: full screen, the readouts and the histogram large
// enough to read from the back of a room.
#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QSettings>

#include "CControlsPanel.h"
#include "CUIDisplay.h"
#include "CUIGraph.h"
#include "CUIView.h"
#include "CLessonPanel.h"
#include "CUIWindow.h"
#include "SIM/model/CSimulation.h"

namespace {
const QString kShownKey = QStringLiteral("controls/shown");
const QString kAreaKey = QStringLiteral("controls/area");
const QString kFloatingKey = QStringLiteral("controls/floating");
}  // namespace

void CUIWindow::createControlsDock(QMenu* window)
{
    ControlsDock = new QDockWidget(tr("Controls"), this);
    ControlsDock->setObjectName(QStringLiteral("controlsDock"));
    ControlsDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    ControlsPanel = new CControlsPanel(Document);
    ControlsDock->setWidget(ControlsPanel);

    QSettings settings;
    const auto area = static_cast<Qt::DockWidgetArea>(settings.value(kAreaKey, int(Qt::RightDockWidgetArea)).toInt());
    addDockWidget(area == Qt::LeftDockWidgetArea ? area : Qt::RightDockWidgetArea, ControlsDock);
    ControlsDock->setFloating(settings.value(kFloatingKey, false).toBool());
    // Shown at the first start; from then on as the person left it.
    ControlsDock->setVisible(settings.value(kShownKey, true).toBool());
    // A lesson's pages share the panel's place as a tab: stacked, each would
    // have half the view's height, which leaves a page a few lines.
    if (LessonPanel && !ControlsDock->isFloating()) tabifyDockWidget(ControlsDock, LessonPanel);

    controlsAct = ControlsDock->toggleViewAction();
    controlsAct->setText(tr("&Controls"));
    controlsAct->setShortcut(QKeySequence(tr("Ctrl+Shift+K")));
    controlsAct->setStatusTip(tr("Live controls of the heat bath, the piston, the forces and the speed"));
    window->addAction(controlsAct);
    connect(controlsAct, &QAction::toggled, this, [this](bool shown) {
        // Presentation hides the dock for a while; that is not the person's choice.
        if (!presenting) QSettings().setValue(kShownKey, shown);
        // Shown from the keyboard, the panel takes the keys at its first control.
        if (shown && !presenting) ControlsPanel->focusFirstControl();
    });
    connect(ControlsDock, &QDockWidget::dockLocationChanged, this,
            [](Qt::DockWidgetArea where) { QSettings().setValue(kAreaKey, int(where)); });
    connect(ControlsDock, &QDockWidget::topLevelChanged, this,
            [](bool floating) { QSettings().setValue(kFloatingKey, floating); });
}

void CUIWindow::createPresentationCommand(QMenu* view)
{
    presentationAct = new QAction(tr("&Presentation"), this);
    presentationAct->setCheckable(true);
    presentationAct->setShortcut(QKeySequence(Qt::Key_F11));
    presentationAct->setStatusTip(tr("Full screen, with readouts large enough to read across a room"));
    connect(presentationAct, &QAction::toggled, this, &CUIWindow::setPresentation);
    view->addSeparator();
    view->addAction(presentationAct);
    // Escape leaves presentation; otherwise it stays the view's own key.
    leavePresentationAct = new QAction(tr("&Leave Presentation"), this);
    leavePresentationAct->setShortcut(QKeySequence(Qt::Key_Escape));
    leavePresentationAct->setEnabled(false);
    connect(leavePresentationAct, &QAction::triggered, this, [this] { setPresentation(false); });
    addAction(leavePresentationAct);
}

void CUIWindow::setPresentation(bool on)
{
    if (on == presenting) return;
    if (on) controlsShownBeforePresenting = ControlsDock->isVisible();
    presenting = on;
    presentationAct->setChecked(on);
    leavePresentationAct->setEnabled(on);
    if (on) {
        ControlsDock->hide();
        showFullScreen();
    } else {
        showNormal();
        ControlsDock->setVisible(controlsShownBeforePresenting);
    }
    const float scale = on ? kPresentationScale : 1.0f;
    UIDisplay->setScale(scale);
    UIGraph->setScale(scale);
    UIView->setDisplayTextSize(Simulation.getDisplayTextSize());
    placeHistogram();
    UIView->setFocus();
}
