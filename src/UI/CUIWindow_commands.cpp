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
    Document.adjust(CDocument::selection, [this] { Simulation.selectAll(1); });
}

void CUIWindow::selectType(int t)
{
    Document.adjust(CDocument::selection, [this, t] { Simulation.selectType(t); });
}

namespace {
QString atomsText(const QString& verb, int count)
{
    return count == 1 ? QObject::tr("%1 1 Atom").arg(verb) : QObject::tr("%1 %2 Atoms").arg(verb).arg(count);
}
}  // namespace

void CUIWindow::selectDelete()
{
    Document.recordChange(QString(), [this](QString& text) {
        text = atomsText(tr("Delete"), Simulation.countSelected());
        Simulation.deleteSelected();
        return true;
    }, CDocument::atoms | CDocument::selection);
}

void CUIWindow::selectClump()
{
    Document.recordChange(QString(), [this](QString& text) {
        text = atomsText(tr("Clump"), Simulation.countSelected());
        CBusyCursor busy;
        return showOutcome(platform, Simulation.shiftSelectedAtomsToClump());
    }, CDocument::atoms);
}

void CUIWindow::shiftToFit()
{
    Document.recordChange(tr("Shift Atoms to Fit"), [this](QString&) {
        CBusyCursor busy;
        return Simulation.shiftAtomsToFit(100);
    }, CDocument::atoms);
}

// ---------------------------------------------------------------- display commands

// A, then each following type that has atoms, then all types, then A again.
void CUIWindow::cycleAtomType()
{
    int n = Simulation.getDisplayType() + 1;
    if (n < 0 || n > CSimulation::kAllAtoms) n = 0;
    else
        while (n != CSimulation::kAllAtoms && Simulation.getNumber(n) == 0) n++;
    Document.adjust(CDocument::display, [this, n] { Simulation.setDisplayType(n); });
}

void CUIWindow::cycleTCType()
{
    const int next = modeIndex(Simulation.getRecordType()) + 1;
    Document.adjust(CDocument::display, [this, next] {
        Simulation.setRecordType(static_cast<CRecordKind>(next < valueRules::kRecordTypes ? next : 0));
    });
}

void CUIWindow::standardView()
{
    const double half = Simulation.getHalfWidth();
    Document.adjust(CDocument::display, [this, half] {
        showOutcome(platform, Simulation.setView(0.0, std::numbers::pi / 2, 5.0 * half, half, 500.0 / half));
    });
}

void CUIWindow::stereoView()
{
    // The stereo pair is the view's, not the document's.
    UIView->setStereoFlag(!UIView->getStereoFlag());
    validateMenuItems();
    UIView->setNeedsDisplay();
}
