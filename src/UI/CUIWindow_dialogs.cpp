// SPDX-License-Identifier: GPL-3.0-or-later
// CUIWindow: the parameter dialogs and the commands that run them. Each
// command runs its dialog modally (the run timer stands still meanwhile,
// without the run being stopped); the document then says what it may have
// changed.
#include "CUIWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <cstring>
#include <memory>

#include "CUIView.h"
#include "DIALOG/CAddAtomDialog.h"
#include "DIALOG/CAtomNumbersDialog.h"
#include "DIALOG/CAtomPropertiesDialog.h"
#include "DIALOG/CBoxDialog.h"
#include "DIALOG/CChangeKEDialog.h"
#include "DIALOG/CDisplaysDialog.h"
#include "DIALOG/CEditAtomDialog.h"
#include "DIALOG/CEnergyDialog.h"
#include "DIALOG/CFloorDialog.h"
#include "DIALOG/CNewSimulationDialog.h"
#include "DIALOG/CPlatform.h"
#include "DIALOG/CPotentialsDialog.h"
#include "DIALOG/CReplicateDialog.h"
#include "DIALOG/CTimingDialog.h"
#include "DIALOG/CViewDialog.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"

void CUIWindow::createDialogs()
{
    AddAtomDialog = new CAddAtomDialog(Simulation, platform, this);
    AtomNumbersDialog = new CAtomNumbersDialog(Simulation, platform, this);
    AtomPropertiesDialog = new CAtomPropertiesDialog(Simulation, platform, this);
    EditAtomDialog = new CEditAtomDialog(Simulation, platform, [this] { Document.announce(CDocument::atoms); }, this);
    PotentialsDialog = new CPotentialsDialog(Simulation, platform, this);
    ChangeKEDialog = new CChangeKEDialog(Simulation, platform, this);
    BoxDialog = new CBoxDialog(Simulation, platform, this);
    DisplaysDialog = new CDisplaysDialog(Simulation, platform, this);
    EnergyDialog = new CEnergyDialog(Simulation, platform, this);
    FloorDialog = new CFloorDialog(Simulation, platform, this);
    TimingDialog = new CTimingDialog(Simulation, platform, this);
    ViewDialog = new CViewDialog(Simulation, platform, this);
    ReplicateDialog = new CReplicateDialog(Simulation, platform, this);
    NewSimulationDialog = new CNewSimulationDialog(Simulation, platform, this);
}

void CUIWindow::createDialogActions()
{
    auto make = [this](const QString& text, void (CUIWindow::*slot)(), const QKeySequence& keys = {}) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    newSimulationAct = make(tr("Ne&w..."), &CUIWindow::runNewSimulationDialog, QKeySequence::New);
    hideAct = make(tr("&Minimize"), &CUIWindow::hideApplication, QKeySequence(tr("Ctrl+M")));
    addAtomAct = make(tr("Add A&tom..."), &CUIWindow::runAddAtomDialog, QKeySequence(tr("Ctrl+Shift+A")));
    editAtomAct = make(tr("Ed&it Selected Atoms..."), &CUIWindow::runEditAtomDialog, QKeySequence(tr("Ctrl+I")));
    atomNumbersAct = make(tr("&Number of Atoms..."), &CUIWindow::runAtomNumbersDialog, QKeySequence(tr("Ctrl+Shift+N")));
    atomPropertiesAct = make(tr("Atom &Properties..."), &CUIWindow::runAtomPropertiesDialog);
    potentialsAct = make(tr("P&otentials..."), &CUIWindow::runPotentialsDialog);
    boxDialogAct = make(tr("&Box and Piston..."), &CUIWindow::runBoxDialog, QKeySequence(tr("Ctrl+Shift+B")));
    floorDialogAct = make(tr("&Floor..."), &CUIWindow::runFloorDialog);
    energyAct = make(tr("&Energy Conservation..."), &CUIWindow::runEnergyDialog);
    changeKEAct = make(tr("Change &Kinetic Energy..."), &CUIWindow::runChangeKEDialog);
    timingAct = make(tr("&Timing..."), &CUIWindow::runTimingDialog);
    displaysAct = make(tr("&Displays..."), &CUIWindow::runDisplaysDialog);
    viewDialogAct = make(tr("View &Distances..."), &CUIWindow::runViewDialog);
    exportLammpsAct = make(tr("Export for &LAMMPS..."), &CUIWindow::fileExportLammps, QKeySequence(tr("Ctrl+Shift+L")));
    // The debugging commands repeat two editing commands under other names.
    debug1Act = make(tr("Debug &1 (Clump Selected)"), &CUIWindow::debug1);
    debug2Act = make(tr("Debug &2 (Shift Atoms to Fit)"), &CUIWindow::debug2);
}

void CUIWindow::createDialogMenus(QMenu* edit, QMenu* sim, QMenu* view, QMenu* display)
{
    edit->addSeparator();
    edit->addAction(addAtomAct);
    edit->addAction(editAtomAct);

    // New... heads the menu, above Run and Stop.
    QAction* first = sim->actions().value(0);
    sim->insertAction(first, newSimulationAct);
    sim->insertSeparator(first);
    sim->addSeparator();
    for (QAction* a : {atomNumbersAct, atomPropertiesAct, potentialsAct}) sim->addAction(a);
    sim->addSeparator();
    for (QAction* a : {boxDialogAct, floorDialogAct, energyAct, changeKEAct}) sim->addAction(a);
    sim->addSeparator();
    sim->addAction(timingAct);

    view->addSeparator();
    view->addAction(viewDialogAct);
    display->addSeparator();
    display->addAction(displaysAct);
}

// OK on a dialog that changed the simulation is one undo step; Cancel, or
// OK with nothing changed, is none. What the dialog touches is announced
// either way: a dialog may show its values in the simulation while open and
// put them back when cancelled.
void CUIWindow::runParameterDialog(CParameterDialog& dialog, const QString& name, CDocument::Changes touches)
{
    const double halfWidth = Simulation.getHalfWidth();
    Document.recordChange(name, [&](QString& text) {
        // Cancel in Edit Selected Atoms puts the positions back but keeps the
        // velocities set meanwhile: those stay a change to go back from.
        std::unique_ptr<CAtoms> atomsBefore;
        if (&dialog == EditAtomDialog) atomsBefore = std::make_unique<CAtoms>(Simulation.state().atoms);
        dialog.run();
        if (dialog.result() != QDialog::Accepted)
            return atomsBefore && std::memcmp(atomsBefore->vel, Simulation.state().atoms.vel, sizeof atomsBefore->vel) != 0;
        // The box's width is what a person changes most there; the step says which.
        if (&dialog == BoxDialog && Simulation.getHalfWidth() != halfWidth)
            text = tr("Box Width %1 nm").arg(2.0 * Simulation.getHalfWidth() * 1e9, 0, 'f', 1);
        return true;
    }, CDocument::noChange);
    Document.announce(touches);
}

void CUIWindow::hideApplication()
{
    showMinimized();
}

void CUIWindow::runNewSimulationDialog()
{
    if (!Document.replaceState(tr("New Simulation"), [this] {
            const CDisplaySettings shown = Simulation.state().display;
            NewSimulationDialog->run();
            if (!NewSimulationDialog->built()) return false;
            keepWindowLayout(shown);
            Document.setName(QString());  // not saved anywhere yet
            return true;
        }, false))
        return;
    followUpOpenFile();
}

void CUIWindow::runAddAtomDialog() { runParameterDialog(*AddAtomDialog, tr("Add Atom"), CDocument::atoms); }

void CUIWindow::runEditAtomDialog() { runParameterDialog(*EditAtomDialog, tr("Edit Selected Atoms"), CDocument::atoms); }

void CUIWindow::runAtomNumbersDialog()
{
    runParameterDialog(*AtomNumbersDialog, tr("Number of Atoms"), CDocument::atoms | CDocument::parameters);
}

void CUIWindow::runAtomPropertiesDialog()
{
    runParameterDialog(*AtomPropertiesDialog, tr("Atom Properties"), CDocument::atoms | CDocument::parameters);
}

void CUIWindow::runPotentialsDialog() { runParameterDialog(*PotentialsDialog, tr("Potentials"), CDocument::parameters); }

void CUIWindow::runTimingDialog() { runParameterDialog(*TimingDialog, tr("Timing"), CDocument::parameters); }

void CUIWindow::runBoxDialog() { runParameterDialog(*BoxDialog, tr("Box and Piston"), CDocument::parameters | CDocument::atoms); }

void CUIWindow::runFloorDialog() { runParameterDialog(*FloorDialog, tr("Floor"), CDocument::parameters); }

void CUIWindow::runEnergyDialog() { runParameterDialog(*EnergyDialog, tr("Energy Conservation"), CDocument::parameters); }

void CUIWindow::runChangeKEDialog() { runParameterDialog(*ChangeKEDialog, tr("Change Kinetic Energy"), CDocument::atoms); }

void CUIWindow::runDisplaysDialog() { runParameterDialog(*DisplaysDialog, tr("Displays"), CDocument::display); }

void CUIWindow::runViewDialog() { runParameterDialog(*ViewDialog, tr("View Distances"), CDocument::display); }

void CUIWindow::debug1() { selectClump(); }

void CUIWindow::debug2() { shiftToFit(); }

// A folder, then the number of copies; the two files are written together or not at all.
void CUIWindow::fileExportLammps()
{
    CPlatform& services = platform;
    std::string problem = checkLammpsExport(Simulation.state(), 1);
    if (!problem.empty()) {
        services.alert("Alert.", problem, {"OK"});
        return;
    }
    std::string folder;
    if (!services.folderPanel(tr("Export for LAMMPS: choose a folder").toStdString(), folder)) return;
    ReplicateDialog->run();
    if (!ReplicateDialog->confirmed) return;
    problem = exportForLammps(Simulation.state(), folder, ReplicateDialog->copies);
    if (!problem.empty()) {
        services.alert("Alert.", problem, {"OK"});
        return;
    }
    services.alert("Exported for LAMMPS.",
                   "Wrote in.quorvel and data.quorvel in " + folder + ".\nRun them there with: lmp -in in.quorvel",
                   {"OK"});
}
