// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the forces and potential energies the state implies, as the
// plain loop over all pairs finds them: what a person's change starts the
// energies again from, and the reference the engines' force passes match.
// Also the energy-difference display's reset and the steps-per-second clock.
#include "SIM/model/CForceConstants.h"
#include "SIM/model/CMinimumImage.h"
#include "SIM/model/CSimulation.h"

#include <cmath>

using namespace quorvel;

namespace {
constexpr double kCutoff2 = kCutoffDiameters * kCutoffDiameters;
}  // namespace

void CSimulation::MDCALCpot(double invR, double sigma, double eps, double q1, double q2, double& force, double& energy)
{
    double sa = sigma * invR;
    double p = sa * sa;
    double s6 = p * p * p;
    double s12 = s6 * s6;
    CPairStrength strength = pairStrength(sigma, q1, q2);
    double c = strength.coulomb;
    double b = strength.core;
    energy = 4.0 * eps * (s12 - s6) + invR * c + b * s12;
    force = 24.0 * eps * invR * (2.0 * s12 - s6) + invR * invR * c + 12.0 * invR * b * s12;
}

// In a periodic box the pairs meet by the minimum image, no floor acts and
// each pair's r.F is summed into the virial row by row (a row: an atom with
// every later one). Without contacts, pairs inside the mean diameter act too;
// only coincident atoms, which have no direction, are passed over.
void CSimulation::MDCALCCalcAcc()
{
    const bool periodic = isPeriodic();
    outputs.PEnergy[kAllAtoms] = 0.0;
    for (int t = 0; t < kTypes; t++) {
        outputs.PEnergy[t] = 0.0;
        for (int i = 0; i < atoms.number[t]; i++) {
            atoms.acc[t][i].init();
            atoms.aPEnergy[t][i] = 0.0;
            atoms.aTEnergy[t][i] = 0.0;
        }
    }
    if (periodic)
        for (double& w : outputs.virial) w = 0.0;
    if (!forces.potentialUsed) return;

    const bool contacts = forces.contactsUsed;
    const double h = box.halfWidth;
    double force, energy;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            double d = types.diam[t];
            double z = atoms.loc[t][i].getZ() + box.halfWidth + kFloorOffset * d;
            if (!periodic && z <= kFloorRange * d) {
                MDCALCpot(1.0 / z, d, forces.LJepsFloor[t], 0.0, 0.0, force, energy);
                atoms.acc[t][i].v[2] += types.invm[t] * force;
                atoms.aPEnergy[t][i] += energy;
                atoms.aTEnergy[t][i] += energy;
                outputs.PEnergy[t] += energy;
                outputs.PEnergy[kAllAtoms] += energy;
                outputs.dptot[t] += clock.timeStep * force;
                outputs.dptot[kAllAtoms] += clock.timeStep * force;
            }
            double row = 0.0;
            for (int u = t; u < kTypes; u++) {
                bool bothCharged = forces.charge[t] != 0.0 && forces.charge[u] != 0.0;
                double m = (types.diam[t] + types.diam[u]) / 2.0;
                double m2 = m * m;
                double lower2 = contacts ? m2 : 0.0;
                for (int j = (u == t ? i + 1 : 0); j < atoms.number[u]; j++) {
                    CVector direction;
                    direction.equalsSub(atoms.loc[t][i], atoms.loc[u][j]);
                    if (periodic) minimumImage(direction, h);
                    double r2 = direction.norm();
                    if (r2 <= lower2) continue;
                    if (r2 > kCutoff2 * m2 && !bothCharged) continue;
                    double r = std::sqrt(r2);
                    direction.divs(r);
                    MDCALCpot(1.0 / r, m, forces.LJeps[t][u], forces.charge[t], forces.charge[u], force, energy);
                    CVector accelerationChange;
                    accelerationChange.equalsMuls(direction, types.invm[t] * force);
                    atoms.acc[t][i].add(accelerationChange);
                    accelerationChange.equalsMuls(direction, types.invm[u] * force);
                    atoms.acc[u][j].sub(accelerationChange);
                    double halfEnergy = energy / 2.0;
                    atoms.aPEnergy[t][i] += halfEnergy;
                    atoms.aTEnergy[t][i] += halfEnergy;
                    atoms.aPEnergy[u][j] += halfEnergy;
                    atoms.aTEnergy[u][j] += halfEnergy;
                    if (periodic) row += force * r;
                }
            }
            if (periodic) {
                outputs.virial[t] += row;
                outputs.virial[kAllAtoms] += row;
            }
        }
}

// The potential energy MDCALCCalcAcc would find, without touching the
// accelerations the next step starts from: the floor term of atom (t, i) ...
double CSimulation::floorEnergyFromPosition(int t, int i) const
{
    if (isPeriodic()) return 0.0;
    double d = types.diam[t];
    double h = atoms.loc[t][i].getZ() + box.halfWidth + kFloorOffset * d;
    if (!(h <= kFloorRange * d)) return 0.0;
    double force, energy;
    MDCALCpot(1.0 / h, d, forces.LJepsFloor[t], 0.0, 0.0, force, energy);
    return energy;
}

// ... and the pair term of atoms (t, i) and (u, j).
double CSimulation::pairEnergyFromPositions(int t, int i, int u, int j) const
{
    double m = (types.diam[t] + types.diam[u]) / 2.0;
    double m2 = m * m;
    CVector separation;
    separation.equalsSub(atoms.loc[t][i], atoms.loc[u][j]);
    if (isPeriodic()) minimumImage(separation, box.halfWidth);
    double r2 = separation.norm();
    if (r2 <= (forces.contactsUsed ? m2 : 0.0)) return 0.0;
    if (r2 > kCutoff2 * m2 && !(forces.charge[t] != 0.0 && forces.charge[u] != 0.0)) return 0.0;
    double force, energy;
    MDCALCpot(1.0 / std::sqrt(r2), m, forces.LJeps[t][u], forces.charge[t], forces.charge[u], force, energy);
    return energy;
}

double CSimulation::potentialEnergyFromPositions() const
{
    if (!forces.potentialUsed) return 0.0;
    double total = 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            total += floorEnergyFromPosition(t, i);
            for (int u = t; u < kTypes; u++)
                for (int j = (u == t ? i + 1 : 0); j < atoms.number[u]; j++) total += pairEnergyFromPositions(t, i, u, j);
        }
    return total;
}

// The potential energy of atom (t, i) with the floor and every other atom.
double CSimulation::atomEnergyFromPositions(int t, int i) const
{
    if (!forces.potentialUsed) return 0.0;
    double total = floorEnergyFromPosition(t, i);
    for (int u = 0; u < kTypes; u++)
        for (int j = 0; j < atoms.number[u]; j++)
            // Each pair in the order the force pass takes it (its constants
            // are those of the earlier type).
            if (u < t || (u == t && j < i)) total += pairEnergyFromPositions(u, j, t, i);
            else if (u != t || j != i) total += pairEnergyFromPositions(t, i, u, j);
    return total;
}

void CSimulation::initEnergyDiffDisplay()
{
    conservation.tdE = 0.0;
    conservation.tdEPercent = 0.0;
    conservation.tdENotConserved = 0.0;
}

void CSimulation::resetIPS()
{
    clock.oldt = clock_->now();
    clock.newt = clock.oldi = clock.newi = clock.ips = 0.0;
}

void CSimulation::calculateIPS()
{
    if (clock.runState != CRunState::running) {
        clock.ips = 0.0;
        return;
    }
    clock.newt = clock_->now();
    double elapsed = clock.newt - clock.oldt;
    if (elapsed > 1.0) {
        clock.newi = clock.iterations;
        clock.ips = (clock.newi - clock.oldi) / elapsed;
        if (clock.ips < 0) clock.ips = 0.0;
        clock.oldt = clock.newt;
        clock.oldi = clock.newi;
    }
}
