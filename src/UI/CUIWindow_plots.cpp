// SPDX-License-Identifier: GPL-3.0-or-later
// CUIWindow: the Window menu, the Plots window it opens, and the Debug menu.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "CPlotsWindow.h"
#include "CUIWindow.h"

void CUIWindow::createWindowMenu()
{
    PlotsWindow = new CPlotsWindow(Simulation, platform, this);
    plotsAct = new QAction(tr("&Plots"), this);
    plotsAct->setShortcut(QKeySequence(tr("Ctrl+Shift+P")));
    plotsAct->setStatusTip(tr("Charts of the run: time series, speed distribution, g(r)"));
    connect(plotsAct, &QAction::triggered, this, &CUIWindow::showPlots);
    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->addAction(hideAct);
    window->addAction(plotsAct);
    createControlsDock(window);
    // Two commands that repeat others, for developers only.
    if (qEnvironmentVariable("QUORVEL_DEBUG") == QLatin1String("1")) {
        debugMenu = menuBar()->addMenu(tr("De&bug"));
        debugMenu->addAction(debug1Act);
        debugMenu->addAction(debug2Act);
    }
}

void CUIWindow::showPlots()
{
    PlotsWindow->showBeside(this);
}
