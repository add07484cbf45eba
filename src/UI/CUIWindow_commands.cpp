// SPDX-License-Identifier: GPL-3.0-or-later
// The selection, display and view commands of the menus.
#include <cmath>
#include <numbers>

#include "CUIDisplay.h"
#include "CUIView.h"
#include "CUIWindow.h"
#include "DIALOG/CBusyCursor.h"
#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CValueRules.h"

void CUIWindow::selectAll()
{
    Simulation.selectAll(1);
    redraw();
}

void CUIWindow::selectType(int t)
{
    Simulation.selectType(t);
    redraw();
}

namespace {
QString atomsText(const QString& verb, int count)
{
    return count == 1 ? QObject::tr("%1 1 Atom").arg(verb) : QObject::tr("%1 %2 Atoms").arg(verb).arg(count);
}
}  // namespace

void CUIWindow::selectDelete()
{
    recordChange(QString(), [this](QString& text) {
        text = atomsText(tr("Delete"), Simulation.countSelected());
        Simulation.deleteSelected();
        return true;
    });
    redraw();
}

void CUIWindow::selectClump()
{
    recordChange(QString(), [this](QString& text) {
        text = atomsText(tr("Clump"), Simulation.countSelected());
        CBusyCursor busy;
        return showOutcome(platform, Simulation.shiftSelectedAtomsToClump());
    });
    redraw();
}

void CUIWindow::shiftToFit()
{
    recordChange(tr("Shift Atoms to Fit"), [this](QString&) {
        CBusyCursor busy;
        return Simulation.shiftAtomsToFit(100);
    });
    redraw();
}

// ---------------------------------------------------------------- display commands

void CUIWindow::toggleStateDisplay()
{
    Simulation.setStateDisplayFlag(!Simulation.getStateDisplayFlag());
    UIDisplay->setStateDisplayVisibility(Simulation.getStateDisplayFlag());
    redraw();
}

void CUIWindow::toggleEnergyDifference()
{
    Simulation.setEnergyDiffDisplayFlag(!Simulation.getEnergyDiffDisplayFlag());
    UIDisplay->setEnergyDiffDisplayVisibility(Simulation.getEnergyDiffDisplayFlag());
    redraw();
}

void CUIWindow::toggleNumericDisplay()
{
    Simulation.setNumericDisplayFlag(!Simulation.getNumericDisplayFlag());
    UIDisplay->setNumericDisplayVisibility(Simulation.getNumericDisplayFlag());
    redraw();
}

void CUIWindow::toggleGraphDisplay()
{
    Simulation.setGraphDisplayFlag(!Simulation.getGraphDisplayFlag());
    UIDisplay->setHistogramDisplayVisibility(Simulation.getGraphDisplayFlag());
    redraw();
}

void CUIWindow::toggleBoxShow()
{
    Simulation.setBoxShowFlag(!Simulation.getBoxShowFlag());
    redraw();
}

void CUIWindow::toggleFloor()
{
    Simulation.setBoxFloorShowFlag(!Simulation.getBoxFloorShowFlag());
    redraw();
}

void CUIWindow::toggleShadow()
{
    Simulation.setBoxShowShadowFlag(!Simulation.getBoxShowShadowFlag());
    redraw();
}

void CUIWindow::toggleAxes()
{
    Simulation.setAxesShowFlag(!Simulation.getAxesShowFlag());
    redraw();
}

// A, then each following type that has atoms, then all types, then A again.
void CUIWindow::cycleAtomType()
{
    int n = Simulation.getDisplayType() + 1;
    if (n < 0 || n > CSimulation::kAllAtoms) n = 0;
    else
        while (n != CSimulation::kAllAtoms && Simulation.getNumber(n) == 0) n++;
    Simulation.setDisplayType(n);
    redraw();
}

void CUIWindow::cycleTCType()
{
    const int next = modeIndex(Simulation.getRecordType()) + 1;
    Simulation.setRecordType(static_cast<CRecordKind>(next < valueRules::kRecordTypes ? next : 0));
    redraw();
}

void CUIWindow::standardView()
{
    const double half = Simulation.getHalfWidth();
    showOutcome(platform, Simulation.setView(0.0, std::numbers::pi / 2, 5.0 * half, half, 500.0 / half));
    redraw();
}

void CUIWindow::setDisplayTextSizeSmall() { UIView->setDisplayTextSize(0); }
void CUIWindow::setDisplayTextSizeMedium() { UIView->setDisplayTextSize(1); }
void CUIWindow::setDisplayTextSizeLarge() { UIView->setDisplayTextSize(2); }

void CUIWindow::stereoView()
{
    UIView->setStereoFlag(!UIView->getStereoFlag());
    validateMenuItems();
    redraw();
}

// The zoom and eye gestures of Command and Option, as menu items.
void CUIWindow::zoomIn() { UIView->zoomBy(10.0); }
void CUIWindow::zoomOut() { UIView->zoomBy(-10.0); }
void CUIWindow::moveEyeCloser() { UIView->moveEyeBy(-10.0); }
void CUIWindow::moveEyeAway() { UIView->moveEyeBy(10.0); }
