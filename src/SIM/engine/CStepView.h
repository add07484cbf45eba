// SPDX-License-Identifier: GPL-3.0-or-later
// What an integration step reads and writes of the model, and the model's
// passes it runs, as the model hands them to an engine. The engine sees the
// atoms, their types and the box through this view only: the arrays it reads
// are const, the ones it writes are not, and everything else of the step
// (drift, kicks, walls, piston, kinetic energies, outputs) it asks the model
// to do through the passes below.
//
// The view holds references into the model, so it stays valid as long as the
// model does and always shows its present values. Nothing in it is virtual:
// an engine's loops index the model's own arrays.
#pragma once

#include "BASE/CVector.h"
#include "SIM/model/CModelLimits.h"

class CSimulation;
struct CSimulationState;

class CStepView {
public:
    static constexpr int kTypes = modelLimits::kTypes;
    static constexpr int kPerType = modelLimits::kMaxPerType;
    // By type, and in slot kAllAtoms for all atoms together.
    static constexpr int kAllAtoms = modelLimits::kAllAtoms;
    static constexpr int kSlots = modelLimits::kSlots;

    // The model hands its own state and itself, for the passes.
    CStepView(CSimulationState& state, CSimulation& model);

    // ---- read by the step
    const int (&number)[kTypes];
    const double (&diam)[kTypes];
    const double (&invm)[kTypes];
    const double (&LJeps)[kTypes][kTypes];
    const double (&charge)[kTypes];
    const double (&LJepsFloor)[kTypes];
    const double& halfWidth;
    const double& timeStep;
    const unsigned& iterationsPerDisplay;
    // Positions change only in the model's passes (drift, walls, contacts).
    const CVector (&loc)[kTypes][kPerType];

    // ---- written by the step
    CVector (&acc)[kTypes][kPerType];
    double (&aPEnergy)[kTypes][kPerType];
    double (&aTEnergy)[kTypes][kPerType];
    // Each atom's energy change since the last conservation, paired by the engine.
    double (&dE)[kTypes][kPerType];
    double (&PEnergy)[kSlots];
    // Momentum given to the walls and the floor in this step.
    double (&dptot)[kSlots];
    // In a periodic box, the step's virial (J), by type and for all atoms.
    double (&virial)[kSlots];
    unsigned& iterations;
    double& elapsedTime;

    // ---- switches, as the model's getters tell them
    bool potentialUsed() const;
    bool conserve() const;
    bool pistonUsed() const;
    // Periodic box: no walls, floor or piston; pairs by the minimum image.
    bool periodic() const;
    // Contacts at the mean diameter; off, pairs inside it feel the full repulsion.
    bool contactsUsed() const;
    // Moves on every change a person or a file makes to the state.
    unsigned stateRevision() const;

    // ---- the model's passes
    // Before the first step of a run: energies to conserve, the speed meter.
    void initSimulationEnergies();
    void resetIPS();
    void driftAtoms(double dt, double quad);
    void movePiston(double dt, double quad);
    // Walls and piston; starts dptot afresh.
    void collideWithBox();
    // The reference's contact of one pair, atoms (t, i) and (u, j).
    void collideAtomPair(int t, int i, int u, int j);
    bool foldAtomsIntoBox();
    void kickAtoms(double half);
    void kickAndTotalEnergy(double half);
    // The reference force pass, over every pair.
    void referenceForcePass();
    // Scales the speeds to take back the paired energy changes (dE).
    void rescaleToConserve();
    void calculateAllOutputs(bool lastStepOfDisplay);
    void calculateIPS();
    // The pair potential's force and energy, as the reference forms them.
    static void potential(double invR, double sigma, double eps, double q1, double q2, double& force,
                          double& energy);

private:
    CSimulation* model_;
};
