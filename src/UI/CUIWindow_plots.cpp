// CUIWindow: the Window menu and the Plots window it opens.
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
    window->addAction(plotsAct);
}

void CUIWindow::showPlots()
{
    PlotsWindow->showBeside(this);
}
