// SPDX-License-Identifier: GPL-3.0-or-later
// CStepView: the model's fields and passes an integration step uses.
#include "CStepView.h"

#include "CSimulation.h"

static_assert(CStepView::kTypes == CSimulation::kTypes && CStepView::kAllAtoms == CSimulation::kAllAtoms && CStepView::kPerType == CSimulation::kMaxPerType &&
              CStepView::kSlots == CSimulation::kSlots);

CStepView::CStepView(CSimulation& model)
    : number(model.number),
      diam(model.diam),
      invm(model.invm),
      LJeps(model.LJeps),
      charge(model.charge),
      LJepsFloor(model.LJepsFloor),
      halfWidth(model.halfWidth),
      timeStep(model.timeStep),
      iterationsPerDisplay(model.iterationsPerDisplay),
      loc(model.loc),
      acc(model.acc),
      aPEnergy(model.aPEnergy),
      aTEnergy(model.aTEnergy),
      dE(model.dE),
      PEnergy(model.PEnergy),
      dptot(model.dptot),
      iterations(model.iterations),
      elapsedTime(model.elapsedTime),
      model_(&model)
{
}

bool CStepView::potentialUsed() const { return model_->getPotentialUsed(); }
bool CStepView::conserve() const { return model_->getConserve(); }
bool CStepView::pistonUsed() const { return model_->getPistonUsed(); }

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
void CStepView::referenceConservation() { model_->MDCALCEnergyAdj(); }
void CStepView::rescaleToConserve() { model_->rescaleToConserve(); }
void CStepView::calculateAllOutputs(bool lastStepOfDisplay) { model_->calculateAllOutputs(lastStepOfDisplay); }
void CStepView::calculateIPS() { model_->calculateIPS(); }

void CStepView::potential(double invR, double sigma, double eps, double q1, double q2, double& force, double& energy)
{
    CSimulation::MDCALCpot(invR, sigma, eps, q1, q2, force, energy);
}
