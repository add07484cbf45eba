// SPDX-License-Identifier: GPL-3.0-or-later
// CStepView: the model's fields and passes an integration step uses.
#include "SIM/engine/CStepView.h"

#include "SIM/model/CSimulation.h"

CStepView::CStepView(CSimulationState& state, CSimulation& model)
    : number(state.atoms.number),
      diam(state.types.diam),
      invm(state.types.invm),
      LJeps(state.forces.LJeps),
      charge(state.forces.charge),
      LJepsFloor(state.forces.LJepsFloor),
      halfWidth(state.box.halfWidth),
      timeStep(state.clock.timeStep),
      iterationsPerDisplay(state.clock.iterationsPerDisplay),
      loc(state.atoms.loc),
      acc(state.atoms.acc),
      aPEnergy(state.atoms.aPEnergy),
      aTEnergy(state.atoms.aTEnergy),
      dE(state.atoms.dE),
      PEnergy(state.outputs.PEnergy),
      dptot(state.outputs.dptot),
      virial(state.outputs.virial),
      iterations(state.clock.iterations),
      elapsedTime(state.clock.elapsedTime),
      model_(&model)
{
}

bool CStepView::potentialUsed() const { return model_->getPotentialUsed(); }
bool CStepView::conserve() const { return model_->getConserve(); }
bool CStepView::pistonUsed() const { return model_->getPistonUsed() && !model_->isPeriodic(); }
bool CStepView::periodic() const { return model_->isPeriodic(); }
bool CStepView::contactsUsed() const { return model_->getContactsUsed(); }
unsigned CStepView::stateRevision() const { return model_->getStateRevision(); }

void CStepView::initSimulationEnergies() { model_->initSimulationEnergies(); }
void CStepView::resetIPS() { model_->resetIPS(); }
void CStepView::driftAtoms(double dt, double quad) { model_->driftAtoms(dt, quad); }
void CStepView::movePiston(double dt, double quad) { model_->movePiston(dt, quad); }
void CStepView::collideWithBox() { model_->collideWithBox(); }
void CStepView::collideAtomPair(int t, int i, int u, int j) { model_->collideAtomPair(t, i, u, j); }
bool CStepView::foldAtomsIntoBox() { return model_->foldAtomsIntoBox(); }
void CStepView::kickAtoms(double half) { model_->kickAtoms(half); }
void CStepView::kickAndTotalEnergy(double half) { model_->kickAndTotalEnergy(half); }
void CStepView::referenceForcePass() { model_->MDCALCCalcAcc(); }
void CStepView::rescaleToConserve() { model_->rescaleToConserve(); }
void CStepView::calculateAllOutputs(bool lastStepOfDisplay) { model_->calculateAllOutputs(lastStepOfDisplay); }
void CStepView::calculateIPS() { model_->calculateIPS(); }

void CStepView::potential(double invR, double sigma, double eps, double q1, double q2, double& force, double& energy)
{
    CSimulation::MDCALCpot(invR, sigma, eps, q1, q2, force, energy);
}
